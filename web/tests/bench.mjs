// SPDX-License-Identifier: GPL-3.0-or-later
// How soon the page is usable, against a blank page with one module script
// served the same way, in one run: on a laptop-sized window, and at phone
// size with the processor slowed four times. Prints the figures; it asserts
// nothing, since a shared machine's timing is no test.
//   node tests/bench.mjs [RUNS]
import { startBrowser } from './browser.mjs';

const runs = Number(process.argv[2] ?? 15);
const kBlank = '<!DOCTYPE html><html lang="ru"><title>-</title><script type="module" src="blank.js"></script></html>';

async function once(session, { blank, width, height, slowdown }) {
  const context = await session.browser.newContext({ viewport: { width, height }, locale: 'ru-RU' });
  const page = await context.newPage();
  await page.route('**/blank.html', (route) => route.fulfill({ contentType: 'text/html', body: kBlank }));
  await page.route('**/blank.js', (route) => route.fulfill({ contentType: 'text/javascript',
    body: "performance.mark('gear-ready'); document.documentElement.dataset.ready = 'true';" }));
  if (slowdown > 1) {
    const cdp = await context.newCDPSession(page);
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: slowdown });
  }
  await page.goto(`${session.url}${blank ? 'blank.html' : ''}`);
  await page.waitForSelector('[data-ready]');
  const ms = await page.evaluate(() => performance.getEntriesByName('gear-ready')[0].startTime);
  await context.close();
  return ms;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const session = await startBrowser();
try {
  console.log(`first usable screen, median of ${runs} cold loads (ms after navigation):`);
  console.log('| size | page | blank page |');
  console.log('| --- | ---: | ---: |');
  for (const size of [{ name: '1366×768', width: 1366, height: 768, slowdown: 1 },
    { name: '390×844, CPU ×4 slower', width: 390, height: 844, slowdown: 4 }]) {
    const page = [];
    const blank = [];
    // Alternated, so that a busy moment of the machine falls on both.
    for (let i = 0; i < runs; ++i) {
      page.push(await once(session, { ...size, blank: false }));
      blank.push(await once(session, { ...size, blank: true }));
    }
    console.log(`| ${size.name} | ${median(page).toFixed(0)} | ${median(blank).toFixed(0)} |`);
  }
} finally {
  await session.close();
}
