// The browser suite's cases for the installable, offline page and its
// server: called by browser_test.js.
'use strict';
const assert = require('assert/strict');
const crypto = require('crypto');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { execFile } = require('child_process');
const { serve } = require('../serve');
const { stage } = require('../tools/stage');
const { runCase, waitIdle } = require('./browser');
const { readBmp } = require('./pixels');

// Resolves once a service worker has filled its cache and controls the page.
async function untilControlled(page) {
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
    }
  });
}

// After one visit: a reload without network, every file from the service
// worker. The suite's checks then play a round on that page.
async function reloadOffline(page) {
  await untilControlled(page);
  await page.setOfflineMode(true);
  const notFromWorker = [];
  const listen = (response) => {
    if (/^https?:/.test(response.url()) && !response.fromServiceWorker()) notFromWorker.push(response.url());
  };
  page.on('response', listen);
  await page.reload();
  await waitIdle(page, 1, 20000);
  page.off('response', listen);
  assert.deepEqual(notFromWorker, [], 'files not from the service worker');
}

function request(url, { method = 'GET', headers = {} } = {}) {
  return new Promise((resolve, reject) => {
    const req = http.request(url, { method, headers }, (res) => {
      const chunks = [];
      res.on('data', (c) => chunks.push(c));
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, body: Buffer.concat(chunks) }));
    });
    req.on('error', reject);
    req.end();
  });
}

// zlib.crc32 is newer than Debian's node.
function crc32(bytes) {
  let crc = ~0;
  for (const byte of bytes) {
    crc ^= byte;
    for (let k = 0; k < 8; k++) crc = (crc >>> 1) ^ (0xedb88320 & -(crc & 1));
  }
  return ~crc >>> 0;
}

// A PNG of one colour with exactly `length` bytes, padded with a private
// ancillary chunk that decoders skip.
function solidPng(width, height, rgb, length) {
  const chunk = (type, body) => {
    const head = Buffer.alloc(8);
    head.writeUInt32BE(body.length);
    head.write(type, 4, 'latin1');
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), body])));
    return Buffer.concat([head, body, crc]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width);
  header.writeUInt32BE(height, 4);
  header[8] = 8;  // bits per channel
  header[9] = 2;  // RGB
  const row = Buffer.concat([Buffer.from([0]), Buffer.alloc(width * 3).map((_, i) => rgb[i % 3])]);
  const parts = [Buffer.from('89504e470d0a1a0a', 'hex'), chunk('IHDR', header),
                 chunk('IDAT', zlib.deflateSync(Buffer.concat(Array(height).fill(row))))];
  const padding = length - parts.reduce((n, p) => n + p.length, 0) - 2 * 12;
  assert.ok(padding >= 0, 'the picture to replace is too small');
  return Buffer.concat([...parts, chunk('vaPd', Buffer.alloc(padding)), chunk('IEND', Buffer.alloc(0))]);
}

const cases = [];
const test = (name, fn) => cases.push({ name, fn });

test('installable, with the manifest icons at their stated sizes', async ({ browser, url }) => {
  const page = await browser.newPage();
  try {
    await page.goto(url);
    await untilControlled(page);
    const cdp = await page.createCDPSession();
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, [], 'installability errors');
    const icons = await page.evaluate(async () => {
      const manifest = await (await fetch(document.querySelector('link[rel=manifest]').href)).json();
      return Promise.all(manifest.icons.map(async (icon) => {
        const image = new Image();
        image.src = new URL(icon.src, location.href).href;
        await image.decode();
        return { ...icon, got: `${image.naturalWidth}x${image.naturalHeight}` };
      }));
    });
    for (const icon of icons) assert.equal(icon.got, icon.sizes, `${icon.src} is ${icon.got}`);
    assert.deepEqual(icons.map((i) => `${i.sizes} ${i.purpose}`).sort(),
                     ['192x192 any', '512x512 any', '512x512 maskable']);
  } finally {
    await page.close();
  }
});

