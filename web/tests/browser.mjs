// SPDX-License-Identifier: GPL-3.0-or-later
// Headless Chromium on the built site, served on 127.0.0.1 only.
import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { serve } from '../serve.mjs';

const root = fileURLToPath(new URL('../../', import.meta.url));
export const siteFolder = process.env.GEAR_SITE ?? `${root}build/web/site`;
const workedNumbers = process.env.GEAR_WORKED_NUMBERS ?? `${root}build/test/tests/worked_numbers`;
const gearcalc = process.env.GEAR_GEARCALC ?? `${root}build/test/gearcalc`;
export const sampleFiles = `${root}tests/data`;

// What the desktop program shows for the worked passes, by the native core,
// and once it has opened each of `files`.
export function desktopShows(separator, files = []) {
  return JSON.parse(execFileSync(workedNumbers, [separator, ...files], { encoding: 'utf8' }));
}

// The native core's sentence for a calculation file it refuses, as gearcalc
// says it after «Файл «…» не открыт.».
export function coreRefusal(path) {
  try {
    execFileSync(gearcalc, [path], { encoding: 'utf8', stdio: 'pipe' });
  } catch (failed) {
    const said = failed.stderr.trim();
    const opening = '» не открыт. ';
    return said.slice(said.indexOf(opening) + opening.length);
  }
  throw new Error(`gearcalc took ${path}`);
}

export async function startBrowser() {
  const server = await serve(siteFolder, 0);
  const browser = await chromium.launch({
    executablePath: process.env.GEAR_CHROMIUM ?? '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-dev-shm-usage', '--no-first-run', '--disable-extensions'],
  });
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {
    url,
    browser,
    async close() {
      await browser.close();
      server.close();
    },
  };
}

// A fresh page, its core loaded; errors of the page fail the test that asks.
// The page is Russian with a point for the decimal separator unless `lang`
// is null (the browser's language decides); `touch` makes it a phone's.
export async function openPage(session, { locale = 'en-US', width = 1366, height = 768, lang = 'ru', touch = false,
  ready = true } = {}) {
  const context = await session.browser.newContext({ locale, viewport: { width, height }, hasTouch: touch, isMobile: touch });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  page.address = lang ? `${session.url}?lang=${lang}` : session.url;
  await page.goto(page.address);
  if (ready) await page.waitForSelector('body[data-ready]');
  page.errors = errors;
  return page;
}

export function control(page, screen, name) {
  return page.locator(`#${screen} [data-name="${name}"]`);
}

export async function menu(page, command) {
  await page.click(`#Nachalo [data-name="${command}"]`);
}

export async function ok(page, screen, button = 'Command1') {
  await control(page, screen, button).click();
}

export async function mark(page, screen, option) {
  await control(page, screen, option).check();
}

// Types into a field key by key, as a student does.
export async function type(page, screen, name, text) {
  const field = control(page, screen, name);
  await field.fill('');
  await field.pressSequentially(text);
}

// «Передача» up to its input screen, nothing typed there yet.
export async function toDesignInput(page, visit = async () => {}) {
  await menu(page, 'mnuPer');
  await visit('ATverd');
  await mark(page, 'ATverd', 'Option5');
  await ok(page, 'ATverd');
  await mark(page, 'Czakalka2', 'Option3');
  await ok(page, 'Czakalka2');
  await mark(page, 'stal4', 'Option1');
  await ok(page, 'stal4');
  await visit('Vvod2');
}

// «Передача» as a student walks it up to the module choice: «Цементация»
// on both screens, «Сталь 18ХГТ», Z1 = 20, T = 100 and the ratio given;
// `visit` is told of each screen as it opens.
export async function designUpToModule(page, ratio, visit = async () => {}) {
  await toDesignInput(page, visit);
  await type(page, 'Vvod2', 'Text1', '20');
  await type(page, 'Vvod2', 'Text3', '100');
  await type(page, 'Vvod2', 'Combo1', ratio);
  await ok(page, 'Vvod2');
}

// On from the module choice to the results: the module typed in the first
// row, then the steel of row 21, «Сталь 18ХГТ».
export async function takeModuleAndSteel(page, module, visit = async () => {}) {
  await visit('Vibor');
  await type(page, 'Vibor', 'Combo1', module);
  await ok(page, 'Vibor');
  await visit('okon');
  await control(page, 'okon', 'Combo1').selectOption({ index: 21 });
  await ok(page, 'okon');
}

export async function shown(page, screen) {
  return page.locator(`#${screen}`).isVisible();
}
