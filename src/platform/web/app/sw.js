// The served app's service worker: each build keeps its files in a cache of its own name and
// answers from it, so that after one visit the app opens and reloads with no network at all.
// makeapp.mjs fills in the build and its files.
const build = '@BUILD@';
const files = @FILES@;
const cachePrefix = 'tavilo-';
const cacheName = cachePrefix + build;
// How long an opening waits for the server to give a newer page before it takes the kept one.
const pageTimeoutMs = 3000;

// A new build takes over as soon as its files are kept. The page is one self-contained file that
// fetches nothing once it runs, so an open page goes on with the build it started with; only the
// next opening or a reload shows the new one.
self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(cacheName)
      .then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: 'reload' }))))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names
            .filter((name) => name.startsWith(cachePrefix) && name !== cacheName)
            .map((name) => caches.delete(name)),
        ),
      )
      .then(() => self.clients.claim()),
  );
});

const scope = () => self.registration.scope;

function isThePage(url) {
  return url === scope() || url === new URL('index.html', scope()).href;
}

// The server's page when it answers in time, so that a new build runs at the first opening
// after it is published; else the kept one.
async function openPage(request) {
  const kept = await caches.match(new URL('index.html', scope()).href, { cacheName });
  if (kept && !navigator.onLine) return kept;
  const abort = new AbortController();
  const timer = setTimeout(() => abort.abort(), pageTimeoutMs);
  try {
    const fresh = await fetch(request.url, { cache: 'no-cache', signal: abort.signal });
    if (fresh.ok || !kept) return fresh;
  } catch (error) {
    if (!kept) throw error;
  } finally {
    clearTimeout(timer);
  }
  return kept;
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== self.location.origin) return;
  url.search = '';
  url.hash = '';
  if (request.mode === 'navigate') {
    if (isThePage(url.href)) event.respondWith(openPage(request));
    return;
  }
  event.respondWith(
    caches.match(url.href, { cacheName }).then((kept) => kept || fetch(request)),
  );
});
