// Offline use: registers the service worker and keeps a copy of every file
// this page has loaded so far (the page, its modules, the wasm), since those
// were fetched before the service worker could see them.
export async function keepForOffline(): Promise<void> {
  if (!("serviceWorker" in navigator)) return;
  await navigator.serviceWorker.register("sw.js");
  await navigator.serviceWorker.ready;
  const loaded = performance.getEntriesByType("resource").map((entry) => entry.name)
    .filter((url) => new URL(url).origin === location.origin);
  const cache = await caches.open("quillmoor-site");
  await cache.addAll([location.pathname, ...new Set(loaded)]);
}
