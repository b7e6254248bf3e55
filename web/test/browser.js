// Shared by the browser test and the measuring script: serves the web folder
// on 127.0.0.1, starts Debian's Chromium headless and opens the page.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { serve } = require('../serve');

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

module.exports = { startSession, waitIdle, CHROMIUM_FLAGS };
