// SPDX-License-Identifier: GPL-3.0-or-later
// The page: reads what the student typed or chose, hands it to the core and
// shows what comes back. Every number on it is a text the core wrote.
import createGearModule from './gear.js';
import { showDrawing } from './drawing.js';
import { buildScreens } from './screens.js';
import { resultTablesHtml, walkthroughHtml } from './walkthrough.js';

// The decimal separator of the browser's language, as the desktop program
// takes its region's: a comma for Russian.
function decimalSeparator() {
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

// A screen comes to the front: the top of the desk, where the student looks.
function open(name) {
  const shown = screen(name);
  if (!shown) return;
  if (shown.parentElement === desk) desk.prepend(shown);
  shown.hidden = false;
  if (name === 'hodRascheta') showWalkthrough();
  shown.scrollIntoView({ block: 'nearest' });
  const first = shown.querySelector('input:not([type=radio]), input[type=radio]:checked, input[type=radio], select, button[type=submit]');
  (first ?? shown.querySelector('h2')).focus({ preventScroll: true });
}

function leave(shown) {
  shown.hidden = true;
}

function showWalkthrough() {
  const panel = screen('hodRascheta');
  if (panel.hidden) return;
  panel.querySelector('[data-name=Text1]').innerHTML = walkthroughHtml(session.walkthrough());
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

function dismissRefusal() {
  backdrop.hidden = true;
  setPageInert(false);
  // A file's sentence goes back to the menu.
  (refusedFrom ?? document.getElementById('Nachalo')).querySelector('input:not([type=radio]), select, button')?.focus();
  refusedFrom = null;
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
  switch (action) {
  case 'ok': {
    const input = inputOf(shown);
    follow(timed(() => session.ok(shown.id, input)));
    break;
  }
  case 'close': leave(shown); break;
  case 'drawing': follow(timed(() => session.showDrawing())); break;
  case 'save-drawing': askToSaveDrawing(shown); break;
  case 'copy': navigator.clipboard?.writeText(session.walkthroughText()); break;
  case 'print':
    document.getElementById('printout').innerHTML = resultTablesHtml(session.reportTables());
    window.print();
    break;
  default: break;
  }
}

function addScreenControls(shown) {
  // The frame's close button: the screen only hides and keeps its entries.
  const close = document.createElement('button');
  close.type = 'button';
  close.className = 'close';
  close.setAttribute('aria-label', 'Закрыть');
  close.textContent = '×';
  close.addEventListener('click', () => leave(shown));
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
}

async function start() {
  const loading = createGearModule();
  // The language's number format takes a while to load the first time: it
  // loads while the core compiles.
  const separator = decimalSeparator();
  const core = await loading;
  session = new core.Session(separator);
  const catalogue = core.catalogue(separator);
  for (const entry of catalogue) entries.set(entry.name, entry);
  const tables = core.referenceTables();
  maxFileSize = tables.maxFileSize;
  buildScreens(catalogue, tables);
  for (const shown of document.querySelectorAll('.screen')) addScreenControls(shown);
  // The file's commands are the page's; the others the core's.
  const pageCommands = { mnuSave: saveCalculation };
  for (const command of document.querySelectorAll('#Nachalo button[data-name]')) {
    const own = pageCommands[command.dataset.name];
    command.addEventListener('click', () => (own ? own() : follow(session.menu(command.dataset.name))));
    command.disabled = false;
  }
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
    // Esc leaves the screen it is pressed in, as the frame's close button.
    event.target.closest?.('.screen')?.setAttribute('hidden', '');
  });
  document.querySelector('#Nachalo .loading').remove();
  document.body.dataset.ready = 'true';
  performance.mark('gear-ready');
}

start();
