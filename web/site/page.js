// SPDX-License-Identifier: GPL-3.0-or-later
// The page: reads what the student typed or chose, hands it to the core and
// shows what comes back. Every number on it is a text the core wrote.
import createGearModule from './gear.js';
import { drawPicture } from './drawing.js';
import { buildScreens } from './screens.js';
import { resultTablesHtml, walkthroughHtml, walkthroughText } from './walkthrough.js';

// The decimal separator of the browser's language, as the desktop program
// takes its region's: a comma for Russian.
function decimalSeparator() {
  const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
  return parts.find((part) => part.type === 'decimal')?.value ?? '.';
}

const desk = document.getElementById('desk');
const backdrop = document.getElementById('refusal-backdrop');
let session;
// How long the last Ok took in the core, and the longest so far, in ms.
const timing = { last: 0, longest: 0 };
// For whoever looks into the page (a test, a lecturer's script, a
// developer's console): the timing and the calculation state by symbol.
window.gear = { timing, state: () => session?.state() };

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

function refuse(message, from) {
  document.getElementById('refusal-text').textContent = message;
  setPageInert(true);
  backdrop.hidden = false;
  refusedFrom = from;
  beep();
  document.getElementById('refusal-ok').focus();
}

function dismissRefusal() {
  backdrop.hidden = true;
  setPageInert(false);
  refusedFrom?.querySelector('input:not([type=radio]), select, button')?.focus();
  refusedFrom = null;
}

function setText(screenName, name, text) {
  const target = control(screenName, name);
  if (!target) return;
  if (target.tagName === 'INPUT' || target.tagName === 'SELECT') target.value = text;
  else target.textContent = text;
}

// Carries out what the core decided: a refusal changes nothing; otherwise
// the texts go into their screens, then the beep, the next screen and the
// closing of this one, in that order.
function follow(reply, from) {
  showWalkthrough();
  if (reply.refusal) {
    refuse(reply.refusal, from);
    return;
  }
  for (const [screenName, name, text] of reply.texts) setText(screenName, name, text);
  for (const [screenName, name, visible] of reply.shown) control(screenName, name).hidden = !visible;
  for (const picture of reply.pictures) drawPicture(control(picture.screen, picture.control), picture);
  if (reply.beep) beep();
  if (reply.next) open(reply.next);
  if (reply.leave && from) leave(from);
}

// The texts of a screen's fields in the order it lists them, its marked
// option and the item chosen in its fixed list.
function inputOf(form) {
  const texts = [...form.querySelectorAll('input:not([type=radio])')].map((field) => field.value);
  const marked = form.querySelector('input[type=radio]:checked');
  const option = marked ? Number(marked.dataset.name.replace('Option', '')) : 0;
  const list = form.querySelector('select');
  return { texts, option, index: list ? list.selectedIndex : -1 };
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
    const input = inputOf(shown.querySelector('form'));
    follow(timed(() => session.ok(shown.id, input)), shown);
    break;
  }
  case 'close': leave(shown); break;
  case 'drawing': follow(timed(() => session.showDrawing()), shown); break;
  case 'copy': navigator.clipboard?.writeText(walkthroughText(session.walkthrough())); break;
  case 'print':
    document.getElementById('printout').innerHTML = resultTablesHtml(session.resultTables());
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
}

async function start() {
  const loading = createGearModule();
  // The language's number format takes a while to load the first time: it
  // loads while the core compiles.
  const separator = decimalSeparator();
  const core = await loading;
  session = new core.Session(separator);
  buildScreens(core.referenceTables(separator));
  for (const shown of document.querySelectorAll('.screen')) addScreenControls(shown);
  for (const command of document.querySelectorAll('#Nachalo button[data-name]')) {
    command.addEventListener('click', () => follow(session.menu(command.dataset.name), null));
    command.disabled = false;
  }
  document.getElementById('refusal-ok').addEventListener('click', dismissRefusal);
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape') return;
    if (!backdrop.hidden) {
      dismissRefusal();
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
