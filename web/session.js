// The page's one session: the engine's run on show, the history entry that describes it and the
// reveal's timer. Handlers call it; it drives the engine and has the views show the result.
// A party is one history entry {query, members, chosen, after}: the party's link (while it
// still gives the party), each member's own entry as below, the member on show, and the link of
// the last character made, from which a member's ReRoll goes on.
import { utcMillisecondsNow } from './engine.js';
import { linkHistory, withEdit } from './history.js';

const STEP_MS = 10;  // the reveal and fill timers' interval, as on the desktop

export class PageSession {
  constructor(engine, optionsForm, view, messages) {
    this.engine = engine;
    this.optionsForm = optionsForm;
    this.view = view;
    this.messages = messages;
    this.run = null;    // the engine's run of generations
    this.entry = null;  // the history entry on show; a party's member on show
    this.party = null;  // {query, members, chosen, after, rows}: the party on show, if any
    this.revealTimer = 0;
    this.waiting = [];  // settledDown()'s callers
  }

  // ----- starting a character --------------------------------------------------------------

  // "Generate!": a new run from the form's choices, unless the form has no class; `count`
  // characters one after another make a party.
  generate(count) {
    if (!this.optionsForm.show().accepted) {
      this.messages.show('classes', 'There is no Class selected!');
      return;
    }
    const now = utcMillisecondsNow();
    const run = this.engine.begin(now, now);
    this.optionsForm.show();  // a note on a link's set beyond the form goes
    if (count > 1) {
      this.makeParty(run, count);
      linkHistory.push(this.state());
    } else {
      this.party = null;
      this.replaceRun(run);
      this.entry = { query: this.run.linkQuery(), ops: [] };
      linkHistory.push(this.entry);
      this.reveal();
    }
    this.view.bringIntoView();
    document.getElementById('result-title').focus({ preventScroll: true });
  }

  // "ReRoll": the next character of this run, with the same choices.
  reroll() {
    if (this.party) {
      this.rerollMember();
      return;
    }
    const step = this.run.steps();
    this.run.reroll();
    // No link gives the choices of some opened files: the entry replays the file and the reroll.
    this.entry = this.run.linkQuery() ? { query: this.run.linkQuery(), ops: [] }
      : { ...this.entry, query: '', ops: [...this.entry.ops, [step, 'reroll']] };
    linkHistory.push(this.entry);
    this.messages.clear('save');
    this.reveal();
  }

  // The link the page was opened with, if any: a bad or refused one shows why and generates
  // nothing. A link gives its whole class set, as the command line does, even one the form can
  // show only in part.
  openLink() {
    const query = linkHistory.openedQuery();
    if (!query) return;
    // The reveal's clock starts as soon as the character exists; the form shows the link's
    // choices in the same task, before anything is drawn.
    const words = this.applyWords(query, { formLater: true });
    if (!words) return;
    // Without a seed or a time the link means "now", as the command line does.
    const now = utcMillisecondsNow();
    const run = this.engine.beginLink(words.seed ?? now, words.time ?? now);
    if (words.count > 1) {
      this.makeParty(run, words.count);
      linkHistory.replace(this.state());
    } else {
      this.party = null;
      this.replaceRun(run);
      this.entry = { query: this.run.linkQuery(), ops: [] };
      this.reveal();
      linkHistory.replace(this.entry);
    }
    this.optionsForm.show();
    this.view.bringIntoView();
  }

  // Opens a character file with the windows' checks. A refused file shows the reader's message
  // beside the button and changes nothing else; an opened one is shown fully revealed, as a new
  // history entry, and the form takes its choices.
  async openFile(file) {
    this.messages.clear('file');
    let bytes;
    try {
      bytes = new Uint8Array(await file.slice(0, this.engine.fileLimit + 1).arrayBuffer());
    } catch (error) {
      this.messages.show('file', file.name + ': cannot be read: ' + error.message);
      return;
    }
    // The dice of later new names and rerolls start from now, as a new generation's do.
    const now = utcMillisecondsNow();
    const read = this.engine.characterLines(bytes);
    const opened = read.error === undefined ? this.engine.open(read.lines[0], now, now) : read;
    if (opened.error !== undefined) {
      this.messages.show('file', file.name + ': ' + opened.error);
      return;
    }
    if (read.lines.length > 1) {
      // Each line is a member, as the reader read it; the page's JSON of it is what it replays.
      opened.run.delete();
      const members = read.lines.map((line) => {
        const run = this.engine.open(line, now, now).run;
        const entry = { file: run.json(), seed: now, time: now, query: run.linkQuery(), ops: [] };
        run.delete();
        return entry;
      });
      this.messages.clear('file');
      this.restoreParty({ query: '', members, chosen: 0, after: '' });
      linkHistory.push(this.state());
      this.view.bringIntoView();
      return;
    }
    this.party = null;
    this.replaceRun(opened.run);
    this.optionsForm.show();
    // The page's own JSON of it: the same character, and what the history entry replays.
    this.entry = { file: this.run.json(), seed: now, time: now, query: this.run.linkQuery(), ops: [] };
    linkHistory.push(this.entry);
    this.show();
    this.view.bringIntoView();
    document.getElementById('result-title').focus({ preventScroll: true });
  }

