#!/usr/bin/env node
// The browser build in headless Chromium, Firefox and WebKitGTK, one after
// the other, checked against the generated bitmaps as the desktop
// end-to-end tests check the real window.
// Usage: node web/test/browser_test.js WEB_FOLDER RUNTIME_FOLDER [SCREENSHOT_FOLDER]
// VANTREL_ENGINES (e.g. "firefox,webkit") picks engines; all three by default.
// With a screenshot folder, the page at the result screen is saved there as
// screenshot-browser.png for the README. In Chromium the round's checks play
// on a reload without network; offline_cases.js adds the service worker's,
// the manifest's and the server's cases, rebuilding from the web build's
// stage/ folder (beside WEB_FOLDER, in web-build/), phone_cases.js the
// phones', access_cases.js the keyboard's and screen readers'.
// engine_cases.js runs in every engine, the round on a first visit.
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const {
  waitIdle, settled: settledOn, pagePoint, canvasBox: canvasBoxOf, canvasPixels, readTables, middle,
} = require('./browser');
const { serve } = require('../serve');
const { launch, enginesWanted } = require('./engines');
const { engineCases } = require('./engine_cases');
const { readBmp, pixel, countDiffering } = require('./pixels');
const { reloadOffline, offlineCases } = require('./offline_cases');
const { phoneCases } = require('./phone_cases');
const { atlasCases } = require('./atlas_cases');
const { loadingCases } = require('./loading_cases');
const { accessCases } = require('./access_cases');

const [webDir, runtimeDir, shotsDir] = process.argv.slice(2).map((p) => p && path.resolve(p));
if (!webDir || !runtimeDir) {
  console.error('usage: browser_test.js WEB_FOLDER RUNTIME_FOLDER');
  process.exit(2);
}

const bitmaps = new Map();
function bmp(name) {
  if (!bitmaps.has(name)) bitmaps.set(name, readBmp(path.join(runtimeDir, 'image', name)));
  return bitmaps.get(name);
}

// Where the game draws (canvas pixels) and where it takes clicks, from its own tables.
const tables = readTables(runtimeDir);
const { places, files, rects, scoreSlots, chipKey } = tables;
const [NEWGAME, AIDE, RETOUR, CARTE, CHIP1] = ['newgame', 'aide', 'retour', 'carte', 'chip'].map((n) => middle(rects[n][0]));
const SCORE_COLOUR = [247, 201, 17];
const CARD_FILES = fs.readdirSync(path.join(runtimeDir, 'image/carte')).filter((f) => f.endsWith('.bmp'));

// Each score number (bank 49, bet 1, the rest 0): how tall its text line is,
// and the number's ink in the desktop window as [left, top, right, bottom].
const SCORE_INK = [
  { line: 21, ink: [140, 113, 158, 124] }, { line: 21, ink: [85, 136, 92, 147] }, { line: 21, ink: [84, 160, 93, 171] },
  { line: 16, ink: [452, 111, 459, 120] }, { line: 16, ink: [452, 130, 459, 139] },
  { line: 16, ink: [335, 147, 342, 156] }, { line: 16, ink: [335, 165, 342, 174] },
];

// The caption of each combination, by hand code.
const CAPTIONS = files.combination[0];

// Poker value of five card files such as "10Coeur.bmp": the caption index.
function combination(files) {
  const RANKS = ['2', '3', '4', '5', '6', '7', '8', '9', '10', 'J', 'Q', 'K', 'as'];
  const cards = files.map((f) => {
    const [, rank, suit] = /^(10|[2-9JQK]|as)([A-Za-z]+)\.bmp$/.exec(f);
    return { rank: RANKS.indexOf(rank), suit };
  });
  const ranks = cards.map((c) => c.rank).sort((a, b) => a - b);
  const counts = Object.values(ranks.reduce((n, r) => ({ ...n, [r]: (n[r] || 0) + 1 }), {})).sort((a, b) => b - a);
  const flush = cards.every((c) => c.suit === cards[0].suit);
  const run = counts.length === 5 && (ranks[4] - ranks[0] === 4 || ranks.join() === '0,1,2,3,12');
  if (run && flush) return ranks[0] === 8 ? 9 : 8;
  if (counts[0] === 4) return 7;
  if (counts[0] === 3 && counts[1] === 2) return 6;
  if (flush) return 5;
  if (run) return 4;
  if (counts[0] === 3) return 3;
  if (counts[0] === 2 && counts[1] === 2) return 2;
  return counts[0] === 2 ? 1 : 0;
}

let page, canvasBox;

function shot() {
  return canvasPixels(page);
}

function settled(action) {
  return settledOn(page, action);
}

async function click([x, y]) {
  await page.mouse.move(...pagePoint(canvasBox, [x, y]));
  await settled(() => page.mouse.down());
  await settled(() => page.mouse.up());
}

function showsBitmap(s, [x, y], name) {
  return countDiffering(s, x, y, bmp(name)) === 0;
}

function cardAt(s, slot) {
  return CARD_FILES.find((f) => showsBitmap(s, places.card[slot], `carte/${f}`));
}

