// Tap timing shared by the measuring scripts: an input event on the canvas
// to the first animation frame after the game has drawn its answer.
'use strict';
const { pagePoint } = require('../test/browser');

// The places the taps fall on, in game pixels.
const NEWGAME = [283, 145], CHIP1 = [60, 230], CARTE = [400, 450];

// One press ('mousedown') or release ('mouseup') at game pixel [x, y], in
// milliseconds.
async function tapToFrame(page, type, [x, y]) {
  const box = await (await page.$('canvas')).boundingBox();
  await page.evaluate((eventType) => {
    window.__probe = new Promise((resolve) => {
      let sent = 0;
      window.addEventListener(eventType, (e) => { sent = e.timeStamp; }, { capture: true, once: true });
      const idle = Module.onIdle;
      Module.onIdle = function () {
        idle.apply(this, arguments);
        if (!sent) return;  // woken by something else
        Module.onIdle = idle;
        // The time the frame's callbacks run, after the drawing: the frame's
        // own time stamp may fall before an event that came within it.
        requestAnimationFrame(() => resolve(performance.now() - sent));
      };
    });
  }, type);
  await page.mouse.move(...pagePoint(box, [x, y]));  // the page shows the game scaled
  if (type === 'mousedown') await page.mouse.down();
  else await page.mouse.up();
  return page.evaluate(() => window.__probe);
}

// From the start screen, `count` rounds: the chip press (the stake moves on
// the press) and the deal (Carte's release) timed in each.
async function gameTaps(page, count) {
  const chips = [], deals = [];
  await tapToFrame(page, 'mousedown', NEWGAME);
  await tapToFrame(page, 'mouseup', NEWGAME);
  for (let i = 0; i < count; i++) {
    chips.push(await tapToFrame(page, 'mousedown', CHIP1));
    await tapToFrame(page, 'mouseup', CHIP1);
    await tapToFrame(page, 'mousedown', CARTE);
    deals.push(await tapToFrame(page, 'mouseup', CARTE));
    for (let k = 0; k < 2; k++) {  // the draw, then Rejouer
      await tapToFrame(page, 'mousedown', CARTE);
      await tapToFrame(page, 'mouseup', CARTE);
    }
  }
  return { chips, deals };
}

module.exports = { tapToFrame, gameTaps, NEWGAME };
