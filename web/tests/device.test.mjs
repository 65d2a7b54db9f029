// SPDX-License-Identifier: GPL-3.0-or-later
// The page on the devices a student has: every width from a phone to a large
// monitor, a finger, the keyboard alone, a screen reader's rules (axe-core),
// no network after the first visit, an English browser, and paper.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { catalogueOf } from '../../src/web/translations.mjs';
import { control, designUpToModule, menu, ok, openPage, siteFolder, startBrowser, takeModuleAndSteel, type }
  from './browser.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const english = JSON.parse(readFileSync(`${siteFolder}/gearwheel_en.json`, 'utf8'));
let session;

before(async () => {
  session = await startBrowser();
});
after(async () => {
  await session?.close();
});

// The transmission pass to its drawing, with `visit(state)` called at each
// screen a student stops at.
async function designPass(page, visit) {
  await visit('start');
  await designUpToModule(page, '4', visit);
  await takeModuleAndSteel(page, '2', visit);
  await menu(page, 'mnuSteps');
  await visit('okonchanie with the walkthrough');
  await ok(page, 'okonchanie', 'Command1');
  await visit('vivod4');
}

// What sticks out sideways: the page itself, and any control a student
// cannot reach without scrolling the page (inside a table or drawing that
// scrolls on its own is fine, but for an option's mark).
function overflow() {
  const outside = [...document.querySelectorAll('button, input, select, [role=region]')]
    .filter((c) => c.offsetParent && !c.closest('[hidden]') && (c.type === 'radio' || !c.parentElement.closest('.scroll, .drawing')))
    .filter((c) => {
      const box = c.getBoundingClientRect();
      return box.left < -1 || box.right > innerWidth + 1;
    })
    .map((c) => `${c.closest('[id]')?.id}.${c.dataset.name ?? c.className}`);
  return { page: document.documentElement.scrollWidth - innerWidth, outside };
}

describe('the page on every device', () => {
  for (const width of [320, 390, 768, 920, 1024, 1280, 1920]) {
    test(`fits ${width} px without sideways scrolling`, async () => {
      const page = await openPage(session, { width, height: 800 });
      await designPass(page, async (state) => {
        assert.deepEqual(await page.evaluate(overflow), { page: 0, outside: [] }, state);
      });
      // Half a large monitor with the walkthrough open: the screens keep
      // room for their tables.
      const desk = await page.locator('#okonchanie').boundingBox();
      assert.ok(desk.width >= Math.min(width - 24, 480), `okonchanie is ${desk.width} px wide`);
      assert.deepEqual(page.errors, []);
      await page.context().close();
    });
  }

  test('gives a finger 44 px on a phone, the number keypad and no decoration', async () => {
    const page = await openPage(session, { width: 390, height: 844, touch: true });
    assert.ok(await page.evaluate(() => matchMedia('(pointer: coarse)').matches));
    const small = [];
    await designPass(page, async (state) => {
      small.push(...await page.evaluate((at) => [...document.querySelectorAll('button, input, select, .menu .command')]
        .filter((c) => c.offsetParent && !c.closest('[hidden]') && !(c.type === 'file'))
        .filter((c) => {
          const box = c.getBoundingClientRect();
          return box.width < 44 || box.height < 44;
        }).map((c) => `${at}: ${c.closest('[id]')?.id}.${c.dataset.name ?? c.className}`), state));
    });
    assert.deepEqual(small, []);
    const keyboards = await page.evaluate(() => [...document.querySelectorAll('#Vvod2 input, #Vibor input, #Vvod input')]
      .map((field) => field.inputMode));
    assert.ok(keyboards.length >= 8 && keyboards.every((mode) => mode === 'decimal'), keyboards.join());
    // The picture is left out: not fetched, not shown.
    const fetched = await page.evaluate(() => performance.getEntriesByType('resource').map((r) => r.name));
    assert.ok(!fetched.some((name) => name.endsWith('nachalo.jpg')), 'the picture was fetched');
    // A tap on a row of the hardness table marks its option.
    await menu(page, 'mnuPer');
    await page.locator('#ATverd tbody tr').nth(1).locator('td').first().tap();
    assert.ok(await control(page, 'ATverd', 'Option2').isChecked());
    await page.context().close();
  });

  for (const [width, height] of [[390, 844], [1280, 800]]) {
    test(`breaks none of axe-core's rules at ${width} px`, async () => {
      const page = await openPage(session, { width, height });
      const found = [];
      const check = async (state) => {
        await page.addScriptTag({ content: axeSource });
        const { violations } = await page.evaluate(() => window.axe.run(document));
        for (const v of violations) found.push(`${state}: ${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`);
      };
      await designPass(page, check);
      // A refusal and the note.
      await menu(page, 'mnuPer');
      await page.keyboard.press('Escape');
      await menu(page, 'mnuKol');
      await ok(page, 'Vvod');
      await check('a refusal');
      await page.keyboard.press('Enter');
      await menu(page, 'mnuReport');
      await check('the note');
      assert.deepEqual(found, []);
      await page.context().close();
    });
  }
});

