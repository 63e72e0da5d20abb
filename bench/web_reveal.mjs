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
const times = [];
for (let i = 0; i < 11; ++i) {
  const context = await browser.newContext();  // a cold cache every run
  const page = await context.newPage();
  const start = performance.now();
  await page.goto(base + query);
  await page.waitForSelector('#result[data-state="revealed"]', { timeout: 10000 });
  times.push(performance.now() - start);
  if (!(await page.textContent('[data-line="levelLine"]')).includes('Level: 1')) throw new Error('not level 1');
  await context.close();
}
await browser.close();
server.close();
times.sort((a, b) => a - b);
console.log(`navigation to a revealed level 1 character: median ${times[5].toFixed(0)} ms, ` +
            `best ${times[0].toFixed(0)} ms, worst ${times[10].toFixed(0)} ms (11 cold runs)`);
