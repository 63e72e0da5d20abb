// Offline use and updates. The service worker (sw.js, written by the build) keeps one version
// of every page file in a cache named after their hash, so the page starts with no network and
// never runs one version's script against another's WebAssembly. A new version waits until the
// user accepts it here, or until the page is next opened.
const $ = (id) => document.getElementById(id);

function offer(waiting) {
  $('update').hidden = false;
  $('update-now').onclick = () => waiting.postMessage('take over');
}

export async function keepOffline() {
  if (!('serviceWorker' in navigator)) return;
  // Relative to the page, so that the page works under any path of its host.
  const registration = await navigator.serviceWorker.register('./sw.js');
  const hadController = Boolean(navigator.serviceWorker.controller);
  // Only a version that replaces another reloads the page; the first one just starts caching.
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (hadController) location.reload();
  });
  if (registration.waiting && hadController) offer(registration.waiting);
  registration.addEventListener('updatefound', () => {
    const installing = registration.installing;
    installing.addEventListener('statechange', () => {
      if (installing.state === 'installed' && navigator.serviceWorker.controller) offer(installing);
    });
  });
}
