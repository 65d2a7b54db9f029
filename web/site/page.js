// SPDX-License-Identifier: GPL-3.0-or-later
// The page: reads what the student typed or chose, hands it to the core and
// shows what comes back. Every number on it is a text the core wrote.
import createGearModule from './gear.js';
import { showDrawing } from './drawing.js';
import { buildScreens } from './screens.js';
import { resultTablesHtml, selfCheckHtml, walkthroughHtml } from './walkthrough.js';

// English when the browser's language is, Russian otherwise, as the desktop
// follows its region; a link may fix it with ?lang=ru or ?lang=en.
function speaksEnglish() {
  const fixed = new URLSearchParams(location.search).get('lang');
  if (fixed) return fixed === 'en';
  return /^en\b/i.test(navigator.language ?? '');
}
const english = speaksEnglish();
// The desktop's English catalogue, {context: {source: translation}}.
let catalogue = {};

// A text the page writes itself, in the page's language.
function say(source, context = 'gear::web::Page') {
  return catalogue[context]?.[source] || source;
}

// The texts written into the page's HTML, marked with the context they are
// translated in.
function translateStatic() {
  if (!english) return;
  document.documentElement.lang = 'en';
  for (const marked of document.querySelectorAll('[data-context]')) {
    const words = [...marked.childNodes].reverse().find((node) => node.nodeType === Node.TEXT_NODE && node.data.trim());
    if (words) words.data = say(words.data, marked.dataset.context);
  }
  for (const marked of document.querySelectorAll('[data-context-label]'))
    marked.setAttribute('aria-label', say(marked.getAttribute('aria-label'), marked.dataset.contextLabel));
}

// The decimal separator of the browser's language, as the desktop program
// takes its region's: a comma for Russian. Those of the program's own
// languages are known; the first use of Intl, which finds any other,
// takes some 45 ms of the first screen.
const kKnownSeparators = { ru: ',', 'ru-RU': ',', en: '.', 'en-US': '.', 'en-GB': '.' };
function decimalSeparator() {
  const known = kKnownSeparators[navigator.language];
  if (known) return known;
  const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
  return parts.find((part) => part.type === 'decimal')?.value ?? '.';
}

const desk = document.getElementById('desk');
const backdrop = document.getElementById('refusal-backdrop');
let session;
let maxFileSize = 0;
// The catalogue's entry of each screen, by its name.
const entries = new Map();
// How long the last Ok took in the core and the longest so far, the last
// drawing laid out and written, and the last file opened, in ms.
const timing = { last: 0, longest: 0, drawing: 0, opening: 0 };
// For whoever looks into the page (a test, a lecturer's script, a
// developer's console): the timing, the calculation state by symbol, and
// how many files chosen to open have been dealt with (a file is read
// after the choice, so opening ends later).
window.gear = { timing, state: () => session?.state(), filesHandled: 0 };

function screen(name) {
  return document.getElementById(name);
}

function control(screenName, name) {
  return screen(screenName)?.querySelector(`[data-name="${name}"]`);
}

let audio;
function beep() {
  document.body.dataset.beeps = String(Number(document.body.dataset.beeps || 0) + 1);
  try {
    audio ??= new AudioContext();
    const tone = audio.createOscillator();
    const volume = audio.createGain();
    volume.gain.value = 0.1;
    tone.frequency.value = 880;
    tone.connect(volume).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.12);
  } catch {
    // A page without sound still works.
  }
}

// The menu command each open screen's chain started from: a screen that
// closes gives the focus back to it.
const openedBy = new Map();
let commandInProgress = null;

// A screen comes to the front: the top of the desk, where the student looks.
function open(name) {
  const shown = screen(name);
  if (!shown) return;
  if (shown.parentElement === desk) desk.prepend(shown);
  shown.hidden = false;
  if (name === 'hodRascheta') showWalkthrough();
  if (commandInProgress) openedBy.set(name, commandInProgress);
  shown.scrollIntoView({ block: 'nearest' });
  const first = shown.querySelector('input:not([type=radio]), input[type=radio]:checked, input[type=radio], select, button[type=submit]');
  (first ?? shown.querySelector('h2')).focus({ preventScroll: true });
}

