// Binding access: the one module that talks to the WebAssembly. It loads the engine and hands
// out its rules model, its runs of generations, the link reader and the fixed lists; the rest of
// the page uses only what it returns.
import createTavrel from './tavrel.js';

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// The engine's plain calls: the page writes a call's text or bytes into the engine's memory
// first, and reads an answer back from there, by the size the call returns.
class Calls {
  constructor(module) {
    this.module = module;
  }

  // Memory may grow on any call: its view is read afresh every time.
  give(bytes) {
    const at = this.module._tavrel_input(bytes.length);
    this.module.HEAPU8.set(bytes, at);
  }

  giveText(text) {
    this.give(encoder.encode(text));
  }

  // Texts for a call that takes several, in order.
  push(texts) {
    texts.forEach((text) => {
      this.giveText(String(text));
      this.module._tavrel_push();
    });
  }

  bytes(size) {
    const at = this.module._tavrel_output();
    return this.module.HEAPU8.slice(at, at + size);
  }

  text(size) {
    const at = this.module._tavrel_output();
    return decoder.decode(this.module.HEAPU8.subarray(at, at + size));
  }

  json(size) {
    return JSON.parse(this.text(size));
  }
}

// The options window's rules model.
class RulesModel {
  constructor(calls) {
    this.calls = calls;
    this.m = calls.module;
    this.handle = this.m._tavrel_form_new();
  }

  FormShow() { this.m._tavrel_form_FormShow(this.handle); }
  setRace(v) { return Boolean(this.m._tavrel_form_setRace(this.handle, v)); }
  setLawChaos(v) { return Boolean(this.m._tavrel_form_setLawChaos(this.handle, v)); }
  setGoodEvil(v) { return Boolean(this.m._tavrel_form_setGoodEvil(this.handle, v)); }
  setGender(v) { return Boolean(this.m._tavrel_form_setGender(this.handle, v)); }
  setLevelRange(v) { return Boolean(this.m._tavrel_form_setLevelRange(this.handle, v)); }
  setDiceMethod(v) { return Boolean(this.m._tavrel_form_setDiceMethod(this.handle, v)); }
  setClassTicked(box, ticked) { return Boolean(this.m._tavrel_form_setClassTicked(this.handle, box, ticked)); }
  selectSchool(school) { return Boolean(this.m._tavrel_form_selectSchool(this.handle, school)); }
  setRestrictionsLifted(lifted) { this.m._tavrel_form_setRestrictionsLifted(this.handle, lifted); }
  // Everything the form shows.
  state() { return this.calls.json(this.m._tavrel_form_state(this.handle)); }

  // A link's name=value pairs: {error, word} or {seed, time, count}.
  applyLink(pairs) {
    this.calls.push(pairs.flat());
    return this.calls.json(this.m._tavrel_form_applyLink(this.handle));
  }
}

// One run of generations; delete() frees it.
class Run {
  constructor(calls, seed, time) {
    this.calls = calls;
    this.m = calls.module;
    this.handle = this.m._tavrel_session_new(seed, time);
  }

  delete() {
    this.m._tavrel_session_delete(this.handle);
    this.handle = 0;
  }

  begin(form) { this.m._tavrel_session_begin(this.handle, form.handle); }
  beginLink(form) { this.m._tavrel_session_beginLink(this.handle, form.handle); }
  reroll() { this.m._tavrel_session_reroll(this.handle); }
  // A character file's bytes: null when opened, the reader's message when refused.
  open(form, bytes) {
    this.calls.give(bytes);
    const refusal = this.m._tavrel_session_open(this.handle, form.handle);
    return refusal < 0 ? null : this.calls.text(refusal);
  }

  step() { return Boolean(this.m._tavrel_session_step(this.handle)); }
  finished() { return Boolean(this.m._tavrel_session_finished(this.handle)); }
  finish() { this.m._tavrel_session_finish(this.handle); }
  steps() { return this.m._tavrel_session_steps(this.handle); }

