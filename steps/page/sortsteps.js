// The sort pages: each input's recorded steps replayed into the states they lead to, once, and
// render(step) drawing one of them. Every sentence comes from the record.
/* global makeStepper */
(function () {
  const data = JSON.parse(document.getElementById('steps-data').textContent);
  const byId = (id) => document.getElementById(id);
  const stepper = makeStepper(render);
  let sort = data.sorts[0];
  let input = sort.inputs[0];
  let states = [];

  // The state after each step: the array, the scratch run, the marks, what the step touched,
  // the counts so far, and its sentence.
  function replay(recorded) {
    let values = recorded.values.map((v, i) => ({ v, o: i }));
    let scratch = [];
    let marks = { f: -1, t: -1, n: -1, l: -1, d: -1, h: -1, p: -1, b: -1, v: 0 };
    let comparisons = 0;
    let writes = 0;
    const out = [
      { values, scratch, marks, compared: [], written: [], writtenScratch: [], comparisons,
        writes, sentence: recorded.begin },
    ];
    for (const step of recorded.steps) {
      values = values.slice();
      scratch = step.x ? [] : scratch.slice();
      const written = [];
      const writtenScratch = [];
      for (const [toScratch, slot, v, o] of step.w || []) {
        (toScratch ? scratch : values)[slot] = { v, o };
        (toScratch ? writtenScratch : written).push(slot);
        writes += 1;
      }
      if (step.c) comparisons += 1;
      if (step.m) marks = step.m;
      out.push({ values, scratch, marks, compared: step.cs ? [] : step.c || [], written,
        writtenScratch, comparisons, writes, sentence: step.s });
    }
    return out;
  }

  // A bar's place: from the zero line up, or down for a negative value, within the input's
  // range of values (zero always in it).
  function scale(values) {
    const low = Math.min(0, ...values);
    const high = Math.max(0, ...values);
    const span = high - low || 1;
    return (v) => ({
      bottom: (100 * (Math.min(v, 0) - low)) / span,
      height: Math.max((100 * Math.abs(v)) / span, 0.8),
    });
  }

  // The words beside each colour: what a slot is at this step.
  function tagsOf(state, i) {
    const m = state.marks;
    const tags = [];
    if (state.compared.includes(i)) tags.push('compare');
    if (state.written.includes(i)) tags.push('write');
    if ((m.f >= 0 && i >= m.f) || (m.t >= 0 && i < m.t)) tags.push('final');
    if (i === m.n) tags.push('min');
    if (i === m.p) tags.push('pivot');
    if (m.l >= 0 && m.d >= 0 && i >= m.l && i <= m.h) tags.push(i <= m.d ? 'left' : 'right');
    if (i === m.b) tags.push('next left');
    return tags;
  }

  function drawRow(container, entries, classesOf, place, labelled) {
    container.replaceChildren();
    entries.forEach((entry, i) => {
      const slot = document.createElement('div');
      slot.className = ['slot', ...classesOf(i)].join(' ');
      if (entry === undefined) {
        container.append(slot);
        return;
      }
      slot.dataset.value = entry.v;
      slot.dataset.origin = entry.o;
      const bar = document.createElement('div');
      bar.className = 'bar';
      const at = place(entry.v);
      bar.style.bottom = at.bottom + '%';
      bar.style.height = at.height + '%';
      const value = document.createElement('span');
      value.className = 'value';
      value.textContent = entry.v;
      const origin = document.createElement('span');
      origin.className = 'origin';
      origin.textContent = '#' + entry.o;
      origin.title = 'started in slot ' + entry.o;
      const tags = document.createElement('span');
      tags.className = 'tags';
      tags.textContent = labelled(i).join(' ');
      tags.title = tags.textContent;
      slot.append(bar, value, origin, tags);
      container.append(slot);
    });
  }

  function render(step) {
    const state = states[step];
    const m = state.marks;
    const place = scale(input.values);
    drawRow(byId('bars'), state.values, (i) => {
      const classes = tagsOf(state, i).map((tag) => ({
        compare: 'compared', write: 'written', final: 'final', min: 'minimum', pivot: 'pivot',
        left: 'left-run', right: 'right-run', 'next left': 'boundary' })[tag]);
      if (m.l >= 0 && (i < m.l || i > m.h)) classes.push('outside');
      return classes;
    }, place, (i) => tagsOf(state, i));
    const scratchRow = byId('scratch');
    scratchRow.hidden = sort.key !== 'merge' || m.l < 0;
    scratchRow.replaceChildren();  // drawn from this state alone, or left empty
    if (!scratchRow.hidden) {
      const run = [];
      for (let i = 0; i < input.values.length; i += 1) run.push(i >= m.l && i <= m.h ? state.scratch[i - m.l] : undefined);
      drawRow(scratchRow, run, (i) => (state.writtenScratch.includes(i - m.l) ? ['written'] : []),
        place, (i) => (state.writtenScratch.includes(i - m.l) ? ['write'] : []));
    }
    byId('position').textContent = 'step ' + step + ' of ' + (states.length - 1);
    byId('comparisons').textContent = state.comparisons;
    byId('writes').textContent = state.writes;
    byId('sentence').textContent = state.sentence;
  }

  function choose(sortIndex, inputIndex) {
    sort = data.sorts[sortIndex];
    input = sort.inputs[inputIndex];
    states = replay(input);
    document.querySelectorAll('#sorts button').forEach((button, i) => {
      button.setAttribute('aria-pressed', String(i === sortIndex));
    });
    const select = byId('input');
    select.replaceChildren(...sort.inputs.map((each, i) => new Option(each.label, i)));
    select.value = String(inputIndex);
    byId('where').textContent = sort.where;
    byId('code').textContent = sort.source;
    byId('legend').textContent = data.legend[sort.key];
    stepper.reset(states.length);
  }

  data.sorts.forEach((each, i) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = each.name;
    button.addEventListener('click', () => choose(i, 0));
    byId('sorts').append(button);
  });
  byId('input').addEventListener('change', (event) => {
    choose(data.sorts.indexOf(sort), Number(event.target.value));
  });
  choose(0, 0);
})();