describe('the keyboard alone', () => {
  test('comes back to the field refused and to the command that opened a screen', async () => {
    const page = await openPage(session);
    await page.focus('#Nachalo [data-name=mnuKol]');
    await page.keyboard.press('Enter');
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'Text1');
    // A shaft wider than the wheel, and a hub that is no number: the
    // refusal is about the shaft, a field that holds a number, and the focus
    // goes there and nowhere else.
    for (const [field, text] of [['Text1', '40'], ['Text4', '30'], ['Text5', '20'], ['Text6', '20'], ['Text7', 'abc']])
      await type(page, 'Vvod', field, text);
    await page.keyboard.press('Enter');
    assert.ok(await page.locator('[role=alertdialog]').isVisible());
    await page.keyboard.press('Enter');
    assert.equal(await page.locator('[role=alertdialog]').isVisible(), false);
    assert.deepEqual(await page.evaluate(() => [document.activeElement.closest('.screen')?.id, document.activeElement.dataset.name]),
      ['Vvod', 'Text4']);
    // Typed over, the next refusal is about the hub.
    await page.keyboard.type('5');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Enter');
    assert.deepEqual(await page.evaluate(() => [document.activeElement.closest('.screen')?.id, document.activeElement.dataset.name]),
      ['Vvod', 'Text7']);
    // A second Enter, on the field, asks again rather than closing the screen.
    await page.keyboard.press('Enter');
    await page.keyboard.press('Enter');
    assert.ok(await page.locator('#Vvod').isVisible());
    await page.keyboard.press('Escape');
    assert.equal(await page.locator('#Vvod').isVisible(), false);
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'mnuKol');
    // Through a chain: the next screen takes the focus, and closing it goes
    // back to the command that began the chain.
    await page.focus('#Nachalo [data-name=mnuPer]');
    await page.keyboard.press('Enter');
    await page.keyboard.press('Space');
    await page.keyboard.press('Enter');
    assert.equal(await page.evaluate(() => document.activeElement.closest('.screen')?.id), 'BNormal2');
    await page.click('#BNormal2 .close');
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'mnuPer');
    assert.deepEqual(page.errors, []);
    await page.context().close();
  });
});

describe('the page without a network and in English', () => {
  test('works offline once it has been opened', async () => {
    const page = await openPage(session);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.context().setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready]');
    await menu(page, 'mnuKol');
    assert.ok(await page.locator('#Vvod').isVisible());
    assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
    await page.context().close();
  });

  test('says why the core did not load and loads on retry', async () => {
    const context = await session.browser.newContext();
    const failing = await context.newPage();
    await failing.route('**/gear.wasm', (route) => route.abort());
    await failing.goto(`${session.url}?lang=ru`);
    await failing.waitForSelector('body[data-failed]');
    assert.match(await failing.locator('#Nachalo .loading').textContent(), /не загрузился.*Повторить/s);
    await failing.unroute('**/gear.wasm');
    await failing.locator('#Nachalo .loading button').click();
    await failing.waitForSelector('body[data-ready]');
    await context.close();
  });

  test('speaks English in an English browser, the core\'s words too', async () => {
    const page = await openPage(session, { locale: 'en-GB', lang: null });
    const nachalo = english['gear::ui::Nachalo'];
    assert.equal(await page.getAttribute('html', 'lang'), 'en');
    assert.equal(await control(page, 'Nachalo', 'mnuKol').textContent(), nachalo['Колесо']);
    await menu(page, 'mnuKol');
    const title = await page.locator('#Vvod h2').textContent();
    assert.equal(title, english.screen[Object.keys(english.screen).find((source) => english.screen[source] === title)]);
    await ok(page, 'Vvod');
    const refusal = await page.locator('#refusal-text').textContent();
    assert.doesNotMatch(refusal, /[а-яё]/i, refusal);
    await page.keyboard.press('Enter');
    for (const [field, text] of [['Text1', '40'], ['Text4', '30'], ['Text5', '105'], ['Text6', '20'], ['Text7', '40']])
      await type(page, 'Vvod', field, text);
    await ok(page, 'Vvod');
    await type(page, 'Vibor', 'Combo1', '2.5');
    await ok(page, 'Vibor');
    const sketch = await page.locator('#vivod1').textContent();
    assert.doesNotMatch(sketch, /[а-яё]/i, 'the sketch and its drawing speak English');
    // Every text the page says itself is in the catalogue, translated.
    const untranslated = await page.evaluate(async () => {
      const core = await (await import('./gear.js')).default();
      core.useTranslations(await (await fetch('gearwheel_en.json')).json());
      const texts = core.pageTexts()['gear::web::Page'];
      return Object.entries(texts).filter(([source, text]) => source === text).map(([source]) => source);
    });
    assert.deepEqual(untranslated, []);
    assert.deepEqual(page.errors, []);
    await page.context().close();
  });

  test('writes numbers with the separator of any browser language', async () => {
    // Russian and English are known to the page; any other is asked of Intl.
    for (const [locale, separator] of [['ru-RU', ','], ['en-US', '.'], ['de-DE', ','], ['ja-JP', '.']]) {
      const page = await openPage(session, { locale });
      await menu(page, 'mnuParam');
      const values = await page.locator('#nastroyka input').evaluateAll((fields) => fields.map((field) => field.value));
      const fractions = values.filter((value) => /\d[.,]\d/.test(value));
      assert.ok(fractions.length > 0, values.join(' '));
      assert.ok(fractions.every((value) => value.includes(separator)), `${locale}: ${fractions.join(' ')}`);
      assert.deepEqual(page.errors, []);
      await page.context().close();
    }
  });

  test('reads the catalogue as the desktop does', () => {
    const catalogue = catalogueOf(`<TS><context><name>a &amp; b</name>
      <message><source>Да &lt;1&gt;</source><translation>Yes &lt;1&gt;</translation></message>
      <message><source>Нет</source><translation type="unfinished"></translation></message>
      <message><source>Было</source><translation type="vanished">Was</translation></message>
      <message><source>Пусто</source><translation></translation></message></context></TS>`);
    assert.deepEqual(catalogue, { 'a & b': { 'Да <1>': 'Yes <1>' } });
  });
});

