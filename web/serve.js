#!/usr/bin/env node
// A small static server for the browser build, on 127.0.0.1 only, with gzip,
// ETag and Last-Modified revalidation and cache lifetimes as ordinary static
// hosts do it.
// Usage: node web/serve.js FOLDER [PORT] [--throttle[=MBITS,MS]]
//   PORT 0 picks a free one; --throttle answers as a slow mobile line would
//   (1.6 Mbit/s shared by every answer, 150 ms before each, unless given),
//   for browsers that cannot emulate one.
// Prints "http://127.0.0.1:PORT/" once it listens.
'use strict';
const crypto = require('crypto');
const http = require('http');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.webp': 'image/webp',
};

// Files named after their content (name.0123456789ab.ext) never change and
// may be kept for a year; everything else is revalidated on every use.
const HASHED = /\.[0-9a-f]{12}\.[a-z]+$/;

// Per file, for its current version only, computed once: the folder is small.
const versions = new Map();

function versionOf(file, stat) {
  const seen = versions.get(file);
  if (seen && seen.mtimeMs === stat.mtimeMs && seen.size === stat.size) return seen;
  const bytes = fs.readFileSync(file);
  const version = {
    mtimeMs: stat.mtimeMs,
    size: stat.size,
    etag: `"${crypto.createHash('sha256').update(bytes).digest('hex').slice(0, 20)}"`,
    gzip: zlib.gzipSync(bytes, { level: 9 }),
  };
  versions.set(file, version);
  return version;
}

// Whether the client's copy is still this version: If-None-Match when the
// request has one, otherwise If-Modified-Since (to the second, as sent).
function unchanged(req, etag, stat) {
  const tags = req.headers['if-none-match'];
  if (tags !== undefined) {
    return tags.split(',').some((tag) => {
      const t = tag.trim();
      return t === '*' || t.replace(/^W\//, '') === etag;
    });
  }
  const since = Date.parse(req.headers['if-modified-since'] || '');
  return !Number.isNaN(since) && Math.floor(stat.mtimeMs / 1000) * 1000 <= since;
}

// A slow line: every answer waits `latencyMs` before its headers, and the
// bodies share `bitsPerSecond`, sent in small pieces so that a browser sees
// them arrive bit by bit.
const PIECE = 4096;
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function sendThrottled(line, res, body) {
  for (let at = 0; body && at < body.length && !res.destroyed; at += PIECE) {
    const piece = body.subarray(at, at + PIECE);
    line.freeAt = Math.max(Date.now(), line.freeAt) + (piece.length * 8 * 1000) / line.bitsPerSecond;
    await sleep(line.freeAt - Date.now());
    if (!res.destroyed) res.write(piece);
  }
  if (!res.destroyed) res.end();
}

// Options: `throttle` { bitsPerSecond, latencyMs } for a slow line;
// `intercept(req, res, answer)`, for tests, answers a request itself when it
// returns true (now, or later through `answer(req, res)`, the ordinary one).
function createServer(root, { throttle, intercept } = {}) {
  const base = path.resolve(root);
  const line = throttle && { ...throttle, freeAt: 0 };
  const answer = (req, res) => {
    if (intercept && intercept(req, res, ordinary)) return;
    ordinary(req, res);
  };
  const ordinary = (req, res) => {
    if (req.method !== 'GET' && req.method !== 'HEAD') {
      res.writeHead(405, { Allow: 'GET, HEAD', 'Content-Type': 'text/plain' });
      res.end('Method not allowed\n');
      return;
    }
    let file, stat;
    try {
      const urlPath = decodeURIComponent(new URL(req.url, 'http://127.0.0.1').pathname);
      file = path.join(base, urlPath.endsWith('/') ? `${urlPath}index.html` : urlPath);
      stat = fs.statSync(file);
    } catch {
      stat = null;  // a malformed address or no such file
    }
    // Only regular files inside the folder.
    if (!stat || !file.startsWith(base + path.sep) || !stat.isFile()) {
      res.writeHead(404, { 'Content-Type': 'text/plain' });
      res.end(req.method === 'HEAD' ? undefined : 'Not found\n');
      return;
    }
    const { etag, gzip } = versionOf(file, stat);
    const headers = {
      'Cache-Control': HASHED.test(file) ? 'public, max-age=31536000, immutable' : 'no-cache',
      ETag: etag,
      'Last-Modified': new Date(stat.mtimeMs).toUTCString(),
      Vary: 'Accept-Encoding',
    };
    if (unchanged(req, etag, stat)) {
      res.writeHead(304, headers);
      res.end();
      return;
    }
    headers['Content-Type'] = TYPES[path.extname(file)] || 'application/octet-stream';
    const zipped = /\bgzip\b/.test(req.headers['accept-encoding'] || '');
    if (zipped) headers['Content-Encoding'] = 'gzip';
    headers['Content-Length'] = zipped ? gzip.length : stat.size;
    res.writeHead(200, headers);
    if (line) {
      sendThrottled(line, res, req.method === 'HEAD' ? null : zipped ? gzip : fs.readFileSync(file))
        .catch(() => res.destroy());
      return;
    }
    if (req.method === 'HEAD') res.end();
    else if (zipped) res.end(gzip);
    else fs.createReadStream(file).on('error', () => res.destroy()).pipe(res);
  };
  return http.createServer(line ? (req, res) => setTimeout(answer, line.latencyMs, req, res) : answer);
}

// The line of `--throttle` and of the tests and measures that need one:
// "Fast 3G" as Chromium emulates it.
const SLOW_LINE = { bitsPerSecond: 1.6e6, latencyMs: 150 };

// Starts serving ROOT, its files compressed beforehand as a static host's
// would be; resolves with the page's address. `options` as createServer's.
function serve(root, port, options) {
  for (const name of fs.readdirSync(root)) {
    const file = path.join(path.resolve(root), name);
    const stat = fs.statSync(file);
    if (stat.isFile()) versionOf(file, stat);
  }
  const server = createServer(root, options);
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => {
      resolve({ server, url: `http://127.0.0.1:${server.address().port}/` });
    });
  });
}

module.exports = { serve, SLOW_LINE };

if (require.main === module) {
  const flags = process.argv.slice(2).filter((a) => a.startsWith('--'));
  const [root, port = '8000'] = process.argv.slice(2).filter((a) => !a.startsWith('--'));
  const throttle = /^--throttle(?:=([\d.]+),(\d+))?$/.exec(flags[0] || '');
  if (!root || (flags.length && !throttle) || flags.length > 1) {
    console.error('usage: serve.js FOLDER [PORT] [--throttle[=MBITS,MS]]');
    process.exit(2);
  }
  const options = throttle ? {
    throttle: throttle[1] ? { bitsPerSecond: Number(throttle[1]) * 1e6, latencyMs: Number(throttle[2]) } : SLOW_LINE,
  } : {};
  serve(root, Number(port), options).then(({ url }) => console.log(`Vantrel: ${url}  (Ctrl+C stops)`), (e) => {
    console.error(e.message);
    process.exit(1);
  });
}
