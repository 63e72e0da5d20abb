// Messages. Each has its own place beside what caused it (a control, or where a link's character
// would stand), is a live region that a screen reader announces, and is brought into view when
// it appears; it goes when its cause goes, which the code that removes the cause says with
// clear().
const places = {
  link: 'message',         // where the character would stand
  classes: 'form-message', // beside "Generate!"
  file: 'file-message',    // beside "Open character…"
  save: 'save-message',    // in the bar with "Save JSON"
};

export class Messages {
  constructor() {
    this.elements = Object.fromEntries(
      Object.entries(places).map(([cause, id]) => [cause, document.getElementById(id)]));
  }

  show(cause, text) {
    const element = this.elements[cause];
    element.textContent = text;
    element.hidden = false;
    element.scrollIntoView({ block: 'nearest' });
  }

  clear(...causes) {
    for (const cause of causes) {
      this.elements[cause].textContent = '';
      this.elements[cause].hidden = true;
    }
  }

  shown(cause) {
    return !this.elements[cause].hidden;
  }
}
