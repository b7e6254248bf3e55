#!/usr/bin/env node
// Lighthouse's scores of the page; prints them and every audit that fell
// short. Measures only, passes or fails nothing.
//   Lighthouse 12.8 (the last release running on Node 20): accessibility,
//   best practices and SEO, as a phone (its mobile profile) and a desktop;
//   Lighthouse 11: the PWA category, which later releases dropped.
// Usage: node web/bench/lighthouse.js [WEB_FOLDER]
// Lighthouse is large and only this script needs it: each release is
// installed on first use into build/lighthouse-<release>/, never by
// `make test`.
'use strict';
const { execFile, execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { serve } = require('../serve');

const root = path.join(__dirname, '../..');
const webDir = path.resolve(process.argv[2] || path.join(root, 'build/web'));
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const CATEGORIES = ['accessibility', 'best-practices', 'seo'];

// The command line of one Lighthouse release, installed if need be.
function install(version) {
  const toolDir = path.join(root, `build/lighthouse-${version}`);
  const installed = path.join(toolDir, 'node_modules/lighthouse/package.json');
  if (!fs.existsSync(installed) || JSON.parse(fs.readFileSync(installed)).version !== version) {
    fs.mkdirSync(toolDir, { recursive: true });
    console.log(`installing lighthouse ${version} into ${toolDir}`);
    execFileSync('npm', ['install', '--prefix', toolDir, '--no-save', '--no-audit', '--no-fund',
                         `lighthouse@${version}`], { stdio: 'inherit' });
  }
  return path.join(toolDir, 'node_modules/lighthouse/cli/index.js');
}

// Lighthouse in a process of its own: this one serves the page meanwhile.
async function audit(cli, url, categories, preset) {
  const out = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-lh-')), 'report.json');
  const args = [cli, url, '--quiet', '--output=json', `--output-path=${out}`,
                `--only-categories=${categories.join(',')}`,
                '--chrome-flags=--headless --no-sandbox --disable-gpu --no-first-run'];
  if (preset === 'desktop') args.push('--preset=desktop');
  await new Promise((resolve, reject) => {
    execFile(process.execPath, args, { env: { ...process.env, CHROME_PATH: CHROMIUM } }, (error, stdout, stderr) => {
      if (error) reject(new Error(`lighthouse failed: ${stderr.split('\n').slice(-5).join('\n')}`));
      else resolve();
    });
  });
  const report = JSON.parse(fs.readFileSync(out));
  fs.rmSync(path.dirname(out), { recursive: true, force: true });
  return report;
}

// The audits of a category that count and fell short.
function shortfalls(report, category) {
  return report.categories[category].auditRefs.map((ref) => report.audits[ref.id])
    .filter((a) => a.scoreDisplayMode !== 'manual' && a.score !== null && a.score < 1);
}

(async () => {
  const current = install('12.8.2');
  const withPwa = install('11.7.1');
  const { server, url } = await serve(webDir, 0);
  try {
    for (const preset of ['mobile', 'desktop']) {
      const report = await audit(current, url, CATEGORIES, preset);
      const scores = CATEGORIES.map((c) => `${c} ${Math.round(report.categories[c].score * 100)}`);
      console.log(`${preset}: ${scores.join(', ')}`);
      for (const c of CATEGORIES) {
        for (const a of shortfalls(report, c)) {
          console.log(`    ${c}: ${a.id} (${a.title})`);
          // The elements it names, so that a shortfall can be found.
          for (const item of (a.details && a.details.items) || []) {
            if (item.node) console.log(`        ${item.node.snippet} ${item.node.explanation || ''}`.trimEnd());
          }
        }
      }
    }
    const report = await audit(withPwa, url, ['pwa'], 'mobile');
    console.log(`Lighthouse ${report.lighthouseVersion} PWA category: ${Math.round(report.categories.pwa.score * 100)}`);
    for (const a of shortfalls(report, 'pwa')) console.log(`    pwa: ${a.id} (${a.title})`);
  } finally {
    server.close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