const checks = [];
const check = (name, fn) => checks.push({ name, fn });

check('page title', async () => {
  assert.equal(await page.title(), 'Vantrel');
});

// The background with opaque bitmaps drawn over it at [name, [x, y]].
function compose(background, layers) {
  const base = bmp(background);
  const out = { ...base, data: Buffer.from(base.data) };
  for (const [name, [x, y]] of layers) {
    const b = bmp(name);
    for (let j = 0; j < b.height; j++) {
      b.data.copy(out.data, ((y + j) * out.width + x) * 4, j * b.width * 4, (j + 1) * b.width * 4);
    }
  }
  return out;
}

// Every pixel: the background wherever no button covers it.
async function startScreen(p) {
  const expected = compose('backgroundStart.bmp', [
    ['bouton/boutonAideUp.bmp', places.aide[0]], ['bouton/boutonApropoUp.bmp', places.apropos[0]],
    ['bouton/boutonNewGameUp.bmp', places.newgame[0]], ['bouton/boutonResumeClose.bmp', places.resume[0]],
    ['bouton/boutonOptionUp.bmp', places.option[0]]]);
  assert.equal(countDiffering(await canvasPixels(p), 0, 0, expected), 0, 'start screen differs from its bitmaps');
}

check('start screen', () => startScreen(page));

check('a chip enables Carte', async () => {
  await click(NEWGAME);
  assert.ok(showsBitmap(await shot(), places.carte[0], 'bouton/boutonCarteDisa.bmp'), 'Carte not disabled at bet 0');
  await click(CHIP1);
  assert.ok(showsBitmap(await shot(), places.carte[0], 'bouton/boutonCarteUp.bmp'), 'Carte not enabled after a chip');
});

check('chip corners are transparent over the felt', async () => {
  const s = await shot();
  const felt = bmp('backgroundJeu.bmp');
  places.chip.forEach(([x, y], i) => {
    const name = files.chip[i][0];
    const chip = bmp(name);
    const isKey = (rgb) => rgb.every((v, k) => v === chipKey[k]);
    assert.equal(countDiffering(s, x, y, chip, isKey), 0, `${name}: disc`);
    let corners = 0;
    for (let j = 0; j < chip.height; j++) {
      for (let k = 0; k < chip.width; k++) {
        if (!isKey(pixel(chip, k, j))) continue;
        corners++;
        assert.deepEqual(pixel(s, x + k, y + j), pixel(felt, x + k, y + j), `${name}: key colour at ${k},${j}`);
      }
    }
    assert.ok(corners > 0, `${name} has no key-coloured corner`);
  });
});

check('score numbers in place', async () => {
  const s = await shot();
  const backdrop = bmp(files.backdrop[0][0]), [bx, by] = places.backdrop[0];
  SCORE_INK.forEach(({ line, ink: desktop }, slot) => {
    const { at } = scoreSlots[slot];
    const ink = [Infinity, Infinity, -1, -1];
    let brightest = null;
    for (let y = at[1]; y < at[1] + line; y++) {
      for (let x = at[0] - 2; x < at[0] + 40; x++) {
        const got = pixel(s, x, y), under = pixel(backdrop, x - bx, y - by);
        if (got.reduce((d, v, k) => d + Math.abs(v - under[k]), 0) <= 60) continue;
        ink[0] = Math.min(ink[0], x); ink[1] = Math.min(ink[1], y);
        ink[2] = Math.max(ink[2], x); ink[3] = Math.max(ink[3], y);
        if (!brightest || got[0] + got[1] > brightest[0] + brightest[1]) brightest = got;
      }
    }
    ink.forEach((v, k) => assert.ok(Math.abs(v - desktop[k]) <= 1,
      `score slot ${slot}: ink at [${ink}], the desktop game's at [${desktop}]`));
    assert.ok(brightest.every((v, k) => Math.abs(v - SCORE_COLOUR[k]) <= 8), `score slot ${slot}: colour ${brightest}`);
  });
});

check('Aide opens and closing it restores the screen', async () => {
  const before = await shot();
  await click(AIDE);
  const s = await shot();
  assert.ok(showsBitmap(s, places.retour[0], 'bouton/boutonRetourUp.bmp'), 'no Retour on the Aide page');
  const top = { ...bmp('backgroundAide.bmp'), height: 60 };  // above the text drawn on the page
  assert.equal(countDiffering(s, 0, 0, top), 0, 'Aide page background not shown');
  await click(RETOUR);
  assert.equal(countDiffering(await shot(), 0, 0, before), 0, 'the bet screen is not as it was');
});

let dealt;
check('the deal shows five card bitmaps', async () => {
  await click(CARTE);
  const s = await shot();
  dealt = [0, 1, 2, 3, 4].map((i) => cardAt(s, i));
  dealt.forEach((card, i) => {
    assert.ok(card, `slot ${i} shows no card bitmap`);
    assert.notEqual(card, 'back.bmp', `slot ${i} is face down`);
  });
  assert.equal(new Set(dealt).size, 5, `the same card twice: ${dealt}`);
  assert.ok(showsBitmap(s, places.message[0], 'texte/texteFirstHand.bmp'), 'first-hand message');
});

