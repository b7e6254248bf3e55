#!/usr/bin/env node
// The game's page beside the least an emscripten SDL 1.2 page can be (one
// 872 × 488 picture, redrawn on a press: minimal.c and minimal.html here),
// in one headless Chromium on the 844 × 390 phone profile, runs interleaved;
// prints the figures, times nothing as a pass or fail.
// Usage: node web/bench/side_by_side.js [WEB_FOLDER] [RUNS] [RUNTIME_FOLDER]
//   bytes before the first frame   encoded (gzip) bytes of the requests sent
//                                  before the first frame, headers included
//   first frame, "Fast 3G" cold    navigation to the first frame, first visit
//   first frame, warm              the game from its service worker, the
//                                  minimal page from the browser's cache
//                                  (127.0.0.1, no throttling), a second
//                                  after the worker took control
//   tap to frame, CPU 4× slower    input event to the next frame once the
//                                  page has drawn its answer: the game's chip
//                                  press and deal (Carte release), the minimal
//                                  page's redraw
// The minimal page is built under build/bench-minimal/ from build/game's
// start screen picture, with the game's emcc and size flags, and kept until
// its sources change.
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { startSession, waitIdle, PHONE_LANDSCAPE, FAST_3G } = require('../test/browser');
const { serve } = require('../serve');
const { tapToFrame, gameTaps, NEWGAME } = require('./taps');

const ROOT = path.join(__dirname, '../..');
const args = process.argv.slice(2);
const webDir = path.resolve(args[0] || path.join(ROOT, 'build/web'));
const runs = Number(args[1] || 5);
const runtimeDir = path.resolve(args[2] || path.join(ROOT, 'build/game'));
const MINIMAL_DIR = path.join(ROOT, 'build/bench-minimal');
const CPU_SLOWDOWN = 4;
// Taps per page: a tap waits for the next frame, so single figures scatter
// over a frame's length; the median needs more of them than the loads do.
const TAPS = Math.max(runs, 100);
const WARM_STARTS = 3;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function buildMinimal() {
  const sources = ['minimal.c', 'minimal.html'].map((f) => path.join(__dirname, f));
  const picture = path.join(runtimeDir, 'image/backgroundStart.bmp');
  const script = path.join(MINIMAL_DIR, 'minimal.js');
  const newest = Math.max(...[...sources, picture].map((f) => fs.statSync(f).mtimeMs));
  if (fs.existsSync(script) && fs.statSync(script).mtimeMs > newest) return MINIMAL_DIR;
  fs.mkdirSync(MINIMAL_DIR, { recursive: true });
  const run = (cmd, ...rest) => execFileSync(cmd, rest, { cwd: MINIMAL_DIR, stdio: 'inherit',
                                                       env: { ...process.env, NODE_PATH: '/usr/share/nodejs' } });
  // The picture as the game's atlases are: lossless WebP, every pixel kept.
  // It is packaged as "picture.img.png": this emcc's preload plugin takes
  // only .jpg, .png and .bmp names, and the browser decodes by content.
  run('convert', picture, 'source.png');
  run('cwebp', '-quiet', '-lossless', '-z', '9', '-exact', 'source.png', '-o', 'picture.img.png');
  run('emcc', sources[0], '-Oz', '-sMALLOC=emmalloc', '-sTEXTDECODER=2', '-sENVIRONMENT=web',
      '--preload-file', 'picture.img.png', '--use-preload-plugins', '-o', 'minimal.js');
  run('terser', 'minimal.js', '--compress', 'passes=2', '--mangle', '-o', 'minimal.js');
  fs.copyFileSync(sources[1], path.join(MINIMAL_DIR, 'index.html'));
  return MINIMAL_DIR;
}

// A first visit in a fresh context: navigation to the first frame, and the
// bytes of the requests sent before it.
async function firstVisit(browser, url, conditions) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(PHONE_LANDSCAPE);
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  if (conditions) await cdp.send('Network.emulateNetworkConditions', conditions);
  const sent = new Map(), bytes = new Map();
  cdp.on('Network.requestWillBeSent', (e) => sent.set(e.requestId, e.wallTime * 1000));
  cdp.on('Network.loadingFinished', (e) => bytes.set(e.requestId, e.encodedDataLength));
  await page.goto(url);
  await waitIdle(page, 1, 60000);
  const { frame, frameAt } = await page.evaluate(() => ({ frame: Module.idleAt, frameAt: performance.timeOrigin + Module.idleAt }));
  let before = 0;
  for (const [id, at] of sent) if (at < frameAt) before += bytes.get(id) || 0;
  return { context, page, cdp, frame, before };
}

