// The page on phones and small or zoomed desktop windows: the game fits the
// viewport and plays by real touch events, its loading and its failures show,
// and the browser keeps its own keys. Each case opens a page of its own.
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const {
  runPageCases, openPage, waitIdle, settled, pagePoint, canvasPixels, middle, GAME_WIDTH, GAME_HEIGHT, PHONE_PORTRAIT,
  PHONE_LANDSCAPE,
} = require('./browser');
const { countDiffering } = require('./pixels');

// A landscape phone with its address bar showing.
const PHONE_LANDSCAPE_BAR = { ...PHONE_LANDSCAPE, height: 340 };
const opened = [];  // this case's browser contexts, closed after it

const open = (browser, url, viewport, prepare) => openPage(browser, opened, url, viewport, prepare);

async function canvasBox(page) {
  return page.$eval('#canvas', (c) => {
    const r = c.getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
  });
}

// The game picture wholly in the viewport, its shape kept, on whole device
// pixels; returns its box.
async function assertFits(page) {
  const box = await canvasBox(page);
  const { width, height, deviceScaleFactor: ratio } = page.viewport();
  assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= width + 0.01 && box.y + box.height <= height + 0.01,
    `game at ${JSON.stringify(box)} in a ${width} x ${height} viewport`);
  assert.ok(Math.abs(box.width / box.height - GAME_WIDTH / GAME_HEIGHT) < 0.01, `game shape ${box.width} x ${box.height}`);
  // Chromium lays out in 1/64 px, so a third of a pixel comes out a hair off.
  const offGrid = (v) => Math.abs(v * ratio - Math.round(v * ratio)) > 0.05;
  assert.ok(!offGrid(box.x) && !offGrid(box.y), `game at ${box.x}, ${box.y}: between device pixels`);
  return box;
}

// The largest scale at which the game alone fits a viewport.
const fitting = ({ width, height }) => Math.min(width / GAME_WIDTH, height / GAME_HEIGHT);

// Sets the viewport and waits for the page to lay itself out for it: for a
// resize event with its size and pixel ratio, heard after the page's own
// handler (the window may report its new size a frame before the event).
async function resize(page, viewport) {
  const now = page.viewport();
  if (['width', 'height', 'deviceScaleFactor'].every((k) => now[k] === viewport[k])) return;
  await page.evaluate(() => {
    if (!window.resizedTo) addEventListener('resize', () => { window.resizedTo = [innerWidth, innerHeight, devicePixelRatio]; });
    window.resizedTo = [];
  });
  await page.setViewport(viewport);
  const { width, height, deviceScaleFactor } = viewport;
  await page.waitForFunction((...wanted) => window.resizedTo.join() === wanted.join(), {}, width, height,
    deviceScaleFactor || 1);
}

// The game at no less than `least` of the largest scale that fits the
// viewport (to the device pixel), and the full-screen control shown in the
// viewport, clear of the game picture; returns the game's box.
async function assertLarge(page, least) {
  const viewport = page.viewport();
  const box = await assertFits(page);
  const largest = GAME_WIDTH * fitting(viewport);
  const where = `${viewport.width} x ${viewport.height} at ${viewport.deviceScaleFactor}`;
  assert.ok(box.width >= least * largest - 1 / viewport.deviceScaleFactor - 0.01,
    `${where}: game ${box.width} wide, the largest that fits ${largest}`);
  const control = await page.$eval('#fullscreen', (e) => {
    const r = e.getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height, shown: !e.hidden && getComputedStyle(e).visibility === 'visible' };
  });
  assert.ok(control.shown && control.width >= 24 && control.height >= 24, `${where}: control ${JSON.stringify(control)}`);
  assert.ok(control.x >= 0 && control.y >= 0 && control.x + control.width <= viewport.width &&
            control.y + control.height <= viewport.height, `${where}: control at ${JSON.stringify(control)} off screen`);
  const clear = control.x >= box.x + box.width || control.x + control.width <= box.x ||
                control.y >= box.y + box.height || control.y + control.height <= box.y;
  assert.ok(clear, `${where}: control at ${JSON.stringify(control)} over the game at ${JSON.stringify(box)}`);
  console.log(`    ${where}: scale ${(box.width / GAME_WIDTH).toFixed(3)} of ${fitting(viewport).toFixed(3)}`);
  return box;
}

