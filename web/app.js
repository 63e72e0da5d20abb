// The page: mirrors the engine's rules model into the options form, reveals a generation at the
// desktop's pace on the virtual schedule, and forwards every edit to the engine. Each character
// is a browser history entry; its state holds the link's words and the edits made since, so Back
// and Forward replay it exactly. A character opened from a file keeps the file's character
// instead of the words, and has a link only when the file's seed and time regenerate it.
import createTavrel from './tavrel.js';

const STEP_MS = 10;  // the reveal and fill timers' interval, as on the desktop
const $ = (id) => document.getElementById(id);

const tavrel = await createTavrel();
const lists = tavrel.lists();
const form = new tavrel.Form();

// ----- options form -------------------------------------------------------------------------

function radios(container, name, captions, onPick) {
  captions.forEach((caption, i) => {
    const label = document.createElement('label');
    const input = document.createElement('input');
    input.type = 'radio';
    input.name = name;
    input.value = String(i);
    input.addEventListener('change', () => { onPick(i); showForm(); });
    label.append(input, ' ' + caption.trim());
    container.append(label);
  });
}

radios($('race'), 'race', lists.races, (i) => form.setRace(i));
radios($('gender'), 'gender', lists.genders, (i) => form.setGender(i));
radios($('levels'), 'levels', lists.levelRanges, (i) => form.setLevelRange(i));
radios($('lawChaos'), 'lawChaos', lists.lawChaos, (i) => form.setLawChaos(i));
radios($('goodEvil'), 'goodEvil', lists.goodEvil, (i) => form.setGoodEvil(i));
radios($('dice'), 'dice', lists.diceMethods, (i) => form.setDiceMethod(i));
radios($('schools'), 'school', lists.schools, (i) => form.selectSchool(i));
const schoolButtons = [...$('schools').querySelectorAll('input')].map((input, i) => {
  const reason = document.createElement('span');
  reason.className = 'reason';
  reason.id = 'school-' + i + '-reason';
  input.parentElement.append(reason);
  return { input, reason };
});
// The two "Neutral" buttons say which axis they are on.
$('lawChaos').querySelectorAll('input')[1].setAttribute('aria-label', 'Neutral (law and chaos)');
$('goodEvil').querySelectorAll('input')[1].setAttribute('aria-label', 'Neutral (good and evil)');

const classBoxes = lists.classes.map((caption, i) => {
  const label = document.createElement('label');
  const input = document.createElement('input');
  input.type = 'checkbox';
  input.id = 'class-' + caption.toLowerCase();
  const reason = document.createElement('span');
  reason.className = 'reason';
  reason.id = input.id + '-reason';
  input.addEventListener('change', () => { form.setClassTicked(i, input.checked); showForm(); });
  label.append(input, ' ' + caption, reason);
  $('class-boxes').append(label);
  return { input, reason };
});

$('lift').addEventListener('change', () => { form.setRestrictionsLifted($('lift').checked); showForm(); });
$('clear-classes').addEventListener('click', () => { form.FormShow(); showForm(); });

function check(container, index) {
  container.querySelectorAll('input').forEach((input, i) => { input.checked = i === index; });
}

function describe(input, reasonSpan, reason) {
  reasonSpan.textContent = reason ? ' (' + reason + ')' : '';
  if (reason) input.setAttribute('aria-describedby', reasonSpan.id);
  else input.removeAttribute('aria-describedby');
}

// Shows the rules model's state: every tick, every withdrawn box, the school panel.
function showForm() {
  const s = form.state();
  check($('race'), s.race);
  check($('gender'), s.gender);
  check($('levels'), s.levelRange);
  check($('lawChaos'), s.lawChaos);
  check($('goodEvil'), s.goodEvil);
  check($('dice'), s.diceMethod);
  classBoxes.forEach(({ input, reason }, i) => {
    input.checked = s.ticked[i];
    input.disabled = !s.offered[i];
    describe(input, reason, s.offered[i] ? '' : s.reasons[i]);
  });
  $('schools').hidden = !s.panelVisible;
  schoolButtons.forEach(({ input, reason }, i) => {
    input.checked = s.school === i;
    input.disabled = !s.schoolOffered[i];
    describe(input, reason, s.schoolOffered[i] ? '' : s.schoolReasons[i]);
  });
  $('lift').checked = s.lifted;
  return s;
}

function say(element, text) {
  element.textContent = text;
  element.hidden = !text;
}

// ----- the character ------------------------------------------------------------------------

let session = null;   // the engine's run of generations
let entry = null;     // {query, ops}, or {file, seed, time, query, ops}: the character on show
let revealTimer = 0;

const scoreRows = lists.abilities.map((ability) => {
  const row = $('scores').tBodies[0].insertRow();
  const head = document.createElement('th');
  head.scope = 'row';
  head.textContent = ability;
  row.append(head);
  const cell = row.insertCell();
  cell.dataset.ability = ability;
  return cell;
});

