// The page for the keyboard and screen readers: its buttons as the
// accessibility tree gives them (Chromium's, through CDP) against the game's
// own tables, a round played with Tab, Enter and Space only, the status
// region against the pictures on the canvas, and a loading screen that
// speaks only a few times. Each case opens a page of its own.
'use strict';
const assert = require('assert/strict');
const { runPageCases, openPage, waitIdle, settled, canvasPixels, GAME_WIDTH, GAME_HEIGHT, PHONE_LANDSCAPE, FAST_3G } = require('./browser');
const { countDiffering } = require('./pixels');

const opened = [];

const open = (browser, url, viewport, prepare) => openPage(browser, opened, url, viewport, prepare);

const words = (text) => (text || '').replace(/\s+/g, ' ').trim();

// Every button the accessibility tree holds, less the page's own
// (Plein écran): name, pressed, disabled and border box in CSS pixels.
async function treeButtons(page, retries = 3) {
  const { nodes } = await page.cdp.send('Accessibility.getFullAXTree');
  const buttons = nodes.filter((n) => !n.ignored && n.role && n.role.value === 'button' &&
                                      words(n.name && n.name.value) !== 'Plein écran');
  const property = (n, name) => {
    const found = (n.properties || []).find((p) => p.name === name);
    return found ? found.value.value : undefined;
  };
  await page.cdp.send('DOM.getDocument', { depth: 0 });
  try {
    return await Promise.all(buttons.map(async (n) => {
      const { model } = await page.cdp.send('DOM.getBoxModel', { backendNodeId: n.backendDOMNodeId });
      const q = model.border;
      return { name: words(n.name.value), pressed: property(n, 'pressed'), disabled: property(n, 'disabled') === true,
               box: [q[0], q[1], q[4], q[5]] };
    }));
  } catch (e) {
    // The layer was laid out again between the two reads (a picture
    // arriving, a resize): read the new one.
    if (!/box model|No node/.test(e.message) || retries === 0) throw e;
    return treeButtons(page, retries - 1);
  }
}

// The buttons of the screen shown (`bit` of the tables' screen bits, less
// the elements in `without`): exactly the tables' click rectangles, each
// within 1 CSS pixel. Returns the tree's buttons in its order.
async function assertButtons(page, tables, bit, without = []) {
  const screens = Object.fromEntries(tables.elements.map((e) => [e.name, e.screens]));
  const expected = tables.hitRects.filter((h) => (screens[h.element] & bit) && !without.includes(h.element));
  const c = await page.$eval('#canvas', (e) => e.getBoundingClientRect().toJSON());
  const sx = c.width / GAME_WIDTH, sy = c.height / GAME_HEIGHT;
  const wanted = expected.map(({ element, index, rect: [l, t, r, b] }) => ({
    what: `${element} ${index}`, box: [c.x + l * sx, c.y + t * sy, c.x + (r + 1) * sx, c.y + (b + 1) * sy] }));
  const near = (a, b) => a.every((v, k) => Math.abs(v - b[k]) <= 1);
  // A click's release may still be on its way (its picture waiting for an
  // atlas): the screen is the one meant once it shows, within 10 s.
  let buttons, missing, extra;
  for (const until = Date.now() + 10000; ;) {
    buttons = await treeButtons(page);
    missing = wanted.filter((w) => !buttons.some((b) => near(b.box, w.box))).map((w) => w.what);
    extra = buttons.filter((b) => !wanted.some((w) => near(b.box, w.box))).map((b) => b.name);
    if ((missing.length === 0 && extra.length === 0) || Date.now() > until) break;
    await new Promise((r) => setTimeout(r, 100));
  }
  assert.deepEqual({ missing, extra }, { missing: [], extra: [] },
    `screen ${bit}: ${buttons.map((b) => `${b.name} [${b.box.map(Math.round)}]`).join('; ')}`);
  return buttons;
}

