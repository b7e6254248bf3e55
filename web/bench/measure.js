#!/usr/bin/env node
// Measures the browser build in headless Chromium on 127.0.0.1; prints the
// figures, times nothing as a pass or fail.
// Usage: node web/bench/measure.js [WEB_FOLDER] [RUNS]
//   navigation to first frame  median over RUNS fresh page loads (no cache)
//   bytes transferred          sum of encoded (gzip) response sizes of a load
//   idle CPU                   main-thread task time over 10 s on the start screen
//   click to frame             input event to the next frame once the game
//                              has redrawn: a chip press, the deal (Carte release)
'use strict';
const path = require('path');
const { startSession, waitIdle } = require('../test/browser');

const webDir = path.resolve(process.argv[2] || path.join(__dirname, '../../build/web'));
const runs = Number(process.argv[3] || 5);
const IDLE_SECONDS = 10;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Navigation start to the first contentful paint, which is the first frame
// showing the canvas drawn; also the encoded bytes of every response.
async function loadOnce(browser, url) {
  const page = await browser.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
  let bytes = 0;
  cdp.on('Network.loadingFinished', (e) => { bytes += e.encodedDataLength; });
  await page.goto(url);
  await waitIdle(page, 1);
  const timing = await page.evaluate(() => new Promise((resolve) => {
    new PerformanceObserver((list, observer) => {
      const paint = list.getEntriesByName('first-contentful-paint')[0];
      if (!paint) return;
      observer.disconnect();
      resolve({ paint: paint.startTime, idle: Module.idleAt });
    }).observe({ type: 'paint', buffered: true });
  }));
  return { page, cdp, bytes, ...timing };
}

// Time from an input event on the canvas to the first animation frame after
// the game has finished drawing in answer to it.
async function clickToFrame(page, type, x, y) {
  const box = await (await page.$('canvas')).boundingBox();
  await page.evaluate((eventType) => {
    window.__probe = new Promise((resolve) => {
      let sent = 0;
      window.addEventListener(eventType, (e) => { sent = e.timeStamp; }, { capture: true, once: true });
      const idle = Module.onIdle;
      Module.onIdle = () => {
        idle();
        if (!sent) return;  // woken by something else, a mouse move
        Module.onIdle = idle;
        requestAnimationFrame((frame) => resolve(frame - sent));
      };
    });
  }, type);
  await page.mouse.move(box.x + x, box.y + y);
  if (type === 'mousedown') await page.mouse.down();
  else await page.mouse.up();
  return page.evaluate(() => window.__probe);
}

(async () => {
  const session = await startSession(webDir);
  try {
    const loads = [];
    for (let i = 0; i < runs; i++) {
      const load = await loadOnce(session.browser, session.url);
      loads.push(load);
      if (i < runs - 1) await load.page.close();
    }
    const { page, cdp } = loads[loads.length - 1];
    console.log(`navigation to first frame: median ${median(loads.map((l) => l.paint)).toFixed(0)} ms ` +
                `(runs, frame/game waiting: ${loads.map((l) => `${l.paint.toFixed(0)}/${l.idle.toFixed(0)}`).join(', ')})`);
    console.log(`bytes transferred (gzip): ${loads[0].bytes} (${(loads[0].bytes / 1024 / 1024).toFixed(2)} MiB)`);

    await cdp.send('Performance.enable');
    await new Promise((r) => setTimeout(r, 2000));  // let the load's own work (GC) finish
    const taskTime = async () => (await cdp.send('Performance.getMetrics')).metrics
      .find((m) => m.name === 'TaskDuration').value;
    const idleBefore = await page.evaluate(() => Module.idleCount);
    const before = await taskTime();
    await new Promise((r) => setTimeout(r, IDLE_SECONDS * 1000));
    const busy = (await taskTime()) - before;
    const wakes = (await page.evaluate(() => Module.idleCount)) - idleBefore;
    console.log(`idle main-thread CPU on the start screen: ${(100 * busy / IDLE_SECONDS).toFixed(3)} % ` +
                `(${(busy * 1000).toFixed(1)} ms in ${IDLE_SECONDS} s; game wake-ups: ${wakes})`);

    // Start screen -> bet screen, then a chip (the stake moves on the press)
    // and Carte (the deal happens on the release).
    await page.mouse.click(0, 0);  // nothing there: only focuses the page
    const chips = [], deals = [];
    await clickToFrame(page, 'mousedown', 283, 145);
    await clickToFrame(page, 'mouseup', 283, 145);
    for (let i = 0; i < 5; i++) {
      chips.push(await clickToFrame(page, 'mousedown', 60, 230));
      await clickToFrame(page, 'mouseup', 60, 230);
      await clickToFrame(page, 'mousedown', 400, 450);
      deals.push(await clickToFrame(page, 'mouseup', 400, 450));
      await clickToFrame(page, 'mousedown', 400, 450);  // draw
      await clickToFrame(page, 'mouseup', 400, 450);
      await clickToFrame(page, 'mousedown', 400, 450);  // Rejouer
      await clickToFrame(page, 'mouseup', 400, 450);
    }
    console.log(`click to frame, chip press: median ${median(chips).toFixed(1)} ms (${chips.map((v) => v.toFixed(1)).join(', ')})`);
    console.log(`click to frame, deal (Carte release): median ${median(deals).toFixed(1)} ms (${deals.map((v) => v.toFixed(1)).join(', ')})`);
  } finally {
    await session.close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
