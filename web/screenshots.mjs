// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's pictures of the page, a laptop's and a phone's, in
// headless Chromium: run from web/ after the site is built.
//   node screenshots.mjs FOLDER
import { control, menu, ok, mark, openPage, startBrowser, type } from './tests/browser.mjs';

const folder = process.argv[2] ?? '.';
const session = await startBrowser();

async function designPass(page) {
  await menu(page, 'mnuPer');
  await mark(page, 'ATverd', 'Option5');
  await ok(page, 'ATverd');
  await mark(page, 'Czakalka2', 'Option3');
  await ok(page, 'Czakalka2');
  await mark(page, 'stal4', 'Option1');
  await ok(page, 'stal4');
  await type(page, 'Vvod2', 'Text1', '20');
  await type(page, 'Vvod2', 'Text3', '100');
  await type(page, 'Vvod2', 'Combo1', '4.0');
  await ok(page, 'Vvod2');
  await type(page, 'Vibor', 'Combo1', '2.5');
  await ok(page, 'Vibor');
  await control(page, 'okon', 'Combo1').selectOption({ index: 21 });
  await ok(page, 'okon');
}

try {
  const laptop = await openPage(session, { locale: 'ru-RU', width: 1366, height: 768 });
  await menu(laptop, 'mnuSteps');
  await designPass(laptop);
  await ok(laptop, 'okonchanie', 'Command1');
  // The drawing alone on the desk, the results closed under it.
  await ok(laptop, 'okonchanie', 'Command2');
  await laptop.screenshot({ path: `${folder}/web-laptop.png` });

  const phone = await openPage(session, { locale: 'ru-RU', width: 360, height: 740 });
  await menu(phone, 'mnuKol');
  for (const [field, text] of [['Text1', '40'], ['Text4', '30'], ['Text5', '105'], ['Text6', '20']])
    await type(phone, 'Vvod', field, text);
  await ok(phone, 'Vvod');
  await type(phone, 'Vibor', 'Combo1', '2.5');
  await ok(phone, 'Vibor');
  await phone.locator('#vivod1').scrollIntoViewIfNeeded();
  await phone.screenshot({ path: `${folder}/web-phone.png` });
} finally {
  await session.close();
}
