// Time from navigation to a fully revealed level 1 character in the system's headless
// Chromium, on a low-end phone as DevTools emulates one (CPU 4x slower, 1.6 Mbps down,
// 750 kbps up, 150 ms round trip), with the page served compressed as a static host serves it.
// A cold visit starts with empty caches; a repeat visit is the next one, from the service
// worker's cache. 11 of each. Then, unthrottled, a party of 12 from its link to its table; and
// the cold visit once more from a host that sends brotli. Usage: node bench/web_reveal.mjs (after
// make web and the set-up's npm install).
import { createRequire } from 'node:module';
import { serveCompressed } from './web_serve.mjs';

const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const { chromium } = require('playwright-core');
const { server, base } = await serveCompressed(new URL('../build-web/', import.meta.url).pathname);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--ignore-certificate-errors',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
// Seed 1 at noon gives a level 1 elf fighter (tavrel-cli generate --class fighter --seed 1 ...).
const query = '?race=elf&class=fighter&alignment=LG&levels=low&seed=1&time=12:00:00.000';
// The page's own clock, from the start of navigation: when it is ready for input, and when the
// reveal and fill have finished.
const watch = () => new MutationObserver(() => {
  if (document.body?.dataset.ready && !window.readyAt) window.readyAt = performance.now();
  if (document.getElementById('result')?.dataset.state === 'revealed' && !window.revealedAt) {
    window.revealedAt = performance.now();
  }
}).observe(document, { attributes: true, subtree: true });

async function throttled(page) {
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions', {
    offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 });
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
}

async function visit(page) {
  await page.goto(base + query);
  await page.waitForSelector('#result[data-state="revealed"]', { timeout: 20000 });
  if (!(await page.textContent('[data-line="levelLine"]')).includes('Level: 1')) throw new Error('not level 1');
  return page.evaluate(() => [window.readyAt, window.revealedAt]);
}

const times = { coldReady: [], coldRevealed: [], repeatReady: [], repeatRevealed: [] };
for (let i = 0; i < 11; ++i) {
  const context = await browser.newContext({ ignoreHTTPSErrors: true });  // empty caches every run
  await context.addInitScript(watch);
  const page = await context.newPage();
  await throttled(page);
  const [coldReady, coldRevealed] = await visit(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const again = await context.newPage();
  await page.close();
  await throttled(again);
  const [repeatReady, repeatRevealed] = await visit(again);
  if (!(await again.evaluate(() => Boolean(navigator.serviceWorker.controller)))) {
    throw new Error('the repeat visit did not come from the service worker');
  }
  Object.entries({ coldReady, coldRevealed, repeatReady, repeatRevealed })
    .forEach(([what, t]) => times[what].push(t));
  await context.close();
}
// A party of 12 from its link, unthrottled: navigation to its whole table shown.
const partyQuery = query + '&count=12';
const watchParty = () => new MutationObserver(() => {
  const party = document.getElementById('party');
  if (party && !party.hidden && party.querySelectorAll('tbody tr').length === 12 && !window.partyAt) {
    window.partyAt = performance.now();
  }
}).observe(document, { attributes: true, childList: true, subtree: true });
times.party = [];
for (let i = 0; i < 11; ++i) {
  const context = await browser.newContext({ ignoreHTTPSErrors: true });
  await context.addInitScript(watchParty);
  const page = await context.newPage();
  await page.goto(base + partyQuery);
  await page.waitForFunction(() => window.partyAt, null, { timeout: 20000 });
  times.party.push(await page.evaluate(() => window.partyAt));
  await context.close();
}
// The cold visit again from a host that sends brotli to a browser that accepts it.
const brotliHost = await serveCompressed(new URL('../build-web/', import.meta.url).pathname, 0,
                                         { brotli: true });
times.coldBrotli = [];
for (let i = 0; i < 11; ++i) {
  const context = await browser.newContext({ ignoreHTTPSErrors: true });
  await context.addInitScript(watch);
  const page = await context.newPage();
  await throttled(page);
  await page.goto(brotliHost.base + query);
  await page.waitForSelector('#result[data-state="revealed"]', { timeout: 20000 });
  times.coldBrotli.push(await page.evaluate(() => window.revealedAt));
  await context.close();
}
await browser.close();
server.close();
brotliHost.server.close();
const report = (what, list) => {
  list.sort((a, b) => a - b);
  console.log(`${what}: median ${list[5].toFixed(0)} ms, best ${list[0].toFixed(0)} ms, ` +
              `worst ${list[10].toFixed(0)} ms`);
};
report('cold visit, navigation to the page ready (engine loaded, link applied)', times.coldReady);
report('cold visit, navigation to a fully revealed level 1 character', times.coldRevealed);
report('repeat visit, navigation to the page ready', times.repeatReady);
report('repeat visit, navigation to a fully revealed level 1 character', times.repeatRevealed);
report('party of 12 from its link, unthrottled, navigation to its whole table', times.party);
report('cold visit served with brotli, navigation to a fully revealed level 1 character', times.coldBrotli);
