// The built page in the system's headless Chromium, checked against tavrel-cli: the page must
// give the command's characters, sheets and allowed class sets, and refuse what it refuses.
// Run by ctest with TAVREL_CLI (the command) and TAVREL_WEB_SITE (the built page's folder).
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFile, cp, mkdtemp, readFile, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { createRequire } from 'node:module';
import { chromium } from 'playwright-core';

const cli = process.env.TAVREL_CLI;
const site = process.env.TAVREL_WEB_SITE;
assert.ok(cli && site, 'TAVREL_CLI and TAVREL_WEB_SITE must be set');
const axeSource = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

const run = (...args) => execFileSync(cli, args, { encoding: 'latin1' });

// A static server for a built folder, as any static host would serve it. Every request for a
// path that is not one of the folder's files is counted as a stray: the service worker's own
// fetches are seen here and nowhere else. A test can hold one file back until it says so, leave
// one out, or swap in another folder (a new build).
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
async function serveSite(folder) {
  const served = { folder, strays: [], held: null, missing: null };
  served.server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = path === '/' ? 'index.html' : path.slice(1);
    if (file === served.held?.file) await served.held.released;
    try {
      if (file === served.missing) throw new Error('left out');
      const body = await readFile(join(served.folder, file));
      // No script may make code at run time: a host's policy may forbid it.
      response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                                'Content-Security-Policy': "script-src 'self' 'unsafe-inline' 'wasm-unsafe-eval'" });
      response.end(body);
    } catch {
      if (file !== served.missing) served.strays.push(path);
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((resolve) => served.server.listen(0, '127.0.0.1', resolve));
  served.base = `http://127.0.0.1:${served.server.address().port}/`;
  served.hold = (file) => {
    let release;
    served.held = { file, released: new Promise((resolve) => { release = resolve; }) };
    return () => { served.held = null; release(); };
  };
  served.stop = () => new Promise((resolve) => { served.server.close(resolve); served.server.closeAllConnections(); });
  return served;
}

const browserArgs = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                     '--disable-background-networking', '--disable-component-update', '--disable-sync'];
let main;
let base;
let browser;
const foreignRequests = [];

before(async () => {
  main = await serveSite(site);
  base = main.base;
  browser = await chromium.launch({
    executablePath: process.env.TAVREL_CHROMIUM ?? '/usr/bin/chromium', args: browserArgs });
});

after(async () => {
  await browser?.close();
  await main?.stop();
});

// A page that fails the test on any console error or uncaught exception, and that records any
// request leaving the page's own folder.
async function openPage(query = '', viewport = { width: 1280, height: 900 }) {
  const page = await browser.newPage({ viewport });
  const errors = [];
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('request', (r) => { if (!r.url().startsWith(base) && !r.url().startsWith('blob:')) foreignRequests.push(r.url()); });
  await page.goto(base + query);
  await page.waitForSelector('body[data-ready="true"]');
  page.errors = errors;
  return page;
}

// Whether an element lies wholly inside the viewport.
const inView = (page, selector) => page.$eval(selector, (e) => {
  const r = e.getBoundingClientRect();
  return r.height > 0 && r.top > -1 && r.bottom < window.innerHeight + 1;  // within rounding
});

async function revealed(page) {
  await page.waitForSelector('#result[data-state="revealed"]');
}

// What the page shows of the character, in the command's JSON member names.
function shown(page) {
  return page.evaluate(() => {
    const c = { name: document.getElementById('name').value };
    document.querySelectorAll('[data-line]').forEach((li) => { c[li.dataset.line] = li.textContent; });
    c.scores = [...document.querySelectorAll('[data-ability]')].map((td) => td.textContent);
    c.weapons = [...document.getElementById('weaponlist').options].map((o) => o.textContent);
    c.nonWeapons = [...document.getElementById('nonweaponlist').options].map((o) => o.textContent);
    return c;
  });
}

function expectedShown(json) {
  const c = { name: json.name };
  for (const key of ['genderLine', 'hitPointsLine', 'raceLine', 'classLine', 'levelLine',
                     'alignmentLine', 'armourLine', 'wizardSpellsLine', 'priestSpellsLine',
                     'thiefLine', 'specialLine', 'scrollLine']) c[key] = json[key];
  c.scores = json.abilityScore.map(String);
  if (json.exceptionalStrength >= 0) {
    c.scores[0] += '/' + (json.exceptionalStrength === 0 ? '00' : String(json.exceptionalStrength));
  }
  c.weapons = json.weapons;
  c.nonWeapons = json.nonWeapons;
  return c;
}

