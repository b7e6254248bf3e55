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
// Files named after their content (name.0123456789ab.ext, the start of
// their SHA-256) never change: any cache may answer for them. The others
// (the page, the manifest) change with each build.
const HASHED = /\.([0-9a-f]{12})\.[a-z]+$/;
const SCRIPT = FILES.find((f) => /\.js$/.test(f));

// Whether an answer holds what the build made for `url`, so that an error
// page, a captive portal's or a file cut short is never kept: a
// content-named file by its hash, the page by naming this build's script,
// the manifest by being one.
async function intact(url, response) {
  if (!response || !response.ok) return false;
  const { pathname } = new URL(url, self.location.href);
  try {
    if (HASHED.test(pathname)) return await hashMatches(pathname, await response.clone().arrayBuffer());
    if (pathname.endsWith('.webmanifest')) return Array.isArray(JSON.parse(await response.clone().text()).icons);
    return (await response.clone().text()).includes(SCRIPT);
  } catch (e) {
    return false;
  }
}

// Whether `bytes` start their SHA-256 with the hash in the content-named
// `pathname`.
async function hashMatches(pathname, bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return Array.from(digest.subarray(0, 6), (b) => b.toString(16).padStart(2, '0')).join('') === HASHED.exec(pathname)[1];
}

// The file from the network as the build made it, asked once more past the
// browser's own cache when the first answer is not; null when the host
// keeps answering wrong. Rejects when there is no network.
async function fetchIntact(url, cache) {
  for (const mode of [cache, 'reload']) {
    const response = await fetch(url, { cache: mode, credentials: 'same-origin' });
    if (await intact(url, response)) return response;
  }
  return null;
}

async function fill(cache) {
  const responses = await Promise.all(FILES.map(async (file) => {
    // The page and the manifest revalidated, never an older copy. A page
    // published meanwhile belongs to another build: install nothing.
    const response = await fetchIntact(file, HASHED.test(file) ? 'default' : 'no-cache');
    if (!response) throw new Error(`${file}: not as built`);
    return [file, response];
  }));
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

// A content-named file from a cache when the copy there is whole, else
// from the network, the cache repaired with it. A host that answers wrong
// gets the blame (502), not the connection.
async function contentNamed(request) {
  const hit = await caches.match(request);
  if (hit && hit.ok) {
    // Read once, checked, and handed over from memory: the page does not
    // wait for the cache to be read a second time.
    const bytes = await hit.arrayBuffer().catch(() => null);
    if (bytes && (await hashMatches(new URL(request.url).pathname, bytes).catch(() => false))) {
      return new Response(bytes, { status: hit.status, statusText: hit.statusText, headers: hit.headers });
    }
  }
  let fresh;
  try {
    fresh = await fetchIntact(request.url, 'default');
  } catch (e) {
    return Response.error();
  }
  if (!fresh) return new Response('', { status: 502, statusText: 'Bad Gateway' });
  if (hit) {
    const own = (await caches.keys()).filter((k) => k.startsWith(OWN_CACHES));
    await Promise.all(own.map(async (k) => (await caches.open(k)).delete(request)));
    const file = FILES.find((f) => new URL(f, self.location.href).href === request.url);
    if (file) await (await caches.open(CACHE)).put(file, fresh.clone());
  }
  return fresh;
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== self.location.origin) return;
  const own = () => caches.open(CACHE);
  if (request.mode === 'navigate') {
    event.respondWith(latest(request, async () => (await own()).match(PAGE)));
  } else if (HASHED.test(url.pathname)) {
    event.respondWith(contentNamed(request));
  } else {
    event.respondWith(latest(request, async () => (await own()).match(request, { ignoreSearch: true })));
  }
});