function leave(shown, { returnFocus = false } = {}) {
  const hadFocus = shown.contains(document.activeElement);
  shown.hidden = true;
  if (returnFocus || hadFocus) {
    const command = openedBy.get(shown.id);
    (command && !command.disabled ? command : document.querySelector('#Nachalo button[data-name]'))?.focus();
  }
}

function showWalkthrough() {
  const panel = screen('hodRascheta');
  if (panel.hidden) return;
  panel.querySelector('[data-name=Text1]').innerHTML = walkthroughHtml(session.walkthrough());
  showSelfCheckRows(panel);
}

// The self-check's rows as the session gives them; the field that had the
// focus keeps it.
function showSelfCheckRows(panel) {
  const check = panel.querySelector('[data-name=Frame1]');
  const focused = check.contains(document.activeElement) ? document.activeElement.dataset.name : null;
  check.querySelector('.rows').innerHTML = selfCheckHtml(session.selfCheckRows(), panel.id);
  check.querySelector('[data-name=Text2]').value = session.selfCheckTolerance();
  if (focused) check.querySelector(`[data-name="${focused}"]`)?.focus();
}

function toggleSelfCheck(panel) {
  const button = panel.querySelector('[data-action=self-check]');
  const on = button.getAttribute('aria-pressed') !== 'true';
  button.setAttribute('aria-pressed', String(on));
  panel.querySelector('[data-name=Text1]').hidden = on;
  panel.querySelector('[data-name=Frame1]').hidden = !on;
  if (on) (panel.querySelector('[data-name=Self1]') ?? panel.querySelector('[data-name=Text2]')).focus();
}

function checkSelf(panel) {
  const typed = [...panel.querySelectorAll('[data-name^=Self]')].map((field) => field.value);
  follow(session.checkSelf(typed, panel.querySelector('[data-name=Text2]').value));
}

async function importSelfCheck(input) {
  const file = input.files?.[0];
  input.value = '';
  if (!file) return;
  // A table of a few dozen lines; the core refuses what is not one.
  follow(session.importSelfCheck(await file.slice(0, 1 << 20).text()));
}

let refusedFrom = null;
// While a refusal is up, the rest of the page takes neither clicks nor focus.
function setPageInert(inert) {
  for (const id of ['Nachalo', 'desk', 'hodRascheta']) document.getElementById(id).inert = inert;
}

// A sentence in the message box: a refusal with the beep, or a notice.
function tell(message, from, { sound = true } = {}) {
  document.getElementById('refusal-text').textContent = message;
  setPageInert(true);
  backdrop.hidden = false;
  refusedFrom = from;
  if (sound) beep();
  document.getElementById('refusal-ok').focus();
}

function refuse(message, from) {
  tell(message, from);
}

let refusedField = null;
let core;

function dismissRefusal() {
  backdrop.hidden = true;
  setPageInert(false);
  // Back to the field the sentence is about, to correct it; a file's
  // sentence goes back to the menu.
  const field = refusedField ?? (refusedFrom ?? document.getElementById('Nachalo'))
    .querySelector('input:not([type=radio]), input[type=radio]:checked, input[type=radio], select, button:not(.close)');
  field?.focus();
  if (field?.select && field.tagName === 'INPUT' && field.type !== 'radio') field.select();
  refusedFrom = null;
  refusedField = null;
}

// The window's title names the file and marks work it does not hold, as
// the desktop's does.
function showTitle() {
  document.title = session.title();
}

function markOption(screenName, option) {
  for (const radio of screen(screenName).querySelectorAll('input[type=radio]'))
    radio.checked = radio.dataset.name === `Option${option}`;
}

function setText(screenName, name, text) {
  const target = control(screenName, name);
  if (!target) return;
  if (target.tagName === 'INPUT' || target.tagName === 'SELECT') target.value = text;
  else target.textContent = text;
}