const groupSelects = lists.nonWeaponGroups.map(({ name, entries }) => {
  const label = document.createElement('label');
  const select = document.createElement('select');
  select.id = 'group-' + name.toLowerCase();
  entries.forEach((text, i) => select.add(new Option(text.trim() || '(none)', String(i))));
  label.append(name + ': ', select);
  $('nonweapon-groups').append(label);
  return select;
});

function fillList(select, entries) {
  const selected = select.selectedIndex;
  select.replaceChildren(...entries.map((text, i) => new Option(text, String(i))));
  if (selected >= 0 && selected < entries.length) select.selectedIndex = selected;
}

let offered = null;  // the class weapon list on offer, as lists.weapons gives it
function offerWeapons(name) {
  if (lists.weapons[name] === offered) return;
  offered = lists.weapons[name];
  const { entries, typed } = offered;
  // A list that takes typed text has a field with suggestions, the others only a drop-down.
  $('weapon-choice').hidden = !typed;
  document.querySelector('label[for="weapon-choice"]').hidden = !typed;
  $('weapon-select').hidden = typed;
  // A suggestion shows its weapon trimmed but fills in the entry as it is, trailing blank
  // included, which is what "Specialize in" needs.
  $('weapon-entries').replaceChildren(...entries.map((text) => new Option(text.trim(), text)));
  $('weapon-select').replaceChildren(...entries.map((text) => new Option(text, text)));
  $('weapon-choice').value = '';
}

function showCharacter() {
  const c = session.character();
  if (document.activeElement !== $('name')) $('name').value = c.name;
  document.querySelectorAll('[data-line]').forEach((li) => {
    li.textContent = c[li.dataset.line];
    li.hidden = !c[li.dataset.line];
  });
  scoreRows.forEach((cell, i) => { cell.textContent = c.scoreTexts[i]; });
  fillList($('weaponlist'), c.weapons);
  fillList($('nonweaponlist'), c.nonWeapons);
  offerWeapons(c.offeredList);
  $('specialize').hidden = !c.specializeVisible;
  $('result').setAttribute('aria-busy', String(c.running));
  $('result').dataset.state = c.running ? 'revealing' : 'revealed';
  const link = new URL(location.href);
  link.search = entry.query ? '?' + entry.query : '';
  link.hash = '';
  $('link').href = link.href;
  $('link-row').hidden = !entry.query;
  $('no-link-note').hidden = Boolean(entry.query);
  $('result').hidden = false;
}

function stopReveal() {
  clearTimeout(revealTimer);
  revealTimer = 0;
}

// Runs the schedule's steps as real time passes, one per 10 ms, as the desktop's timers do.
function reveal() {
  stopReveal();
  const start = performance.now();
  const tick = () => {
    const due = Math.floor((performance.now() - start) / STEP_MS);
    while (session.steps() < due && session.step()) { /* catch up after a late timer */ }
    showCharacter();
    if (!session.finished()) {
      revealTimer = setTimeout(tick, STEP_MS - ((performance.now() - start) % STEP_MS));
    } else {
      revealTimer = 0;
    }
  };
  showCharacter();
  revealTimer = setTimeout(tick, STEP_MS);
}

function utcMillisecondsNow() {
  const now = new Date();
  return ((now.getUTCHours() * 60 + now.getUTCMinutes()) * 60 + now.getUTCSeconds()) * 1000 +
      now.getUTCMilliseconds();
}

// A new character from the form's choices in a new run, or (reroll) the next of this run with
// the same choices.
function generate(seed, time, reroll) {
  if (reroll) {
    const step = session.steps();
    session.reroll();
    // No link gives the choices of some opened files: the entry replays the file and the reroll.
    entry = session.linkQuery() ? { query: session.linkQuery(), ops: [] }
      : { ...entry, query: '', ops: [...entry.ops, [step, 'reroll']] };
  } else {
    session?.delete();
    session = new tavrel.Session(seed, time);
    session.begin(form);
    entry = { query: session.linkQuery(), ops: [] };
  }
  history.pushState(entry, '', entry.query ? '?' + entry.query : location.pathname);
  reveal();
}

// The edits are engine operations; each is kept, with the step it came at, in the history entry.
function edit(op, ...args) {
  session[op](...args);
  const last = entry.ops[entry.ops.length - 1];
  const step = session.steps();
  if (op === 'setName' && last && last[1] === 'setName' && last[0] === step) entry.ops.pop();
  entry.ops.push([step, op, ...args]);
  history.replaceState(entry, '', location.href);
  showCharacter();
}

function wordsOf(query) {
  return [...new URLSearchParams(query)];
}

// Opens a link's words: a bad or refused value shows its message and generates nothing.
function applyWords(query) {
  const result = tavrel.applyLink(form, wordsOf(query));
  showForm();
  if (result.error !== undefined) {
    say($('message'), 'This link cannot be opened: ' + result.error + '.');
    return null;
  }
  say($('message'), '');
  return result;
}