// The text of a PDF the page printed, and its pages as PNG for a person to
// look at when GEAR_PRINTS names a folder.
function pdfText(pdf, name) {
  const folder = mkdtempSync(join(tmpdir(), 'gear-print-'));
  const file = join(folder, `${name}.pdf`);
  writeFileSync(file, pdf);
  if (process.env.GEAR_PRINTS) execFileSync('pdftoppm', ['-png', '-r', '60', file, join(process.env.GEAR_PRINTS, name)]);
  return execFileSync('pdftotext', ['-layout', file, '-'], { encoding: 'utf8' });
}

describe('paper', () => {
  test('prints what the student looks at, the walkthrough clear of the results', async () => {
    const page = await openPage(session, { width: 1280, height: 800 });
    await page.evaluate(() => {
      window.print = () => {};
    });
    await designPass(page, async () => {});
    await page.keyboard.press('Escape');
    // Ctrl+P with the results and the walkthrough open prints both.
    const both = pdfText(await page.pdf({ format: 'A4' }), 'results');
    for (const words of ['Результаты расчётов', 'Сталь 18ХГТ', 'Ход расчёта', 'Твёрдость зубьев']) assert.match(both, new RegExp(words));
    assert.doesNotMatch(both, /Программа для расчёта параметров/, 'the menu stays off paper');
    // «Печать…»: the walkthrough, then each mode's inputs and results below
    // its last line.
    await control(page, 'hodRascheta', 'Command2').click();
    await page.emulateMedia({ media: 'print' });
    const layout = await page.evaluate(() => ({
      lastLine: [...document.querySelectorAll('.steps p')].at(-1).getBoundingClientRect().bottom,
      tables: document.querySelector('#printout').getBoundingClientRect().top,
      desk: document.getElementById('desk').getBoundingClientRect().height,
    }));
    assert.ok(layout.tables >= layout.lastLine, JSON.stringify(layout));
    assert.equal(layout.desk, 0);
    const walkthrough = pdfText(await page.pdf({ format: 'A4' }), 'walkthrough');
    assert.match(walkthrough, /Марка стали и пределы выносливости[\s\S]*Сталь 18ХГТ/);
    await page.context().close();
  });

  test('makes the calculation note with the title block and the drawing', async () => {
    const page = await openPage(session, { width: 1280, height: 800 });
    await designPass(page, async () => {});
    await menu(page, 'mnuReport');
    for (const [field, text] of [['name', 'Иванов И. И.'], ['group', 'МТ-21'], ['variant', '17']])
      await page.fill(`#report [data-name=${field}]`, text);
    const note = pdfText(await page.pdf({ format: 'A4' }), 'note');
    const date = new Date().toLocaleDateString('ru-RU');
    for (const words of ['Иванов И. И.', 'МТ-21', '17', date, 'Передача', 'Ход расчёта', 'Чертёж', 'Сталь 18ХГТ'])
      assert.ok(note.includes(words), words);
    assert.doesNotMatch(note, /Сохранить как PDF/, 'the form stays off paper');
    assert.ok(note.split('\f').length >= 3, 'the walkthrough runs over, the drawing has a page of its own');
    await page.keyboard.press('Escape');
    assert.ok(await page.locator('#Nachalo').isVisible());
    assert.equal(await page.evaluate(() => document.activeElement.dataset.name), 'mnuReport');
    await page.context().close();
  });
});
