// The page's loading and its failures against a host that misbehaves: the
// progress on a slow data file, a host's error page in place of the data,
// an error thrown after the start, and site data blocked. Each case opens
// a first visit of its own through open(url, viewport, prepare) and drives
// it with what puppeteer offers in every engine; only the last, which
// launches a Chromium of its own, is Chromium's alone.
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { openPage, waitIdle, pagePoint, middle, CHROMIUM, CHROMIUM_FLAGS } = require('./browser');
const { startHost } = require('./host');

const DESKTOP = { width: 1000, height: 600, deviceScaleFactor: 1 };
const CONNECTION = /Vérifiez votre connexion/;
const FAILED = '#ended:not([hidden])';

// Set on every new document: window.workerOutcome resolves with what
// became of the page's service worker ('activated', 'redundant' when it
// did not install, 'refused' when registering failed).
function watchWorker() {
  const register = ServiceWorkerContainer.prototype.register;
  ServiceWorkerContainer.prototype.register = function (...args) {
    const registered = register.apply(this, args);
    window.workerOutcome = registered.then((r) => {
      const worker = r.installing || r.waiting || r.active;
      return new Promise((resolve) => {
        const settled = () => ['activated', 'redundant'].includes(worker.state) && resolve(worker.state);
        worker.addEventListener('statechange', settled);
        settled();
      });
    }, () => 'refused');
    // The page's own promise, which only the page handles.
    return new Promise((resolve, reject) => registered.then(resolve, reject));
  };
}
const workerOutcome = (page) => page.waitForFunction(() => window.workerOutcome, { timeout: 20000 })
  .then(() => page.evaluate(() => window.workerOutcome));

const failure = async (page) => {
  await page.waitForSelector(FAILED, { timeout: 10000 });
  return page.$eval('#ended', (e) => e.textContent.trim().replace(/\s+/g, ' '));
};

const cases = [];
// `engines`: where a case can run (all when not given).
const test = (name, fn, engines) => cases.push({ name, fn, engines });

test('a slow data file: progress before the first frame, and 100 % only once every byte is sent', async ({ open, webDir }) => {
  // The data held back half a second, then trickled: the program is in
  // well before it.
  const host = await startHost(webDir, { slow: { match: /\.data$/, wait: 500, rate: 250e3 } });
  try {
    const page = await open(host.url, DESKTOP, (p) => p.evaluateOnNewDocument(() => {
      // Every text shown, with what the host had sent of each file then.
      window.loadingTexts = [];
      document.addEventListener('DOMContentLoaded', () => {
        const text = document.getElementById('loading-text');
        new MutationObserver(() => {
          const sent = new XMLHttpRequest();
          sent.open('GET', '/sent', false);
          sent.send();
          window.loadingTexts.push({ text: text.textContent, drawn: !!(window.Module && Module.idleCount > 0),
                                     sent: JSON.parse(sent.responseText) });
        }).observe(text, { childList: true, characterData: true, subtree: true });
      });
    }));
    await waitIdle(page, 1, 30000);
    const shown = await page.evaluate(() => window.loadingTexts);
    const percents = shown.map(({ text }) => Number(/^Chargement… (\d+)\s%$/.exec(text)[1]));
    for (const { text, sent } of shown.filter((s) => s.text.includes(' 100'))) {
      const short = Object.entries(sent).filter(([, [bytes, length]]) => bytes < length);
      assert.deepEqual(short, [], `"${text}" with only this sent`);
    }
    assert.ok(shown.every(({ drawn }) => !drawn), 'the loading text changed after the first frame');
    assert.ok(percents.some((p) => p > 0 && p < 100), `no progress on the way: ${percents}`);
    assert.deepEqual(percents, [...percents].sort((a, b) => a - b), 'the progress went back');
    assert.equal(percents[percents.length - 1], 100, 'the progress never reached 100 %');
    console.log(`    while loading: ${percents.join(' ')}`);
    return page;
  } finally {
    host.close();
  }
});

