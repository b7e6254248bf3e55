// The browser suite's cases for the pictures' downloads: the first frame
// needs only the first atlas, and a picture whose atlas is still on its way
// is waited for. Each case opens a first visit in a context of its own.
'use strict';
const assert = require('assert/strict');
const path = require('path');
const { runCase, waitIdle, settled, pagePoint, canvasPixels, PHONE_LANDSCAPE } = require('./browser');
const { countDiffering } = require('./pixels');

const FIRST_FRAME_BYTES = 150000;
const NEWGAME = [283, 145];

async function firstVisit(browser, prepare) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(PHONE_LANDSCAPE);
  if (prepare) await prepare(page);
  return { context, page };
}

// What a request is, by its published name.
function kindOf(url) {
  const name = path.basename(new URL(url).pathname);
  if (name === '' || name === 'index.html') return 'page';
  const kinds = { js: 'script', wasm: 'program', data: 'data package' };
  const m = /^vantrel\.[0-9a-f]{12}\.(js|wasm|data)$/.exec(name);
  return m ? kinds[m[1]] : name;
}

const cases = [];
const test = (name, fn) => cases.push({ name, fn });

test('before the first frame: only the page, script, program and data package (first atlas), under 150 kB',
     async ({ browser, url }) => {
  const { context, page } = await firstVisit(browser);
  try {
    const cdp = await page.createCDPSession();
    await cdp.send('Network.enable');
    const sent = new Map(), bytes = new Map();
    cdp.on('Network.requestWillBeSent', (e) => sent.set(e.requestId, { url: e.request.url, at: e.wallTime * 1000 }));
    cdp.on('Network.loadingFinished', (e) => bytes.set(e.requestId, e.encodedDataLength));
    await page.goto(url);
    await waitIdle(page, 1, 20000);
    const frameAt = await page.evaluate(() => performance.timeOrigin + Module.firstFrameAt);
    const before = [...sent].filter(([, r]) => r.at < frameAt);
    assert.deepEqual(before.map(([, r]) => kindOf(r.url)).sort(), ['data package', 'page', 'program', 'script']);
    const total = before.reduce((n, [id]) => n + (bytes.get(id) || 0), 0);
    assert.ok(total > 0 && total < FIRST_FRAME_BYTES, `${total} bytes before the first frame`);
  } finally {
    await context.close();
  }
});

test('a picture asked for before its atlas arrived waits for it, with the loading screen, then is drawn',
     async ({ browser, url, bmp }) => {
  const held = [];
  let holding = true, heldOne;
  const firstHeld = new Promise((resolve) => { heldOne = resolve; });
  const { context, page } = await firstVisit(browser, async (p) => {
    // No service worker: its own downloads would bring the atlases past the
    // page's held requests.
    await p.evaluateOnNewDocument(() => delete Navigator.prototype.serviceWorker);
    await p.setRequestInterception(true);
    p.on('request', (r) => {
      if (!holding || !/\/pictures-\d+\.[0-9a-f]{12}\.webp$/.test(r.url())) return r.continue();
      held.push(r);
      heldOne();
    });
  });
  try {
    await page.goto(url);
    await waitIdle(page, 1, 20000);
    const timeout = new Promise((resolve) => setTimeout(resolve, 10000, 'timeout'));
    assert.notEqual(await Promise.race([firstHeld, timeout]), 'timeout', 'no atlas downloaded after the first frame');
    const box = await (await page.$('canvas')).boundingBox();
    await page.mouse.move(...pagePoint(box, NEWGAME));
    const idle = await page.evaluate(() => Module.idleCount);
    await page.mouse.down();  // the button drawn pressed: a picture from a held atlas
    await page.waitForFunction(() => !document.getElementById('loading').hidden, { timeout: 5000 });
    assert.equal(await page.evaluate(() => Module.idleCount), idle, 'the game went on without its picture');
    holding = false;
    while (held.length) held.shift().continue();
    await waitIdle(page, idle + 1, 10000);
    assert.ok(await page.evaluate(() => document.getElementById('loading').hidden), 'loading screen left over the game');
    assert.equal(countDiffering(await canvasPixels(page), 282, 143, bmp('bouton/boutonNewGameDown.bmp')), 0,
                 'the pressed button not drawn');
    await settled(page, () => page.mouse.up());  // the bet screen, from the later atlases
    const s = await canvasPixels(page);
    const key = (rgb) => rgb[0] === 0 && rgb[1] === 150 && rgb[2] === 0;  // the chips' see-through colour
    for (const [name, x, y] of [['texte/texteMise.bmp', 193, 7], ['bouton/boutonCarteDisa.bmp', 385, 440],
                                ['jeton/jeton1Up.bmp', 46, 209]]) {
      assert.equal(countDiffering(s, x, y, bmp(name), key), 0, `${name} not drawn`);
    }
  } finally {
    held.forEach((r) => r.continue().catch(() => {}));
    await context.close();
  }
});

// Runs every case, printing one line each; resolves with the failures.
async function atlasCases(context) {
  let failed = 0;
  for (const { name, fn } of cases) {
    if (!await runCase(name, () => fn(context))) failed++;
  }
  return { failed, count: cases.length };
}

module.exports = { atlasCases };
