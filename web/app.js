// The page: loads the engine, builds the options form and the character view from its lists,
// and hands every user action to the one session. Until the engine is ready the form says it is
// loading and its controls are disabled; a link opened meanwhile stays in the address and is
// generated once the engine is there.
import { Engine } from './engine.js';
import { Messages } from './messages.js';
import { OptionsForm } from './form.js';
import { CharacterView } from './character.js';
import { linkHistory } from './history.js';
import { PageSession } from './session.js';
import { keepOffline } from './updates.js';

const $ = (id) => document.getElementById(id);

// `bytes` is one piece, or an array of them.
function download(bytes, type, name) {
  const url = URL.createObjectURL(new Blob([].concat(bytes), { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(url), 0);
}

function start(engine) {
  const messages = new Messages();
  const optionsForm = new OptionsForm(engine, (state) => {
    if (state.accepted) messages.clear('classes');
  });
  const view = new CharacterView(engine.lists);
  const session = new PageSession(engine, optionsForm, view, messages);

  $('options').addEventListener('submit', (event) => event.preventDefault());
  $('party-size').max = engine.lists.partyMax;
  $('generate').addEventListener('click', () => {
    const size = $('party-size').valueAsNumber;
    session.generate(Math.min(Math.max(Number.isInteger(size) ? size : 1, 1), engine.lists.partyMax));
  });
  $('party-table').addEventListener('click', (event) => {
    const member = event.target.closest('button')?.dataset.member;
    if (member !== undefined) session.chooseMember(Number(member));
  });
  $('save-party-csv').addEventListener('click', () => download(session.partyCsv(), 'text/csv', session.partyFileStem() + '.csv'));
  $('save-party-jsonl').addEventListener('click', () => {
    const party = session.partyJsonLines();
    if (party) download(party.text, 'application/jsonl', party.stem + '.jsonl');
  });
  $('open-file').addEventListener('change', () => {
    const file = $('open-file').files[0];
    $('open-file').value = '';  // so that choosing the same file again opens it again
    if (file) session.openFile(file);
  });
  $('reroll').addEventListener('click', () => session.reroll());
  $('new-name').addEventListener('click', () => session.edit('newName'));
  $('name').addEventListener('input', () => session.edit('setName', $('name').value));
  $('clear-weapons').addEventListener('click', () => session.edit('clearWeapons'));
  $('remove-weapon').addEventListener('click', () => {
    const row = view.selectedRow('weaponlist');
    if (row >= 0) session.edit('removeWeapon', row);
  });
  $('add-weapon').addEventListener('click', () => session.edit('addWeapon', view.weaponChoice()));
  // The engine ignores text that is not exactly a Warrior-list entry, as the window does.
  $('specialize').addEventListener('click', () => session.edit('specializeIn', $('weapon-choice').value));
  $('clear-nonweapons').addEventListener('click', () => session.edit('clearNonWeapons'));
  $('delete-nonweapon').addEventListener('click', () => {
    const row = view.selectedRow('nonweaponlist');
    if (row >= 0) session.edit('deleteNonWeapon', row);
  });
  $('add-nonweapons').addEventListener('click', () => session.edit('addNonWeapons', view.takeNonWeaponChoices()));
  $('save-sheet').addEventListener('click', () => download(session.sheet(), 'text/html', session.fileStem() + '.htm'));
  $('save-json').addEventListener('click', () => {
    const json = session.json();
    if (json !== null) download(json, 'application/json', session.fileStem() + '.json');
  });
  linkHistory.onMove((state) => session.restore(state));

  $('loading').hidden = true;
  $('controls').disabled = false;
  $('options').removeAttribute('aria-busy');
  // A reload keeps the character on show, edits included; on a phone it comes into view. The
  // form shows its own choices, unless a link opened is about to give it its character's.
  const state = linkHistory.current();
  if (state || !linkHistory.openedQuery()) optionsForm.show();
  if (state) {
    session.restore(state);
    view.bringIntoView();
  } else {
    session.openLink();
  }
  document.body.dataset.ready = 'true';
  return session;
}

let engine = null;
try {
  engine = await Engine.load();
} catch {
  $('loading').hidden = true;
  $('load-failed').hidden = false;
}
if (engine) {
  const session = start(engine);
  // The service worker's first filling of its cache downloads every file again: it waits until
  // the first character has been revealed. Without a service worker (a private window, an old
  // browser) the page still works online.
  session.settledDown().then(keepOffline).catch(() => {});
}
