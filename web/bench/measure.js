#!/usr/bin/env node
// Measures the browser build in headless Chromium on 127.0.0.1; prints the
// figures, times nothing as a pass or fail.
// Usage: node web/bench/measure.js [WEB_FOLDER] [RUNS]
//   first paint, first frame   median over RUNS fresh page loads (no cache)
//                              from navigation start: the first paint (the
//                              loading screen) and the game's first frame
//                              (drawn, the game waiting for input); on the
//                              desktop page, then on two phone profiles, on
//                              127.0.0.1 and on a "Fast 3G" network
//   bytes transferred          sum of encoded (gzip) response sizes of a load
//   idle CPU                   main-thread task time over 10 s on the start screen
//   click to frame             input event to the next frame once the game
//                              has redrawn: a chip press, the deal (Carte release)
'use strict';
const path = require('path');
const { startSession, waitIdle, pagePoint, PHONE_PORTRAIT, PHONE_LANDSCAPE, FAST_3G } = require('../test/browser');

const webDir = path.resolve(process.argv[2] || path.join(__dirname, '../../build/web'));
const runs = Number(process.argv[3] || 5);
const IDLE_SECONDS = 10;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const PHONES = [['phone 390 x 844', PHONE_PORTRAIT], ['phone 844 x 390', PHONE_LANDSCAPE]];

// Navigation start to the first contentful paint (the loading screen) and
// to the game waiting with its first frame drawn; also the encoded bytes of
// every response.
async function loadOnce(browser, url, viewport, network) {
  const page = await browser.newPage();
  if (viewport) await page.setViewport(viewport);
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  await cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
  if (network) await cdp.send('Network.emulateNetworkConditions', network);
  let bytes = 0;
  cdp.on('Network.loadingFinished', (e) => { bytes += e.encodedDataLength; });
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  await waitIdle(page, 1, 60000);
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
  await page.mouse.move(...pagePoint(box, [x, y]));  // the page shows the game scaled
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
    const report = (label, of) => console.log(`${label}: first paint median ${median(of.map((l) => l.paint)).toFixed(0)} ms, ` +
      `first frame median ${median(of.map((l) => l.idle)).toFixed(0)} ms ` +
      `(runs, paint/frame: ${of.map((l) => `${l.paint.toFixed(0)}/${l.idle.toFixed(0)}`).join(', ')})`);
    report('desktop 1000 x 600, 127.0.0.1', loads);
    console.log(`bytes transferred (gzip): ${loads[0].bytes} (${(loads[0].bytes / 1024 / 1024).toFixed(2)} MiB)`);

    for (const [name, viewport] of PHONES) {
      for (const [network, conditions] of [['127.0.0.1', null], ['Fast 3G (1.6 Mbit/s, 150 ms)', FAST_3G]]) {
        const phoneRuns = [];
        for (let i = 0; i < (conditions ? Math.min(runs, 3) : runs); i++) {  // a slow load takes 6 s
          const load = await loadOnce(session.browser, session.url, viewport, conditions);
          phoneRuns.push(load);
          await load.page.close();
        }
        report(`${name}, ${network}`, phoneRuns);
      }
    }

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