  // The edits, by the names the history entries keep them under.
  newName() { this.m._tavrel_session_newName(this.handle); }
  setName(name) {
    this.calls.giveText(name);
    this.m._tavrel_session_setName(this.handle);
  }
  addWeapon(text) {
    this.calls.giveText(text);
    this.m._tavrel_session_addWeapon(this.handle);
  }
  removeWeapon(row) { this.m._tavrel_session_removeWeapon(this.handle, row); }
  clearWeapons() { this.m._tavrel_session_clearWeapons(this.handle); }
  specializeIn(text) {
    this.calls.giveText(text);
    this.m._tavrel_session_specializeIn(this.handle);
  }
  addNonWeapons(choices) {
    this.calls.push(choices);
    this.m._tavrel_session_addNonWeapons(this.handle);
  }
  deleteNonWeapon(row) { this.m._tavrel_session_deleteNonWeapon(this.handle, row); }
  clearNonWeapons() { this.m._tavrel_session_clearNonWeapons(this.handle); }

  linkQuery() { return this.calls.text(this.m._tavrel_session_linkQuery(this.handle)); }
  json() { return this.calls.text(this.m._tavrel_session_json(this.handle)); }
  jsonRefusal() { return this.calls.text(this.m._tavrel_session_jsonRefusal(this.handle)); }
  fileStem() { return this.calls.text(this.m._tavrel_session_fileStem(this.handle)); }
  csvRow(base) {
    this.calls.giveText(base);
    return this.calls.text(this.m._tavrel_session_csvRow(this.handle));
  }
  // The sheet's bytes, in ISO 8859-1.
  sheet() { return this.calls.bytes(this.m._tavrel_session_sheet(this.handle)); }
  partyRow() { return this.calls.json(this.m._tavrel_session_partyRow(this.handle)); }
  character() { return this.calls.json(this.m._tavrel_session_character(this.handle)); }
}

export class Engine {
  static async load() {
    return new Engine(await createTavrel());
  }

  constructor(module) {
    this.calls = new Calls(module);
    this.lists = this.calls.json(module._tavrel_lists());
    this.form = new RulesModel(this.calls);  // the options window's rules model
    this.fileLimit = module._tavrel_characterFileLimit();  // the reader refuses anything longer
  }

  // A new run of generations, its first from the form's choices.
  begin(seed, time) {
    const run = new Run(this.calls, seed, time);
    run.begin(this.form);
    return run;
  }

  // A new run whose first character has the choices of the link just applied to the form, all
  // of them, even those the form cannot show.
  beginLink(seed, time) {
    const run = new Run(this.calls, seed, time);
    run.beginLink(this.form);
    return run;
  }

  // A run holding a character file's character, or the reader's refusal as {error}; the form
  // takes the file's choices. The seed and time are those of later new names and rerolls.
  open(bytes, seed, time) {
    const run = new Run(this.calls, seed, time);
    const error = run.open(this.form, bytes);
    if (error === null) return { run };
    run.delete();
    return { error };
  }

  // A link's query read with the command's checks and applied to the form as far as it goes:
  // {error, word} or {seed, time}, each null when the link does not give it.
  applyLink(query) {
    return this.form.applyLink([...new URLSearchParams(query)]);
  }

  // A file's characters as the reader splits them: {lines} (each one character's bytes, for
  // open) or {error}.
  characterLines(bytes) {
    this.calls.give(bytes);
    const read = this.calls.json(this.calls.module._tavrel_characterLines());
    if (read.error !== undefined) return read;
    return { lines: read.lines.map(([start, size]) => bytes.slice(start, start + size)) };
  }

  // The spreadsheet's byte order mark and header row.
  csvHeader() {
    return this.calls.bytes(this.calls.module._tavrel_csvHeader());
  }
}

// The time of day in UTC, in milliseconds: a new generation's seed and start, as on the desktop.
export function utcMillisecondsNow() {
  const now = new Date();
  return ((now.getUTCHours() * 60 + now.getUTCMinutes()) * 60 + now.getUTCSeconds()) * 1000 +
      now.getUTCMilliseconds();
}
