#!/usr/bin/env node
// Time to the game's first frame in Chromium, Firefox ESR and WebKitGTK,
// served by the project's server with gzip, on 127.0.0.1 and on its slow
// line (1.6 Mbit/s shared, 150 ms before each answer: the same line in
// every engine, where only Chromium could emulate one). Prints figures,
// times nothing as a pass or fail.
// Usage: node web/bench/engines.js [WEB_FOLDER] [RUNS]
//   For each run, the engines in turn, each on a fresh profile: a first
//   visit, then a second from its service worker. Navigation start to the
//   game waiting with its first frame drawn; medians over RUNS (5).
//   VANTREL_ENGINES picks engines, as for the browser suite.
'use strict';
const os = require('os');
const path = require('path');
const { serve, SLOW_LINE } = require('../serve');
const { launch, enginesWanted } = require('../test/engines');
const { waitIdle } = require('../test/browser');

const args = process.argv.slice(2);
const webDir = path.resolve(args[0] || path.join(__dirname, '../../build/web'));
const runs = Number(args[1] || 5);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const load = () => os.loadavg().map((l) => l.toFixed(1)).join(' ');

// Navigation start to the first frame, on the page as it is now.
async function firstFrame(page, url) {
  await page.goto(url);
  await waitIdle(page, 1, 120000);
  return page.evaluate(() => Module.idleAt);
}

async function visits(engine, url) {
  const page = await engine.newPage();
  try {
    const first = await firstFrame(page, url);
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller) {
        await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
      }
    });
    const worker = await firstFrame(page, url);
    return { first, worker };
  } finally {
    await page.close();
  }
}

(async () => {
  const names = enginesWanted();
  console.log(`load average at the start: ${load()} (${os.cpus().length} cores)`);
  const servers = { '127.0.0.1': await serve(webDir, 0), 'slow line': await serve(webDir, 0, { throttle: SLOW_LINE }) };
  const engines = [];
  const times = {};
  try {
    for (const name of names) engines.push(await launch(name));
    for (let run = 0; run < runs; run++) {
      for (const engine of engines) {
        for (const [network, { url }] of Object.entries(servers)) {
          const key = `${engine.name} ${network}`;
          (times[key] = times[key] || []).push(await visits(engine, url));
        }
      }
    }
  } finally {
    for (const engine of engines) await engine.close();
    for (const { server } of Object.values(servers)) server.close();
  }
  console.log(`first game frame from navigation start, median of ${runs} fresh profiles (all runs in ms):`);
  console.log('engine     network     first visit   from the service worker');
  for (const [key, samples] of Object.entries(times)) {
    const [engine, ...network] = key.split(' ');
    const cell = (k) => `${(median(samples.map((s) => s[k])) / 1000).toFixed(2)} s`;
    const all = (k) => samples.map((s) => s[k].toFixed(0)).join(' ');
    console.log(`${engine.padEnd(11)}${network.join(' ').padEnd(12)}${cell('first').padStart(11)}${cell('worker').padStart(26)}` +
                `   (${all('first')} / ${all('worker')})`);
  }
  console.log(`load average at the end: ${load()}`);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