check('two marks', async () => {
  await click(middle(rects.garder[1]));
  await click(middle(rects.garder[3]));
  const s = await shot();
  assert.ok(showsBitmap(s, places.garder[1], 'bouton/boutonGarderDown.bmp'), 'second mark');
  assert.ok(showsBitmap(s, places.garder[3], 'bouton/boutonGarderDown.bmp'), 'fourth mark');
  assert.ok(showsBitmap(s, places.garder[0], 'bouton/boutonGarderUp.bmp'), 'first slot unmarked');
});

check('the draw: marked cards exchanged, the caption matches the final hand', async () => {
  await click(CARTE);
  const s = await shot();
  const final = [0, 1, 2, 3, 4].map((i) => cardAt(s, i));
  assert.deepEqual([final[0], final[2], final[4]], [dealt[0], dealt[2], dealt[4]], 'unmarked cards changed');
  for (const i of [1, 3]) assert.ok(final[i] && !dealt.includes(final[i]), `slot ${i} not exchanged: ${final[i]}`);
  const caption = CAPTIONS[combination(final)];
  assert.ok(showsBitmap(s, places.combination[0], caption), `${final} should show ${caption}`);
  assert.ok(showsBitmap(s, places.carte[0], 'bouton/boutonRejouerUp.bmp'), 'Rejouer button');
  console.log(`    final hand ${final.join(' ')}: ${path.basename(caption)}`);
  if (shotsDir && page.engine === 'chromium') await page.screenshot({ path: path.join(shotsDir, 'screenshot-browser.png') });
});

// The screen a page shows, told by a few of its pictures.
async function screen(p) {
  const s = await canvasPixels(p);
  if (!showsBitmap(s, places.message[0], 'texte/texteMise.bmp')) return 'start';
  return showsBitmap(s, places.carte[0], 'bouton/boutonCarteDisa.bmp') ? 'bet 0' : 'bet';
}

// The round's checks in order on page `p`, a line each; the first failure
// ends them, as each step builds on the one before.
async function playRound(p) {
  page = p;
  canvasBox = await canvasBoxOf(page);
  const label = page.engine === 'chromium' ? '' : `${page.engine}: `;
  for (const { name, fn } of checks) {
    try {
      await fn();
      console.log(`ok - ${label}${name}`);
    } catch (e) {
      console.log(`not ok - ${label}${name}\n    ${e.message.split('\n').join('\n    ')}`);
      return 1;
    }
  }
  return 0;
}

// Chromium's own cases: the round on a reload without network (set by CDP),
// the worker's, the manifest's and the server's, and the phones'.
async function chromiumCases(browser) {
  const { server, url } = await serve(webDir, 0);
  let failed = 0, ran = 1 + checks.length;
  try {
    page = await browser.newPage();
    page.engine = 'chromium';
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    // Chromium's advice for a canvas read back often without being made for it.
    page.on('console', (m) => /willReadFrequently/.test(m.text()) && errors.push(m.text()));
    await page.goto(url);
    await waitIdle(page, 1, 20000);
    try {
      await reloadOffline(page);
      console.log('ok - after one visit, a reload without network plays from the service worker');
      failed += await playRound(page);
    } catch (e) {
      failed++;
      console.log(`not ok - after one visit, a reload without network plays from the service worker\n    ${e.message}`);
    }
    const offline = await offlineCases({ browser, url, webDir, runtimeDir,
                                         stageDir: path.join(webDir, '../web-build/stage') });
    failed += offline.failed;
    ran += offline.count;
    const atlases = await atlasCases({ browser, url, bmp });
    failed += atlases.failed;
    ran += atlases.count;
    if (errors.length) {
      failed++;
      console.log(`not ok - page errors: ${[...new Set(errors)].join('; ')}`);
    }
    await page.close();
    const phones = await phoneCases(browser, url, { bmp, shotsDir, webDir, tables });
    failed += phones.failed;
    ran += phones.ran;
    const loads = await loadingCases({ browser, url, webDir, tables });
    failed += loads.failed;
    ran += loads.ran;
    const access = await accessCases(browser, url, { bmp, tables });
    failed += access.failed;
    ran += access.ran;
  } finally {
    server.close();
  }
  return { ran, failed };
}

(async () => {
  let failed = 0, ran = 0;
  const context = {
    webDir, runtimeDir, tables, launch, screen, startScreen,
    playRound: async (p) => assert.equal(await playRound(p), 0, 'the round failed'),
  };
  for (const name of enginesWanted()) {
    const started = Date.now();
    const engine = await launch(name);
    try {
      const results = [engine.name === 'chromium' ? await chromiumCases(engine.browser) : { ran: 0, failed: 0 },
                       await engineCases(engine, context)];
      for (const r of results) {
        ran += r.ran;
        failed += r.failed;
      }
    } finally {
      await engine.close();
    }
    console.log(`# ${name}: ${((Date.now() - started) / 1000).toFixed(0)} s`);
  }
  console.log(failed ? 'browser suite: FAILED' : `browser suite: ${ran} checks passed`);
  process.exit(failed ? 1 : 0);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