test('the pictures decode to the desktop bitmaps, every one', async ({ browser, url, runtimeDir }) => {
  const page = await browser.newPage();
  try {
    await page.goto(url);
    await waitIdle(page, 1, 20000);
    // Every picture in the page's files, from whichever atlas holds it,
    // decoded by the glue and drawn from its place as the game's blits
    // draw it: a digest of its RGB bytes each, alpha checked opaque.
    const decoded = await page.evaluate(async () => {
      const out = {};
      for (const name of Object.keys(VantrelImages.placeList())) {
        const place = VantrelImages.place(name);
        await VantrelImages.load(place.atlas);
        const kept = VantrelImages.keep(name, place);
        if (!kept) continue;
        const rgba = VantrelImages.cutOut(kept).getContext('2d').getImageData(0, 0, place.width, place.height).data;
        const rgb = new Uint8Array(rgba.length / 4 * 3);
        let opaque = true;
        for (let i = 0, j = 0; i < rgba.length; i += 4, j += 3) {
          rgb.set(rgba.subarray(i, i + 3), j);
          opaque = opaque && rgba[i + 3] === 255;
        }
        const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', rgb));
        out[name] = `${place.width}x${place.height} ${opaque} ${Array.from(digest, (b) => b.toString(16).padStart(2, '0')).join('')}`;
      }
      return out;
    });
    const imageDir = path.join(runtimeDir, 'image');
    const native = (dir) => fs.readdirSync(path.join(imageDir, dir), { withFileTypes: true }).flatMap((e) => {
      const name = path.posix.join(dir, e.name);
      return e.isDirectory() ? native(name) : name.endsWith('.bmp') ? [name] : [];
    });
    const differing = [];
    const names = native('');
    for (const name of names) {
      const { width, height, data } = readBmp(path.join(imageDir, name));
      const rgb = Buffer.alloc(width * height * 3);
      for (let p = 0; p < width * height; p++) data.copy(rgb, p * 3, p * 4, p * 4 + 3);
      const want = `${width}x${height} true ${crypto.createHash('sha256').update(rgb).digest('hex')}`;
      if (decoded[`/image/${name}`] !== want) differing.push(name);
    }
    assert.deepEqual(differing, [], 'pictures not as the desktop game draws them');
    assert.equal(Object.keys(decoded).length, names.length, 'pictures in the page');
  } finally {
    await page.close();
  }
});

test('the server revalidates, answers HEAD, and keeps to its folder', async ({ url, webDir, stageDir }) => {
  const wasm = fs.readdirSync(webDir).find((f) => /^vantrel\.[0-9a-f]{12}\.wasm$/.test(f));
  const page = await request(url);
  assert.equal(page.status, 200);
  assert.equal(page.headers['cache-control'], 'no-cache');
  assert.match(page.headers['content-type'], /^text\/html/);
  const { etag, 'last-modified': modified } = page.headers;
  assert.ok(etag && modified, 'no ETag or Last-Modified');
  const revalidated = [await request(url, { headers: { 'If-None-Match': etag } }),
                       await request(url, { headers: { 'If-None-Match': `"x", W/${etag}` } }),
                       await request(url, { headers: { 'If-Modified-Since': modified } })];
  assert.deepEqual(revalidated.map((r) => [r.status, r.body.length]), [[304, 0], [304, 0], [304, 0]]);
  // A tag that does not match wins over the date.
  const changed = await request(url, { headers: { 'If-None-Match': '"other"', 'If-Modified-Since': modified } });
  assert.equal(changed.status, 200);

  const get = await request(`${url}${wasm}`, { headers: { 'Accept-Encoding': 'gzip' } });
  const head = await request(`${url}${wasm}`, { method: 'HEAD', headers: { 'Accept-Encoding': 'gzip' } });
  assert.equal(head.status, 200);
  assert.equal(head.body.length, 0, 'HEAD with a body');
  for (const h of ['content-type', 'content-length', 'content-encoding', 'etag']) {
    assert.equal(head.headers[h], get.headers[h], `HEAD's ${h}`);
  }
  assert.equal(get.headers['content-type'], 'application/wasm');
  assert.equal(get.headers.vary, 'Accept-Encoding');
  assert.match(get.headers['cache-control'], /max-age=31536000/);

  const types = {};
  for (const name of ['manifest.webmanifest', 'sw.js', fs.readdirSync(webDir).find((f) => f.endsWith('.data'))]) {
    const r = await request(`${url}${name}`, { method: 'HEAD' });
    types[name.replace(/.*\./, '')] = `${r.status} ${r.headers['content-type']} ${r.headers['cache-control']}`;
  }
  assert.deepEqual(types, {
    webmanifest: '200 application/manifest+json no-cache',
    js: '200 text/javascript; charset=utf-8 no-cache',
    data: '200 application/octet-stream public, max-age=31536000, immutable',
  });
  // The last: a file in a sibling folder whose name starts with this folder's.
  const sibling = `/${encodeURIComponent(path.relative(webDir, path.join(stageDir, 'index.html')))}`;
  for (const bad of ['/..%2f..%2f..%2fetc/passwd', '/%2e%2e/%2e%2e/etc/passwd', '/%E0%A4%A', '/index.html%00', '/nowhere', sibling]) {
    assert.equal((await request(`${url}${bad.slice(1)}`)).status, 404, bad);
  }
  assert.equal((await request(url, { method: 'POST' })).status, 405);

  // The command `make serve-web` runs, which prints the page's address.
  const started = execFile(process.execPath, [path.join(__dirname, '../serve.js'), webDir, '0']);
  try {
    const printed = await new Promise((resolve, reject) => {
      started.stdout.once('data', resolve);
      started.once('exit', (code) => reject(new Error(`serve.js ended (${code})`)));
    });
    const address = /http:\/\/127\.0\.0\.1:\d+\//.exec(printed);
    assert.ok(address, `serve.js printed: ${printed}`);
    assert.equal((await request(address[0])).status, 200);
  } finally {
    started.kill();
  }
});

