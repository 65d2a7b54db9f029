// SPDX-License-Identifier: GPL-3.0-or-later
// The core's drawings on the page and calculation files through it, in
// headless Chromium, against the native core: each worked pass's drawing
// with the desktop's dimensions, the drawing saved as SVG and DXF, sample
// files written by the native core opened, broken files refused, and the
// page's saved files as the native core writes them.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { control, coreRefusal, designUpToModule, desktopShows, mark, menu, ok, openPage, sampleFiles, shown, startBrowser,
  takeModuleAndSteel, type } from './browser.mjs';

const hardened = `${sampleFiles}/hardened.gear`;
const wheelAndCheck = `${sampleFiles}/wheel_and_check.gear`;
const desktop = desktopShows(',', [hardened, wheelAndCheck]);
const desktopPoint = desktopShows('.');
let session;

before(async () => {
  session = await startBrowser();
});
after(async () => {
  await session?.close();
});

// A wheel of 40 teeth with the module its tip diameter gives.
const moduleOf = { 105: '2.5', 420: '10.0', 840: '20.0' };

async function wheelPass(page, tipDiameter) {
  await menu(page, 'mnuKol');
  for (const [field, text] of [['Text1', '40'], ['Text4', '30'], ['Text5', tipDiameter], ['Text6', '20'], ['Text7', '40']])
    await type(page, 'Vvod', field, text);
  await ok(page, 'Vvod');
  await type(page, 'Vibor', 'Combo1', moduleOf[tipDiameter]);
  await ok(page, 'Vibor');
}

async function designPass(page) {
  await designUpToModule(page, '4.0');
  await takeModuleAndSteel(page, '2.5');
}

async function checkPass(page) {
  await menu(page, 'mnuProv');
  await mark(page, 'trebov2', 'Option2');
  await ok(page, 'trebov2');
  await mark(page, 'BNormal2', 'Option2');
  await ok(page, 'BNormal2');
  await mark(page, 'stal2', 'Option1');
  await ok(page, 'stal2');
  await type(page, 'Vvod3', 'Text1', '240');
  await type(page, 'Vvod3', 'Text2', '60');
  await type(page, 'Vvod3', 'Text4', '40');
  await ok(page, 'Vvod3');
}

// The texts of an SVG one a line, in the order it holds them.
function svgTexts(svg) {
  return [...svg.matchAll(/<text[^>]*>([^<]*)<\/text>/g)].map(([, text]) => text
    .replaceAll('&lt;', '<').replaceAll('&gt;', '>').replaceAll('&quot;', '"').replaceAll('&amp;', '&'))
    .map((text) => `${text}\n`).join('');
}

async function downloaded(page, click) {
  const [download] = await Promise.all([page.waitForEvent('download'), click()]);
  return { name: download.suggestedFilename(), text: readFileSync(await download.path(), 'utf8') };
}

// Chooses the file in «Открыть…» and waits until the page has read it.
async function openFile(page, file) {
  const handled = await page.evaluate(() => window.gear.filesHandled);
  await page.locator('#Nachalo [data-name=mnuOpen]').setInputFiles(file);
  await page.waitForFunction((before) => window.gear.filesHandled > before, handled);
}

// Everything a student sees or the session holds, to tell that nothing
// changed.
function everything(page) {
  return page.evaluate(() => ({
    title: document.title,
    state: JSON.stringify(window.gear.state()),
    screens: [...document.querySelectorAll('.screen')].map((s) => `${s.id} ${s.hidden}`),
    fields: [...document.querySelectorAll('.screen input, .screen select')]
      .map((f) => `${f.closest('.screen').id}.${f.dataset.name} ${f.type === 'radio' ? f.checked : f.value}`),
    captions: [...document.querySelectorAll('.screen output, .screen dd, .screen td.value')].map((c) => c.textContent),
    drawings: [...document.querySelectorAll('.drawing')].map((d) => d.innerHTML),
    walkthrough: document.querySelector('#hodRascheta [data-name=Text1]').innerHTML,
  }));
}