test('a host answering the data with an error page: its fault, nothing kept, the next visits play', async ({ open, webDir }) => {
  const host = await startHost(webDir);
  const errorPage = { status: 200, type: 'text/html', body: '<!doctype html><title>Maintenance</title><p>Back soon.' };
  const data = fs.readdirSync(webDir).find((f) => /^vantrel\.[0-9a-f]{12}\.data$/.test(f));
  try {
    host.answer = (name) => name === data && errorPage;
    const page = await open(host.url, DESKTOP, (p) => p.evaluateOnNewDocument(watchWorker));
    const said = await failure(page);
    assert.doesNotMatch(said, CONNECTION, 'the connection blamed for the host\'s answer');
    assert.equal(await workerOutcome(page), 'redundant', 'the worker installed the error page');

    // Answered wrong twice more, to the page and to the worker: the worker
    // asks again and installs the right bytes.
    let wrong = 2;
    host.answer = (name) => name === data && wrong-- > 0 && errorPage;
    await page.reload();
    await failure(page);
    assert.equal(await workerOutcome(page), 'activated', 'the worker did not ask again');
    host.answer = null;
    await page.reload();
    await waitIdle(page, 1, 20000);

    // A wrong copy in the cache (kept by an older worker) is replaced at
    // the next visit.
    await page.evaluate(async (name, text) => {
      for (const key of await caches.keys()) await (await caches.open(key)).put(name, new Response(text));
    }, data, errorPage.body);
    await page.reload();
    await waitIdle(page, 1, 20000);
    const kept = await page.evaluate(async (name) => (await (await caches.match(name)).arrayBuffer()).byteLength, data);
    assert.equal(kept, fs.statSync(path.join(webDir, data)).size, 'the cache\'s copy after a good answer');
    return page;
  } finally {
    host.close();
  }
});

test('an error thrown in the glue after the start: the page says so and offers to start again', async ({ open, url, tables }) => {
  const page = await open(url, DESKTOP);
  await waitIdle(page, 1, 20000);
  await page.evaluate(() => {
    VantrelInput.filter = () => { throw new Error('thrown by the test'); };
  });
  const box = await (await page.$('#canvas')).boundingBox();
  await page.mouse.click(...pagePoint(box, middle(tables.rects.newgame[0])));
  assert.equal(await failure(page), 'Le jeu s’est arrêté sur une erreur. Recommencer');
  assert.ok(page.errors.length > 0 && page.errors.every((e) => /thrown by the test/.test(e)), `${page.errors}`);
  page.errors.length = 0;
  await Promise.all([page.waitForNavigation(), page.click('#again')]);
  await waitIdle(page, 1, 20000);
  return page;
});

test('site data blocked: the service worker cannot register, the game plays', async ({ webDir, tables }) => {
  // The data held back so that the refusal comes before the start.
  const host = await startHost(webDir, { slow: { match: /\.data$/, wait: 500, rate: 2e6 } });
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-blocked-'));
  fs.mkdirSync(path.join(profile, 'Default'));
  fs.writeFileSync(path.join(profile, 'Default/Preferences'),
    JSON.stringify({ profile: { default_content_setting_values: { cookies: 2 } } }));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM, headless: true, args: [...CHROMIUM_FLAGS, `--user-data-dir=${profile}`],
    defaultViewport: DESKTOP });
  try {
    const page = await browser.newPage();
    page.errors = [];
    page.on('pageerror', (e) => page.errors.push(e.message));
    await page.evaluateOnNewDocument(watchWorker);
    await page.goto(host.url);
    assert.equal(await workerOutcome(page), 'refused', 'site data is not blocked');
    await waitIdle(page, 1, 20000);
    assert.equal(await page.$eval('#ended', (e) => e.hidden), true, 'a failure shows over the game');
    const box = await (await page.$('#canvas')).boundingBox();
    const before = await page.evaluate(() => Module.idleCount);
    await page.mouse.click(...pagePoint(box, middle(tables.rects.newgame[0])));
    await waitIdle(page, before + 1, 5000);
    assert.deepEqual(page.errors, [], 'page errors');
  } finally {
    await browser.close();
    host.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}, ['chromium']);

// Runs every case for `engine` (those whose name matches `only`, when
// given); returns how many ran and failed. `browser` opens the first
// visits, served at `url`; `tables` are the game's (readTables).
async function loadingCases({ browser, url, webDir, tables, only, engine = 'chromium' }) {
  let failed = 0, ran = 0;
  const chosen = cases.filter((c) => (!c.engines || c.engines.includes(engine)) && (!only || only.test(c.name)));
  for (const { name, fn } of chosen) {
    ran++;
    const contexts = [];
    const open = (address, viewport, prepare) => openPage(browser, contexts, address, viewport, prepare);
    try {
      const page = await fn({ open, url, webDir, tables });
      if (page) assert.deepEqual(page.errors, [], 'page errors');
      console.log(`ok - ${name}`);
    } catch (e) {
      failed++;
      console.log(`not ok - ${name}\n    ${e.message.split('\n').join('\n    ')}`);
    } finally {
      for (const context of contexts) await context.close();
    }
  }
  return { ran, failed };
}

module.exports = { loadingCases };
