// The browser suite's cases for every engine: each page a first visit,
// served with gzip as published, by a server of the case's own (a new
// address, so no service worker of an earlier case answers). Chromium's
// own cases (CDP's network emulation and request interception) are in
// phone_cases.js, offline_cases.js and loading_cases.js. Called by
// browser_test.js.
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const { serve, SLOW_LINE } = require('../serve');
const { settled, pagePoint, canvasBox, middle } = require('./browser');

// The middles of NOUVELLE PARTIE and the first chip, from the game's click
// rectangles (WebDriver's pointer lands on whole CSS pixels: never an edge).
const newGame = ({ rects }) => middle(rects.newgame[0]);
const chip1 = ({ rects }) => middle(rects.chip[0]);

// The published data package: its name and bytes.
function dataPackage(webDir) {
  const name = fs.readdirSync(webDir).find((f) => /^vantrel(\.[0-9a-f]+)?\.data$/.test(f));
  return { name, bytes: fs.readFileSync(path.join(webDir, name)) };
}

const pathOf = (req) => new URL(req.url, 'http://127.0.0.1').pathname;

// Resolves once a service worker has filled its cache and controls the page.
function untilControlled(page) {
  return page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
    }
  });
}

// Every text of the loading screen as it changes, with the clock then and
// whether the game had drawn: added to the page as it is served, so that it
// sees the first change in every engine.
const RECORDER = `<script>
  window.shownWhileLoading = [];
  new MutationObserver(function () {
    if (document.getElementById('loading').hidden) return;
    window.shownWhileLoading.push({ text: document.getElementById('loading-text').textContent, at: Date.now(),
                                    drawn: !!(window.Module && Module.idleCount > 0) });
  }).observe(document.getElementById('loading-text'), { childList: true, characterData: true, subtree: true });
</script>
`;

// The game's first frame; a failure screen instead fails at once, with its
// words.
async function waitStarted(page, timeout = 30000) {
  await page.waitForFunction(() => (window.Module && Module.idleCount > 0) || !document.getElementById('ended').hidden,
    { timeout, polling: 100 });
  const ended = await page.evaluate(() => !document.getElementById('ended').hidden &&
                                           document.getElementById('ended-text').textContent);
  assert.equal(ended, false, 'the page failed instead of starting');
}

function assertNoErrors(page) {
  assert.deepEqual(page.errors || [], [], 'errors in the page');
}

async function waitFailureShown(page) {
  await page.waitForFunction(() => !document.getElementById('ended').hidden, { timeout: 20000, polling: 100 });
  const shown = await page.evaluate(() => ({
    text: document.getElementById('ended-text').textContent,
    button: document.getElementById('again').textContent,
    idle: Module.idleCount,
  }));
  assert.match(shown.text, /n’a pas pu être chargé/);
  assert.equal(shown.button, 'Réessayer');
  assert.equal(shown.idle, 0, 'the game started anyway');
}