// A real touch through Chromium's input pipeline, one finger at each point
// (fractional: puppeteer's touchscreen rounds to whole CSS pixels).
function touch(page, type, ...points) {
  return page.cdp.send('Input.dispatchTouchEvent', { type, touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
}
async function tap(page, box, gamePixel) {
  const point = pagePoint(box, gamePixel);
  await settled(page, async () => {
    await touch(page, 'touchStart', point);
    await touch(page, 'touchEnd');
  });
}

// The published file of the game's program or data, named after its content.
function published(webDir, ext) {
  const name = fs.readdirSync(webDir).find((f) => new RegExp(`^vantrel(\\.[0-9a-f]+)?\\.${ext}$`).test(f));
  return path.join(webDir, name);
}

// A file cut short: its first half.
function halfOf(file) {
  const bytes = fs.readFileSync(file);
  return bytes.subarray(0, bytes.length >> 1);
}

function caseList({ bmp, shotsDir, webDir, tables: { places, rects, hitRects } }) {
  const shows = (s, [x, y], name) => countDiffering(s, x, y, bmp(name)) === 0;
  const screen = async (page) => {
    const s = await canvasPixels(page);
    if (shows(s, places.carte[0], 'bouton/boutonRejouerUp.bmp')) return 'result';
    if (shows(s, places.message[0], 'texte/texteFirstHand.bmp')) return 'first hand';
    if (shows(s, places.message[0], 'texte/texteMise.bmp')) {
      return shows(s, places.carte[0], 'bouton/boutonCarteDisa.bmp') ? 'bet 0' : 'bet';
    }
    return 'start';
  };
  const garder1Marked = async (page) => shows(await canvasPixels(page), places.garder[0], 'bouton/boutonGarderDown.bmp');

  return [
    ['landscape phone 844 x 340: a whole round by taps, rectangle edges, a cancelled touch', async (browser, url) => {
      const page = await open(browser, url, PHONE_LANDSCAPE_BAR);
      await waitIdle(page, 1, 20000);
      const box = await assertFits(page);
      assert.ok(Math.abs(box.height - 340) < 0.5, `game ${box.height} high in a 340 high viewport`);
      assert.equal(await page.$eval('#turn', (e) => e.hidden), true, 'the turn hint shows in landscape');
      await tap(page, box, middle(rects.newgame[0]));
      assert.equal(await screen(page), 'bet 0');
      // On a chip: a touch the browser takes over, one a second finger
      // joins, and a lift of another finger than the one that landed.
      const chip = pagePoint(box, middle(rects.chip[0])), away = pagePoint(box, [700, 30]);
      await touch(page, 'touchStart', chip);
      await touch(page, 'touchCancel');
      await touch(page, 'touchStart', chip);
      await touch(page, 'touchStart', chip, [chip[0] + 4, chip[1] + 4]);
      await touch(page, 'touchEnd');
      await page.evaluate(([x, y]) => {
        const canvas = document.getElementById('canvas');
        const finger = (identifier) => new Touch({ identifier, target: canvas, clientX: x, clientY: y, pageX: x, pageY: y });
        const send = (type, touches, changedTouches) =>
          canvas.dispatchEvent(new TouchEvent(type, { cancelable: true, touches, changedTouches }));
        send('touchstart', [finger(1)], [finger(1)]);
        send('touchend', [], [finger(2)]);
      }, chip);
      await tap(page, box, [700, 30]);  // nothing there: the game has seen all before it
      assert.equal(await screen(page), 'bet 0', 'a cancelled, two-finger or unmatched touch on a chip bet');
      // A finger that lands on the chip and lifts away bets: the press is where it landed.
      await touch(page, 'touchStart', chip);
      await touch(page, 'touchMove', away);
      await settled(page, () => touch(page, 'touchEnd'));
      assert.equal(await screen(page), 'bet');
      const [l, t, r, b] = rects.carte[0];
      await tap(page, box, [l - 1, t]);
      assert.equal(await screen(page), 'bet', 'a tap left of Carte dealt');
      await tap(page, box, [l, t]);
      assert.equal(await screen(page), 'first hand', 'a tap on the first pixel of Carte did not deal');
      const [gl, gt, gr, gb] = rects.garder[0];
      await tap(page, box, [gl - 1, gt]);
      assert.equal(await garder1Marked(page), false, 'a tap left of Garder marked');
      await tap(page, box, [gl, gt]);
      assert.equal(await garder1Marked(page), true, 'a tap on the first pixel of Garder did not mark');
      await tap(page, box, [gr, gb + 1]);
      assert.equal(await garder1Marked(page), true, 'a tap below Garder unmarked');
      await tap(page, box, [gr, gb]);
      assert.equal(await garder1Marked(page), false, 'a tap on the last pixel of Garder did not unmark');
      await tap(page, box, [r + 1, b]);
      assert.equal(await screen(page), 'first hand', 'a tap right of Carte drew');
      await tap(page, box, [r, b]);
      assert.equal(await screen(page), 'result', 'a tap on the last pixel of Carte did not draw');
      if (shotsDir) {
        await page.screenshot({ path: path.join(shotsDir, 'screenshot-phone.png'), clip: { x: 0, y: 0, width: 844, height: 340, scale: 0.5 } });
      }
      await tap(page, box, middle(rects.carte[0]));
      assert.equal(await screen(page), 'bet 0', 'Rejouer did not start the next round');
      return page;
    }],

    ['portrait phone 390 x 844: the whole game across the width, the hint, a tap', async (browser, url) => {
      const page = await open(browser, url, PHONE_PORTRAIT);
      await waitIdle(page, 1, 20000);
      const box = await assertFits(page);
      assert.ok(Math.abs(box.width - 390) < 0.5, `game ${box.width} wide in a 390 wide viewport`);
      const hint = await page.$eval('#turn', (e) => ({ hidden: e.hidden, text: e.textContent, top: e.getBoundingClientRect().top }));
      assert.deepEqual([hint.hidden, hint.text], [false, 'Tournez votre téléphone pour jouer en grand']);
      assert.ok(hint.top >= box.y + box.height && hint.top < 844, `hint at ${hint.top}`);
      await tap(page, box, middle(rects.newgame[0]));
      assert.equal(await screen(page), 'bet 0', 'a tap on NOUVELLE PARTIE');
      return page;
    }],

    ['desktop at zoom 200 % (683 x 385): NOUVELLE PARTIE by its edge columns, resized twice in a round', async (browser, url) => {
      const page = await open(browser, url, { width: 683, height: 385, deviceScaleFactor: 2 });
      await waitIdle(page, 1, 20000);
      const click = async (gamePixel) => {
        const point = pagePoint(await canvasBox(page), gamePixel);
        await page.mouse.move(...point);
        await settled(page, () => page.mouse.down());
        await settled(page, () => page.mouse.up());
      };
      // The mouse at a fraction of a CSS pixel, as with a finger: the
      // canvas sits on a half CSS pixel here.
      assert.equal((await assertFits(page)).y, 12.5, 'the canvas is not on a half CSS pixel');
      const [l, t, r, b] = rects.newgame[0];
      await click([l, t]);
      assert.equal(await screen(page), 'bet 0', 'a click on the first column of NOUVELLE PARTIE');
      await page.reload({ waitUntil: 'domcontentloaded' });
      await waitIdle(page, 1, 20000);
      await click([r, b]);
      assert.equal(await screen(page), 'bet 0', 'a click on the last column of NOUVELLE PARTIE');
      await click(middle(rects.chip[0]));
      await click(middle(rects.carte[0]));
      assert.equal(await screen(page), 'first hand');
      const before = await canvasBox(page);
      await page.setViewport({ width: 500, height: 400, deviceScaleFactor: 1.5 });
      await page.waitForFunction((w) => document.getElementById('canvas').getBoundingClientRect().width !== w, {}, before.width);
      await assertFits(page);
      await click(middle(rects.garder[0]));
      assert.equal(await garder1Marked(page), true, 'Garder after the resize');
      // A small window where the game, centred, would fall between pixels.
      await resize(page, { width: 700, height: 300, deviceScaleFactor: 1 });
      await assertFits(page);
      await click(middle(rects.carte[0]));
      assert.equal(await screen(page), 'result', 'the round did not go on after the resize');
      return page;
    }],

    ['as large as each screen allows: landscape phones in full, upright and 16:9 at 90 %', async (browser, url) => {
      const page = await open(browser, url, PHONE_LANDSCAPE);
      await waitIdle(page, 1, 20000);
      // With and without the address bar; 640 x 360 is narrower than the
      // game's shape, so the control has no margin there and costs a little.
      for (const [size, least] of [[[844, 390], 1], [[844, 340], 1], [[915, 412], 1], [[640, 360], 0.9],
                                   [[390, 844], 0.9]]) {
        const viewport = { ...PHONE_LANDSCAPE, width: size[0], height: size[1] };
        await resize(page, viewport);
        await assertLarge(page, least);
      }
      // An icon, named in words for a screen reader and as its tooltip.
      assert.deepEqual(await page.$eval('#fullscreen', (e) => [e.getAttribute('aria-label'), e.title]),
        ['Plein écran', 'Plein écran']);
      return page;
    }],

    ['zoom 100, 200 and 300 % on a 1366 x 768 screen: the game keeps its size in device pixels', async (browser, url) => {
      const page = await open(browser, url, { width: 1366, height: 768, deviceScaleFactor: 1 });
      await waitIdle(page, 1, 20000);
      const widths = [];
      for (const zoom of [1, 2, 3]) {
        const viewport = { width: Math.round(1366 / zoom), height: Math.round(768 / zoom), deviceScaleFactor: zoom };
        await resize(page, viewport);
        widths.push((await assertLarge(page, 0.9)).width * zoom);
      }
      assert.ok(Math.max(...widths) - Math.min(...widths) < 0.1 * widths[0], `device widths ${widths}`);
      return page;
    }],

    ['the game pixel under the finger at scales 0.5, 0.8, 1, 1.5 and 2', async (browser, url) => {
      const page = await open(browser, url, { width: 436, height: 400, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
      await waitIdle(page, 1, 20000);
      for (const scale of [0.5, 0.8, 1, 1.5, 2]) {
        const width = Math.ceil(GAME_WIDTH * scale);
        await page.setViewport({ width, height: Math.ceil(GAME_HEIGHT * scale) + 200, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
        await page.waitForFunction((w) => Math.abs(document.getElementById('canvas').getBoundingClientRect().width - w) < 1, {}, width);
        const box = await assertFits(page);
        const wrong = [];
        for (const { element, index, rect: [l, t, r, b] } of hitRects) {
          for (const corner of [[l, t], [r, b]]) {
            await tap(page, box, corner);
            const got = await page.evaluate(() => [Math.trunc(Browser.mouseX), Math.trunc(Browser.mouseY)]);
            if (got[0] !== corner[0] || got[1] !== corner[1]) wrong.push(`${element} ${index} ${corner} -> ${got}`);
          }
        }
        assert.deepEqual(wrong, [], `scale ${scale}`);
      }
      return page;
    }],

    ...[['vantrel.data missing', (req) => req.respond({ status: 404, body: 'Not found' })],
        ['vantrel.data cut off by the network', (req) => req.abort('failed')],
        ['vantrel.data truncated', (req) => req.respond({
          status: 200, contentType: 'application/octet-stream',
          body: halfOf(published(webDir, 'data')) })],
        ['vantrel.wasm truncated', (req) => req.respond({
          status: 200, contentType: 'application/wasm',
          body: halfOf(published(webDir, 'wasm')) })],
    ].map(([what, answer]) => [`${what}: the page says so and offers to retry`, async (browser, url) => {
      const [stem, ext] = what.split(' ')[0].split('.');
      const named = new RegExp(`/${stem}(\\.[0-9a-f]+)?\\.${ext}$`);
      const page = await open(browser, url, PHONE_LANDSCAPE, async (p) => {
        await p.setRequestInterception(true);
        p.on('request', (req) => (named.test(req.url()) ? answer(req) : req.continue()));
      });
      await page.waitForSelector('#ended:not([hidden])', { timeout: 5000 });
      const said = await page.$eval('#ended-text', (e) => e.textContent);
      assert.match(said, /n’a pas pu être chargé/);
      // Only a broken connection is the connection's fault.
      assert.equal(/connexion/.test(said), what.includes('network'), said);
      assert.equal(await page.$eval('#again', (e) => e.textContent), 'Réessayer');
      assert.equal(await page.evaluate(() => Module.idleCount), 0, 'the game started anyway');
      return page;
    }]),

    ['keys: the browser keeps F5, Ctrl+R and Tab; Escape ends the game; no unload listener', async (browser, url) => {
      const page = await open(browser, url, { width: 1000, height: 600, deviceScaleFactor: 1 });
      await waitIdle(page, 1, 20000);
      const { result } = await page.cdp.send('Runtime.evaluate', { expression: 'window' });
      const { listeners } = await page.cdp.send('DOMDebugger.getEventListeners', { objectId: result.objectId });
      assert.deepEqual(listeners.filter((l) => l.type === 'unload'), [], 'an unload listener on the window');
      // Listening last, after the document's listeners: note whether the key's
      // browser action was blocked, then block it so the page stays.
      await page.evaluate(() => {
        window.blocked = [];
        window.addEventListener('keydown', (e) => {
          window.blocked.push(`${e.key}:${e.defaultPrevented}`);
          e.preventDefault();
        });
        document.getElementById('canvas').focus();
      });
      await page.keyboard.press('F5');
      await page.keyboard.down('Control');
      await page.keyboard.press('r');
      await page.keyboard.up('Control');
      await page.evaluate(() => document.getElementById('canvas').focus());
      await page.keyboard.press('Tab');
      assert.deepEqual(await page.evaluate(() => window.blocked),
        ['F5:false', 'Control:false', 'r:false', 'Tab:false']);
      await page.evaluate(() => document.getElementById('canvas').focus());
      await page.keyboard.press('Escape');
      await page.waitForSelector('#ended:not([hidden])', { timeout: 5000 });
      assert.equal(await page.$eval('#ended-text', (e) => e.textContent), 'La partie est terminée.');
      return page;
    }],
  ];
}

// Runs every case on its own page; returns how many ran and failed.
const phoneCases = (browser, url, context) => runPageCases(caseList(context), browser, url, opened);

module.exports = { phoneCases };