async function downloaded(page, button) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  return readFile(await download.path());
}

const downloadName = async (page, button) =>
  (await Promise.all([page.waitForEvent('download'), page.click(button)]))[0].suggestedFilename();

// What the options form shows: each ticked box and chosen button, by its id or its caption.
const formShows = (page) => page.$$eval('#options input:checked',
  (inputs) => inputs.map((input) => input.id || input.parentElement.textContent.trim()));

const samples = [
  'race=dwarf&class=fighter,thief&alignment=CN&gender=male&levels=high&dice=4d6&seed=42&time=20:15:00.000',
  'race=elf&class=fighter,mage&alignment=CG&gender=female&levels=mid&dice=best-of-two&seed=7&time=00:00:00.000',
  'race=human&class=illusionist&alignment=N&levels=low&dice=3d6&seed=4294967295&time=23:59:59.999',
  'race=half-elf&class=fighter,mage,cleric&alignment=N&levels=high&seed=123456&time=12:00:00.500',
  'race=halfling&class=paladin,druid,bard&alignment=LE&levels=high&seed=99&time=06:30:00.000&lift=1',
  'race=human&class=fighter&alignment=LG&levels=high&seed=20261207&time=08:00:00.000',
];

const cliArgs = (query) => ['generate', ...[...new URLSearchParams(query)]
  .flatMap(([name, value]) => (name === 'lift' ? ['--lift-restrictions'] : ['--' + name, value]))];

// Runs `work` on each item in one page, which must log no error meanwhile.
async function inPage(items, work) {
  const page = await openPage();
  for (const item of items) await work(page, item);
  assert.deepEqual(page.errors, []);
  await page.close();
}

const parse = (line) => JSON.parse(Buffer.from(line, 'latin1').toString('utf8'));

test('a link shows the command\'s character and downloads its JSON and sheet, loading cleanly and offline', async () => {
  await inPage(samples, async (page, query) => {
    await page.goto(base + '?' + query);
    await revealed(page);
    const lines = run(...cliArgs(query), '--format', 'json', '--count', '2').split('\n');
    assert.deepEqual(await shown(page), expectedShown(parse(lines[0])), query);
    const json = await downloaded(page, '#save-json');
    assert.equal(json.toString('latin1'), lines[0] + '\n', query);
    const sheet = execFileSync(cli, [...cliArgs(query), '--format', 'html']);
    assert.ok((await downloaded(page, '#save-sheet')).equals(sheet), query + ' sheet');
    // ReRoll continues the run as --count 2 does, and its own link regenerates it.
    await page.click('#reroll');
    await revealed(page);
    assert.deepEqual(await shown(page), expectedShown(parse(lines[1])), query + ' reroll');
    const link = new URL(await page.getAttribute('#link', 'href'));
    const again = parse(run(...cliArgs(link.search.slice(1)), '--format', 'json'));
    assert.deepEqual(expectedShown(again), expectedShown(parse(lines[1])), 'reroll link ' + link.search);
  });
  assert.deepEqual(foreignRequests, []);
  assert.deepEqual(main.strays, []);
});