// Carries out what the core answered, in its order: the texts, choices and
// drawings go into their screens, then the message, the beep, and the
// screens shown and hidden.
function follow(reply) {
  if (reply.calculated) showWalkthrough();
  showTitle();
  for (const { screen: name, control: field, text, warning } of reply.texts) {
    setText(name, field, text);
    control(name, field)?.classList.toggle('warning', warning);
  }
  for (const { screen: name, option } of reply.marked) markOption(name, option);
  for (const { screen: name, control: field, index } of reply.chosen) control(name, field).selectedIndex = index;
  // The rows line up by their blanks, which an option would run together.
  for (const { screen: name, control: field, index, text } of reply.items)
    control(name, field).options[index].textContent = text.replaceAll(' ', '\u00a0');
  for (const { screen: name, control: field, shown } of reply.shown) control(name, field).hidden = !shown;
  for (const { screen: name, control: field } of reply.pictures) {
    const start = performance.now();
    showDrawing(control(name, field), (width, height) => session.drawingSvg(name, field, width, height));
    timing.drawing = performance.now() - start;
  }
  const over = reply.messageScreen ? screen(reply.messageScreen) : null;
  // A refusal changes no screen; a notice is read once the screens stand.
  if (reply.refused) {
    // Back to the field the sentence is about, else the screen's first.
    refusedField = over && reply.messageField ? control(over.id, reply.messageField) : null;
    refuse(reply.message, over);
    return;
  }
  if (reply.beep) beep();
  for (const { screen: name, shown } of reply.screens) {
    if (shown) open(name);
    else leave(screen(name));
  }
  if (reply.message) tell(reply.message, over, { sound: false });
}

