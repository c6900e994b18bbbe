// Keeps every file of the bundle, so that after one visit the page opens and
// calculates with the network gone. scripts/web-build writes the list of files
// and its version into this script: a new build is a new script, which the
// browser installs in place of the old one, and its cache replaces the old cache.
"use strict";

const BUNDLE_VERSION = "@BUNDLE_VERSION@";
const BUNDLE_FILES = ["@BUNDLE_FILES@"];
const CACHE = "korvex-" + BUNDLE_VERSION;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(BUNDLE_FILES))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys
      .filter((key) => key.startsWith("korvex-") && key !== CACHE)
      .map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

// The bundle's files come from the cache; the page itself whatever its query
// (?file=…). Anything else, such as a design beside the page, from the server.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== location.origin) return;
  event.respondWith(caches.open(CACHE).then(async (cache) => {
    const cached = await cache.match(request, { ignoreSearch: request.mode === "navigate" });
    return cached || fetch(request);
  }));
});
