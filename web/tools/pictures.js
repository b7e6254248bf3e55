#!/usr/bin/env node
// The game's bitmaps for the page, packed into one picture: every BMP under
// FROM placed side by side in TO/pictures.webp (lossless WebP: the page
// draws exactly the desktop game's pixels), and under its own relative name
// in TO/image/ (still "….bmp", the name the game opens) a line of text
// "x y width height", its place there. One file compresses what the cards,
// chips and buttons have in common, which separate files cannot.
// Usage: node web/tools/pictures.js FROM TO
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

// One background wide (the widest picture): the narrower ones fill rows
// with little left over; wider trials compressed worse.
const ATLAS_WIDTH = 872;

// An uncompressed 24- or 32-bit BMP as rows of RGB, top row first.
function readBmp(buf, name) {
  const offset = buf.readUInt32LE(10);
  const width = buf.readInt32LE(18);
  const rows = buf.readInt32LE(22);
  const depth = buf.readUInt16LE(28) / 8;
  const height = Math.abs(rows);
  const stride = Math.ceil((width * depth) / 4) * 4;
  if (buf.toString('latin1', 0, 2) !== 'BM' || (depth !== 3 && depth !== 4) || buf.readUInt32LE(30) !== 0 ||
      width <= 0 || height === 0 || width > ATLAS_WIDTH || offset + stride * height > buf.length) {
    throw new Error(`${name}: not an uncompressed 24- or 32-bit BMP at most ${ATLAS_WIDTH} wide`);
  }
  const rgb = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; y++) {
    const src = offset + (rows > 0 ? height - 1 - y : y) * stride;  // positive height: bottom-up
    for (let x = 0; x < width; x++) {
      const s = src + x * depth, d = (y * width + x) * 3;
      rgb[d] = buf[s + 2];
      rgb[d + 1] = buf[s + 1];
      rgb[d + 2] = buf[s];
    }
  }
  return { name, width, height, rgb };
}

function bitmapsUnder(dir, rel = '') {
  return fs.readdirSync(path.join(dir, rel), { withFileTypes: true }).flatMap((entry) => {
    const name = path.join(rel, entry.name);
    if (entry.isDirectory()) return bitmapsUnder(dir, name);
    return entry.isFile() && name.endsWith('.bmp') ? [name] : [];
  });
}

// Shelves, tallest pictures first: pictures of one size (the cards, the
// chips) end up next to each other, where the encoder finds their likeness.
function pack(pictures) {
  const sorted = [...pictures].sort((a, b) => b.height - a.height || b.width - a.width || (a.name < b.name ? -1 : 1));
  let x = 0, y = 0, shelf = 0;
  for (const picture of sorted) {
    if (x + picture.width > ATLAS_WIDTH) {
      x = 0;
      y += shelf;
      shelf = 0;
    }
    Object.assign(picture, { x, y });
    x += picture.width;
    shelf = Math.max(shelf, picture.height);
  }
  return y + shelf;
}

function convert(from, to) {
  const pictures = bitmapsUnder(from).map((name) => readBmp(fs.readFileSync(path.join(from, name)), name));
  if (pictures.length === 0) throw new Error(`${from}: no bitmaps`);
  const height = pack(pictures);
  const rgb = Buffer.alloc(ATLAS_WIDTH * height * 3);  // black between pictures
  for (const p of pictures) {
    for (let row = 0; row < p.height; row++) {
      p.rgb.copy(rgb, ((p.y + row) * ATLAS_WIDTH + p.x) * 3, row * p.width * 3, (row + 1) * p.width * 3);
    }
  }
  fs.rmSync(to, { recursive: true, force: true });
  for (const p of pictures) {
    fs.mkdirSync(path.dirname(path.join(to, 'image', p.name)), { recursive: true });
    fs.writeFileSync(path.join(to, 'image', p.name), `${p.x} ${p.y} ${p.width} ${p.height}\n`);
  }
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-pictures-'));
  try {
    const ppm = path.join(scratch, 'pictures.ppm');
    fs.writeFileSync(ppm, Buffer.concat([Buffer.from(`P6\n${ATLAS_WIDTH} ${height}\n255\n`, 'latin1'), rgb]));
    // -exact keeps every pixel; -z 9 is the slowest, smallest lossless mode.
    execFileSync('cwebp', ['-quiet', '-lossless', '-z', '9', '-exact', ppm, '-o', path.join(to, 'pictures.webp')]);
  } finally {
    fs.rmSync(scratch, { recursive: true, force: true });
  }
}

if (require.main === module) {
  const [from, to] = process.argv.slice(2);
  if (!from || !to) {
    console.error('usage: pictures.js FROM TO');
    process.exit(2);
  }
  try {
    convert(path.resolve(from), path.resolve(to));
  } catch (e) {
    console.error(`pictures.js: ${e.message}`);
    process.exit(1);
  }
}
