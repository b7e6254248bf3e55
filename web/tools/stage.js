#!/usr/bin/env node
// Turns the linked page into the published folder: the script, program,
// data and icons renamed after their content (name.<12 hex digits>.ext, so
// a host and the browser may keep them for good, and two builds never share
// a name), the page and the manifest pointed at those names, the manifest's
// colours taken from the art, and the service worker told the build's name
// and files.
// Usage: node web/tools/stage.js FROM TO
//   FROM holds index.html, vantrel.js/.wasm/.data, the icons, colors.json,
//   tables.json, manifest.webmanifest and sw.js as the build made them, and
//   pictures.txt with the atlases fetched after the first frame (already
//   content-named, as the data package names them); TO is written.
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const hashOf = (...parts) => {
  const hash = crypto.createHash('sha256');
  for (const part of parts) hash.update(part);
  return hash.digest('hex').slice(0, 12);
};

function hashedName(name, bytes) {
  const ext = path.extname(name);
  return `${path.basename(name, ext)}.${hashOf(bytes)}${ext}`;
}

// Replaces the quoted `from` by the quoted `to`; it must be there (exactly
// once with `only`), or the build's output is not what this expects.
function renameIn(text, from, to, where, { only = false } = {}) {
  const parts = text.split(`"${from}"`);
  if (parts.length < 2 || (only && parts.length !== 2)) {
    throw new Error(`${where}: expected ${only ? 'one' : 'a'} "${from}", found ${parts.length - 1}`);
  }
  return parts.join(`"${to}"`);
}

// What a folder written by stage() holds, old builds included: only these
// are removed from TO before writing.
const OWN = /^(index\.html|sw\.js|manifest\.webmanifest|(vantrel|icon(-\w+)?)\.([0-9a-f]{12}\.)?(js|wasm|data|png|webp)|pictures-\d+\.[0-9a-f]{12}\.webp)$/;

function stage(from, to) {
  const read = (name) => fs.readFileSync(path.join(from, name));
  const out = new Map();  // published name -> bytes
  const renamed = {};
  const publish = (name, bytes) => {
    renamed[name] = hashedName(name, bytes);
    out.set(renamed[name], bytes);
  };

  for (const name of ['vantrel.wasm', 'vantrel.data', 'icon.webp', 'icon-192.webp', 'icon-512.png', 'icon-maskable.webp']) {
    publish(name, read(name));
  }
  // The later atlases keep their names: the data package holds them.
  for (const name of read('pictures.txt').toString('utf8').split('\n').filter((line) => line && line[0] !== '/')) {
    if (path.basename(name) !== name || !OWN.test(name)) throw new Error(`pictures.txt: unexpected ${name}`);
    out.set(name, read(name));
  }
  let script = read('vantrel.js').toString('utf8');
  for (const name of ['vantrel.wasm', 'vantrel.data']) {
    script = renameIn(script, name, renamed[name], 'vantrel.js', { only: true });
  }
  publish('vantrel.js', Buffer.from(script));

  const colors = JSON.parse(read('colors.json'));
  const manifest = JSON.parse(read('manifest.webmanifest'));
  manifest.theme_color = colors.theme_color;
  manifest.background_color = colors.background_color;
  for (const icon of manifest.icons) {
    if (!renamed[icon.src]) throw new Error(`manifest.webmanifest: no icon ${icon.src}`);
    icon.src = renamed[icon.src];
  }
  out.set('manifest.webmanifest', Buffer.from(`${JSON.stringify(manifest, null, 2)}\n`));

  let page = read('index.html').toString('utf8');
  // The game's tables, which the page's access layer reads what the game
  // drew by, in the page itself: one request fewer, and never out of step.
  const tables = JSON.stringify(JSON.parse(read('tables.json')));
  const withTables = page.replace('@TABLES@', () => tables.replace(/</g, '\\u003c'));
  if (withTables === page) throw new Error('index.html: no place (@TABLES@) for the game\'s tables');
  page = withTables;
  // Named twice: preloaded in the head, then asked for by the script.
  page = renameIn(page, 'vantrel.js', renamed['vantrel.js'], 'index.html');
  // The page fetches the program and the data itself, and checks and
  // counts them against their sizes as built.
  const sizes = {};
  for (const [name, key] of [['vantrel.wasm', 'program'], ['vantrel.data', 'data']]) {
    page = renameIn(page, name, renamed[name], 'index.html', { only: true });
    sizes[key] = read(name).length;
  }
  // Where the first atlas lies in the data package, which the page decodes
  // as soon as the package is here.
  const first = read('pictures.txt').toString('utf8').split('\n')[0];
  const quoted = first.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
  // Keys quoted as emcc writes them, or not, as the minifier leaves them.
  const entry = new RegExp(`"?filename"?:\\s*"${quoted}",\\s*"?start"?:\\s*(\\d+),\\s*"?end"?:\\s*(\\d+)`).exec(script);
  if (!entry || first[0] !== '/') throw new Error(`vantrel.js: no first atlas ${first} in the data package`);
  sizes.firstAtlas = { name: first, start: +entry[1], end: +entry[2] };
  const sized = page.replace(/(["'])@SIZES@\1/, `'${JSON.stringify(sizes)}'`);
  if (sized === page) throw new Error('index.html: no place for the file sizes');
  page = sized;
  page = renameIn(page, 'icon.webp', renamed['icon.webp'], 'index.html');
  const themed = page.replace(/(<meta name="theme-color" content=")[^"]*(">)/, `$1${colors.theme_color}$2`);
  if (themed === page && !page.includes(`content="${colors.theme_color}"`)) {
    throw new Error('index.html: no <meta name="theme-color">');
  }
  out.set('index.html', Buffer.from(themed));

  // The build's name covers every file the worker hands out.
  const files = ['./', ...[...out.keys()].filter((name) => name !== 'index.html').sort()];
  const build = hashOf(...[...out.entries()].sort().flatMap(([name, bytes]) => [name, bytes]));
  const worker = read('sw.js').toString('utf8').replace("'@BUILD@'", `'${build}'`)
    .replace('@FILES@', JSON.stringify(files));
  if (!worker.includes(`'${build}'`) || !worker.includes(JSON.stringify(files))) {
    throw new Error('sw.js: no place for the build name and files');
  }
  out.set('sw.js', Buffer.from(worker));

  fs.mkdirSync(to, { recursive: true });
  for (const name of fs.readdirSync(to)) {
    if (OWN.test(name) && !out.has(name)) fs.rmSync(path.join(to, name));
  }
  for (const [name, bytes] of out) fs.writeFileSync(path.join(to, name), bytes);
  return { build, files: [...out.keys()] };
}

module.exports = { stage };

if (require.main === module) {
  const [from, to] = process.argv.slice(2);
  if (!from || !to) {
    console.error('usage: stage.js FROM TO');
    process.exit(2);
  }
  try {
    const { build } = stage(path.resolve(from), path.resolve(to));
    console.log(`web build ${build} in ${to}`);
  } catch (e) {
    console.error(`stage.js: ${e.message}`);
    process.exit(1);
  }
}