// Shows a history entry as the user left it: its generation (or its file) and its edits,
// replayed at once.
function restore(state) {
  stopReveal();
  if (state.file !== undefined) {
    const opened = new tavrel.Session(state.seed, state.time);
    if (opened.open(new TextEncoder().encode(state.file)).error !== undefined) {
      opened.delete();
      return;
    }
    say($('message'), '');
    session?.delete();
    session = opened;
  } else {
    const words = applyWords(state.query);
    if (!words) return;
    session?.delete();
    session = new tavrel.Session(words.seed, words.time);
    session.begin(form);
  }
  for (const [step, op, ...args] of state.ops) {
    while (session.steps() < step && session.step()) { /* up to the edit's step */ }
    session[op](...args);
  }
  session.finish();
  entry = { ...state, ops: state.ops.slice() };
  showCharacter();
}

// Opens a character file with the windows' checks. A refused file shows the reader's message
// and changes nothing else; an opened one is shown fully revealed, as a new history entry.
async function openFile(file) {
  let bytes;
  try {
    bytes = new Uint8Array(await file.slice(0, tavrel.characterFileLimit() + 1).arrayBuffer());
  } catch (error) {
    say($('message'), file.name + ': cannot be read: ' + error.message);
    return;
  }
  // The dice of later new names and rerolls start from now, as a new generation's do.
  const now = utcMillisecondsNow();
  const opened = new tavrel.Session(now, now);
  const result = opened.open(bytes);
  if (result.error !== undefined) {
    opened.delete();
    say($('message'), file.name + ': ' + result.error);
    return;
  }
  stopReveal();
  session?.delete();
  session = opened;
  say($('message'), '');
  say($('form-message'), '');
  // The page's own JSON of it: the same character, and what the history entry replays.
  entry = { file: session.json(), seed: now, time: now, query: session.linkQuery(), ops: [] };
  history.pushState(entry, '', entry.query ? '?' + entry.query : location.pathname);
  showCharacter();
  $('result-title').focus();
}

function openLink() {
  const query = location.search.slice(1);
  if (!query) return;
  const words = applyWords(query);
  if (!words) return;
  // Without a seed or a time the link means "now", as the command line does.
  const now = utcMillisecondsNow();
  session = new tavrel.Session(words.seed ?? now, words.time ?? now);
  session.begin(form);
  entry = { query: session.linkQuery(), ops: [] };
  history.replaceState(entry, '', '?' + entry.query);
  reveal();
}

$('options').addEventListener('submit', (event) => {
  event.preventDefault();
  const s = form.state();
  if (!s.accepted) {
    say($('form-message'), 'There is no Class selected!');
    return;
  }
  say($('form-message'), '');
  say($('message'), '');
  const now = utcMillisecondsNow();
  generate(now, now, false);
  // On a phone the character comes below the form: bring it into view, and the keyboard there.
  $('result-title').focus();
});

$('open-file').addEventListener('change', () => {
  const file = $('open-file').files[0];
  $('open-file').value = '';  // so that choosing the same file again opens it again
  if (file) openFile(file);
});
$('reroll').addEventListener('click', () => generate(0, 0, true));
$('new-name').addEventListener('click', () => edit('newName'));
$('name').addEventListener('input', () => edit('setName', $('name').value));
$('clear-weapons').addEventListener('click', () => edit('clearWeapons'));
$('remove-weapon').addEventListener('click', () => {
  const row = $('weaponlist').selectedIndex;
  if (row >= 0) edit('removeWeapon', row);
});
$('add-weapon').addEventListener('click', () => {
  edit('addWeapon', offered.typed ? $('weapon-choice').value : $('weapon-select').value);
});
// The engine ignores text that is not exactly a Warrior-list entry, as the window does.
$('specialize').addEventListener('click', () => edit('specializeIn', $('weapon-choice').value));
$('clear-nonweapons').addEventListener('click', () => edit('clearNonWeapons'));
$('delete-nonweapon').addEventListener('click', () => {
  const row = $('nonweaponlist').selectedIndex;
  if (row >= 0) edit('deleteNonWeapon', row);
});
$('add-nonweapons').addEventListener('click', () => {
  const choices = groupSelects.map((select, g) => lists.nonWeaponGroups[g].entries[select.selectedIndex]);
  groupSelects.forEach((select) => { select.selectedIndex = 0; });
  edit('addNonWeapons', choices);
});

function download(bytes, type, name) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(url), 0);
}

$('save-sheet').addEventListener('click', () => download(session.sheet(), 'text/html', 'character.htm'));
$('save-json').addEventListener('click', () => {
  // A file the page could not open again is not written.
  const refusal = session.jsonRefusal();
  if (refusal) say($('message'), 'Not saved: ' + refusal);
  else download(session.json() + '\n', 'application/json', 'character.json');
});

window.addEventListener('popstate', (event) => {
  if (event.state) {
    restore(event.state);
  } else {
    stopReveal();
    $('result').hidden = true;
    openLink();
  }
});

showForm();
if (history.state) restore(history.state);
else openLink();
document.body.dataset.ready = 'true';
