// The character view: shows what the engine's run holds (its lines, scores, lists, the weapon
// list it offers) and reads the user's choices for the edits. It keeps no state of the
// character; only the lists it builds once from the binding.
const $ = (id) => document.getElementById(id);

function fillList(select, entries) {
  const selected = select.selectedIndex;
  select.replaceChildren(...entries.map((text, i) => new Option(text, String(i))));
  if (selected >= 0 && selected < entries.length) select.selectedIndex = selected;
}

export class CharacterView {
  constructor(lists) {
    this.lists = lists;
    this.offered = null;  // the class weapon list on offer, as lists.weapons gives it
    this.scoreCells = lists.abilities.map((ability) => {
      const row = $('scores').tBodies[0].insertRow();
      const head = document.createElement('th');
      head.scope = 'row';
      head.textContent = ability;
      row.append(head);
      const cell = row.insertCell();
      cell.dataset.ability = ability;
      return cell;
    });
    this.groupSelects = lists.nonWeaponGroups.map(({ name, entries }) => {
      const label = document.createElement('label');
      const select = document.createElement('select');
      select.id = 'group-' + name.toLowerCase();
      entries.forEach((text, i) => select.add(new Option(text.trim() || '(none)', String(i))));
      label.append(name + ': ', select);
      $('nonweapon-groups').append(label);
      return select;
    });
    // The party table's head: its fixed columns, then the abilities as the binding names them.
    $('party-table').tHead.rows[0].append(...lists.abilities.map((ability) => {
      const head = document.createElement('th');
      head.scope = 'col';
      head.textContent = ability;
      return head;
    }));
    this.sizesItself = CSS.supports('field-sizing', 'content');
    this.fitted = '';
    $('name').addEventListener('input', () => this.fitName());
    window.addEventListener('resize', () => this.fitName());
  }

  // The run's character, and the link of the history entry that shows it ('' for none).
  show(c, query) {
    if (document.activeElement !== $('name')) $('name').value = c.name;
    document.querySelectorAll('[data-line]').forEach((li) => {
      li.textContent = c[li.dataset.line];
      li.hidden = !c[li.dataset.line];
    });
    this.scoreCells.forEach((cell, i) => { cell.textContent = c.scoreTexts[i]; });
    fillList($('weaponlist'), c.weapons);
    fillList($('nonweaponlist'), c.nonWeapons);
    this.offerWeapons(c.offeredList);
    $('specialize').hidden = !c.specializeVisible;
    $('result').setAttribute('aria-busy', String(c.running));
    $('result').dataset.state = c.running ? 'revealing' : 'revealed';
    const link = new URL(location.href);
    link.search = query ? '?' + query : '';
    link.hash = '';
    $('link').href = link.href;
    $('link-row').hidden = !query;
    $('no-link-note').hidden = Boolean(query);
    $('result').hidden = false;
    this.fitName();
  }

  // The party's table, a row a member, the one on show marked; hidden without a party. Each
  // name is a button that shows its member.
  showParty(party) {
    $('party').hidden = !party;
    if (!party) return;
    $('party-table').tBodies[0].replaceChildren(...party.rows.map(([name, ...cells], i) => {
      const row = document.createElement('tr');
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset.member = String(i);
      button.textContent = name;
      const head = document.createElement('th');
      head.scope = 'row';
      head.append(button);
      row.append(head, ...cells.map((text) => Object.assign(document.createElement('td'), { textContent: text })));
      if (i === party.chosen) row.setAttribute('aria-current', 'true');
      return row;
    }));
    const link = new URL(location.href);
    link.search = party.query ? '?' + party.query : '';
    $('party-link').href = link.href;
    $('party-link').hidden = !party.query;
  }

  hide() {
    $('result').hidden = true;
    $('party').hidden = true;
  }

  // On a phone the character stands below the form: a new one is brought into view.
  bringIntoView() {
    const top = $('result').getBoundingClientRect().top;
    if (top < 0 || top > window.innerHeight / 2) $('result').scrollIntoView({ block: 'start' });
  }

  // The name box is as tall as the whole name. A browser that sizes it by its content does so
  // itself (style.css); elsewhere measuring lays the page out, so it is done only when the name
  // or the width has changed, not at every step of the reveal.
  fitName() {
    if (this.sizesItself) return;
    const box = $('name');
    const fitted = box.value + '\n' + window.innerWidth;
    if (fitted === this.fitted) return;
    this.fitted = fitted;
    box.style.height = 'auto';
    box.style.height = box.scrollHeight + box.offsetHeight - box.clientHeight + 'px';
  }

  offerWeapons(name) {
    if (this.lists.weapons[name] === this.offered) return;
    this.offered = this.lists.weapons[name];
    const { entries, typed } = this.offered;
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

  // The weapon the user chose to add, as the offered list takes it.
  weaponChoice() {
    return this.offered.typed ? $('weapon-choice').value : $('weapon-select').value;
  }

  // One entry from each non-weapon group, in the binding's order; the choosers start over.
  takeNonWeaponChoices() {
    const choices = this.groupSelects.map((select, g) => this.lists.nonWeaponGroups[g].entries[select.selectedIndex]);
    this.groupSelects.forEach((select) => { select.selectedIndex = 0; });
    return choices;
  }

  selectedRow(listId) {
    return $(listId).selectedIndex;
  }
}
