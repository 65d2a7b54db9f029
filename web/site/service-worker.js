// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site for use without a network: every file is asked of the
// network first, so a student always gets the newest page when online, and
// the copy kept at the last visit answers when offline.
const kCache = 'gearwheel-site';
const kSite = ['./', 'index.html', 'style.css', 'page.js', 'screens.js', 'drawing.js', 'walkthrough.js', 'report.js',
  'gear.js', 'gear.wasm', 'gearwheel.svg', 'nachalo.jpg', 'gearwheel_en.json', 'manifest.webmanifest'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kSite)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    try {
      const fresh = await fetch(request);
      if (fresh.ok) {
        const copy = fresh.clone();
        caches.open(kCache).then((cache) => cache.put(request, copy));
      }
      return fresh;
    } catch (offline) {
      const kept = await caches.match(request, { ignoreSearch: true });
      if (kept) return kept;
      throw offline;
    }
  })());
});