// [name, engines it runs in, fn(engine, context, serveCase)]:
// `serveCase(options)` starts the case's server on the web folder, with
// serve.js's options.
const CASES = [
  ['a first visit: each file asked for once before the first frame, the whole round by mouse, then a reload from the ' +
    'service worker with the server stopped',
    ['firefox', 'webkit'], async (engine, { playRound, startScreen }, serveCase) => {
      const { server, url } = await serveCase();
      const requests = [];
      server.prependListener('request', (request) => requests.push({ name: request.url, at: Date.now() }));
      const page = await engine.newPage();
      try {
        await page.goto(url);
        await waitStarted(page);
        // The wait sees the frame late (WebKit's driver polls over HTTP), by
        // when the worker may be fetching its own copies: the page's stamp
        // says which requests came first.
        const frameAt = await page.evaluate(() => performance.timeOrigin + Module.firstFrameAt);
        const asked = requests.filter(({ at }) => at <= frameAt).map(({ name }) => name);
        const twice = asked.filter((name, i) => asked.indexOf(name) !== i);
        assert.deepEqual(twice, [], `asked for twice before the first frame, of ${asked.join(' ')}`);
        await playRound(page);
        await untilControlled(page);
        server.close();
        server.closeAllConnections();
        await page.reload();
        await waitStarted(page);
        assert.ok(await page.evaluate(() => !!navigator.serviceWorker.controller), 'the page is not the worker\'s');
        await startScreen(page);
        assertNoErrors(page);
      } finally {
        await page.close();
      }
    }],

  ['loading on a line of 1.6 Mbit/s and 150 ms, the data answered after the program: progress before the first ' +
    'frame, 100 % only once the data is sent', ['firefox', 'webkit'], async (engine, { webDir }, serveCase) => {
      const data = dataPackage(webDir);
      const pageText = fs.readFileSync(path.join(webDir, 'index.html'), 'utf8');
      assert.ok(pageText.includes('</body>'));
      // A host may answer in any order; the bar must not take the program
      // alone for everything.
      let programSent = false, dataSent = Infinity;
      const held = [];
      const { url } = await serveCase({
        throttle: SLOW_LINE,
        intercept(req, res, answer) {
          const at = pathOf(req);
          if (at === '/' || at === '/index.html') {
            res.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8', 'Cache-Control': 'no-cache' });
            res.end(pageText.replace('</body>', `${RECORDER}</body>`));
            return true;
          }
          if (/\.wasm$/.test(at)) {
            res.on('finish', () => {
              programSent = true;
              for (const [r, s] of held.splice(0)) answer(r, s);
            });
          }
          if (at !== `/${data.name}`) return false;
          // When its last bytes began to leave: no browser can have them
          // earlier, however late this process hears of the end.
          let lastWrite = Infinity;
          const write = res.write.bind(res);
          res.write = (...args) => {
            lastWrite = Date.now();
            return write(...args);
          };
          res.on('finish', () => { dataSent = Math.min(dataSent, lastWrite); });
          if (programSent) return false;
          held.push([req, res]);
          return true;
        },
      });
      const page = await engine.newPage();
      try {
        await page.goto(url);
        await waitStarted(page, 60000);
        const { shown, hidden } = await page.evaluate(() => ({
          shown: window.shownWhileLoading, hidden: getComputedStyle(document.getElementById('loading')).display === 'none',
        }));
        assert.ok(hidden, 'the loading screen stays');
        const percents = shown.map(({ text, at, drawn }) => {
          const percent = /^Chargement… (\d+)\s%$/.exec(text);
          return { percent: percent ? Number(percent[1]) : NaN, at, drawn, text };
        });
        const early = percents.filter(({ percent, at }) => percent === 100 && at < dataSent);
        assert.deepEqual(early.map(({ text, at }) => `${text} ${dataSent - at} ms before the data was sent`), [],
          'the progress said 100 % too early');
        const partial = percents.filter(({ percent, drawn }) => !drawn && percent > 0 && percent < 100);
        assert.ok(partial.length > 0, `no progress shown before the first frame: ${JSON.stringify(shown.slice(0, 5))}`);
        assert.ok(percents.every(({ drawn }) => !drawn), 'the loading screen changed after the first frame');
        assertNoErrors(page);
        console.log(`    ${engine.name} while loading: ${partial.map((p) => p.percent).join(' ')}`);
      } finally {
        await page.close();
      }
    }],

  ...[['missing', (res) => {
    res.writeHead(404, { 'Content-Type': 'text/plain' });
    res.end('Not found\n');
  }], ['truncated', (res, { bytes }) => {
    const half = bytes.subarray(0, bytes.length >> 1);
    res.writeHead(200, { 'Content-Type': 'application/octet-stream', 'Content-Length': half.length });
    res.end(half);
  }]].map(([what, answer]) => [`the data package ${what}: the page says so and offers to retry`,
    ['firefox', 'webkit'], async (engine, { webDir }, serveCase) => {
      const data = dataPackage(webDir);
      const { url } = await serveCase({
        intercept(req, res) {
          if (pathOf(req) !== `/${data.name}`) return false;
          answer(res, data);
          return true;
        },
      });
      const page = await engine.newPage();
      try {
        await page.goto(url);
        await waitFailureShown(page);
      } finally {
        await page.close();
      }
    }]),

  ['touch: a tap on NOUVELLE PARTIE, then on a chip; then a screen of another density, the same size',
    ['firefox'], async (engine, { screen, tables }, serveCase) => {
    const { url } = await serveCase();
    const page = await engine.newPage({ width: 844, height: 390, deviceScaleFactor: 3, hasTouch: true, isMobile: true });
    try {
      await page.goto(url);
      await waitStarted(page);
      await page.evaluate(() => window.addEventListener('touchend', () => { window.touchSeen = true; }, true));
      const box = await canvasBox(page);
      await settled(page, () => page.touchscreen.tap(...pagePoint(box, newGame(tables))));
      assert.equal(await screen(page), 'bet 0', 'a tap on NOUVELLE PARTIE');
      await settled(page, () => page.touchscreen.tap(...pagePoint(box, chip1(tables))));
      assert.equal(await screen(page), 'bet', 'a tap on a chip');
      assert.ok(await page.evaluate(() => window.touchSeen), 'no touch event reached the page');
      // No resize event comes (Chromium's emulation sends no density change
      // at all): the game must still land on whole device pixels.
      await page.setViewport({ width: 844, height: 390, deviceScaleFactor: 1, hasTouch: true, isMobile: true });
      await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
      const { x, y } = await canvasBox(page);
      assert.deepEqual([x, y], [Math.round(x), Math.round(y)], 'the game between pixels at the new density');
      assertNoErrors(page);
    } finally {
      await page.close();
    }
  }],
];

