// Drives sort_steps.html in Chromium as a learner would, and fails on anything wrong: each
// sort's demo array stepped to its end with the Next button and back to its start with the
// Left arrow key, every state on the way back exactly as it was on the way out; every other
// input taken to its end with the End key; at each end the bars sorted as the sort left them
// and the counters equal to the recorded counts; Back then Next shows the same state; Space
// plays; no error on the console. Saves a screenshot taken mid-sort.
// Usage: node sortsteps.cjs NODE_MODULES PAGE.html SCREENSHOT.png
'use strict';
const path = require('path');

const [modules, pageFile, screenshot] = process.argv.slice(2);
const puppeteer = require(path.resolve(modules, 'puppeteer-core'));

function check(condition, what) {
  if (!condition) throw new Error(what);
}
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

async function main() {
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const errors = [];
  try {
    const page = await browser.newPage();
    page.on('console', (message) => {
      if (message.type() === 'error') errors.push(message.text());
    });
    page.on('pageerror', (error) => errors.push(String(error)));
    await page.setViewport({ width: 1280, height: 900 });
    await page.goto('file://' + path.resolve(pageFile));
    const data = await page.evaluate(() =>
      JSON.parse(document.getElementById('steps-data').textContent));
    const view = () => page.evaluate(() => ({
      values: [...document.querySelectorAll('#bars .slot')].map((s) => Number(s.dataset.value)),
      origins: [...document.querySelectorAll('#bars .slot')].map((s) => Number(s.dataset.origin)),
      position: document.getElementById('position').textContent,
      comparisons: Number(document.getElementById('comparisons').textContent),
      writes: Number(document.getElementById('writes').textContent),
      sentence: document.getElementById('sentence').textContent,
      stage: document.querySelector('.stage').innerHTML,
    }));
    const atEnd = (shown, input, what) => {
      check(same(shown.values, input.result), `${what}: the bars read ${shown.values}`);
      check(same(shown.origins, input.origins), `${what}: the starting slots differ`);
      check(shown.values.every((v, i) => i === 0 || shown.values[i - 1] <= v), `${what}: not sorted`);
      check(shown.comparisons === input.comparisons && shown.writes === input.writes,
        `${what}: counters ${shown.comparisons} and ${shown.writes}, recorded ` +
        `${input.comparisons} and ${input.writes}`);
    };

    for (const [s, sort] of data.sorts.entries()) {
      await page.click(`#sorts button:nth-child(${s + 1})`);
      const demo = sort.inputs.findIndex((input) => input.label.startsWith("the demo's"));
      await page.select('#input', String(demo));
      const input = sort.inputs[demo];
      const count = input.steps.length;
      const what = `${sort.name}, ${input.label}`;
      const states = [await view()];
      check(same(states[0].values, input.values), `${what}: does not start from its values`);
      for (let i = 1; i <= count; i += 1) {
        await page.click('#next');
        const shown = await view();
        check(shown.position === `step ${i} of ${count}`, `${what}: after ${i} Next, ${shown.position}`);
        check(shown.sentence === input.steps[i - 1].s, `${what}: step ${i} says "${shown.sentence}"`);
        states.push(shown);
      }
      atEnd(states[count], input, what);
      await page.evaluate(() => document.activeElement.blur());  // keys from the page itself
      for (let i = count - 1; i >= 0; i -= 1) {
        await page.keyboard.press('ArrowLeft');
        check(same(await view(), states[i]), `${what}: back at step ${i}, not as it was`);
      }
      const mid = Math.floor(count / 2);
      for (let i = 0; i < mid; i += 1) await page.keyboard.press('ArrowRight');
      await page.keyboard.press('ArrowLeft');
      await page.keyboard.press('ArrowRight');
      check(same(await view(), states[mid]), `${what}: Back then Next changed step ${mid}`);

      for (const [i, other] of sort.inputs.entries()) {
        if (i === demo) continue;
        await page.select('#input', String(i));
        await page.evaluate(() => document.activeElement.blur());
        await page.keyboard.press('End');
        const shown = await view();
        check(shown.position === `step ${other.steps.length} of ${other.steps.length}`,
          `${sort.name}, ${other.label}: End gave ${shown.position}`);
        atEnd(shown, other, `${sort.name}, ${other.label}`);
        await page.keyboard.press('Home');
        check((await view()).position === `step 0 of ${other.steps.length}`, 'Home: not at the start');
      }
    }

    // Space plays and pauses.
    await page.click('#sorts button:nth-child(1)');
    await page.evaluate(() => document.activeElement.blur());
    await page.keyboard.press(' ');
    await new Promise((resolve) => setTimeout(resolve, 600));
    await page.keyboard.press(' ');
    const played = await view();
    check(played.position !== `step 0 of ${data.sorts[0].inputs[0].steps.length}`, 'Space did not play');

    // Mid-sort, for the picture: bubble sort on random values, halfway.
    const random = data.sorts[0].inputs.findIndex((input) => input.label.includes('random'));
    await page.select('#input', String(random));
    await page.evaluate(() => document.activeElement.blur());
    const half = Math.floor(data.sorts[0].inputs[random].steps.length / 2);
    for (let i = 0; i < half; i += 1) await page.keyboard.press('ArrowRight');
    await page.screenshot({ path: screenshot });
  } finally {
    await browser.close();
  }
  check(errors.length === 0, 'the console shows errors: ' + errors.join('; '));
  console.log('sort_steps.html: every sort and input stepped through, no console error');
}

main().catch((error) => {
  console.error('sort_steps.html: ' + error.message);
  process.exit(1);
});