describe('drawings and files', () => {
  test('draws each worked pass with the native core\'s dimensions, in the page\'s separator', async () => {
    const page = await openPage(session, { locale: 'ru-RU' });
    const cases = [
      ['wheel', () => wheelPass(page, '105')],
      ['discWheel', () => wheelPass(page, '420')],
      ['spokedWheel', () => wheelPass(page, '840')],
      ['transmission', async () => {
        await designPass(page);
        await ok(page, 'okonchanie', 'Command1');
      }],
    ];
    for (const [pass, play] of cases) {
      await play();
      const expected = desktop[pass];
      const picture = expected.sketch ? `${expected.sketch}.Image1` : `vivod4.Image${expected['vivod4.Image']}`;
      const [screen, name] = picture.split('.');
      assert.equal(await shown(page, screen), true, pass);
      const svg = control(page, screen, name).locator('svg');
      assert.equal(await svg.count(), 1, pass);
      const texts = await svg.locator('text').allTextContents();
      assert.equal(texts.map((t) => `${t}\n`).join(''), expected[`${picture}.drawing`], pass);
      assert.ok(texts.some((t) => /\d,\d/.test(t)), `${pass}: a Russian browser's comma`);
    }
    assert.deepEqual(page.errors, []);
  });

  test('keeps a drawing legible on a phone and scrolls it rather than squash it', async () => {
    const page = await openPage(session, { locale: 'ru-RU', width: 360, height: 740 });
    for (const [diameter, sketch, scrolls] of [['105', 'vivod1', false], ['840', 'vivod3', true]]) {
      await wheelPass(page, diameter);
      const facts = await control(page, sketch, 'Image1').evaluate((picture) => {
        const letters = [...picture.querySelectorAll('text')].map((t) => t.getBoundingClientRect().height);
        return {
          right: picture.getBoundingClientRect().right,
          scrolls: picture.scrollWidth > picture.clientWidth,
          smallest: Math.min(...letters),
        };
      });
      assert.ok(facts.right <= 360, `${sketch} reaches ${facts.right} px`);
      assert.equal(facts.scrolls, scrolls, sketch);
      assert.ok(facts.smallest >= 9, `${sketch}: letters ${facts.smallest} px high`);
      await ok(page, sketch);
    }
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), 360);
  });

  test('saves the drawing on its sheet as SVG and as DXF', async () => {
    const page = await openPage(session, { locale: 'ru-RU' });
    await wheelPass(page, '420');
    const dialog = page.locator('#saveDrawing');
    await ok(page, 'vivod2', 'Command2');
    assert.equal(await dialog.isVisible(), true);
    const svg = await downloaded(page, () => dialog.locator('[data-name=Command1]').click());
    assert.equal(await dialog.isVisible(), false);
    assert.equal(svg.name, 'Колесо.svg', 'named after the mode of a work no file holds');
    assert.match(svg.text, /^<\?xml version="1.0" encoding="UTF-8"\?>\n<svg [^>]*width="420mm" height="297mm"/, 'an A3 sheet across, the wheel beside the table');
    assert.equal(svgTexts(svg.text), desktop.discWheel['vivod2.Image1.sheet']);

    await ok(page, 'vivod2', 'Command2');
    await dialog.locator('[data-name=Option2]').check();
    const dxf = await downloaded(page, () => dialog.locator('[data-name=Command1]').click());
    assert.equal(dxf.name, 'Колесо.dxf');
    assert.match(dxf.text, /^0\nSECTION\n2\nHEADER\n/);
    assert.match(dxf.text, /\n\\U\+2300420\n/, 'the tip diameter as a working drawing writes it, ⌀420');

    // Cancel and Esc save nothing.
    await ok(page, 'vivod2', 'Command2');
    await dialog.locator('[data-name=Command2]').click();
    assert.equal(await dialog.isVisible(), false);
    await ok(page, 'vivod2', 'Command2');
    await page.keyboard.press('Escape');
    assert.equal(await dialog.isVisible(), false);
    assert.equal(await shown(page, 'vivod2'), true, 'Esc closes the dialog, not the screen');
    assert.deepEqual(page.errors, []);
  });

  test('opens a file the native core wrote: every screen as saved, the same results, Ok goes on', async () => {
    const page = await openPage(session, { locale: 'ru-RU' });
    await wheelPass(page, '105');
    await openFile(page, hardened);
    assert.equal(await page.locator('[role=alertdialog]').isVisible(), false);
    console.log(`opening hardened.gear in the core: ${(await page.evaluate(() => window.gear.timing.opening)).toFixed(1)} ms`);
    assert.equal(await page.title(), 'hardened.gear — Расчёт зубчатого колеса');
    const expected = desktop[hardened];
    for (const [key, text] of Object.entries(expected)) {
      const [screen, name] = key.split('.');
      assert.equal(await control(page, screen, name).textContent(), text, key);
    }
    assert.equal(await shown(page, 'okonchanie'), true, 'the last Ok\'s screen');
    for (const screen of ['vivod1', 'Vvod', 'Vibor', 'okon']) assert.equal(await shown(page, screen), false, screen);
    const checked = (screen, option) => control(page, screen, option).isChecked();
    assert.equal(await checked('ATverd', 'Option5'), true);
    assert.equal(await checked('Czakalka2', 'Option3'), true);
    assert.equal(await checked('stal4', 'Option1'), true);
    assert.equal(await control(page, 'Vvod', 'Text5').inputValue(), '', 'the wheel before the file is gone');
    assert.equal(await control(page, 'okon', 'Combo1').evaluate((s) => s.selectedIndex), 21);
    const state = await page.evaluate(() => window.gear.state());
    assert.equal(state.numbers.aw, '125');
    assert.equal(state.mode, 'Передача');
    await menu(page, 'mnuSteps');
    assert.match(await control(page, 'hodRascheta', 'Text1').textContent(),
      /Передача.*σH1 = .* = 880 МПа.*Колесо.*Расчёт в этом режиме ещё не выполнялся/);

    // Ok on each screen as the file left it goes on to the same results;
    // the module choice starts empty on each visit, as always.
    await menu(page, 'mnuPer');
    for (const screen of ['ATverd', 'Czakalka2', 'stal4']) await ok(page, screen);
    assert.equal(await control(page, 'Vvod2', 'Text1').inputValue(), '20');
    assert.equal(await control(page, 'Vvod2', 'Combo1').inputValue(), '4.0', 'as typed');
    await ok(page, 'Vvod2');
    await type(page, 'Vibor', 'Combo1', '2.5');
    await ok(page, 'Vibor');
    await ok(page, 'okon');
    for (const [key, text] of Object.entries(expected)) {
      const [screen, name] = key.split('.');
      assert.equal(await control(page, screen, name).textContent(), text, `again: ${key}`);
    }

    // Two modes, the check last: its input stays open with its result.
    await openFile(page, wheelAndCheck);
    const both = desktop[wheelAndCheck];
    assert.equal(await shown(page, 'Vvod3'), true);
    assert.equal(await shown(page, 'result'), true);
    assert.equal(await shown(page, 'okonchanie'), false);
    assert.equal(await control(page, 'result', 'Label2').textContent(), both['result.Label2']);
    await type(page, 'Vvod3', 'Text1', '240');
    await ok(page, 'Vvod3');
    assert.equal(await control(page, 'result', 'Label2').textContent(), both['result.Label2']);
    await menu(page, 'mnuKol');
    assert.equal(await control(page, 'Vvod', 'Text5').inputValue(), '420');
    await ok(page, 'Vvod');
    await type(page, 'Vibor', 'Combo1', '10.0');
    await ok(page, 'Vibor');
    for (const [key, text] of Object.entries(both)) {
      const [screen, name] = key.split('.');
      assert.equal(await control(page, screen, name).textContent(), text, key);
    }
    assert.equal(await page.title(), 'wheel_and_check.gear* — Расчёт зубчатого колеса',
      'its name kept; the wheel, worked after the check now, is not where the file has it');
    assert.deepEqual(page.errors, []);
  });

  test('opens a file of the previous version, says what changed, and holds it unsaved', async () => {
    const page = await openPage(session, { locale: 'ru-RU' });
    await openFile(page, `${sampleFiles}/version1/hardened.gear`);
    const dialog = page.locator('[role=alertdialog]');
    assert.equal(await dialog.isVisible(), true);
    const notice = await page.locator('#refusal-text').textContent();
    assert.match(notice, /sigmaH2 393,548 → 880/);
    assert.match(notice, /σH2 = σH1/);
    assert.equal(await page.evaluate(() => document.body.dataset.beeps ?? '0'), '0', 'a notice, not a refusal');
    await dialog.locator('button').click();
    assert.equal(await page.title(), 'hardened.gear* — Расчёт зубчатого колеса');
    assert.equal(await control(page, 'okon', 'Label18').textContent(), desktop[hardened]['okon.Label18']);
    const saved = await downloaded(page, () => menu(page, 'mnuSave'));
    assert.equal(saved.text, readFileSync(hardened, 'utf8'), 'the new results, as the native core writes them');
    assert.deepEqual(page.errors, []);
  });

  test('refuses a broken file with the core\'s sentence and changes nothing', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'gear-'));
    const good = readFileSync(hardened);
    const inName = good.indexOf('Цементация') + 2;
    const cases = [
      ['изменён.gear', Buffer.from(good.toString('utf8').replace('"aw": 125', '"aw": 126'))],
      ['обрезан.gear', good.subarray(0, 300)],
      ['пуст.gear', Buffer.alloc(0)],
      // A byte that is not UTF-8 inside a text, which a browser's text
      // decoding would have turned into a character.
      ['не utf-8.gear', Buffer.concat([good.subarray(0, inName), Buffer.from([0xff]), good.subarray(inName)])],
      ['велик.gear', Buffer.alloc(1024 * 1024 + 10, 0x20)],
    ];
    const page = await openPage(session, { locale: 'ru-RU' });
    await wheelPass(page, '420');
    await checkPass(page);
    const before = await everything(page);
    for (const [name, bytes] of cases) {
      const path = join(folder, name);
      writeFileSync(path, bytes);
      await openFile(page, path);
      const dialog = page.locator('[role=alertdialog]');
      assert.equal(await dialog.isVisible(), true, name);
      assert.equal(await page.locator('#refusal-text').textContent(), `Файл «${name}» не открыт. ${coreRefusal(path)}`);
      await dialog.locator('button').click();
      assert.deepEqual(await everything(page), before, name);
    }
    assert.deepEqual(page.errors, []);
  });

  test('saves what the native core writes for the same work, and opens it again', async () => {
    const page = await openPage(session, { locale: 'ru-RU' });
    assert.equal(await page.title(), 'Расчёт зубчатого колеса');
    await designPass(page);
    assert.equal(await page.title(), 'Расчёт зубчатого колеса*', 'work no file holds');
    const pair = await downloaded(page, () => menu(page, 'mnuSave'));
    assert.equal(pair.name, 'Передача.gear', 'named after its mode');
    assert.equal(pair.text, desktop.transmission.file);
    assert.equal(await page.title(), 'Передача.gear — Расчёт зубчатого колеса', 'the work is held by the file saved');

    for (const [pass, play] of [['wheel', (fresh) => wheelPass(fresh, '105')], ['check', checkPass]]) {
      const fresh = await openPage(session);
      await play(fresh);
      const saved = await downloaded(fresh, () => menu(fresh, 'mnuSave'));
      assert.equal(saved.text, desktopPoint[pass].file, pass);
      await fresh.context().close();
    }

    // The saved file opens as it was saved, under its name.
    const folder = mkdtempSync(join(tmpdir(), 'gear-'));
    writeFileSync(join(folder, 'мой.gear'), pair.text);
    const other = await openPage(session, { locale: 'ru-RU' });
    await openFile(other, join(folder, 'мой.gear'));
    assert.equal(await other.title(), 'мой.gear — Расчёт зубчатого колеса');
    const again = await downloaded(other, () => menu(other, 'mnuSave'));
    assert.equal(again.name, 'мой.gear');
    assert.equal(again.text, pair.text);
  });
});