// Firefox with service workers turned off, as private windows and some
// managed browsers have it: a first visit plays.
async function noWorkerCase({ launch, startScreen, screen, tables }, serveCase) {
  const engine = await launch('firefox', { serviceWorkers: false });
  try {
    const { url } = await serveCase();
    const page = await engine.newPage();
    await page.goto(url);
    await waitStarted(page);
    assert.equal(await page.evaluate(() => 'serviceWorker' in navigator), false, 'service workers are on');
    await startScreen(page);
    const box = await canvasBox(page);
    await page.mouse.move(...pagePoint(box, newGame(tables)));
    await settled(page, () => page.mouse.down());
    await settled(page, () => page.mouse.up());
    assert.equal(await screen(page), 'bet 0');
    assertNoErrors(page);
    await page.close();
  } finally {
    await engine.close();
  }
}

// Runs the cases of one engine, each with its own server; resolves with
// how many ran and failed.
async function engineCases(engine, context) {
  let ran = 0, failed = 0;
  const servers = [];
  const serveCase = async (options) => {
    const started = await serve(context.webDir, 0, options);
    servers.push(started.server);
    return started;
  };
  const run = async (name, fn) => {
    ran++;
    try {
      await fn();
      console.log(`ok - ${engine.name}: ${name}`);
    } catch (e) {
      failed++;
      console.log(`not ok - ${engine.name}: ${name}\n    ${e.message.split('\n').join('\n    ')}`);
    } finally {
      for (const server of servers.splice(0)) {
        server.close();
        server.closeAllConnections();
      }
    }
  };
  for (const [name, engines, fn] of CASES) {
    if (engines.includes(engine.name)) await run(name, () => fn(engine, context, serveCase));
  }
  if (engine.name === 'firefox') {
    await run('service workers off: a first visit plays', () => noWorkerCase(context, serveCase));
  }
  return { ran, failed };
}

module.exports = { engineCases };
