#!/usr/bin/env node
// The page as published: its scripts compacted by terser and its style and
// markup without comments. Every byte of it is part of a first visit.
// Usage: node web/tools/minify_page.js FROM TO   (NODE_PATH must reach terser)
'use strict';
const fs = require('fs');
const { minify } = require('terser');

async function minifyPage(page) {
  // Top-level names stay: the page's scripts share them with each other and
  // with the game's script (Module).
  const scripts = [];
  for (const [, code] of page.matchAll(/<script>([\s\S]*?)<\/script>/g)) {
    const { code: small } = await minify(code, { compress: { passes: 2 }, mangle: true });
    scripts.push(small);
  }
  let next = 0;
  return page
    .replace(/<script>[\s\S]*?<\/script>/g, () => `<script>${scripts[next++]}</script>`)
    .replace(/<style>([\s\S]*?)<\/style>/g, (_, css) => `<style>${css.replace(/\/\*[\s\S]*?\*\//g, '')
      .replace(/\s*\n\s*/g, '')}</style>`)
    .replace(/<!--[\s\S]*?-->/g, '');
}

const [from, to] = process.argv.slice(2);
if (!from || !to) {
  console.error('usage: minify_page.js FROM TO');
  process.exit(2);
}
minifyPage(fs.readFileSync(from, 'utf8')).then((page) => fs.writeFileSync(to, page), (e) => {
  console.error(`minify_page.js: ${e.message}`);
  process.exit(1);
});
