#!/usr/bin/env node
// Prints the game's size on the page for phones and a zoomed desktop
// window, in headless Chromium: its scale (canvas width / 872) against the
// largest at which the game alone would fit, its width in device pixels,
// and the height of the CHANGER lettering in CSS pixels (7 game pixels,
// rows 5 to 11 of its button). Times and judges nothing.
// Usage: node web/bench/sizes.js [WEB_FOLDER]
'use strict';
const path = require('path');
const { startSession, waitIdle, GAME_WIDTH, GAME_HEIGHT, PHONE_LANDSCAPE } = require('../test/browser');

const webDir = path.resolve(process.argv[2] || path.join(__dirname, '../../build/web'));
const CHANGER_LETTERING = 7;
const phone = (width, height) => ({ ...PHONE_LANDSCAPE, width, height });
const zoomed = (zoom) => ({ width: Math.round(1366 / zoom), height: Math.round(768 / zoom), deviceScaleFactor: zoom });
const SCREENS = [
  ['phone 844 x 390', phone(844, 390)], ['phone 844 x 340', phone(844, 340)], ['phone 915 x 412', phone(915, 412)],
  ['phone 640 x 360', phone(640, 360)], ['phone 390 x 844', phone(390, 844)],
  ['1366 x 768 at 100 %', zoomed(1)], ['1366 x 768 at 200 % (683 x 384)', zoomed(2)],
  ['1366 x 768 at 300 % (455 x 256)', zoomed(3)],
];

(async () => {
  const session = await startSession(webDir);
  try {
    console.log('| Screen | Scale | Largest alone | Share | Device px wide | CHANGER lettering (CSS px) |');
    console.log('|---|---|---|---|---|---|');
    for (const [name, viewport] of SCREENS) {
      const context = await session.browser.createBrowserContext();
      const page = await context.newPage();
      await page.setViewport(viewport);
      await page.goto(session.url, { waitUntil: 'domcontentloaded' });
      await waitIdle(page, 1, 30000);
      const width = await page.$eval('#canvas', (c) => c.getBoundingClientRect().width);
      const scale = width / GAME_WIDTH;
      const largest = Math.min(viewport.width / GAME_WIDTH, viewport.height / GAME_HEIGHT);
      console.log(`| ${name} | ${scale.toFixed(3)} | ${largest.toFixed(3)} | ${(100 * scale / largest).toFixed(1)} % | ` +
                  `${Math.round(width * viewport.deviceScaleFactor)} | ${(CHANGER_LETTERING * scale).toFixed(1)} |`);
      await context.close();
    }
  } finally {
    await session.close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
