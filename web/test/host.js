// A host in front of the project's server for the loading cases: it counts
// the bytes it has sent of each file, can hold back and trickle one file,
// and can answer a file wrongly, as a misbehaving host would. Served with
// gzip, as published. GET /sent answers the bytes sent so far and the full
// lengths, by file name ({"vantrel.<hash>.data": [sent, length]}).
'use strict';
const http = require('http');
const path = require('path');
const { serve } = require('../serve');

// options.slow: { match: RegExp, wait: ms before the first byte, rate: bytes a second }.
async function startHost(webDir, options = {}) {
  const upstream = await serve(webDir, 0);
  const host = { slow: options.slow || null, answer: null, counts: {}, requests: {} };
  const server = http.createServer((req, res) => {
    const name = path.posix.basename(new URL(req.url, 'http://127.0.0.1').pathname) || 'index.html';
    if (req.url === '/sent') {
      res.writeHead(200, { 'Content-Type': 'application/json', 'Cache-Control': 'no-store' });
      res.end(JSON.stringify(host.counts));
      return;
    }
    host.requests[name] = (host.requests[name] || 0) + 1;
    const wrong = host.answer && host.answer(name);
    if (wrong) {
      res.writeHead(wrong.status, { 'Content-Type': wrong.type, 'Content-Length': Buffer.byteLength(wrong.body) });
      res.end(wrong.body);
      return;
    }
    const forward = http.request(`${upstream.url}${req.url.slice(1)}`, { method: req.method, headers: req.headers }, (up) => {
      res.writeHead(up.statusCode, up.headers);
      const count = [0, Number(up.headers['content-length']) || 0];
      host.counts[name] = count;
      const slow = host.slow && host.slow.match.test(name) ? host.slow : null;
      // Counted once handed to the connection.
      const send = (chunk) => new Promise((resolve) => res.write(chunk, () => {
        count[0] += chunk.length;
        resolve();
      }));
      const chunks = [];
      up.on('data', (c) => chunks.push(c));
      up.on('end', async () => {
        const body = Buffer.concat(chunks);
        if (slow) {
          await new Promise((r) => setTimeout(r, slow.wait));
          const step = 4096;
          for (let at = 0; at < body.length && !res.destroyed; at += step) {
            await send(body.subarray(at, at + step));
            await new Promise((r) => setTimeout(r, 1000 * step / slow.rate));
          }
        } else if (body.length) {
          await send(body);
        }
        res.end();
      });
    });
    forward.on('error', () => res.destroy());
    req.pipe(forward);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  host.url = `http://127.0.0.1:${server.address().port}/`;
  host.close = () => {
    server.close();
    server.closeAllConnections();
    upstream.server.close();
  };
  return host;
}

module.exports = { startHost };