// The first frame again, from the service worker once it controls the page
// (the game) or from the browser's cache (the minimal page).
async function warmVisit(page, cdp) {
  await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  await page.evaluate(async () => {
    if (!document.querySelector('link[rel=manifest]')) return;
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
    }
  });
  // A next visit comes later than the worker's install, which still writes
  // its cache as it takes control; both pages wait the same.
  await new Promise((resolve) => setTimeout(resolve, 1000));
  // Starts from the cache vary more than first visits: several per visit.
  const starts = [];
  for (let i = 0; i < WARM_STARTS; i++) {
    await page.reload();
    await waitIdle(page, 1, 60000);
    starts.push(await page.evaluate(() => Module.idleAt));
  }
  return starts;
}

async function minimalTaps(page) {
  const redraws = [];
  for (let i = 0; i < TAPS; i++) {
    redraws.push(await tapToFrame(page, 'mousedown', NEWGAME));
    await tapToFrame(page, 'mouseup', NEWGAME);
  }
  return { redraws };
}

(async () => {
  const minimal = await serve(buildMinimal(), 0);
  const session = await startSession(webDir);
  const pages = { game: { url: session.url, taps: (page) => gameTaps(page, TAPS) }, minimal: { url: minimal.url, taps: minimalTaps } };
  const got = { game: [], minimal: [] };
  try {
    for (let i = 0; i < runs; i++) {
      for (const [name, { url, taps }] of Object.entries(pages)) {
        const visit = await firstVisit(session.browser, url, FAST_3G);
        try {
          const warm = await warmVisit(visit.page, visit.cdp);
          let tapped = {};
          if (i === 0) {  // one page's taps give TAPS values
            await visit.cdp.send('Emulation.setCPUThrottlingRate', { rate: CPU_SLOWDOWN });
            tapped = await taps(visit.page);
          }
          got[name].push({ frame: visit.frame, before: visit.before, warm, ...tapped });
        } finally {
          await visit.context.close();
        }
      }
    }
  } finally {
    await session.close();
    minimal.server.close();
  }
  const ms = (v) => `${v.toFixed(v < 100 ? 1 : 0)} ms`;
  const row = (label, game, small, unit = ms) => {
    console.log(`${label.padEnd(42)}${unit(game).padStart(10)}${unit(small).padStart(10)}${(game / small).toFixed(2).padStart(8)}×`);
  };
  const of = (name, key) => median(got[name].flatMap((r) => r[key]));
  console.log(`phone 844 × 390, medians of ${runs} first visits, ${runs * WARM_STARTS} starts from the cache and ${TAPS} taps (interleaved runs; load average ${require('os').loadavg().map((l) => l.toFixed(1)).join(' ')})`);
  console.log(`${''.padEnd(42)}${'Vantrel'.padStart(10)}${'minimal'.padStart(10)}   ratio`);
  row('bytes before the first frame (gzip)', of('game', 'before'), of('minimal', 'before'), (b) => `${(b / 1000).toFixed(0)} kB`);
  row('first frame, "Fast 3G", first visit', of('game', 'frame'), of('minimal', 'frame'));
  row('first frame, service worker / browser cache', of('game', 'warm'), of('minimal', 'warm'));
  const taps = (name, key) => got[name][0][key];
  row(`tap to frame, chip press, CPU ${CPU_SLOWDOWN}× slower`, median(taps('game', 'chips')), median(taps('minimal', 'redraws')));
  row(`tap to frame, deal, CPU ${CPU_SLOWDOWN}× slower`, median(taps('game', 'deals')), median(taps('minimal', 'redraws')));
  console.log(`  chip presses: ${taps('game', 'chips').map(ms).join(', ')}; deals: ${taps('game', 'deals').map(ms).join(', ')}; ` +
              `minimal redraws: ${taps('minimal', 'redraws').map(ms).join(', ')}`);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
