// History and links. Each character is a browser history entry whose state says how to bring it
// back: {query, ops} (a link's words and the edits made since) or {file, seed, time, query, ops}
// (an opened file's character). Each edit in ops is [step, operation, ...arguments], the step
// being where in the reveal it came. The address shows the entry's link, if it has one.
const addressOf = (entry) => (entry.query ? '?' + entry.query : location.pathname);

export const linkHistory = {
  // The words of the link the page was opened with ('' for none).
  openedQuery() {
    return location.search.slice(1);
  },
  current() {
    return history.state;
  },
  push(entry) {
    history.pushState(entry, '', addressOf(entry));
  },
  replace(entry) {
    history.replaceState(entry, '', addressOf(entry));
  },
  // Keeps the edits of the entry on show without moving the address.
  update(entry) {
    history.replaceState(entry, '', location.href);
  },
  // Back and Forward: `moved` gets the entry's state, or null for the page as it was opened.
  onMove(moved) {
    window.addEventListener('popstate', (event) => moved(event.state));
  },
};

// An entry with one more edit; a name typed at the same step replaces the one typed before it.
export function withEdit(entry, step, op, args) {
  const ops = entry.ops.slice();
  const last = ops[ops.length - 1];
  if (op === 'setName' && last && last[1] === 'setName' && last[0] === step) ops.pop();
  ops.push([step, op, ...args]);
  return { ...entry, ops };
}
