// The page's one session: the engine's run on show, the history entry that describes it and the
// reveal's timer. Handlers call it; it drives the engine and has the views show the result.
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
    this.entry = null;  // the history entry on show
    this.revealTimer = 0;
    this.waiting = [];  // settledDown()'s callers
  }

  // ----- starting a character --------------------------------------------------------------

  // "Generate!": a new run from the form's choices, unless the form has no class.
  generate() {
    if (!this.optionsForm.show().accepted) {
      this.messages.show('classes', 'There is no Class selected!');
      return;
    }
    const now = utcMillisecondsNow();
    this.replaceRun(this.engine.begin(now, now));
    this.optionsForm.show();  // a note on a link's set beyond the form goes
    this.entry = { query: this.run.linkQuery(), ops: [] };
    linkHistory.push(this.entry);
    this.reveal();
    this.view.bringIntoView();
    document.getElementById('result-title').focus({ preventScroll: true });
  }

  // "ReRoll": the next character of this run, with the same choices.
  reroll() {
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
    const words = this.applyWords(query);
    if (!words) return;
    // Without a seed or a time the link means "now", as the command line does.
    const now = utcMillisecondsNow();
    this.replaceRun(this.engine.beginLink(words.seed ?? now, words.time ?? now));
    this.entry = { query: this.run.linkQuery(), ops: [] };
    linkHistory.replace(this.entry);
    this.reveal();
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
    const opened = this.engine.open(bytes, now, now);
    if (opened.error !== undefined) {
      this.messages.show('file', file.name + ': ' + opened.error);
      return;
    }
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
      this.openLink();
      return;
    }
    if (state.file !== undefined) {
      const opened = this.engine.open(new TextEncoder().encode(state.file), state.seed, state.time);
      if (opened.error !== undefined) return;
      this.replaceRun(opened.run);
      this.optionsForm.show();
    } else {
      const words = this.applyWords(state.query);
      if (!words) return;
      this.replaceRun(this.engine.beginLink(words.seed, words.time));
    }
    for (const [step, op, ...args] of state.ops) {
      while (this.run.steps() < step && this.run.step()) { /* up to the edit's step */ }
      this.run[op](...args);
    }
    this.run.finish();
    this.entry = { ...state, ops: state.ops.slice() };
    this.show();
  }

  // ----- the character on show -------------------------------------------------------------

  // An edit is an engine operation; it is kept, with the step it came at, in the history entry.
  edit(op, ...args) {
    this.run[op](...args);
    this.entry = withEdit(this.entry, this.run.steps(), op, args);
    linkHistory.update(this.entry);
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

  applyWords(query) {
    const result = this.engine.applyLink(query);
    this.optionsForm.show();
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