// Hands the browser a file to save, as a download.
function download(file) {
  const url = URL.createObjectURL(new Blob([file.text], { type: file.type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = file.name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// «Открыть…»: the file goes to the core as its bytes, so that the core
// judges its encoding and size as the desktop's reader does.
async function openFile(input) {
  const file = input.files?.[0];
  input.value = '';
  if (!file) return;
  try {
    const bytes = new Uint8Array(await file.slice(0, maxFileSize + 1).arrayBuffer());
    const start = performance.now();
    const reply = session.open(file.name, bytes);
    timing.opening = performance.now() - start;
    follow(reply);
  } catch (error) {
    refuse(`Файл «${file.name}» не прочитан: ${error.message}.`, null);
  } finally {
    window.gear.filesHandled += 1;
  }
}

function saveCalculation() {
  const file = session.fileToSave();
  download(file);
  session.saved(file.name);
  showTitle();
  if (file.notice) tell(file.notice, null, { sound: false });
}

// «Сохранить чертёж…»: the drawing the screen shows, on its sheet.
const drawingDialog = document.getElementById('saveDrawing-backdrop');
let drawingToSave = null;

function askToSaveDrawing(shown) {
  const picture = [...shown.querySelectorAll('.drawing')].find((p) => !p.hidden && p.firstElementChild);
  if (!picture) return;
  drawingToSave = { screen: shown.id, control: picture.dataset.name, from: shown };
  drawingDialog.hidden = false;
  setPageInert(true);
  drawingDialog.querySelector('input[type=radio]:checked').focus();
}

function closeDrawingDialog() {
  drawingDialog.hidden = true;
  setPageInert(false);
  drawingToSave?.from.querySelector('[data-action=save-drawing]')?.focus();
  drawingToSave = null;
}

function saveDrawing() {
  const format = drawingDialog.querySelector('input[type=radio]:checked').value;
  const file = session.drawingFile(drawingToSave.screen, drawingToSave.control, format);
  closeDrawingDialog();
  if (file) download(file);
}

// What a screen's Ok is given: the texts of its fields in the catalogue's
// order, and its marked option or the item chosen in its list.
function inputOf(shown) {
  const entry = entries.get(shown.id);
  const texts = entry.texts.map((input) => control(shown.id, input.control).value);
  let choice = 0;
  if (entry.listControl) choice = control(shown.id, entry.listControl).selectedIndex;
  else {
    const marked = shown.querySelector('input[type=radio]:checked');
    choice = marked ? entry.options.findIndex((option) => option.control === marked.dataset.name) + 1 : 0;
  }
  return { texts, choice };
}

function timed(call) {
  const start = performance.now();
  const reply = call();
  timing.last = performance.now() - start;
  timing.longest = Math.max(timing.longest, timing.last);
  return reply;
}

function act(action, shown) {
  commandInProgress = openedBy.get(shown.id) ?? null;
  try {
    perform(action, shown);
  } finally {
    commandInProgress = null;
  }
}

function perform(action, shown) {
  switch (action) {
  case 'ok': {
    const input = inputOf(shown);
    follow(timed(() => session.ok(shown.id, input)));
    break;
  }
  case 'close': leave(shown, { returnFocus: true }); break;
  case 'drawing': follow(timed(() => session.showDrawing())); break;
  case 'save-drawing': askToSaveDrawing(shown); break;
  case 'copy': copyWalkthrough(shown); break;
  case 'self-check': toggleSelfCheck(shown); break;
  case 'check-self': checkSelf(shown); break;
  case 'import-self-check': shown.querySelector('[data-name=File1]').click(); break;
  case 'print':
    // The walkthrough with each mode's inputs and results after it.
    document.getElementById('printout').innerHTML = resultTablesHtml(session.reportTables());
    document.body.classList.add('printing-walkthrough');
    window.print();
    break;
  default: break;
  }
}

// A plain-http page has no clipboard interface: the browser's older copy
// command still works there.
function copiedByCommand(text) {
  const holder = document.createElement('textarea');
  holder.value = text;
  holder.setAttribute('readonly', '');
  holder.style.position = 'fixed';
  holder.style.opacity = '0';
  document.body.append(holder);
  holder.select();
  let done = false;
  try {
    done = document.execCommand('copy');
  } finally {
    holder.remove();
  }
  return done;
}

async function copyWalkthrough(shown) {
  const status = shown.querySelector('.copy-status');
  const text = session.walkthroughText();
  let said = say('Скопировано');
  try {
    if (navigator.clipboard && window.isSecureContext) await navigator.clipboard.writeText(text);
    else if (!copiedByCommand(text)) throw new Error(window.isSecureContext ? 'copy' : 'http');
  } catch (error) {
    if (!copiedByCommand(text)) said = say('Не скопировано: браузер не дал доступа к буферу обмена (%1).').replace('%1', error.message);
  }
  status.textContent = said;
}

function addScreenControls(shown) {
  // The frame's close button: the screen only hides and keeps its entries.
  const close = document.createElement('button');
  close.type = 'button';
  close.className = 'close';
  close.setAttribute('aria-label', say('Закрыть'));
  close.textContent = '×';
  close.addEventListener('click', () => leave(shown, { returnFocus: true }));
  shown.querySelector('h2').after(close);
  shown.querySelector('h2').tabIndex = -1;
  const form = shown.querySelector('form');
  if (!form) return;
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    const button = event.submitter ?? form.querySelector('button[type=submit]');
    act(button.dataset.action, shown);
  });
  for (const button of form.querySelectorAll('button[type=button][data-action]'))
    button.addEventListener('click', () => act(button.dataset.action, shown));
  // What the core says of what is typed or chosen before the Ok (the module
  // taken against the computed one).
  if (entries.get(shown.id)?.notes.length)
    form.addEventListener('input', () => follow(session.preview(shown.id, inputOf(shown))));
  const check = shown.querySelector('form[data-name=Frame1]');
  if (!check) return;
  check.addEventListener('submit', (event) => {
    event.preventDefault();
    act('check-self', shown);
  });
  check.querySelector('[data-action=import-self-check]').addEventListener('click', () => act('import-self-check', shown));
  const file = check.querySelector('[data-name=File1]');
  file.addEventListener('change', () => importSelfCheck(file));
}

// «Отчёт (PDF)…»: the calculation note as a page of its own, to print or
// to save as PDF with the browser's print.
const report = document.getElementById('report');
let reportOpenedBy = null;

function author() {
  const fields = {};
  for (const field of report.querySelectorAll('.report-author input')) fields[field.dataset.name] = field.value;
  return fields;
}

// The note's module is asked for only when a note is made.
let reportHtml = null;

async function showReport() {
  reportHtml ??= (await import('./report.js')).reportHtml;
  const sheet = report.querySelector('.sheet');
  sheet.innerHTML = reportHtml(session.report(), author(), { say, english });
  document.title = `${say('Отчёт', 'gear::ui::Report')} — ${session.title()}`;
}

async function openReport(command) {
  reportOpenedBy = command;
  const kept = JSON.parse(localStorage.getItem('gear.author') ?? '{}');
  for (const field of report.querySelectorAll('.report-author input')) field.value = kept[field.dataset.name] ?? field.value;
  await showReport();
  document.body.classList.add('report-open');
  report.hidden = false;
  window.scrollTo(0, 0);
  report.querySelector('.report-author input').focus();
}

function closeReport() {
  report.hidden = true;
  document.body.classList.remove('report-open');
  showTitle();
  reportOpenedBy?.focus();
}

function setUpReport() {
  const form = report.querySelector('form');
  form.addEventListener('input', () => {
    localStorage.setItem('gear.author', JSON.stringify(author()));
    showReport();
  });
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    window.print();
  });
  form.querySelector('[data-name=Command2]').addEventListener('click', closeReport);
}