function clickNamed(page, name) {
  return settled(page, () => page.evaluate((n) => {
    const name = (b) => (b.getAttribute('aria-label') || b.textContent).replace(/\s+/g, ' ');
    [...document.querySelectorAll('#access button')].find((b) => name(b) === n).click();
  }, name));
}

// The file each element shows at each place on the canvas, among its files.
function drawnFiles(shot, tables, bmp, name) {
  const element = tables.elements.find((e) => e.name === name);
  return element.places.map(([x, y]) => element.files.find((f) =>
    f && countDiffering(shot, x, y, bmp(f.replace(/^image\//, ''))) === 0));
}

function caseList({ tables, bmp }) {
  const bits = tables.screenBits;
  const cardName = (file) => tables.cardNames[tables.elements.find((e) => e.name === 'card').files.indexOf(file)];
  const downFile = tables.elements.find((e) => e.name === 'garder').files[tables.values.down];

  return [
    ['access: on each screen, the buttons are the tables\' click rectangles, at two scales', async (browser, url) => {
      let page;
      for (const viewport of [{ width: 1000, height: 600, deviceScaleFactor: 1 }, PHONE_LANDSCAPE]) {
        page = await open(browser, url, viewport);
        await waitIdle(page, 1, 20000);
        const start = await assertButtons(page, tables, bits.start);
        assert.equal(start.find((b) => b.name === 'Reprendre').disabled, true, 'Reprendre offered as available');
        const tree = await page.cdp.send('Accessibility.getFullAXTree');
        assert.ok(!tree.nodes.some((n) => !n.ignored && n.role && n.role.value === 'image'),
          'the canvas is still an image for assistive technology');
        await clickNamed(page, 'Nouvelle partie');
        const bet = await assertButtons(page, tables, bits.bet);
        assert.deepEqual(bet.map((b) => b.name), ['Jeton 1', 'Jeton 2', 'Jeton 5', 'Jeton 10', 'Tapis', 'Jeton 20',
          'Jeton 50', 'Jeton 100', 'Jeton 200', 'Annuler la mise', 'Aide', 'Carte : distribuer', 'À propos']);
        assert.equal(bet.find((b) => b.name === 'Carte : distribuer').disabled, true, 'Carte available at bet 0');
        await clickNamed(page, 'Tapis');
        assert.equal((await assertButtons(page, tables, bits.bet)).find((b) => /^Carte/.test(b.name)).disabled, false);
        await clickNamed(page, 'Carte : distribuer');
        await assertButtons(page, tables, bits.deal);
        await clickNamed(page, 'Carte : tirer');
        assert.ok((await assertButtons(page, tables, bits.deal, ['garder'])).some((b) => b.name === 'Rejouer'));
        await clickNamed(page, 'Aide');
        await assertButtons(page, tables, bits.aide);
        await clickNamed(page, 'Retour');
        // All in until the bank is empty: the game-over screen.
        for (let round = 0; round < 30; round++) {
          await clickNamed(page, 'Rejouer');
          if (!(await treeButtons(page)).some((b) => b.name === 'Tapis')) break;
          await clickNamed(page, 'Tapis');
          await clickNamed(page, 'Carte : distribuer');
          await clickNamed(page, 'Carte : tirer');
        }
        await assertButtons(page, tables, bits.gameover);
        if (viewport !== PHONE_LANDSCAPE) await page.close();
      }
      return page;
    }],

    ['access: a round with Tab, Enter and Space only; the status names the cards drawn', async (browser, url) => {
      const page = await open(browser, url, { width: 1000, height: 600, deviceScaleFactor: 1 });
      await waitIdle(page, 1, 20000);
      const focused = () => page.evaluate(() => {
        const e = document.activeElement;
        return (e.getAttribute('aria-label') || e.textContent || '').replace(/\s+/g, ' ');
      });
      const tabTo = async (name) => {
        for (let i = 0; i < 30 && (await focused()) !== name; i++) await page.keyboard.press('Tab');
        assert.equal(await focused(), name);
      };
      const press = (key) => settled(page, () => page.keyboard.press(key));
      const said = () => page.$eval('#said', (e) => e.textContent.replace(/\s+/g, ' '));
      await tabTo('Nouvelle partie');
      await press('Enter');
      assert.match(await said(), /Banque 50, Mise 0, Gain 0/);
      await tabTo('Jeton 5');
      await press('Space');
      await tabTo('Carte : distribuer');
      await press('Enter');
      let shot = await canvasPixels(page);
      const dealt = drawnFiles(shot, tables, bmp, 'card');
      assert.ok(dealt.every((f) => f), `a slot shows no card: ${dealt}`);
      assert.ok((await said()).includes(`Main : ${dealt.map(cardName).join(', ')}.`),
        `status "${await said()}", canvas ${dealt}`);
      await tabTo(`Changer la carte 2, ${cardName(dealt[1])}`);
      await press('Space');
      await tabTo(`Changer la carte 4, ${cardName(dealt[3])}`);
      await press('Enter');
      shot = await canvasPixels(page);
      const drawnDown = drawnFiles(shot, tables, bmp, 'garder').map((f) => f === downFile);
      const pressed = (await treeButtons(page)).filter((b) => /^Changer/.test(b.name)).map((b) => b.pressed === 'true' || b.pressed === true);
      assert.deepEqual(pressed, drawnDown, 'aria-pressed differs from the CHANGER pictures');
      assert.deepEqual(drawnDown, [false, true, false, true, false]);
      assert.ok((await said()).includes(`À changer : ${cardName(dealt[1])}, ${cardName(dealt[3])}`), await said());
      await tabTo('Carte : tirer');
      await press('Space');
      shot = await canvasPixels(page);
      const final = drawnFiles(shot, tables, bmp, 'card');
      const [caption] = drawnFiles(shot, tables, bmp, 'combination');
      const status = await said();
      assert.ok(status.includes(tables.words[caption]), `status "${status}" without the caption ${caption}`);
      assert.ok(status.includes(`Main : ${final.map(cardName).join(', ')}.`), `status "${status}", canvas ${final}`);
      await tabTo('Rejouer');
      await page.keyboard.press('Escape');
      await page.waitForSelector('#ended:not([hidden])', { timeout: 5000 });
      console.log(`    said at the result: ${status}`);
      return page;
    }],

    ['access: the loading region changes at most 5 times in a slow load', async (browser, url) => {
      const page = await open(browser, url, PHONE_LANDSCAPE, async (p) => {
        await p.emulateNetworkConditions({
          download: FAST_3G.downloadThroughput, upload: FAST_3G.uploadThroughput, latency: FAST_3G.latency });
        // What the live regions of the loading screen (itself, or those in
        // it) hold, at each change.
        await p.evaluateOnNewDocument(() => {
          window.loadingTexts = [];
          document.addEventListener('DOMContentLoaded', () => {
            const screen = document.getElementById('loading');
            const live = '[role="status"], [role="alert"], [aria-live]';
            const regions = screen.matches(live) ? [screen] : [...screen.querySelectorAll(live)];
            const text = () => regions.map((e) => e.textContent).join(' | ');
            window.loadingTexts.push(text());
            new MutationObserver(() => {
              if (!screen.hidden) window.loadingTexts.push(text());
            }).observe(screen, { childList: true, characterData: true, subtree: true });
          });
        });
      });
      await waitIdle(page, 1, 30000);
      const texts = (await page.evaluate(() => window.loadingTexts)).map(words);
      const said = texts.filter((t, i) => i === 0 || t !== texts[i - 1]);
      assert.ok(said.length >= 2 && said.length <= 6, `${said.length - 1} changes: ${said.join(' / ')}`);
      console.log(`    loading region: ${said.join(' / ')}`);
      return page;
    }],
  ];
}

// `context`: bmp(name under image/) and the art tool's tables (browser.js).
const accessCases = (browser, url, context) => runPageCases(caseList(context), browser, url, opened);

module.exports = { accessCases };
