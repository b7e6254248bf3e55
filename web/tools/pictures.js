#!/usr/bin/env node
// The game's bitmaps for the page, packed into a few pictures by when the
// game first needs them: what its first frame shows (the first download,
// in the data package as /pictures-0.webp), then the rest of the start
// screen with the pages it opens, then the bet screen's, then the rest
// (fetched after the first frame in that order, named after their content).
// Each is a lossless WebP (the page draws exactly the desktop game's
// pixels). TO/places.txt has a line "name atlas x y width height" per
// bitmap, its name the one the game opens ("image/….bmp"); TO/pictures.txt
// lists the atlases in order, the first as its path in the package, the
// others as files beside the page (written under TO/later/). One file compresses what the cards, chips and buttons have in
// common, which separate files cannot.
// Which screens show a bitmap comes from the art tool's tables.json.
// Usage: node web/tools/pictures.js FROM TO TABLES_JSON
'use strict';
const { execFile } = require('child_process');
const crypto = require('crypto');
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

// After the first atlas (the pictures the first frame shows), the screens
// that decide each atlas, first needed first: the rest of the start screen
// (its buttons pressed) with the pages it opens, then the bet screen. What
// none of them shows (the options screen, the cards, the end screen) goes
// last.
const NEEDED = [['start', 'aide', 'apropos'], ['bet']];

// Atlas index of each listed file ("image/…bmp"): 0 for the pictures the
// game's fields pick on its first frame, otherwise from the screens its
// elements show it on (a background by the `screen` value it stands for).
function atlasOfFiles(tables) {
  const first = tables.firstFrameFields;
  const bitsOf = new Map(), firstFrame = new Set();
  for (const element of tables.elements) {
    const background = element.field === tables.screenField;
    element.files.forEach((file, value) => {
      if (file === null) return;
      const bits = element.screens | (background ? tables.screenValueBits[value] : 0);
      bitsOf.set(file, (bitsOf.get(file) || 0) | bits);
    });
    const onFirst = background || (element.screens & tables.screenBits.start);
    for (let copy = 0; onFirst && copy < element.places.length; copy++) {
      const file = element.files[element.field < 0 ? 0 : first[element.field + copy]];
      if (file) firstFrame.add(file);
    }
  }
  const masks = NEEDED.map((names) => names.reduce((mask, name) => {
    if (tables.screenBits[name] === undefined) throw new Error(`tables: no screen ${name}`);
    return mask | tables.screenBits[name];
  }, 0));
  const atlas = new Map();
  for (const [file, bits] of bitsOf) {
    const need = masks.findIndex((mask) => bits & mask);
    atlas.set(file, firstFrame.has(file) ? 0 : 1 + (need < 0 ? NEEDED.length : need));
  }
  return atlas;
}

function encode(ppm, out) {
  // -exact keeps every pixel; -z 9 is the slowest, smallest lossless mode.
  return new Promise((resolve, reject) => {
    execFile('cwebp', ['-quiet', '-lossless', '-z', '9', '-exact', ppm, '-o', out], (e) => (e ? reject(e) : resolve()));
  });
}

async function convert(from, to, tablesFile) {
  const pictures = bitmapsUnder(from).map((name) => readBmp(fs.readFileSync(path.join(from, name)), name));
  if (pictures.length === 0) throw new Error(`${from}: no bitmaps`);
  const atlasOf = atlasOfFiles(JSON.parse(fs.readFileSync(tablesFile, 'utf8')));
  // A bitmap the tables do not list still reaches the page, last.
  const groups = [];
  for (const p of pictures) {
    const atlas = atlasOf.has(`image/${p.name}`) ? atlasOf.get(`image/${p.name}`) : NEEDED.length + 1;
    (groups[atlas] = groups[atlas] || []).push(p);
  }
  const atlases = groups.filter(Boolean);
  fs.rmSync(to, { recursive: true, force: true });
  fs.mkdirSync(to, { recursive: true });
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-pictures-'));
  try {
    const places = [];
    const names = await Promise.all(atlases.map(async (group, index) => {
      const height = pack(group);
      const rgb = Buffer.alloc(ATLAS_WIDTH * height * 3);  // black between pictures
      for (const p of group) {
        for (let row = 0; row < p.height; row++) {
          p.rgb.copy(rgb, ((p.y + row) * ATLAS_WIDTH + p.x) * 3, row * p.width * 3, (row + 1) * p.width * 3);
        }
        places.push(`${path.posix.join('image', p.name)} ${index} ${p.x} ${p.y} ${p.width} ${p.height}\n`);
      }
      const ppm = path.join(scratch, `pictures-${index}.ppm`);
      fs.writeFileSync(ppm, Buffer.concat([Buffer.from(`P6\n${ATLAS_WIDTH} ${height}\n255\n`, 'latin1'), rgb]));
      const webp = path.join(scratch, `pictures-${index}.webp`);
      await encode(ppm, webp);
      const bytes = fs.readFileSync(webp);
      const name = index === 0 ? 'pictures-0.webp' :
        `pictures-${index}.${crypto.createHash('sha256').update(bytes).digest('hex').slice(0, 12)}.webp`;
      fs.mkdirSync(path.join(to, 'later'), { recursive: true });
      fs.writeFileSync(path.join(to, index === 0 ? '' : 'later', name), bytes);
      return index === 0 ? `/${name}` : name;
    }));
    fs.writeFileSync(path.join(to, 'pictures.txt'), `${names.join('\n')}\n`);
    fs.writeFileSync(path.join(to, 'places.txt'), places.sort().join(''));
  } finally {
    fs.rmSync(scratch, { recursive: true, force: true });
  }
}

module.exports = { atlasOfFiles };

if (require.main === module) {
  const [from, to, tables] = process.argv.slice(2);
  if (!from || !to || !tables) {
    console.error('usage: pictures.js FROM TO TABLES_JSON');
    process.exit(2);
  }
  convert(path.resolve(from), path.resolve(to), path.resolve(tables)).catch((e) => {
    console.error(`pictures.js: ${e.message}`);
    process.exit(1);
  });
}