  // Shows a history entry as the user left it: its generation (or its file) and its edits,
  // replayed at once. Null is the page as it was opened.
  restore(state) {
    this.stopReveal();
    if (!state) {
      this.view.hide();
      this.party = null;
      this.openLink();
      return;
    }
    if (state.members) {
      this.restoreParty(state);
      return;
    }
    const run = this.replay(state);
    if (!run) return;
    this.party = null;
    this.replaceRun(run);
    this.entry = { ...state, ops: state.ops.slice() };
    this.show();
  }

  // A run holding an entry's character with its edits, fully revealed; null for refused words.
  replay(state) {
    let run;
    if (state.file !== undefined) {
      const opened = this.engine.open(new TextEncoder().encode(state.file), state.seed, state.time);
      if (opened.error !== undefined) return null;
      run = opened.run;
      this.optionsForm.show();
    } else {
      const words = this.applyWords(state.query);
      if (!words) return null;
      run = this.engine.beginLink(words.seed, words.time);
    }
    for (const [step, op, ...args] of state.ops) {
      while (run.steps() < step && run.step()) { /* up to the edit's step */ }
      run[op](...args);
    }
    run.finish();
    return run;
  }

  // ----- a party -----------------------------------------------------------------------------

  // `count` characters made one after another on `run`, as `tavrel-cli generate --count` makes
  // them; the first is shown. The party's link is the first member's with the count.
  makeParty(run, count) {
    const members = [];
    const rows = [];
    for (let i = 0; i < count; ++i) {
      if (i > 0) run.reroll();
      run.finish();
      members.push({ query: run.linkQuery(), ops: [] });
      rows.push(run.partyRow());
    }
    run.delete();
    const query = members[0].query && members[0].query + '&count=' + count;
    this.party = { query, members, chosen: 0, after: members[count - 1].query, rows };
    this.choose(0);
  }

  // A party from its history entry: each member replayed for its row, then the chosen one shown.
  restoreParty(state) {
    const rows = state.members.map((member) => {
      const run = this.replay(member);
      const row = run.partyRow();
      run.delete();
      return row;
    });
    this.party = { ...state, members: state.members.slice(), rows };
    this.choose(state.chosen);
  }

  // Shows a member, fully revealed, with its edits.
  choose(index) {
    const run = this.replay(this.party.members[index]);
    if (!run) return;
    this.party.chosen = index;
    this.replaceRun(run);
    this.entry = this.party.members[index];
    this.show();
  }

  chooseMember(index) {
    this.choose(index);
    linkHistory.update(this.state());
  }

  // A member's "ReRoll": the next character after the last one made takes its place, as a new
  // history entry. The party's link no longer gives the party, the members' own links still do.
  rerollMember() {
    const party = this.party;
    // A party from a file has no link to go on from: its member's own run goes on, as a file's does.
    const from = party.after ? { query: party.after, ops: [] } : this.entry;
    const run = party.after ? this.replay(from) : this.run;
    if (run !== this.run) this.replaceRun(run);
    const step = run.steps();
    run.reroll();
    run.finish();
    this.entry = run.linkQuery() ? { query: run.linkQuery(), ops: [] }
      : { ...from, query: '', ops: [...from.ops, [step, 'reroll']] };
    party.members = party.members.slice();
    party.rows = party.rows.slice();
    party.members[party.chosen] = this.entry;
    party.after = run.linkQuery();
    party.query = '';
    linkHistory.push(this.state());
    this.messages.clear('save');
    this.show();
  }

  // The history entry on show.
  state() {
    if (!this.party) return this.entry;
    const { query, members, chosen, after } = this.party;
    return { query, members, chosen, after };
  }

