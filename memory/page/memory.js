// The memory pages: each recorded step drawn from itself alone: the source with the line just
// run, what was printed, the frames and the nodes as boxes, and an arrow from each pointer to
// the box it points at. The sentences, the notes and the names come from the record.
/* global makeStepper */
(function () {
  const data = JSON.parse(document.getElementById('memory-data').textContent);
  const byId = (id) => document.getElementById(id);
  const steps = data.steps;

  // A value as the box shows it; a pointer shows the address it holds and where that is.
  function valueText(value) {
    if ('int' in value) return String(value.int);
    if ('bool' in value) return value.bool ? 'true' : 'false';
    if ('unreadable' in value) return '(not readable here)';
    if ('object' in value) return '(a library object)';
    if ('pointer' in value) {
      const target = value.pointer;
      if (target === 'nullptr') return 'nullptr';
      if (target === 'elsewhere') return '(an address outside the drawing)';
      if (target.endsWith(', deleted')) {
        return (data.addresses[target.replace(', deleted', '')] || '') + ' (' + target + ')';
      }
      const address = data.addresses[target.replace(', deleted', '')] || '';
      return address + ' \u2192 ' + target;
    }
    return '';
  }

  function element(tag, className, text) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
  }

  // One row of a box: a variable or a field. Pointers get data-target for their arrow.
  function row(name, type, object, value, changed, kind) {
    const box = element('div', 'box' + (changed ? ' changed' : ''));
    if (object) box.dataset.object = object;
    box.append(element('span', 'name', name));
    if (type) box.append(element('span', 'type', type));
    if (object && data.addresses[object]) {
      box.append(element('span', 'address', 'at ' + data.addresses[object]));
    }
    const shown = element('span', 'value', value.fields ? '' : valueText(value));
    // An arrow to every box drawn: not to nothing, nor outside, nor to a node deleted.
    if (value.pointer && value.pointer !== 'nullptr' && value.pointer !== 'elsewhere' &&
        !value.pointer.endsWith(', deleted')) {
      shown.dataset.target = value.pointer;
      shown.dataset.kind = kind || 'other';
    }
    box.append(shown);
    return box;
  }

  function fieldsOf(parent, value, before, owner) {
    for (const [i, field] of value.fields.entries()) {
      const was = before && before.fields ? before.fields[i] : undefined;
      const kind = field.name === 'nextNode' ? 'next' : field.name === 'prevNode' ? 'prev' : 'other';
      parent.append(row(field.name, field.type, owner && i === 0 ? owner : '', field.value,
        was !== undefined && JSON.stringify(was.value) !== JSON.stringify(field.value), kind));
    }
  }

  function lookup(step, frame, name) {
    if (!step) return undefined;
    const same = step.frames.find((f) => f.function === frame);
    return same ? same.variables.find((v) => v.name === name) : undefined;
  }

  function drawArrows() {
    const svg = byId('arrows');
    svg.replaceChildren();
    const origin = byId('memory').getBoundingClientRect();
    const perTarget = {};
    for (const cell of document.querySelectorAll('[data-target]')) {
      const target = document.querySelector('[data-object="' + CSS.escape(cell.dataset.target) + '"]');
      if (!target) continue;
      const from = cell.getBoundingClientRect();
      const to = target.getBoundingClientRect();
      const count = (perTarget[cell.dataset.target] = (perTarget[cell.dataset.target] || 0) + 1);
      const x1 = from.right - origin.left + 4;
      const y1 = from.top + from.height / 2 - origin.top;
      const toRight = to.left > from.right;
      const x2 = (toRight ? to.left : to.right) - origin.left + (toRight ? -2 : 2);
      const y2 = to.top - origin.top + 8 + 7 * (count - 1);
      const bend = cell.dataset.kind === 'prev' ? -60 : 60;
      const path = document.createElementNS('http://www.w3.org/2000/svg', 'path');
      path.setAttribute('d', `M${x1},${y1} C${x1 + bend},${y1} ${x2 + (toRight ? -bend : bend)},${y2} ${x2},${y2}`);
      path.setAttribute('class', cell.dataset.kind);
      path.setAttribute('marker-end', 'url(#head-' + cell.dataset.kind + ')');
      svg.append(path);
    }
    const defs = document.createElementNS('http://www.w3.org/2000/svg', 'defs');
    for (const [kind, colour] of [['next', '#0969da'], ['prev', '#bf3989'], ['other', '#1b1b1b']]) {
      const marker = document.createElementNS('http://www.w3.org/2000/svg', 'marker');
      marker.setAttribute('id', 'head-' + kind);
      marker.setAttribute('viewBox', '0 0 10 10');
      marker.setAttribute('refX', '9');
      marker.setAttribute('refY', '5');
      marker.setAttribute('markerWidth', '7');
      marker.setAttribute('markerHeight', '7');
      marker.setAttribute('orient', 'auto-start-reverse');
      const head = document.createElementNS('http://www.w3.org/2000/svg', 'path');
      head.setAttribute('d', 'M0,0 L10,5 L0,10 z');
      head.setAttribute('fill', colour);
      marker.append(head);
      defs.append(marker);
    }
    svg.prepend(defs);
  }

  function render(index) {
    const step = steps[index];
    const before = index > 0 ? steps[index - 1] : undefined;
    const [file, line] = step.ran || [step.file, 0];
    byId('file').textContent = file + (step.ran ? ': the highlighted line has just run' : '');
    const code = byId('code');
    code.replaceChildren(...data.files[file].map((text, i) => {
      const shown = element('span', 'code-line' + (i + 1 === line ? ' ran' : ''));
      shown.append(element('span', 'number', String(i + 1)), document.createTextNode(text));
      return shown;
    }));
    const ran = code.querySelector('.ran');
    if (ran) code.scrollTop = ran.offsetTop - code.offsetTop - code.clientHeight / 2;
    byId('printed').textContent = step.printed;
    const frames = byId('frames');
    frames.replaceChildren(...step.frames.map((frame, i) => {
      const box = element('div', 'frame' + (i === 0 ? ' innermost' : ''));
      box.append(element('h3', '', frame.function + ', line ' + frame.line));
      for (const variable of frame.variables) {
        const was = lookup(before, frame.function, variable.name);
        const changed = was !== undefined && JSON.stringify(was.value) !== JSON.stringify(variable.value);
        box.append(row(variable.name, variable.type, variable.object, variable.value, changed));
        if (variable.value.fields) fieldsOf(box, variable.value, was ? was.value : undefined);
      }
      return box;
    }));
    const heap = byId('heap');
    heap.replaceChildren(...step.heap.map((node) => {
      const box = element('div', 'node');
      box.dataset.object = node.name;
      box.append(element('h3', '', node.name + ' (' + node.type + ') at ' + (data.addresses[node.name] || '')));
      const was = before ? before.heap.find((n) => n.name === node.name) : undefined;
      fieldsOf(box, node.value, was ? was.value : undefined);
      return box;
    }));
    if (step.heap.length === 0) heap.append(element('p', 'note', data.emptyHeap));
    byId('position').textContent = 'step ' + index + ' of ' + (steps.length - 1);
    byId('sentence').textContent = step.sentence;
    drawArrows();
  }

  const stepper = makeStepper(render);
  stepper.reset(steps.length);
  window.addEventListener('resize', () => render(stepper.step));
})();
