// Binding access: the one module that talks to the WebAssembly. It loads the engine and hands
// out its rules model, its runs of generations, the link reader and the fixed lists; the rest of
// the page uses only what it returns.
import createTavrel from './tavrel.js';

export class Engine {
  static async load() {
    return new Engine(await createTavrel());
  }

  constructor(tavrel) {
    this.tavrel = tavrel;
    this.lists = tavrel.lists();
    this.form = new tavrel.Form();  // the options window's rules model
  }

  // A new run of generations, its first from the form's choices.
  begin(seed, time) {
    const run = new this.tavrel.Session(seed, time);
    run.begin(this.form);
    return run;
  }

  // A new run whose first character has the choices of the link just applied to the form, all
  // of them, even those the form cannot show.
  beginLink(seed, time) {
    const run = new this.tavrel.Session(seed, time);
    run.beginLink(this.form);
    return run;
  }

  // A run holding a character file's character, or the reader's refusal as {error}; the form
  // takes the file's choices. The seed and time are those of later new names and rerolls.
  open(bytes, seed, time) {
    const run = new this.tavrel.Session(seed, time);
    const result = run.open(this.form, bytes);
    if (result.error === undefined) return { run };
    run.delete();
    return { error: result.error };
  }

  // A link's query read with the command's checks and applied to the form as far as it goes:
  // {error, word} or {seed, time}, each null when the link does not give it.
  applyLink(query) {
    return this.tavrel.applyLink(this.form, [...new URLSearchParams(query)]);
  }

  // A file's characters as the reader splits them: {lines} (each one character's bytes, for
  // open) or {error}.
  characterLines(bytes) {
    return this.tavrel.characterLines(bytes);
  }

  // The spreadsheet's byte order mark and header row.
  csvHeader() {
    return this.tavrel.csvHeader();
  }

  // The most of a file worth reading: the reader refuses anything longer.
  get fileLimit() {
    return this.tavrel.characterFileLimit();
  }
}

// The time of day in UTC, in milliseconds: a new generation's seed and start, as on the desktop.
export function utcMillisecondsNow() {
  const now = new Date();
  return ((now.getUTCHours() * 60 + now.getUTCMinutes()) * 60 + now.getUTCSeconds()) * 1000 +
      now.getUTCMilliseconds();
}
