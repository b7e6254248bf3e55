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
//   phone profile (844 × 390)  first visit, then from the service worker
//                              (online and offline), on 127.0.0.1 and on
//                              "Fast 3G": navigation to the game's first
//                              drawn screen, median over RUNS; bytes of the
//                              first visit, the page's, and all the server
//                              wrote (headers too) for the page, its worker
//                              and the browser until the network was quiet
'use strict';
const path = require('path');
const { startSession, waitIdle, PHONE_PORTRAIT, PHONE_LANDSCAPE, FAST_3G } = require('../test/browser');
const { gameTaps } = require('./taps');

const args = process.argv.slice(2);
const webDir = path.resolve(args[0] || path.join(__dirname, '../../build/web'));
const runs = Number(args[1] || 5);
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
  await cdp.send('Network.setBypassServiceWorker', { bypass: true });
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

const PHONE = PHONE_LANDSCAPE;
const NO_LIMIT = { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 };
const OFFLINE = { ...NO_LIMIT, offline: true };

// Applies network conditions to the page and to its service worker, whose
// own fetches the page's emulation does not cover.
async function network(browser, cdp, conditions) {
  await cdp.send('Network.emulateNetworkConditions', conditions);
  for (const target of browser.targets().filter((t) => t.type() === 'service_worker')) {
    const worker = await target.createCDPSession();
    await worker.send('Network.enable');
    await worker.send('Network.emulateNetworkConditions', conditions);
    await worker.detach();
  }
}

// Navigation start to the game's first screen, drawn and waiting for input.
async function firstScreen(page, url) {
  await page.goto(url);
  await waitIdle(page, 1, 60000);
  return page.evaluate(() => Module.idleAt);
}

// One fresh profile: a first visit, then two visits from the service worker
// (the second offline). Bytes are the page's encoded responses on the first
// visit, and what the server sent in all (the worker's copies and the
// browser's manifest and icon fetches too) until the worker had its files
// and the network was quiet.
async function phoneVisits(browser, url, conditions, sent) {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.setViewport(PHONE);
    const cdp = await page.createCDPSession();
    await cdp.send('Network.enable');
    await network(browser, cdp, conditions);
    let bytes = 0;
    const count = (e) => { bytes += e.encodedDataLength; };
    cdp.on('Network.loadingFinished', count);
    const sentBefore = sent.bytes;
    const cold = await firstScreen(page, url);
    cdp.off('Network.loadingFinished', count);
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller) {
        await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
      }
    });
    // Until the server has had nothing to answer for a second.
    while (Date.now() - sent.last < 1000) await new Promise((resolve) => setTimeout(resolve, 100));
    const withWorker = sent.bytes - sentBefore;
    await network(browser, cdp, conditions);  // the worker is running now
    const warm = await firstScreen(page, url);
    await network(browser, cdp, OFFLINE);
    const offline = await firstScreen(page, url);
    return { cold, warm, offline, bytes, withWorker };
  } finally {
    await context.close();
  }
}

async function phoneProfile(browser, url, sent) {
  const rows = {};
  for (const [name, conditions] of [['127.0.0.1', NO_LIMIT], ['Fast 3G', FAST_3G]]) {
    const visits = [];
    for (let i = 0; i < runs; i++) visits.push(await phoneVisits(browser, url, conditions, sent));
    rows[name] = visits;
  }
  const ms = (visits, key) => `${median(visits.map((v) => v[key])).toFixed(0)} ms`;
  console.log(`phone 844 × 390, navigation to the first game screen (median of ${runs} fresh profiles):`);
  console.log('                          127.0.0.1   Fast 3G');
  for (const [key, label] of [['cold', 'first visit'], ['warm', 'from the worker'], ['offline', 'from the worker, offline']]) {
    console.log(`  ${label.padEnd(24)}${ms(rows['127.0.0.1'], key).padStart(9)}${ms(rows['Fast 3G'], key).padStart(10)}`);
  }
  const first = rows['127.0.0.1'][0];
  console.log(`bytes of a first visit (gzip): the page ${first.bytes} (${(first.bytes / 1000).toFixed(0)} kB); ` +
              `in all, with the worker's copy and the browser's own fetches ${first.withWorker} (${(first.withWorker / 1000).toFixed(0)} kB)`);
}

(async () => {
  const session = await startSession(webDir);
  // Everything the server writes, headers and bodies, to the page, its
  // worker and the browser's own fetches (the manifest, its icons), and
  // when it last answered.
  const sockets = new Set();
  let closed = 0;
  session.server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => {
      closed += socket.bytesWritten;
      sockets.delete(socket);
    });
  });
  const sent = {
    get bytes() { return closed + [...sockets].reduce((n, s) => n + s.bytesWritten, 0); },
    last: 0,
  };
  session.server.prependListener('request', () => { sent.last = Date.now(); });
  try {
    await phoneProfile(session.browser, session.url, sent);

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
    const { chips, deals } = await gameTaps(page, 5);
    console.log(`click to frame, chip press: median ${median(chips).toFixed(1)} ms (${chips.map((v) => v.toFixed(1)).join(', ')})`);
    console.log(`click to frame, deal (Carte release): median ${median(deals).toFixed(1)} ms (${deals.map((v) => v.toFixed(1)).join(', ')})`);
  } finally {
    await session.close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
