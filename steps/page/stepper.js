// The step control of the step-by-step pages: Start, Back, Play or Pause, Next and End, a
// speed, and the keys that do the same (Home, Left, Space, Right, End). A page gives it
// render(step); every control only moves the step and calls render, so that none can drift
// from another, and Back shows exactly what was shown before.
/* exported makeStepper */
function makeStepper(render) {
  const byId = (id) => document.getElementById(id);
  const play = byId('play');
  let last = 0;
  let step = 0;
  let timer = null;

  function pause() {
    if (timer !== null) clearInterval(timer);
    timer = null;
    play.textContent = '\u25B6 Play';
    play.setAttribute('aria-pressed', 'false');
  }

  function show(to) {
    step = Math.max(0, Math.min(last, to));
    render(step);
    if (step === last) pause();
  }

  function resume() {
    if (step === last) show(0);
    timer = setInterval(() => show(step + 1), 1000 / Number(byId('speed').value));
    play.textContent = '\u23F8 Pause';
    play.setAttribute('aria-pressed', 'true');
  }

  const moves = {
    start: () => show(0),
    back: () => show(step - 1),
    next: () => show(step + 1),
    end: () => show(last),
  };
  for (const [id, move] of Object.entries(moves)) {
    byId(id).addEventListener('click', () => {
      pause();
      move();
    });
  }
  play.addEventListener('click', () => (timer === null ? resume() : pause()));
  byId('speed').addEventListener('input', () => {
    if (timer !== null) {
      pause();
      resume();
    }
  });

  const keys = { Home: 'start', ArrowLeft: 'back', ' ': 'play', ArrowRight: 'next', End: 'end' };
  document.addEventListener('keydown', (event) => {
    const target = event.target;
    // A focused button takes Space itself, and the list and the slider take the arrows.
    if (target instanceof HTMLSelectElement || target instanceof HTMLInputElement) return;
    if (target instanceof HTMLButtonElement && (event.key === ' ' || event.key === 'Enter')) return;
    const id = keys[event.key];
    if (id === undefined || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    byId(id).click();
  });

  return {
    // A new list of states: back to its first.
    reset(count) {
      pause();
      last = count - 1;
      show(0);
    },
    get step() {
      return step;
    },
  };
}
