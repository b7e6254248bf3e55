// A small WebDriver (HTTP) client for WebKitGTK: Debian's WebKitWebDriver
// driving its MiniBrowser on an Xvfb display of its own. Only what the
// browser suite and the measuring script use.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const net = require('net');
const os = require('os');
const path = require('path');

const WEBKIT_DRIVER = process.env.WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';
// Shipped by libwebkit2gtk-4.1-0 beside the engine's own processes.
const MINIBROWSER = process.env.MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const START_LIMIT = 20000;

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function freePort() {
  return new Promise((resolve, reject) => {
    const probe = net.createServer();
    probe.once('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// Xvfb on the first free display; resolves with the process and its
// display name once it accepts clients.
function startX() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-xvfb-'));
  const out = fs.openSync(path.join(dir, 'display'), 'w');
  const x = spawn('Xvfb', ['-displayfd', '3', '-noreset', '-nolisten', 'tcp', '-screen', '0', '1280x800x24'],
                  { stdio: ['ignore', 'ignore', 'ignore', out] });
  fs.closeSync(out);
  return new Promise((resolve, reject) => {
    const started = Date.now();
    const poll = () => {
      const number = fs.readFileSync(path.join(dir, 'display'), 'utf8').trim();
      if (number) {
        fs.rmSync(dir, { recursive: true, force: true });
        resolve({ x, display: `:${number}` });
      } else if (x.exitCode !== null || Date.now() - started > START_LIMIT) {
        x.kill();
        fs.rmSync(dir, { recursive: true, force: true });
        reject(new Error('Xvfb did not start'));
      } else {
        setTimeout(poll, 50);
      }
    };
    poll();
  });
}

// One request to the driver; resolves with the answer's value, rejects
// with the driver's error and message.
async function command(base, method, route, body) {
  const response = await fetch(`${base}${route}`, {
    method,
    headers: body ? { 'Content-Type': 'application/json' } : {},
    body: body ? JSON.stringify(body) : undefined,
  });
  const { value } = await response.json();
  if (!response.ok || (value && value.error)) {
    throw new Error(`WebDriver ${method} ${route}: ${value.error}: ${value.message}`);
  }
  return value;
}

// Starts the display and the driver; resolves with { base, close }.
async function startDriver() {
  const { x, display } = await startX();
  const port = await freePort();
  const log = [];
  const driver = spawn(WEBKIT_DRIVER, [`--port=${port}`, '--host=127.0.0.1'], {
    env: { ...process.env, DISPLAY: display },
    stdio: ['ignore', 'pipe', 'pipe'],
  });
  for (const stream of [driver.stdout, driver.stderr]) stream.on('data', (d) => log.push(String(d)));
  const close = async () => {
    driver.kill();
    x.kill();
    await Promise.all([driver, x].map((p) => (p.exitCode !== null ? null : new Promise((r) => p.once('exit', r)))));
  };
  const base = `http://127.0.0.1:${port}`;
  const started = Date.now();
  for (;;) {
    try {
      if ((await command(base, 'GET', '/status')).ready !== undefined) return { base, close };
    } catch (e) {
      if (driver.exitCode !== null || Date.now() - started > START_LIMIT) {
        await close();
        throw new Error(`WebKitWebDriver did not start: ${log.join('')}`);
      }
    }
    await sleep(50);
  }
}

// A new MiniBrowser (its website data is its own and goes with it) as a
// session: navigation, scripts, the mouse.
async function openSession(base, { width = 1000, height = 600 } = {}) {
  const { sessionId } = await command(base, 'POST', '/session', {
    capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] } } },
  });
  const at = (route) => `/session/${sessionId}${route}`;
  const session = {
    send: (method, route, body) => command(base, method, at(route), body),
    goto: (url) => session.send('POST', '/url', { url }),
    reload: () => session.send('POST', '/refresh', {}),
    // A function and its arguments, run in the page; a returned promise is
    // awaited.
    evaluate: (fn, ...args) => session.send('POST', '/execute/sync', {
      script: `return (${fn}).apply(null, arguments);`, args,
    }),
    // Pointer actions at whole CSS pixels of the viewport, as WebDriver
    // sends them.
    pointer: (actions) => session.send('POST', '/actions', {
      actions: [{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions }],
    }),
    close: () => command(base, 'DELETE', at('')).catch(() => {}),
  };
  await session.send('POST', '/window/rect', { width, height });
  return session;
}

module.exports = { startDriver, openSession, WEBKIT_DRIVER, MINIBROWSER };
