// The three browser engines the suite and the measuring script drive, each
// behind the same small page interface: Chromium and Firefox through
// puppeteer-core (CDP and WebDriver BiDi), WebKitGTK through WebDriver
// HTTP, its page given the few calls of puppeteer's Page the cases use
// (goto, reload, title, evaluate, waitForFunction, mouse, close).
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { CHROMIUM, CHROMIUM_FLAGS } = require('./browser');
const { startDriver, openSession } = require('./webdriver');

const FIREFOX = process.env.FIREFOX || '/usr/bin/firefox-esr';
const ENGINES = ['chromium', 'firefox', 'webkit'];
const VIEWPORT = { width: 1000, height: 600, deviceScaleFactor: 1 };

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Firefox as a first-time user has it, without the calls home a fresh
// profile makes.
const FIREFOX_PREFS = {
  'browser.shell.checkDefaultBrowser': false,
  'datareporting.policy.dataSubmissionEnabled': false,
  'app.update.disabledForTesting': true,
  'network.captive-portal-service.enabled': false,
};

// A puppeteer browser: each page in a context (a profile) of its own, so
// that every page is a first visit.
function puppeteerEngine(name, browser, cleanup) {
  return {
    name,
    browser,
    async newPage(viewport = VIEWPORT) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      page.engine = name;
      // Uncaught errors in the page (WebDriver HTTP has no way to see them).
      page.errors = [];
      page.on('pageerror', (e) => page.errors.push(e.message));
      await page.setViewport(viewport);
      const close = page.close.bind(page);
      page.close = async () => {
        await close().catch(() => {});
        await context.close().catch(() => {});
      };
      return page;
    },
    async close() {
      await browser.close().catch(() => {});
      cleanup();
    },
  };
}

// WebKitGTK's page, answering as much of puppeteer's Page as the cases use.
function webkitPage(session) {
  let at = [0, 0];
  const page = {
    engine: 'webkit',
    goto: (url) => session.goto(url),
    reload: () => session.reload(),
    title: () => session.evaluate(() => document.title),
    evaluate: (fn, ...args) => session.evaluate(fn, ...args),
    // Polled: WebDriver has no wait of its own.
    async waitForFunction(fn, { timeout = 30000 } = {}, ...args) {
      const until = Date.now() + timeout;
      for (;;) {
        const value = await session.evaluate(fn, ...args);
        if (value) return { jsonValue: async () => value };
        if (Date.now() > until) throw new Error(`waiting for ${String(fn).slice(0, 80)} timed out after ${timeout} ms`);
        await sleep(30);
      }
    },
    mouse: {
      move: (x, y) => {
        at = [Math.round(x), Math.round(y)];
        return session.pointer([{ type: 'pointerMove', duration: 0, origin: 'viewport', x: at[0], y: at[1] }]);
      },
      down: () => session.pointer([{ type: 'pointerDown', button: 0 }]),
      up: () => session.pointer([{ type: 'pointerUp', button: 0 }]),
    },
    close: () => session.close(),
  };
  return page;
}

// Starts an engine; `serviceWorkers: false` starts it with them turned off
// (Firefox only, by its preference).
async function launch(name, { serviceWorkers = true } = {}) {
  if (name === 'chromium') {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-chromium-'));
    const browser = await puppeteer.launch({
      executablePath: CHROMIUM,
      headless: true,
      args: [...CHROMIUM_FLAGS, `--user-data-dir=${profile}`],
      defaultViewport: VIEWPORT,
    });
    return puppeteerEngine(name, browser, () => fs.rmSync(profile, { recursive: true, force: true }));
  }
  if (name === 'firefox') {
    const browser = await puppeteer.launch({
      browser: 'firefox',
      protocol: 'webDriverBiDi',
      executablePath: FIREFOX,
      headless: true,
      defaultViewport: VIEWPORT,
      extraPrefsFirefox: { ...FIREFOX_PREFS, 'dom.serviceWorkers.enabled': serviceWorkers },
    });
    return puppeteerEngine(name, browser, () => {});
  }
  if (name === 'webkit') {
    const driver = await startDriver();
    return {
      name,
      async newPage() {
        return webkitPage(await openSession(driver.base, VIEWPORT));
      },
      close: driver.close,
    };
  }
  throw new Error(`no engine ${name}`);
}

// The engines to run, from VANTREL_ENGINES (e.g. "firefox,webkit"), all
// three by default.
function enginesWanted() {
  const wanted = (process.env.VANTREL_ENGINES || ENGINES.join(',')).split(',').map((e) => e.trim()).filter(Boolean);
  for (const e of wanted) if (!ENGINES.includes(e)) throw new Error(`VANTREL_ENGINES: no engine ${e}`);
  return wanted;
}

module.exports = { launch, enginesWanted, ENGINES, VIEWPORT };
