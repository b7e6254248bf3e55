// Pixels of Chromium's screenshots (PNG) and of the generated bitmaps (BMP),
// as { width, height, data } with four bytes (RGBA) a pixel.
'use strict';
const fs = require('fs');
const zlib = require('zlib');

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// 8-bit RGB or RGBA, not interlaced: what Chromium writes.
function readPng(buffer) {
  let pos = 8, width = 0, height = 0, channels = 0;
  const idat = [];
  while (pos < buffer.length) {
    const length = buffer.readUInt32BE(pos);
    const type = buffer.toString('latin1', pos + 4, pos + 8);
    const body = buffer.subarray(pos + 8, pos + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      const [depth, colour, , , interlace] = body.subarray(8, 13);
      channels = { 2: 3, 6: 4 }[colour];
      if (depth !== 8 || !channels || interlace !== 0) throw new Error('unsupported PNG');
    } else if (type === 'IDAT') {
      idat.push(body);
    }
    pos += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(idat));
  const stride = width * channels;
  const rows = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    const src = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const row = y * stride;
    for (let i = 0; i < stride; i++) {
      const a = i >= channels ? rows[row + i - channels] : 0;
      const b = y > 0 ? rows[row - stride + i] : 0;
      const c = i >= channels && y > 0 ? rows[row - stride + i - channels] : 0;
      const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      rows[row + i] = (src[i] + predictor) & 0xff;
    }
  }
  const data = Buffer.alloc(width * height * 4, 255);
  for (let p = 0; p < width * height; p++) rows.copy(data, p * 4, p * channels, p * channels + channels);
  return { width, height, data };
}

// Uncompressed 24- or 32-bit BMP, rows bottom-up: what the art tool writes.
function readBmp(file) {
  const buf = fs.readFileSync(file);
  const offset = buf.readUInt32LE(10);
  const width = buf.readInt32LE(18);
  const height = buf.readInt32LE(22);
  const bytes = buf.readUInt16LE(28) / 8;
  if (buf.toString('latin1', 0, 2) !== 'BM' || (bytes !== 3 && bytes !== 4) || buf.readUInt32LE(30) !== 0) {
    throw new Error(`unsupported BMP ${file}`);
  }
  const stride = Math.ceil((width * bytes) / 4) * 4;
  const data = Buffer.alloc(width * height * 4, 255);
  for (let y = 0; y < height; y++) {
    const src = offset + (height - 1 - y) * stride;
    for (let x = 0; x < width; x++) {
      const s = src + x * bytes, d = (y * width + x) * 4;
      data[d] = buf[s + 2];
      data[d + 1] = buf[s + 1];
      data[d + 2] = buf[s];
    }
  }
  return { width, height, data };
}

function pixel(image, x, y) {
  const i = (y * image.width + x) * 4;
  return [image.data[i], image.data[i + 1], image.data[i + 2]];
}

// Pixels of `image` that differ from `shot` when placed at (x, y); pixels
// for which `skip(rgb)` holds are not compared.
function countDiffering(shot, x, y, image, skip = () => false) {
  let differing = 0;
  for (let j = 0; j < image.height; j++) {
    for (let i = 0; i < image.width; i++) {
      const want = pixel(image, i, j);
      if (skip(want)) continue;
      const got = pixel(shot, x + i, y + j);
      if (got[0] !== want[0] || got[1] !== want[1] || got[2] !== want[2]) differing++;
    }
  }
  return differing;
}

module.exports = { readPng, readBmp, pixel, countDiffering };