  // Each member with its edits, in order: `each` gets a run holding it, deleted afterwards.
  eachMember(each) {
    return this.party.members.map((member, i) => {
      if (i === this.party.chosen) return each(this.run);
      const run = this.replay(member);
      const result = each(run);
      run.delete();
      return result;
    });
  }

  // The party as a spreadsheet, each member's link made on this page's address: its pieces.
  partyCsv() {
    const base = location.origin + location.pathname;
    return [this.engine.csvHeader(), ...this.eachMember((run) => run.csvRow(base))];
  }

  // The party as JSON Lines, named after its first member, or null with the reason shown when
  // the reader would refuse a member.
  partyJsonLines() {
    const members = this.eachMember((run) => ({ refusal: run.jsonRefusal(), json: run.json(), stem: run.fileStem() }));
    const refused = members.findIndex((member) => member.refusal);
    if (refused >= 0) {
      this.messages.show('save', 'Not saved: ' + this.party.rows[refused][0] + ': ' + members[refused].refusal);
      return null;
    }
    this.messages.clear('save');
    return { text: members.map((member) => member.json + '\n').join(''), stem: 'party-' + members[0].stem };
  }

  // The name of the party's downloads, before the extension: its first member's.
  partyFileStem() {
    return 'party-' + this.eachMember((run) => run.fileStem())[0];
  }

  // ----- the character on show -------------------------------------------------------------

  // An edit is an engine operation; it is kept, with the step it came at, in the history entry.
  edit(op, ...args) {
    this.run[op](...args);
    this.entry = withEdit(this.entry, this.run.steps(), op, args);
    if (this.party) this.party.members[this.party.chosen] = this.entry;
    linkHistory.update(this.state());
    // A name shortened back under the limit is a file the page would save again.
    if (this.messages.shown('save') && !this.run.jsonRefusal()) this.messages.clear('save');
    this.show();
  }

  sheet() {
    return this.run.sheet();
  }

  // The downloads' name before the extension: the character's first name.
  fileStem() {
    return this.run.fileStem();
  }

  // The character file, or null with the reason shown when the reader would refuse it.
  json() {
    const refusal = this.run.jsonRefusal();
    if (refusal) {
      this.messages.show('save', 'Not saved: ' + refusal);
      return null;
    }
    this.messages.clear('save');
    return this.run.json() + '\n';
  }

  // ----- inside --------------------------------------------------------------------------------

  // A link's words applied to the rules model: {seed, time, count}, or null with the reason
  // shown. The form shows them at once, unless its caller does that itself (`formLater`).
  applyWords(query, { formLater = false } = {}) {
    const result = this.engine.applyLink(query);
    if (!formLater || result.error !== undefined) this.optionsForm.show();
    if (result.error !== undefined) {
      this.messages.show('link', 'This link cannot be opened: ' + result.error + '.');
      return null;
    }
    return result;
  }

  // A new run on show: every message about the one before goes.
  replaceRun(run) {
    this.stopReveal();
    this.run?.delete();
    this.run = run;
    this.messages.clear('link', 'classes', 'file', 'save');
  }

  show() {
    this.view.show(this.run.character(), this.entry.query);
    if (this.party) this.party.rows[this.party.chosen] = this.run.partyRow();
    this.view.showParty(this.party);
  }

  stopReveal() {
    clearTimeout(this.revealTimer);
    this.revealTimer = 0;
    this.settled();
  }

  // Resolves once no reveal is running: for work that should not slow the first one down.
  settledDown() {
    return new Promise((resolve) => {
      this.waiting.push(resolve);
      if (!this.revealTimer) this.settled();
    });
  }

  settled() {
    this.waiting.splice(0).forEach((resolve) => resolve());
  }

  // Runs the schedule's steps as real time passes, one per 10 ms, as the desktop's timers do.
  reveal() {
    this.stopReveal();
    const start = performance.now();
    const tick = () => {
      const due = Math.floor((performance.now() - start) / STEP_MS);
      while (this.run.steps() < due && this.run.step()) { /* catch up after a late timer */ }
      this.show();
      this.revealTimer = this.run.finished() ? 0
        : setTimeout(tick, STEP_MS - ((performance.now() - start) % STEP_MS));
      if (!this.revealTimer) this.settled();
    };
    this.show();
    this.revealTimer = setTimeout(tick, STEP_MS);
  }
}
