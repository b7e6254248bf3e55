#!/usr/bin/env node
// A small static server for the browser build, on 127.0.0.1 only, with gzip
// as ordinary static hosts do it.
// Usage: node web/serve.js FOLDER [PORT]   (PORT 0 picks a free one)
// Prints "http://127.0.0.1:PORT/" once it listens.
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.png': 'image/png',
};

// Compressed once per file version; the folder is small.
const gzipped = new Map();

function gzipOf(file, stat) {
  const key = `${file}:${stat.mtimeMs}:${stat.size}`;
  if (!gzipped.has(key)) gzipped.set(key, zlib.gzipSync(fs.readFileSync(file), { level: 9 }));
  return gzipped.get(key);
}

function createServer(root) {
  const base = path.resolve(root);
  return http.createServer((req, res) => {
    let file, stat;
    try {
      const urlPath = decodeURIComponent(new URL(req.url, 'http://127.0.0.1').pathname);
      file = path.join(base, urlPath.endsWith('/') ? `${urlPath}index.html` : urlPath);
      stat = fs.statSync(file);
    } catch {
      stat = null;  // a malformed address or no such file
    }
    // Only regular files inside the folder.
    if (!stat || !file.startsWith(base + path.sep) || !stat.isFile() || req.method !== 'GET') {
      res.writeHead(404, { 'Content-Type': 'text/plain' });
      res.end('Not found\n');
      return;
    }
    const headers = {
      'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
      'Cache-Control': 'no-cache',
      Vary: 'Accept-Encoding',
    };
    if (/\bgzip\b/.test(req.headers['accept-encoding'] || '')) {
      const body = gzipOf(file, stat);
      res.writeHead(200, { ...headers, 'Content-Encoding': 'gzip', 'Content-Length': body.length });
      res.end(body);
    } else {
      res.writeHead(200, { ...headers, 'Content-Length': stat.size });
      fs.createReadStream(file).pipe(res);
    }
  });
}

// Starts serving ROOT, its files compressed beforehand as a static host's
// would be; resolves with the page's address.
function serve(root, port) {
  for (const name of fs.readdirSync(root)) {
    const file = path.join(path.resolve(root), name);
    const stat = fs.statSync(file);
    if (stat.isFile()) gzipOf(file, stat);
  }
  const server = createServer(root);
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => {
      resolve({ server, url: `http://127.0.0.1:${server.address().port}/` });
    });
  });
}

module.exports = { serve };

if (require.main === module) {
  const [root, port = '8000'] = process.argv.slice(2);
  if (!root) {
    console.error('usage: serve.js FOLDER [PORT]');
    process.exit(2);
  }
  serve(root, Number(port)).then(({ url }) => console.log(`Vantrel: ${url}  (Ctrl+C stops)`), (e) => {
    console.error(e.message);
    process.exit(1);
  });
}
