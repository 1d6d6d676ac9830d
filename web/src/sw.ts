// The site's service worker: every file the site fetches is kept, so that the
// site works offline once loaded. The network comes first, so a new build is
// seen at once when online; the kept copy serves when it fails.
const cacheName = "quillmoor-site";

interface FetchEventLike extends Event {
  request: Request;
  respondWith(response: Promise<Response>): void;
}
interface ExtendableEventLike extends Event {
  waitUntil(done: Promise<unknown>): void;
}
const worker = self as unknown as {
  addEventListener(type: "fetch", listener: (event: FetchEventLike) => void): void;
  addEventListener(type: "activate", listener: (event: ExtendableEventLike) => void): void;
  clients: { claim(): Promise<void> };
};

async function fromNetworkOrCache(request: Request): Promise<Response> {
  const cache = await caches.open(cacheName);
  try {
    const response = await fetch(request);
    if (response.ok) await cache.put(request, response.clone());
    return response;
  } catch (error) {
    const kept = await cache.match(request, { ignoreSearch: true });
    if (kept) return kept;
    throw error;
  }
}

worker.addEventListener("activate", (event) => event.waitUntil(worker.clients.claim()));
worker.addEventListener("fetch", (event) => {
  if (event.request.method === "GET" && new URL(event.request.url).origin === location.origin) {
    event.respondWith(fromNetworkOrCache(event.request));
  }
});
