// The options form: mirrors the engine's rules model into radio buttons and class boxes, and
// forwards every click to it. The captions, their order and every reason come from the binding.
const $ = (id) => document.getElementById(id);

function check(container, index) {
  container.querySelectorAll('input').forEach((input, i) => { input.checked = i === index; });
}

// A withdrawn box or button says why, and only a withdrawn one.
function describe(input, reasonSpan, reason) {
  reasonSpan.textContent = reason ? ' (' + reason + ')' : '';
  if (reason) input.setAttribute('aria-describedby', reasonSpan.id);
  else input.removeAttribute('aria-describedby');
}

function reasonFor(input, id) {
  const reason = document.createElement('span');
  reason.className = 'reason';
  reason.id = id;
  input.parentElement.append(reason);
  return { input, reason };
}

export class OptionsForm {
  // `changed` hears of every change the user makes, with the model's new state.
  constructor(engine, changed) {
    this.model = engine.form;
    this.changed = changed;
    const { lists } = engine;
    const model = this.model;
    this.radios($('race'), 'race', lists.races, (i) => model.setRace(i));
    this.radios($('gender'), 'gender', lists.genders, (i) => model.setGender(i));
    this.radios($('levels'), 'levels', lists.levelRanges, (i) => model.setLevelRange(i));
    this.radios($('lawChaos'), 'lawChaos', lists.lawChaos, (i) => model.setLawChaos(i));
    this.radios($('goodEvil'), 'goodEvil', lists.goodEvil, (i) => model.setGoodEvil(i));
    this.radios($('dice'), 'dice', lists.diceMethods, (i) => model.setDiceMethod(i));
    this.radios($('schools'), 'school', lists.schools, (i) => model.selectSchool(i));
    this.schoolButtons = [...$('schools').querySelectorAll('input')]
      .map((input, i) => reasonFor(input, 'school-' + i + '-reason'));
    // The two "Neutral" buttons say which axis they are on.
    $('lawChaos').querySelectorAll('input')[1].setAttribute('aria-label', 'Neutral (law and chaos)');
    $('goodEvil').querySelectorAll('input')[1].setAttribute('aria-label', 'Neutral (good and evil)');

    this.classBoxes = lists.classes.map((caption, i) => {
      const label = document.createElement('label');
      const input = document.createElement('input');
      input.type = 'checkbox';
      input.id = 'class-' + caption.toLowerCase();
      input.addEventListener('change', () => this.user(() => model.setClassTicked(i, input.checked)));
      label.append(input, ' ' + caption);
      $('class-boxes').append(label);
      return reasonFor(input, input.id + '-reason');
    });
    $('lift').addEventListener('change', () => this.user(() => model.setRestrictionsLifted($('lift').checked)));
    $('clear-classes').addEventListener('click', () => this.user(() => model.FormShow()));
  }

  radios(container, name, captions, pick) {
    captions.forEach((caption, i) => {
      const label = document.createElement('label');
      const input = document.createElement('input');
      input.type = 'radio';
      input.name = name;
      input.value = String(i);
      input.addEventListener('change', () => this.user(() => pick(i)));
      label.append(input, ' ' + caption.trim());
      container.append(label);
    });
  }

  user(change) {
    change();
    this.changed(this.show());
  }

  // Shows the rules model's state: every tick, every withdrawn box, the school panel.
  show() {
    const s = this.model.state();
    check($('race'), s.race);
    check($('gender'), s.gender);
    check($('levels'), s.levelRange);
    check($('lawChaos'), s.lawChaos);
    check($('goodEvil'), s.goodEvil);
    check($('dice'), s.diceMethod);
    this.classBoxes.forEach(({ input, reason }, i) => {
      input.checked = s.ticked[i];
      input.disabled = !s.offered[i];
      describe(input, reason, s.offered[i] ? '' : s.reasons[i]);
    });
    $('schools').hidden = !s.panelVisible;
    this.schoolButtons.forEach(({ input, reason }, i) => {
      input.checked = s.school === i;
      input.disabled = !s.schoolOffered[i];
      describe(input, reason, s.schoolOffered[i] ? '' : s.schoolReasons[i]);
    });
    $('lift').checked = s.lifted;
    $('beyond-note').textContent = s.beyond;
    $('beyond-note').hidden = !s.beyond;
    return s;
  }
}