test('a lifted link with a school its race is never offered gives the command\'s character; the form shows what it can', async () => {
  const query = 'race=dwarf&class=fighter,abjurer&alignment=CE&gender=female&levels=mid&dice=4d6&seed=31337&time=10:20:30.040&lift=1';
  const page = await openPage('?' + query);
  await revealed(page);
  const lines = run(...cliArgs(query), '--format', 'json', '--count', '2').split('\n');
  assert.equal((await downloaded(page, '#save-json')).toString('latin1'), lines[0] + '\n');
  // The lifted form offers the Specialist box but none of the schools a dwarf is never offered.
  assert.deepEqual(await formShows(page), ['Dwarf', 'Female', 'Mid (6-10)', 'class-fighter', 'class-specialist',
                                           'Chaotic', 'Evil', '6 times 4d6 drop lowest', 'lift']);
  assert.match(await page.textContent('#beyond-note'), /\(Dwarves cannot be abjurers\)/);
  // ReRoll keeps the link's set, as --count 2 does; "Generate!" uses the form, and the note goes.
  await page.click('#reroll');
  await revealed(page);
  assert.deepEqual(await shown(page), expectedShown(parse(lines[1])));
  await page.uncheck('#class-specialist');
  await page.check('#class-cleric');
  await page.click('#generate');
  await revealed(page);
  assert.match((await shown(page)).classLine, /^Class: Cleric *$/);
  assert.equal(await page.isHidden('#beyond-note'), true);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('Back and Forward bring back each character as the user left it', async () => {
  const page = await openPage('?' + samples[5]);  // a single-classed fighter, specialized in Spear
  await revealed(page);
  await page.click('#new-name');
  await page.click('#clear-weapons');
  // Only exactly a Warrior-list entry is a specialization: the entry is "Long bow ", with a blank.
  for (const [typed, special] of [['Long bow', 'Spear'], ['Long bow ', 'Long bow ']]) {
    await page.fill('#weapon-choice', typed);
    await page.click('#specialize');
    assert.equal((await shown(page)).specialLine, 'Weapon specialization in: ' + special, typed);
  }
  await page.selectOption('#group-general', { index: 1 });
  await page.click('#add-nonweapons');
  const edited = await shown(page);
  await page.click('#reroll');
  await revealed(page);
  const rerolled = await shown(page);
  await page.goBack();
  await page.waitForFunction((name) => document.getElementById('name').value === name, edited.name);
  assert.deepEqual(await shown(page), edited);
  await page.goForward();
  await page.waitForFunction((name) => document.getElementById('name').value === name, rerolled.name);
  assert.deepEqual(await shown(page), rerolled);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the form reaches exactly the class sets tavrel-cli allowed lists, and greyed boxes say why', async () => {
  const page = await openPage();
  const races = ['elf', 'half-elf', 'dwarf', 'human', 'gnome', 'halfling'];
  const alignments = ['LG', 'LN', 'LE', 'NG', 'N', 'NE', 'CG', 'CN', 'CE'];
  for (const [r, race] of races.entries()) {
    for (const [a, alignment] of alignments.entries()) {
      const expected = run('allowed', '--race', race, '--alignment', alignment)
        .split('\n').filter(Boolean).sort();
      // Every state the user can reach by clicking offered boxes and school buttons, explored
      // breadth first from a cleared form; a path of clicks is replayed to return to a state.
      const reached = await page.evaluate(([race, lawChaos, goodEvil]) => {
        const words = ['fighter', 'ranger', 'paladin', 'mage', 'specialist', 'cleric', 'druid', 'thief', 'bard'];
        const schoolWords = ['abjurer', 'conjurer', 'diviner', 'enchanter', 'illusionist', 'invoker', 'necromancer', 'transmuter'];
        const q = (sel) => [...document.querySelectorAll(sel)];
        q('#race input')[race].click();
        q('#lawChaos input')[lawChaos].click();
        q('#goodEvil input')[goodEvil].click();
        const boxes = q('#class-boxes input');
        const schools = q('#schools input');
        const panel = document.getElementById('schools');
        const replay = (path) => {
          document.getElementById('clear-classes').click();
          for (const [kind, i] of path) (kind === 'box' ? boxes : schools)[i].click();
        };
        const key = () => JSON.stringify([boxes.map((b) => [b.checked, b.disabled]), panel.hidden,
                                          schools.map((s) => [s.checked, s.disabled])]);
        const found = new Set();
        const seen = new Set();
        const queue = [[]];
        replay([]);
        seen.add(key());
        // A greyed box or school button says why, and only a greyed one.
        const unexplained = [];
        const explained = (input) => input.disabled ===
          Boolean(document.getElementById(input.getAttribute('aria-describedby') ?? '')?.textContent);
        while (queue.length) {
          const path = queue.shift();
          replay(path);
          for (const input of [...boxes, ...(panel.hidden ? [] : schools)]) {
            if (!explained(input)) unexplained.push(JSON.stringify(path) + ' ' + input.id + input.value);
          }
          const ticked = boxes.map((b) => b.checked);
          const school = schools.findIndex((s) => s.checked);
          if (ticked.some(Boolean) && (!ticked[4] || school >= 0)) {
            const set = words.filter((w, i) => ticked[i] && w !== 'specialist');
            if (ticked[4]) set.push(schoolWords[school]);
            found.add(set.join(','));
          }
          const moves = boxes.map((b, i) => (b.disabled ? null : ['box', i]))
            .concat(panel.hidden ? [] : schools.map((s, i) => (s.disabled || s.checked ? null : ['school', i])))
            .filter(Boolean);
          for (const move of moves) {
            replay(path);
            ((move[0] === 'box') ? boxes : schools)[move[1]].click();
            const k = key();
            if (!seen.has(k)) { seen.add(k); queue.push([...path, move]); }
          }
        }
        return [...found].sort().concat(unexplained.slice(0, 3));
      }, [r, [0, 0, 0, 1, 1, 1, 2, 2, 2][a], [0, 1, 2, 0, 1, 2, 0, 1, 2][a]]);
      assert.deepEqual(reached, expected, `${race} ${alignment}`);
    }
  }
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('axe-core finds no accessibility violation, on a phone and on a desktop', async () => {
  for (const viewport of [{ width: 360, height: 740 }, { width: 1280, height: 900 }]) {
    const page = await openPage('?' + samples[2], viewport);
    await revealed(page);
    await page.check('#lift');
    await page.check('#class-specialist');  // shows the school panel too
    await page.addScriptTag({ path: axeSource });
    const result = await page.evaluate(() => window.axe.run(document));
    assert.deepEqual(result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [], JSON.stringify(viewport));
    const width = await page.evaluate(() => document.documentElement.scrollWidth);
    assert.ok(width <= viewport.width, `no sideways scrolling at ${viewport.width} px (${width})`);
    await page.close();
  }
});

// The command's one-line refusal of a class set, without its own hint: "... CE: Dwarves cannot be
// paladins".
function cliRefusal(...args) {
  try {
    execFileSync(cli, ['generate', ...args], { stdio: 'pipe' });
  } catch (error) {
    return error.stderr.toString('utf8').replace(/^tavrel-cli: --/, '').replace(/ \(use --lift-restrictions.*\n$/s, '');
  }
  assert.fail(`tavrel-cli generate accepted ${args}`);
}

// The party table's rows, and what the command's JSON gives for them.
const partyShown = (page) => page.$$eval('#party-table tbody tr',
  (rows) => rows.map((row) => [...row.cells].map((cell) => cell.textContent)));
const partyRowOf = (json) => {
  const c = expectedShown(json);
  return [c.name, c.raceLine.replace('Race: ', ''), c.classLine.replace('Class: ', '').trim(),
          ...[json.level, json.hitPoints, json.armourClass].map(String), ...c.scores];
};

test('a party link gives the command\'s characters, and its JSON Lines download the command\'s sheets', async () => {
  const query = samples[0] + '&count=4';
  const page = await openPage('?' + query);
  await page.waitForSelector('#party:not([hidden])');
  const lines = run(...cliArgs(query), '--format', 'json').trimEnd().split('\n');
  assert.equal(lines.length, 4);
  assert.deepEqual(await partyShown(page), lines.map((line) => partyRowOf(parse(line))));
  assert.deepEqual(await shown(page), expectedShown(parse(lines[0])));
  const firstStem = (await downloadName(page, '#save-json')).replace(/\.json$/, '');
  // A member shown is the command's, and its own link gives it alone.
  await page.click('#party-table [data-member="2"]');
  await shownName(page, parse(lines[2]).name);
  assert.deepEqual(await shown(page), expectedShown(parse(lines[2])));
  const link = new URL(await page.getAttribute('#link', 'href')).search.slice(1);
  assert.equal(run(...cliArgs(link), '--format', 'json').trimEnd(), lines[2]);
  assert.equal(new URL(await page.getAttribute('#party-link', 'href')).search, '?' + query);

  const folder = await mkdtemp(join(tmpdir(), 'tavrel-party-'));
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save-party-jsonl')]);
  assert.equal(download.suggestedFilename(), 'party-' + firstStem + '.jsonl');
  const jsonl = join(folder, 'party.jsonl');
  await download.saveAs(jsonl);
  run('sheet', jsonl, '--output', join(folder, 'page') + '/');
  run(...cliArgs(query), '--format', 'html', '--output', join(folder, 'cli') + '/');
  for (let i = 1; i <= 4; ++i) {
    const name = `character-${i}.htm`;
    assert.ok((await readFile(join(folder, 'page', name))).equals(await readFile(join(folder, 'cli', name))), name);
  }
  // The spreadsheet is the command's, each row ending in its member's link on the page.
  const csv = (await downloaded(page, '#save-party-csv')).toString('utf8').split('\r\n');
  const withoutLink = (row) => row.replace(/,"?http[^,]*\?race=.*$/, ',');
  assert.deepEqual(csv.map(withoutLink), execFileSync(cli, [...cliArgs(query), '--format', 'csv']).toString('utf8').split('\r\n'));
  assert.ok(csv[3].endsWith(link + '"') || csv[3].endsWith(link), csv[3]);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('edits to a party\'s member survive Back and Forward; a JSON Lines file opens as a party', async () => {
  const query = samples[5] + '&count=3';
  const page = await openPage('?' + query);
  await page.waitForSelector('#party:not([hidden])');
  await page.click('#party-table [data-member="1"]');
  await page.click('#new-name');
  const edited = await shown(page);
  await page.click('#party-table [data-member="0"]');
  assert.equal((await partyShown(page))[1][0], edited.name);
  // ReRoll replaces the member on show as a new entry; Back brings the party with the edit back.
  await page.click('#reroll');
  const rerolled = await partyShown(page);
  assert.equal(rerolled[1][0], edited.name);
  await page.goBack();
  await page.waitForFunction((name) => document.querySelector('#party-table tbody th')?.textContent !== name, rerolled[0][0]);
  await page.click('#party-table [data-member="1"]');
  assert.deepEqual(await shown(page), edited);
  await page.goForward();
  await page.waitForFunction((name) => document.querySelector('#party-table tbody th')?.textContent === name, rerolled[0][0]);
  assert.deepEqual(await partyShown(page), rerolled);
  // "Party size" beside "Generate!" makes the party the command makes for its link's words.
  await page.fill('#party-size', '2');
  await page.click('#generate');
  await page.waitForFunction(() => document.querySelectorAll('#party-table tbody tr').length === 2);
  const made = new URL(await page.getAttribute('#party-link', 'href')).search.slice(1);
  assert.match(made, /&count=2$/);
  assert.deepEqual(await partyShown(page),
                   run(...cliArgs(made), '--format', 'json').trimEnd().split('\n').map((line) => partyRowOf(parse(line))));

  const folder = await mkdtemp(join(tmpdir(), 'tavrel-jsonl-'));
  const lines = run(...cliArgs(samples[1]), '--format', 'json', '--count', '3');
  await writeFile(join(folder, 'party.jsonl'), Buffer.from(lines, 'latin1'));
  await page.setInputFiles('#open-file', join(folder, 'party.jsonl'));
  await page.waitForFunction((name) => document.querySelector('#party-table tbody th')?.textContent === name,
                             parse(lines.split('\n')[0]).name);
  assert.deepEqual(await partyShown(page), lines.trimEnd().split('\n').map((line) => partyRowOf(parse(line))));
  // A refused member is named by its line, as `tavrel-cli sheet` names it.
  const bad = lines.split('\n').map((line, i) => (i === 1 ? line.slice(0, 50) : line)).join('\n');
  await writeFile(join(folder, 'bad.jsonl'), Buffer.from(bad, 'latin1'));
  await page.setInputFiles('#open-file', join(folder, 'bad.jsonl'));
  await page.waitForSelector('#file-message:not([hidden])');
  assert.match(await page.textContent('#file-message'), /^bad\.jsonl: line 2: /);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('a bad or refused link names the value, generates nothing and throws nothing', async () => {
  const cases = [
    ['race=orc&class=fighter', 'orc'],
    ['race=dwarf', 'class: required'],
    ['race=dwarf&class=fighter,sorcerer', 'sorcerer'],
    // The rule in the way, in the command's words, then the page's own hint instead of the CLI's.
    ['race=dwarf&class=paladin&alignment=CE', cliRefusal('--race', 'dwarf', '--class', 'paladin', '--alignment', 'CE') +
      '; tick Lift all Character Combination Restrictions to allow it.'],
    ['class=fighter&seed=4294967296', '4294967296'],
    ['class=fighter&time=24:00:00.000', '24:00:00.000'],
    ['class=fighter&lift=yes', 'yes'],
    ['class=fighter&class=mage', 'class is given twice'],
    ['class=fighter&colour=red', 'colour'],
    ['class=fighter&count=13', 'at most 12'],
    ['class=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E', '<img src=x onerror=alert(1)>'],
  ];
  await inPage(cases, async (page, [query, named]) => {
    await page.goto(base + '?' + query);
    await page.waitForSelector('body[data-ready="true"]');
    const message = await page.textContent('#message');
    assert.ok(message.includes(named), `${query}: ${message}`);
    assert.equal(await page.isHidden('#result'), true, query);
    assert.equal(await page.locator('#message img').count(), 0, query);
  });
});

// The reader's message for a file, as `tavrel-cli sheet` gives it for a one-line file.
function sheetRefusal(path) {
  try {
    execFileSync(cli, ['sheet', path], { stdio: 'pipe' });
  } catch (error) {
    const message = error.stderr.toString('utf8').trim();
    return message.slice(message.indexOf(`'${path}': `) + path.length + 4);
  }
  assert.fail(`tavrel-cli sheet accepted ${path}`);
}

const shownName = (page, name) =>
  page.waitForFunction((name) => document.getElementById('name').value === name, name);

test('a character file opens as the command wrote it, offers a link only when that regenerates it', async () => {
  const folder = await mkdtemp(join(tmpdir(), 'tavrel-open-'));
  const line = run(...cliArgs(samples[0]), '--format', 'json').trimEnd();
  const cliFile = join(folder, 'cli.json');
  await writeFile(cliFile, Buffer.from(line + '\n', 'latin1'));
  // The same character with its name typed over, as a desktop user might have saved it.
  const edited = { ...parse(line), name: 'Édith of the Vale' };
  const editedFile = join(folder, 'edited.json');
  await writeFile(editedFile, JSON.stringify(edited, null, 2));

  const linked = await openPage('?' + samples[0]);
  const formOfLink = await formShows(linked);
  await linked.close();
  const page = await openPage('?' + samples[1]);
  await revealed(page);
  await page.setInputFiles('#open-file', cliFile);
  await shownName(page, parse(line).name);
  assert.deepEqual(await shown(page), expectedShown(parse(line)));
  // The form takes the file's choices as it takes its link's.
  assert.deepEqual(await formShows(page), formOfLink);
  assert.equal((await downloaded(page, '#save-json')).toString('latin1'), line + '\n');
  assert.ok((await downloaded(page, '#save-sheet')).equals(execFileSync(cli, ['sheet', cliFile])));
  const link = new URL(await page.getAttribute('#link', 'href'));
  assert.equal(run(...cliArgs(link.search.slice(1)), '--format', 'json').trimEnd(), line);

  await page.setInputFiles('#open-file', editedFile);
  await shownName(page, edited.name);
  assert.deepEqual(await shown(page), expectedShown(edited));
  assert.deepEqual(JSON.parse(await downloaded(page, '#save-json')), edited);
  assert.equal(await page.isHidden('#link-row'), true, 'an edited file is not what its seed gives');
  assert.equal(await page.evaluate(() => location.search), '');
  await page.click('#new-name');
  const renamed = await shown(page);
  assert.notEqual(renamed.name, edited.name);
  await page.goBack();
  await shownName(page, parse(line).name);
  await page.goForward();
  await shownName(page, renamed.name);
  assert.deepEqual(await shown(page), renamed);
  // A reroll keeps the opened character's choices, and its link gives the command's character.
  await page.click('#reroll');
  await revealed(page);
  const rerolled = await shown(page);
  assert.equal(rerolled.classLine, edited.classLine);
  const again = new URL(await page.getAttribute('#link', 'href')).search.slice(1);
  assert.deepEqual(expectedShown(parse(run(...cliArgs(again), '--format', 'json'))), rerolled, again);
  // "Generate!" goes on from the file's choices.
  await page.click('#generate');
  await revealed(page);
  const generated = await shown(page);
  assert.deepEqual(['raceLine', 'classLine', 'alignmentLine'].map((key) => generated[key]),
                   ['raceLine', 'classLine', 'alignmentLine'].map((key) => edited[key]));
  // Choices the form refuses (a lawful good thief) reroll as well; no link can give them, so the
  // history entry keeps the file and the reroll, and Back and Forward bring both back.
  const lawfulFile = join(folder, 'lawful-thief.json');
  await writeFile(lawfulFile, JSON.stringify({ ...edited, options: { ...edited.options, lawChaos: 0, goodEvil: 0 } }));
  await page.setInputFiles('#open-file', lawfulFile);
  await shownName(page, edited.name);
  await page.click('#reroll');
  await revealed(page);
  const lawful = await shown(page);
  assert.equal(await page.isHidden('#link-row'), true);
  await page.goBack();
  await shownName(page, edited.name);
  await page.goForward();
  await shownName(page, lawful.name);
  assert.deepEqual(await shown(page), lawful);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('downloads are named after the character\'s first name, in characters safe in file names', async () => {
  const page = await openPage('?' + samples[0]);
  await revealed(page);
  await page.fill('#name', 'Farograk, the first son of Faro');
  assert.deepEqual([await downloadName(page, '#save-sheet'), await downloadName(page, '#save-json')],
                   ['Farograk.htm', 'Farograk.json']);
  // Headless Chromium drops a page's eleventh download in a row; both take the one name, so the
  // rest are checked through the sheet alone.
  for (const [name, stem] of [['"Wolfstar" Ovuxeduf', 'Wolfstar'], ['../../\u00c9lise:of*the<Vale>', '\u00c9liseoftheVale'],
                              ['Con', 'Con_'], ['*** ???', 'character']]) {
    await page.fill('#name', name);
    assert.equal(await downloadName(page, '#save-sheet'), stem + '.htm', name);
  }
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('a refused file gets the reader\'s message naming the member, in view on a phone, and changes nothing', async () => {
  const folder = await mkdtemp(join(tmpdir(), 'tavrel-refused-'));
  const line = Buffer.from(run(...cliArgs(samples[3]), '--format', 'json').trimEnd(), 'latin1');
  const good = JSON.parse(line.toString('utf8'));
  const files = {
    'cut.json': line.subarray(0, 200),
    'level.json': JSON.stringify({ ...good, level: String(good.level) }),
    'weapons.json': JSON.stringify({ ...good, weapons: [1] }),
    // Invalid UTF-8 in the name must reach the reader as bytes, not as replacement characters.
    'latin1.json': Buffer.from(JSON.stringify({ ...good, name: 'Ren\u00e9e' }), 'latin1'),
  };
  const page = await openPage('?' + samples[4], { width: 360, height: 740 });
  await revealed(page);
  const before = [await shown(page), page.url()];
  for (const [name, bytes] of Object.entries(files)) {
    const path = join(folder, name);
    await writeFile(path, bytes);
    const expected = name + ': ' + sheetRefusal(path);
    await page.setInputFiles('#open-file', path);
    // Until the message comes, or the file is wrongly opened.
    await page.waitForFunction(([name, shownName]) =>
      document.getElementById('file-message').textContent.startsWith(name) ||
      document.getElementById('name').value !== shownName, [name, before[0].name]);
    assert.equal(await page.textContent('#file-message'), expected);
    assert.ok(await inView(page, '#file-message'), name + ': the message in view');
    assert.deepEqual([await shown(page), page.url()], before, name);
  }
  // A file past the size limit is refused without reading it all.
  const huge = join(folder, 'huge.json');
  await writeFile(huge, Buffer.concat([line, Buffer.alloc(1 << 20, ' ')]));
  await page.setInputFiles('#open-file', huge);
  await page.waitForFunction(() => document.getElementById('file-message').textContent.startsWith('huge.json'));
  assert.equal(await page.textContent('#file-message'), 'huge.json: the file is larger than 1 MiB');
  assert.deepEqual([await shown(page), page.url()], before);
  // Nor does the page save a file it would refuse: a name typed past the limit of a text.
  await page.fill('#name', 'x'.repeat(5000));
  assert.ok(await page.$eval('#name', (box) => box.scrollHeight <= box.clientHeight), 'the whole name shows');
  await page.click('#save-json');
  assert.match(await page.textContent('#save-message'), /^Not saved: member "name": /);
  assert.ok(await inView(page, '#save-message'));
  // It goes when its cause does.
  await page.fill('#name', 'x'.repeat(50));
  assert.equal(await page.isHidden('#save-message'), true);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('a link opened while the engine loads is kept and generated; an engine that fails to load says so', async (t) => {
  const served = await serveSite(site);
  t.after(() => served.stop());
  const release = served.hold('tavrel.wasm');
  const page = await browser.newPage({ viewport: { width: 360, height: 740 } });
  // The held WebAssembly holds back the load event too.
  await page.goto(served.base + '?' + samples[5], { waitUntil: 'commit' });
  await page.waitForSelector('#loading', { state: 'visible' });
  // A press during loading does nothing: no native submit reloads the page without its link.
  await page.click('#generate', { force: true });
  await page.keyboard.press('Enter');
  release();
  await revealed(page);
  const json = parse(run(...cliArgs(samples[5]), '--format', 'json'));
  assert.deepEqual(await shown(page), expectedShown(json));
  assert.equal(await page.isHidden('#loading'), true);
  // On a phone the character and its repeated actions come into view.
  assert.ok(await inView(page, '#result-title'), 'the character in view');
  assert.ok(await inView(page, '#reroll') && await inView(page, '#save-json'), 'the actions in view');
  await page.close();

  served.missing = 'tavrel.wasm';
  const failed = await browser.newPage();
  await failed.goto(served.base + '?' + samples[5]);
  await failed.waitForSelector('#load-failed', { state: 'visible' });
  assert.equal(await failed.isHidden('#loading'), true);
  await failed.close();
  assert.deepEqual(served.strays, []);
});

test('after one visit the page is installable and starts again with no network', async (t) => {
  const served = await serveSite(site);
  t.after(() => served.stop());
  // Chromium installs nothing from a private window, which is what a new context is.
  const profile = await mkdtemp(join(tmpdir(), 'tavrel-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.TAVREL_CHROMIUM ?? '/usr/bin/chromium', args: browserArgs });
  t.after(() => context.close());
  const page = await context.newPage();
  await page.goto(served.base + '?' + samples[1]);
  await revealed(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const cdp = await context.newCDPSession(page);
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  assert.deepEqual(served.strays, []);
  await served.stop();
  await page.reload();
  await revealed(page);
  const json = parse(run(...cliArgs(samples[1]), '--format', 'json'));
  assert.deepEqual(await shown(page), expectedShown(json));
});

test('a new build replaces the old one whole, when the user accepts it', async (t) => {
  // Build B: the same page with marked script and WebAssembly, and its own service worker
  // written by the build's own script.
  const folderB = await mkdtemp(join(tmpdir(), 'tavrel-build-b-'));
  await cp(site, folderB, { recursive: true });
  await appendFile(join(folderB, 'tavrel.js'), "\nglobalThis.tavrelBuild = 'B';\n");
  // A custom section (id 0) named "b" at the end leaves the module as it was.
  await appendFile(join(folderB, 'tavrel.wasm'), Buffer.from([0, 2, 1, 0x62]));
  // The built worker is minified: its list of files is the one string that names index.html.
  const files = /"(index\.html [^"]*)"/.exec(await readFile(join(site, 'sw.js'), 'latin1'))[1];
  execFileSync(process.env.TAVREL_CMAKE ?? 'cmake', [`-DSITE=${folderB}`, `-DFILES=${files.replaceAll(' ', ';')}`,
    `-DTEMPLATE=${new URL('../../web/sw.js.in', import.meta.url).pathname}`,
    '-P', new URL('../../web/serviceworker.cmake', import.meta.url).pathname]);
  const sizeA = (await readFile(join(site, 'tavrel.wasm'))).length;

  const served = await serveSite(site);
  t.after(() => served.stop());
  const context = await browser.newContext();
  t.after(() => context.close());
  // Which build's script and WebAssembly the page runs.
  await context.addInitScript(() => {
    const instantiate = WebAssembly.instantiateStreaming;
    WebAssembly.instantiateStreaming = async (source, imports) => {
      const response = await source;
      window.wasmSize = (await response.clone().arrayBuffer()).byteLength;
      return instantiate.call(WebAssembly, response, imports);
    };
  });
  const build = (page) => page.evaluate(() => [globalThis.tavrelBuild ?? 'A', window.wasmSize]);
  const page = await context.newPage();
  await page.goto(served.base + '?' + samples[0]);
  await revealed(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  assert.deepEqual(await build(page), ['A', sizeA]);
  served.folder = folderB;
  await page.reload();
  await revealed(page);
  assert.deepEqual(await build(page), ['A', sizeA], 'the old build runs until B is accepted');
  await page.waitForSelector('#update', { state: 'visible' });
  await Promise.all([page.waitForEvent('load'), page.click('#update-now')]);
  await revealed(page);
  assert.deepEqual(await build(page), ['B', sizeA + 4]);
  assert.equal(new URL(page.url()).search, '?' + samples[0]);
});
