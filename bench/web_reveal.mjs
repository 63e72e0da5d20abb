// Time from navigation to a fully revealed level 1 character in the system's headless
// Chromium: the page, its WebAssembly and the reveal at the desktop's pace, over 11 runs.
// Usage: node bench/web_reveal.mjs (after make web and the set-up's npm install).
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join } from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(new URL('../tests/web/package.json', import.meta.url));
const { chromium } = require('playwright-core');
const site = new URL('../build-web/', import.meta.url).pathname;
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm' };
const server = createServer(async (req, res) => {
  const path = new URL(req.url, 'http://x').pathname;
  try {
    const body = await readFile(join(site, path === '/' ? 'index.html' : path));
    res.writeHead(200, { 'Content-Type': types[extname(path) || '.html'], 'Cache-Control': 'no-store' });
    res.end(body);
  } catch { res.writeHead(404); res.end(); }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
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
const ready = [];
const revealed = [];
for (let i = 0; i < 11; ++i) {
  const context = await browser.newContext();  // a cold cache every run
  const page = await context.newPage();
  await page.addInitScript(watch);
  await page.goto(base + query);
  await page.waitForSelector('#result[data-state="revealed"]', { timeout: 10000 });
  if (!(await page.textContent('[data-line="levelLine"]')).includes('Level: 1')) throw new Error('not level 1');
  const [r, v] = await page.evaluate(() => [window.readyAt, window.revealedAt]);
  ready.push(r);
  revealed.push(v);
  await context.close();
}
await browser.close();
server.close();
const report = (what, times) => {
  times.sort((a, b) => a - b);
  console.log(`${what}: median ${times[5].toFixed(0)} ms, best ${times[0].toFixed(0)} ms, ` +
              `worst ${times[10].toFixed(0)} ms (11 cold loads)`);
};
report('navigation to the page ready (engine loaded, link applied)', ready);
report('navigation to a fully revealed level 1 character', revealed);
