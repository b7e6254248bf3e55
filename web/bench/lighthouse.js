#!/usr/bin/env node
// Lighthouse's accessibility, best-practices and SEO scores of the page, as
// a phone (Lighthouse's mobile profile) and as a desktop; prints the scores
// and every audit that fell short. Measures only, passes or fails nothing.
// Usage: node web/bench/lighthouse.js [WEB_FOLDER]
// Lighthouse is large and only this script needs it: it is installed on
// first use into build/lighthouse/ (12.8, the last release running on
// Node 20), never by `make test`.
'use strict';
const { execFile, execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { serve } = require('../serve');

const LIGHTHOUSE_VERSION = '12.8.2';
const root = path.join(__dirname, '../..');
const webDir = path.resolve(process.argv[2] || path.join(root, 'build/web'));
const toolDir = path.join(root, 'build/lighthouse');
const cli = path.join(toolDir, 'node_modules/lighthouse/cli/index.js');
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const CATEGORIES = ['accessibility', 'best-practices', 'seo'];

function install() {
  const installed = path.join(toolDir, 'node_modules/lighthouse/package.json');
  if (fs.existsSync(installed) && JSON.parse(fs.readFileSync(installed)).version === LIGHTHOUSE_VERSION) return;
  fs.mkdirSync(toolDir, { recursive: true });
  console.log(`installing lighthouse ${LIGHTHOUSE_VERSION} into ${toolDir}`);
  execFileSync('npm', ['install', '--prefix', toolDir, '--no-save', '--no-audit', '--no-fund',
                       `lighthouse@${LIGHTHOUSE_VERSION}`], { stdio: 'inherit' });
}

// Lighthouse in a process of its own: this one serves the page meanwhile.
async function audit(url, preset) {
  const out = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-lh-')), 'report.json');
  const args = [cli, url, '--quiet', '--output=json', `--output-path=${out}`,
                `--only-categories=${CATEGORIES.join(',')}`,
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

(async () => {
  install();
  const { server, url } = await serve(webDir, 0);
  try {
    for (const preset of ['mobile', 'desktop']) {
      const report = await audit(url, preset);
      const scores = CATEGORIES.map((c) => `${c} ${Math.round(report.categories[c].score * 100)}`);
      console.log(`${preset}: ${scores.join(', ')}`);
      for (const c of CATEGORIES) {
        for (const ref of report.categories[c].auditRefs) {
          const a = report.audits[ref.id];
          if (ref.weight > 0 && a.score !== null && a.score < 1) console.log(`    ${c}: ${a.id} (${a.title})`);
        }
      }
    }
  } finally {
    server.close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