// Says why the core did not load and offers to try again, in place of
// «Загрузка…».
function loadFailed(error) {
  const place = document.querySelector('#Nachalo .loading');
  place.setAttribute('role', 'alert');
  const retry = document.createElement('button');
  retry.type = 'button';
  retry.textContent = say('Повторить');
  retry.addEventListener('click', () => location.reload());
  const why = document.createElement('p');
  why.textContent = say('Модуль расчёта не загрузился (%1). Проверьте соединение и нажмите «Повторить».')
    .replace('%1', error?.message || String(error));
  place.replaceChildren(why, retry);
  document.body.dataset.failed = 'true';
  retry.focus();
}

async function loadCatalogue() {
  if (!english) return;
  try {
    const response = await fetch('gearwheel_en.json');
    if (response.ok) catalogue = await response.json();
  } catch {
    // Without the catalogue the page speaks Russian.
  }
}

async function start() {
  const words = loadCatalogue();
  try {
    const loading = createGearModule();
    // A language's number format that Intl has to load loads while the core
    // compiles.
    decimalSeparator();
    [core] = await Promise.all([loading, words]);
  } catch (error) {
    await words;
    translateStatic();
    loadFailed(error);
    return;
  }
  performance.mark('gear-core');
  translateStatic();
  if (english) core.useTranslations(catalogue);
  const separator = decimalSeparator();
  session = new core.Session(separator);
  const screens = core.catalogue(separator);
  for (const entry of screens) entries.set(entry.name, entry);
  const tables = core.referenceTables();
  maxFileSize = tables.maxFileSize;
  performance.mark('gear-catalogue');
  buildScreens(screens, tables, { say });
  performance.mark('gear-screens');
  for (const shown of document.querySelectorAll('.screen')) addScreenControls(shown);
  // The file's commands are the page's; the others the core's.
  const pageCommands = { mnuSave: saveCalculation, mnuReport: openReport };
  for (const command of document.querySelectorAll('#Nachalo button[data-name]')) {
    const own = pageCommands[command.dataset.name];
    command.addEventListener('click', () => {
      if (own) {
        own(command);
        return;
      }
      commandInProgress = command;
      try {
        follow(session.menu(command.dataset.name));
      } finally {
        commandInProgress = null;
      }
    });
    command.disabled = false;
  }
  setUpReport();
  const opener = document.querySelector('#Nachalo [data-name=mnuOpen]');
  opener.addEventListener('change', () => openFile(opener));
  opener.disabled = false;
  document.getElementById('refusal-ok').addEventListener('click', dismissRefusal);
  drawingDialog.querySelector('form').addEventListener('submit', (event) => {
    event.preventDefault();
    saveDrawing();
  });
  drawingDialog.querySelector('[data-name=Command2]').addEventListener('click', closeDrawingDialog);
  // Closing the tab with work no file holds asks first, as «Выход» does.
  window.addEventListener('beforeunload', (event) => {
    if (!session.modified()) return;
    event.preventDefault();
    event.returnValue = '';
  });
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape') return;
    if (!backdrop.hidden) {
      dismissRefusal();
      return;
    }
    if (!drawingDialog.hidden) {
      closeDrawingDialog();
      return;
    }
    if (!report.hidden) {
      closeReport();
      return;
    }
    // Esc leaves the screen it is pressed in, as the frame's close button.
    const inScreen = event.target.closest?.('.screen');
    if (inScreen) leave(inScreen, { returnFocus: true });
  });
  window.addEventListener('afterprint', () => {
    document.body.classList.remove('printing-walkthrough');
    document.getElementById('printout').replaceChildren();
  });
  // Once loaded, the site is kept for use without a network.
  if ('serviceWorker' in navigator && window.isSecureContext) navigator.serviceWorker.register('service-worker.js').catch(() => {});
  document.querySelector('#Nachalo .loading').remove();
  document.body.dataset.ready = 'true';
  performance.mark('gear-ready');
  const picture = document.querySelector('#Nachalo img[data-src]');
  if (matchMedia('(min-width: 601px)').matches) picture.src = picture.dataset.src;
}

start();
