// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's pictures of the page, a laptop's and a phone's, and
// the print preview of the calculation note (pdftoppm), in headless
// Chromium: run from web/ after the site is built.
//   node screenshots.mjs FOLDER
import { execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { designUpToModule, menu, ok, openPage, startBrowser, takeModuleAndSteel, type }
  from './tests/browser.mjs';

const folder = process.argv[2] ?? '.';
const session = await startBrowser();

async function designPass(page) {
  await designUpToModule(page, '4.0');
  await takeModuleAndSteel(page, '2.5');
}

try {
  const laptop = await openPage(session, { locale: 'ru-RU', width: 1280, height: 800 });
  await menu(laptop, 'mnuSteps');
  await designPass(laptop);
  await ok(laptop, 'okonchanie', 'Command1');
  // The drawing alone on the desk, the results closed under it.
  await ok(laptop, 'okonchanie', 'Command2');
  await laptop.screenshot({ path: `${folder}/web-laptop.png` });
  // The note, as the browser prints it: its first two pages side by side.
  await menu(laptop, 'mnuReport');
  for (const [field, text] of [['name', 'Иванов И. И.'], ['group', 'МТ-21'], ['variant', '17']])
    await laptop.fill(`#report [data-name=${field}]`, text);
  const pdf = join(mkdtempSync(join(tmpdir(), 'gear-note-')), 'note.pdf');
  writeFileSync(pdf, await laptop.pdf({ format: 'A4' }));
  execFileSync('pdftoppm', ['-png', '-r', '50', '-f', '1', '-l', '2', pdf, join(folder, 'web-print')]);
  execFileSync('convert', [join(folder, 'web-print-1.png'), join(folder, 'web-print-2.png'), '-bordercolor', 'gray',
    '-border', '1', '+append', join(folder, 'web-print.png')]);

  // A phone: the hardness table with its marks in sight, then a sketch.
  const hardness = await openPage(session, { locale: 'ru-RU', width: 390, height: 844, touch: true });
  await menu(hardness, 'mnuPer');
  await hardness.locator('#ATverd').scrollIntoViewIfNeeded();
  await hardness.screenshot({ path: `${folder}/web-phone-table.png` });
  const phone = await openPage(session, { locale: 'ru-RU', width: 390, height: 844, touch: true });
  await menu(phone, 'mnuKol');
  for (const [field, text] of [['Text1', '40'], ['Text4', '30'], ['Text5', '105'], ['Text6', '20'], ['Text7', '40']])
    await type(phone, 'Vvod', field, text);
  await ok(phone, 'Vvod');
  await type(phone, 'Vibor', 'Combo1', '2.5');
  await ok(phone, 'Vibor');
  await phone.locator('#vivod1').scrollIntoViewIfNeeded();
  await phone.screenshot({ path: `${folder}/web-phone.png` });
} finally {
  await session.close();
}