test('after a rebuild changing one picture, the next online load is wholly the new build', async ({ browser, stageDir }) => {
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-rebuild-'));
  const context = await browser.createBrowserContext();
  let server;
  try {
    const from = path.join(scratch, 'stage'), served = path.join(scratch, 'web');
    fs.cpSync(stageDir, from, { recursive: true });
    const before = stage(from, served);
    let url;
    ({ server, url } = await serve(served, 0));
    const page = await context.newPage();
    await page.goto(url);
    await waitIdle(page, 1, 20000);
    await untilControlled(page);
    // The cache of a copy of the game published in another folder of the site.
    const elsewhere = `vantrel ${url}elsewhere/ 0123`;
    await page.evaluate((name) => caches.open(name), elsewhere);

    // Every picture in one colour (the packed picture's size, read from its
    // lossless WebP header), the data package's size and every other file
    // the same.
    const script = fs.readFileSync(path.join(from, 'vantrel.js'), 'latin1');
    const [, start, end] = /"?filename"?:"\/pictures-0\.webp","?start"?:(\d+),"?end"?:(\d+)/.exec(script);
    const data = fs.readFileSync(path.join(from, 'vantrel.data'));
    const size = data.readUInt32LE(Number(start) + 21);
    solidPng((size & 0x3fff) + 1, ((size >>> 14) & 0x3fff) + 1, [255, 0, 255], end - start).copy(data, Number(start));
    fs.writeFileSync(path.join(from, 'vantrel.data'), data);
    const oldPage = fs.readFileSync(path.join(served, 'index.html'));
    const after = stage(from, served);
    const old = before.files.filter((f) => !after.files.includes(f));
    assert.ok(old.some((f) => f.endsWith('.data')), 'the rebuild did not change the data');
    assert.deepEqual(fs.readdirSync(served).filter((f) => old.includes(f)), [], 'the old build left published');

    // Caught while the old page is still published, the new worker must not install.
    const newPage = fs.readFileSync(path.join(served, 'index.html'));
    fs.writeFileSync(path.join(served, 'index.html'), oldPage);
    const installed = await page.evaluate(async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      const found = new Promise((resolve) => registration.addEventListener('updatefound', () => resolve(registration.installing)));
      await registration.update();
      const worker = await found;
      while (!['redundant', 'activated'].includes(worker.state)) {
        await new Promise((resolve) => worker.addEventListener('statechange', resolve, { once: true }));
      }
      return worker.state;
    });
    assert.equal(installed, 'redundant', 'the new worker installed with the old page');
    fs.writeFileSync(path.join(served, 'index.html'), newPage);

    const requested = [];
    page.on('request', (r) => requested.push(path.basename(new URL(r.url()).pathname) || './'));
    await page.goto(url);
    await waitIdle(page, 1, 20000);
    assert.deepEqual(requested.filter((f) => old.includes(f)), [], 'files of the old build');
    const corner = await page.evaluate(() => Array.from(
      document.getElementById('canvas').getContext('2d').getImageData(2, 2, 1, 1).data));
    assert.deepEqual(corner, [255, 0, 255, 255], 'the start screen is not the new picture');
    // The new worker takes over and only the new build's cache is left of this folder's.
    const want = [`vantrel ${url} ${after.build}`, elsewhere].sort();
    const kept = await page.waitForFunction(async (names) => {
      const keys = (await caches.keys()).sort();
      return keys.join() === names.join() && keys;
    }, { timeout: 20000, polling: 200 }, want).then((h) => h.jsonValue(), () => page.evaluate(() => caches.keys()));
    assert.deepEqual(kept, want, 'caches after the rebuild');
    // A page the network has lost comes from the cache.
    fs.rmSync(path.join(served, 'index.html'));
    assert.equal((await page.goto(url)).status(), 200, 'the server\'s 404 instead of the cached page');
  } finally {
    await context.close();
    if (server) server.close();
    fs.rmSync(scratch, { recursive: true, force: true });
  }
});

// Runs every case, printing one line each; resolves with the failures.
async function offlineCases(context) {
  let failed = 0;
  for (const { name, fn } of cases) {
    if (!await runCase(name, () => fn(context))) failed++;
  }
  return { failed, count: cases.length };
}

module.exports = { reloadOffline, offlineCases };
