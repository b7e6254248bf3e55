// Keeps one build of the game in the browser so that it plays, and starts
// as an installed app, without a network. The build step fills in the
// build's name (a hash of all its files) and its files; each build has a
// cache of its own, filled whole before the worker takes over, and the
// caches of older builds go once it has.
'use strict';
const BUILD = '@BUILD@';
// A string until then, so that the build can minify this file.
const FILES = JSON.parse('@FILES@');
// Caches belong to the whole site: the scope in the name keeps a copy of the
// game published in another folder of it out of reach.
const OWN_CACHES = `vantrel ${self.registration.scope} `;
const CACHE = OWN_CACHES + BUILD;
const PAGE = new URL('./', self.registration.scope).href;
// Files named after their content (name.0123456789ab.ext) never change: any
// cache may answer for them. The others (the page, the manifest) change
// with each build.
const HASHED = /\.[0-9a-f]{12}\.[a-z]+$/;

async function fill(cache) {
  const responses = await Promise.all(FILES.map(async (file) => {
    // The page and the manifest revalidated, never an older copy.
    const response = await fetch(file, { cache: HASHED.test(file) ? 'default' : 'no-cache' });
    if (!response.ok) throw new Error(`${file}: ${response.status}`);
    return [file, response];
  }));
  // A page published meanwhile belongs to another build: install nothing.
  const script = FILES.find((f) => /\.js$/.test(f));
  const [, page] = responses.find(([file]) => file === './');
  if (!(await page.clone().text()).includes(script)) throw new Error('the page is of another build');
  await Promise.all(responses.map(([file, response]) => cache.put(file, response)));
}

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then(fill)
    .catch(async (e) => {
      await caches.delete(CACHE);
      throw e;
    })
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith(OWN_CACHES) && k !== CACHE).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

// The page and the manifest from the network while there is one, so that a
// new build shows at the next visit; they name every other file of their
// build, which is then taken from a cache or fetched.
async function latest(request, cached) {
  try {
    const response = await fetch(request);
    if (response.ok) return response;
    return (await cached()) || response;
  } catch (e) {
    return (await cached()) || Response.error();
  }
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== self.location.origin) return;
  const own = () => caches.open(CACHE);
  if (request.mode === 'navigate') {
    event.respondWith(latest(request, async () => (await own()).match(PAGE)));
  } else if (HASHED.test(url.pathname)) {
    event.respondWith(caches.match(request).then((hit) => hit || fetch(request)));
  } else {
    event.respondWith(latest(request, async () => (await own()).match(request, { ignoreSearch: true })));
  }
});
