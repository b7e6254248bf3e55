// Shared by the browser test and the measuring script: serves the web folder
// on 127.0.0.1, starts Debian's Chromium headless and opens the page.
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { serve } = require('../serve');
const { readPng } = require('./pixels');

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

// The machine may have no network and no display; keep the browser quiet.
const CHROMIUM_FLAGS = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--window-size=1000,600',
];

async function startSession(webDir) {
  const { server, url } = await serve(webDir, 0);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-chromium-'));
  let browser;
  try {
    browser = await puppeteer.launch({
      executablePath: CHROMIUM,
      headless: true,
      args: [...CHROMIUM_FLAGS, `--user-data-dir=${profile}`],
      defaultViewport: { width: 1000, height: 600, deviceScaleFactor: 1 },
    });
  } catch (e) {
    server.close();
    fs.rmSync(profile, { recursive: true, force: true });
    throw e;
  }
  const close = async () => {
    await browser.close().catch(() => {});
    server.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { browser, server, url, close };
}

// Resolves once the game has drawn its screen and waits for input `count`
// times in all (Module.idleCount, counted by the glue).
function waitIdle(page, count, timeout = 10000) {
  return page.waitForFunction((n) => window.Module && Module.idleCount >= n, { timeout, polling: 'raf' }, count);
}

// The game's own picture size; the page shows it scaled.
const GAME_WIDTH = 872, GAME_HEIGHT = 488;

// Phones as the suite and the measuring script emulate them, and the
// "Fast 3G" network profile (1.6 Mbit/s down, 150 ms).
const PHONE_PORTRAIT = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const PHONE_LANDSCAPE = { width: 844, height: 390, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const FAST_3G = { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 };

// The page point at the centre of game pixel [x, y], for the canvas' box on
// the page.
function pagePoint(box, [x, y]) {
  return [box.x + (x + 0.5) * box.width / GAME_WIDTH, box.y + (y + 0.5) * box.height / GAME_HEIGHT];
}

// The canvas' box on the page, in CSS pixels.
function canvasBox(page) {
  return page.evaluate(() => {
    const r = document.getElementById('canvas').getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
  });
}

// The game's picture as it drew it, whatever its size on the page.
async function canvasPixels(page) {
  const url = await page.evaluate(() => document.getElementById('canvas').toDataURL('image/png'));
  return readPng(Buffer.from(url.slice(url.indexOf(',') + 1), 'base64'));
}

// The game's tables as the art tool writes them for the page (beside the
// runtime folder, in icons/web/): each element's places and files by name
// (files relative to image/), its click rectangles by name, and the score
// text places.
function readTables(runtimeDir) {
  const tables = JSON.parse(fs.readFileSync(path.join(runtimeDir, '../icons/web/tables.json'), 'utf8'));
  const places = {}, files = {}, rects = {};
  for (const e of tables.elements) {
    (places[e.name] ||= []).push(...e.places);
    (files[e.name] ||= []).push(e.files.map((f) => f && f.replace(/^image\//, '')));
  }
  for (const { element, index, rect } of tables.hitRects) (rects[element] ||= [])[index] = rect;
  return { ...tables, places, files, rects };
}

// Runs one case, printing "ok - NAME", or "not ok - NAME" and why; `after`
// runs whatever the outcome. Resolves with whether the case passed.
async function runCase(name, fn, after = async () => {}) {
  try {
    await fn();
    console.log(`ok - ${name}`);
    return true;
  } catch (e) {
    console.log(`not ok - ${name}\n    ${e.message.split('\n').join('\n    ')}`);
    return false;
  } finally {
    await after();
  }
}

// Runs [name, fn(browser, url)] cases, each on the browser contexts it
// opens into `opened` (closed after it); a page error fails the case.
async function runPageCases(cases, browser, url, opened) {
  let failed = 0;
  for (const [name, fn] of cases) {
    const passed = await runCase(name, async () => {
      const page = await fn(browser, url);
      assert.deepEqual(page.errors, [], 'page errors');
    }, async () => { for (const c of opened.splice(0)) await c.close(); });
    if (!passed) failed++;
  }
  return { ran: cases.length, failed };
}

// The middle pixel of an inclusive rectangle [left, top, right, bottom].
const middle = ([l, t, r, b]) => [Math.floor((l + r) / 2), Math.floor((t + b) / 2)];

// A first visit in a browser context of its own, which joins `contexts`
// (the caller closes them): no service worker from an earlier page serves
// it. The page's errors are kept in page.errors, a CDP session in page.cdp.
async function openPage(browser, contexts, url, viewport, prepare) {
  const context = await browser.createBrowserContext();
  contexts.push(context);
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  await page.setViewport(viewport);
  if (prepare) await prepare(page);
  page.cdp = await page.createCDPSession();
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  return page;
}

// Input the game has taken in: it has drawn its answer and waits again.
async function settled(page, action) {
  const before = await page.evaluate(() => Module.idleCount);
  await action();
  await waitIdle(page, before + 1, 5000);
}

module.exports = {
  runCase, runPageCases, startSession, openPage, waitIdle, settled, pagePoint, canvasBox, canvasPixels, readTables, middle, CHROMIUM, CHROMIUM_FLAGS,
  GAME_WIDTH, GAME_HEIGHT,
  PHONE_PORTRAIT, PHONE_LANDSCAPE, FAST_3G,
};
