// Drives the memory pages (docs/memory/*.html) in Chromium: each stepped to its end with the
// Right arrow key, every step's sentence as recorded; at the end the boxes hold the values of
// the recorded last step, every arrow reaches a box; Back then Next gives the same state; no
// error on the console. Saves a screenshot of each page at its middle step.
// Usage: node memorypages.cjs NODE_MODULES FOLDER SCREENSHOT_FOLDER
'use strict';
const fs = require('fs');
const path = require('path');

const [modules, folder, shots] = process.argv.slice(2);
const puppeteer = require(path.resolve(modules, 'puppeteer-core'));

function check(condition, what) {
  if (!condition) throw new Error(what);
}

async function main() {
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const errors = [];
  try {
    const pages = fs.readdirSync(folder).filter((name) => name.endsWith('.html')).sort();
    check(pages.length > 0, 'no page in ' + folder);
    for (const name of pages) {
      const page = await browser.newPage();
      page.on('console', (message) => {
        if (message.type() === 'error') errors.push(name + ': ' + message.text());
      });
      page.on('pageerror', (error) => errors.push(name + ': ' + String(error)));
      await page.setViewport({ width: 1400, height: 1000 });
      await page.goto('file://' + path.resolve(folder, name));
      const data = await page.evaluate(() =>
        JSON.parse(document.getElementById('memory-data').textContent));
      const view = () => page.evaluate(() => ({
        position: document.getElementById('position').textContent,
        sentence: document.getElementById('sentence').textContent,
        values: [...document.querySelectorAll('#frames .box')].map((box) =>
          box.querySelector('.name').textContent + '=' + box.querySelector('.value').textContent),
        arrows: document.querySelectorAll('#arrows > path').length,
        pointers: document.querySelectorAll('#memory [data-target]').length,
        memory: document.getElementById('memory').innerHTML,
      }));
      const last = data.steps.length - 1;
      const mid = Math.floor(last / 2);
      let middle;
      for (let i = 1; i <= last; i += 1) {
        await page.keyboard.press('ArrowRight');
        const shown = await view();
        check(shown.position === `step ${i} of ${last}`, `${name}: ${shown.position} after ${i}`);
        check(shown.sentence === data.steps[i].sentence, `${name}: step ${i} says "${shown.sentence}"`);
        check(shown.arrows === shown.pointers, `${name}: step ${i}: ${shown.pointers} pointers, ` +
          `${shown.arrows} arrows`);
        if (i === mid) {
          middle = shown;
          await page.screenshot({ path: path.join(shots, name.replace('.html', '.png')) });
        }
      }
      const end = await view();
      const recorded = data.steps[last].frames.flatMap((frame) => frame.variables)
        .filter((v) => 'int' in v.value).map((v) => v.name + '=' + v.value.int);
      for (const value of recorded) {
        check(end.values.includes(value), `${name}: at the end no box shows ${value}`);
      }
      await page.keyboard.press('Home');
      for (let i = 0; i < mid; i += 1) await page.keyboard.press('ArrowRight');
      await page.keyboard.press('ArrowLeft');
      await page.keyboard.press('ArrowRight');
      check((await view()).memory === middle.memory, `${name}: Back then Next changed step ${mid}`);
      await page.close();
      console.log(`${name}: ${last} steps, no console error`);
    }
  } finally {
    await browser.close();
  }
  check(errors.length === 0, 'the console shows errors: ' + errors.join('; '));
}

main().catch((error) => {
  console.error('memory pages: ' + error.message);
  process.exit(1);
});
