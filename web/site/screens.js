// SPDX-License-Identifier: GPL-3.0-or-later
// Builds every screen from the core's catalogue: its title, captions, fields,
// options, table, buttons and the values it shows. Each layout is built one
// way; what a screen holds is the catalogue's.

function element(tag, attributes = {}, text = undefined) {
  const made = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) if (value !== undefined && value !== '') made.setAttribute(name, value);
  if (text !== undefined) made.textContent = text;
  return made;
}

const kActions = {
  ok: 'ok', close: 'close', showDrawing: 'drawing', saveDrawing: 'save-drawing', copy: 'copy', print: 'print',
  selfCheck: 'self-check', checkSelf: 'check-self', importSelfCheck: 'import-self-check',
};

// The screen's buttons in a row (those `which` keeps); the first is the one
// Enter presses.
function buttonRow(screen, extra = {}, which = () => true) {
  const row = element('div', { class: 'buttons' });
  screen.buttons.filter(which).forEach((button, i) => {
    const action = kActions[button.action];
    row.append(element('button', { type: i === 0 ? 'submit' : 'button', 'data-name': button.control, 'data-action': action, ...(i === 0 ? extra : {}) },
      button.caption));
  });
  return row;
}

// The screen's frame: its title as the first heading, and a form.
function frame(screen, classes = '') {
  const section = element('section', { id: screen.name, class: `screen ${classes}`.trim(), 'aria-labelledby': `${screen.name}-title` });
  section.hidden = true;
  section.append(element('h2', { id: `${screen.name}-title` }, screen.title));
  const form = element('form');
  section.append(form);
  return { section, form };
}

function caption(screen, control) {
  return screen.captions.find((c) => c.control === control)?.text ?? '';
}

// The course's captions break long words with a hyphen and a blank.
const hyphenated = (text) => text.replaceAll('- ', '-\n');

// A table of the catalogue's cells: its first `headRows` rows in <thead>;
// `extra(row)` adds cells after a row's own.
function gridTable(cells, headRows, { decorate = () => {}, extra = () => [], classes = 'grid' } = {}) {
  const table = element('table', { class: classes });
  const head = element('thead');
  const body = element('tbody');
  const rows = new Map();
  for (const cell of cells) {
    if (!rows.has(cell.row)) rows.set(cell.row, []);
    rows.get(cell.row).push(cell);
  }
  const last = Math.max(...rows.keys());
  for (let row = 0; row <= last; ++row) {
    const line = element('tr');
    for (const cell of (rows.get(row) ?? []).sort((a, b) => a.column - b.column)) {
      const td = element(row < headRows ? 'th' : 'td', {
        rowspan: cell.rowSpan > 1 ? cell.rowSpan : undefined,
        colspan: cell.columnSpan > 1 ? cell.columnSpan : undefined,
        'data-name': cell.control,
      }, cell.text);
      // The head over the options has no words of its own: a cell, not a
      // header, for whoever reads the table aloud.
      if (cell.mark) td.setAttribute('role', 'cell');
      else if (row < headRows && !cell.text.trim()) td.setAttribute('role', 'cell');
      decorate(td, cell);
      line.append(td);
    }
    line.append(...extra(row));
    (row < headRows ? head : body).append(line);
  }
  table.append(head, body);
  return table;
}

function radio(screen, option) {
  return element('input', { type: 'radio', name: screen.name, id: `${screen.name}-${option.control}`, 'data-name': option.control });
}

// The page's own words, set by buildScreens.
let say = (source) => source;

// A table wider than a phone scrolls inside a region the keyboard reaches.
function scrolling(content) {
  const scroll = element('div', { class: 'scroll', tabindex: '0', role: 'region', 'aria-label': say('Таблица, прокручивается в сторону') });
  scroll.append(content);
  return scroll;
}

function datalist(id, items) {
  const list = element('datalist', { id });
  // The empty item means "nothing taken": an empty field says the same.
  for (const item of items) if (item !== '') list.append(element('option', { value: item }));
  return list;
}

// A field of the screen's Ok with its caption, and the β sign after the
// caption of a helix angle.
function promptedField(screen, input, form) {
  const id = `${screen.name}-${input.control}`;
  const field = element('input', { id, 'data-name': input.control, autocomplete: 'off', inputmode: 'decimal' });
  if (input.helixAngle) {
    const label = `${screen.name}-${input.label}`;
    const sign = `${screen.name}-Image2`;
    const line = element('div', { class: 'with-beta' });
    line.append(element('label', { for: id, id: label, 'data-name': input.label }, input.caption),
      element('span', { id: sign, 'data-name': 'Image2', class: 'beta' }, 'β'));
    field.setAttribute('aria-labelledby', `${label} ${sign}`);
    form.append(line, field);
  } else {
    form.append(element('label', { for: id, 'data-name': input.label }, input.caption), field);
  }
  if (input.items.length) {
    field.setAttribute('list', `${id}-list`);
    form.append(datalist(`${id}-list`, input.items));
  }
}

// Each sketch's picture takes the size it has on the desktop, px: a spoked
// wheel has its front view beside the section.
const kSketchSizes = { vivod1: [400, 440], vivod2: [460, 520], vivod3: [760, 460] };

const builders = {
  hardnessTable(screen) {
    const { section, form } = frame(screen);
    // The head's last column stands over the options.
    const cells = [...screen.cells, { control: '', text: '', row: 0, column: 5, rowSpan: 2, columnSpan: 1, mark: true }];
    const table = gridTable(cells, 2, {
      decorate: (td, cell) => {
        if (cell.column !== 0 || cell.row < 2) return;
        td.classList.add('wrap');
        td.textContent = hyphenated(cell.text);
      },
      extra: (row) => {
        const option = screen.options[row - 2];
        if (!option) return [];
        const td = element('td', { class: 'option' });
        td.append(radio(screen, option), element('label', { for: `${screen.name}-${option.control}`, class: 'hidden-label' }, option.description));
        return [td];
      },
    });
    // A tap anywhere on a row marks its option: on a phone the marks sit at
    // the table's far end.
    for (const line of table.tBodies[0].rows) {
      const mark = line.querySelector('input[type=radio]');
      if (mark) line.addEventListener('click', (event) => {
        if (event.target !== mark && !event.target.closest('label')) mark.click();
      });
    }
    form.append(scrolling(table), buttonRow(screen));
    return section;
  },

  treatmentTable(screen) {
    const { section, form } = frame(screen);
    const cells = [...screen.cells, { control: '', text: '', row: 0, column: 1, rowSpan: 2, columnSpan: 1, mark: true }];
    const table = gridTable(cells, 2);
    // Each option's row: its caption and its mark before the row's cells.
    screen.options.forEach((option, i) => {
      const name = element('td', { class: 'left' });
      name.append(element('label', { for: `${screen.name}-${option.control}`, 'data-name': option.label }, option.caption));
      const mark = element('td', { class: 'option' });
      mark.append(radio(screen, option));
      table.tBodies[0].rows[i].prepend(name, mark);
    });
    form.append(scrolling(table), buttonRow(screen));
    return section;
  },

  optionColumns(screen) {
    const { section, form } = frame(screen);
    const prompt = screen.captions[0];
    if (prompt) form.append(element('p', { 'data-name': prompt.control, class: 'head' }, prompt.text));
    const columns = element('div', { class: prompt ? 'grades' : 'columns' });
    for (const option of screen.options) {
      const column = element('div', { class: 'column' });
      column.append(element('label', { for: `${screen.name}-${option.control}`, 'data-name': option.label, class: prompt ? undefined : 'head' },
        option.caption), radio(screen, option));
      columns.append(column);
    }
    form.append(columns, buttonRow(screen));
    return section;
  },

  prompts(screen) {
    const { section, form } = frame(screen, 'narrow');
    form.className = 'prompts';
    for (const input of screen.texts) promptedField(screen, input, form);
    form.append(buttonRow(screen));
    return section;
  },

  promptGrid(screen) {
    const { section, form } = frame(screen);
    form.className = 'pairs times';
    for (const input of screen.texts) promptedField(screen, input, form);
    form.append(buttonRow(screen, { class: 'big' }));
    return section;
  },

  moduleChoice(screen) {
    const { section, form } = frame(screen, 'narrow');
    const line = element('p', { class: 'line bold' });
    line.append(element('span', { 'data-name': 'Label1' }, caption(screen, 'Label1')), ' ',
      element('output', { 'data-name': screen.displays[0], class: 'value' }));
    const heading = `${screen.name}-Label5`;
    const columns = element('div', { class: 'columns' });
    for (const input of screen.texts) {
      const id = `${screen.name}-${input.control}`;
      const label = `${screen.name}-${input.label}`;
      const column = element('div', { class: 'column' });
      column.append(element('label', { for: id, id: label, 'data-name': input.label }, input.caption),
        element('input', { id, 'data-name': input.control, list: `${id}-list`, autocomplete: 'off', inputmode: 'decimal', 'aria-labelledby': `${label} ${heading}` }),
        datalist(`${id}-list`, input.items));
      columns.append(column);
    }
    // The warning of the module taken, which the core writes as the student picks.
    const note = element('p', { 'data-name': screen.notes[0], class: 'note', role: 'status' });
    note.hidden = true;
    form.append(line, element('p', { 'data-name': 'Label2' }, caption(screen, 'Label2')),
      element('p', { id: heading, 'data-name': 'Label5', class: 'head' }, caption(screen, 'Label5')), columns, note, buttonRow(screen));
    return section;
  },

  steelList(screen, tables) {
    const { section, form } = frame(screen);
    const stresses = element('div', { class: 'stresses' });
    // Pinion and wheel of one kind of stress side by side: F1, H1, F2, H2.
    for (const i of [0, 2, 1, 3])
      stresses.append(element('span', { 'data-name': screen.captions[i].control }, screen.captions[i].text),
        element('output', { 'data-name': screen.displays[i], class: 'value' }));
    const widths = tables.steelColumnWidths;
    const heads = element('div', { class: 'steel-heads', 'aria-hidden': 'true' });
    heads.style.gridTemplateColumns = widths.map((w) => `${w}ch`).join(' ');
    heads.style.width = `${widths.reduce((sum, w) => sum + w, 0)}ch`;
    for (const cell of screen.cells) {
      const head = element('span', { 'data-name': cell.control }, cell.text);
      head.style.gridColumn = `${cell.column + 1} / span ${cell.columnSpan}`;
      head.style.gridRow = cell.row > 0 ? `${cell.row + 1}` : `1 / span ${cell.rowSpan}`;
      heads.append(head);
    }
    const select = element('select', { id: `${screen.name}-${screen.listControl}`, 'data-name': screen.listControl, class: 'steels' });
    // The rows line up by their blanks, which an option would run together.
    for (const item of tables.steelItems) select.append(element('option', {}, item.replaceAll(' ', '\u00a0')));
    select.selectedIndex = 0;
    const scroll = scrolling(heads);
    scroll.append(element('label', { for: select.id, class: 'hidden-label' }, screen.listCaption), select);
    form.append(stresses, scroll, buttonRow(screen));
    return section;
  },

  pairResults(screen) {
    const { section, form } = frame(screen);
    const values = new Set(screen.displays);
    const table = gridTable(screen.cells, 1, {
      classes: 'grid results',
      decorate: (td, cell) => {
        if (values.has(cell.control)) td.classList.add('value');
        else if (cell.column === 0 && cell.row > 0) td.classList.add('left');
      },
    });
    // The verdicts and checks under the table, each shown when it says
    // something; the first is their heading.
    const notes = screen.notes.map((name, i) => {
      const note = element(i === 0 ? 'h3' : 'p', { 'data-name': name, class: 'note' });
      note.hidden = true;
      return note;
    });
    form.append(scrolling(table), ...notes, buttonRow(screen));
    return section;
  },

  load(screen) {
    const { section, form } = frame(screen, 'narrow');
    const line = element('p', { class: 'line' });
    line.append(element('span', { 'data-name': 'Label1' }, caption(screen, 'Label1')), ' ',
      element('output', { 'data-name': screen.displays[0], class: 'value' }), ' ',
      element('span', { 'data-name': 'Label3' }, caption(screen, 'Label3')));
    form.append(line, buttonRow(screen));
    return section;
  },

  sketch(screen) {
    const { section, form } = frame(screen);
    const sketch = element('div', { class: 'sketch' });
    const list = element('dl', { class: 'dimensions' });
    screen.captions.forEach((row, i) => {
      const line = element('div', { class: 'dimension' });
      line.append(element('dt', { 'data-name': row.control }, row.text), element('dd', { 'data-name': screen.displays[i], class: 'value' }));
      list.append(line);
    });
    const [width, height] = kSketchSizes[screen.name];
    // The note after the dimensions, shown only when the core has one.
    const note = element('p', { 'data-name': screen.displays[screen.captions.length], class: 'note' });
    note.hidden = true;
    sketch.append(list, element('div', { 'data-name': 'Image1', class: 'drawing', 'data-width': width, 'data-height': height, tabindex: '0', role: 'region', 'aria-label': say('Чертёж, прокручивается в сторону') }), note);
    form.append(sketch, buttonRow(screen));
    return section;
  },

  pairDrawing(screen) {
    const { section, form } = frame(screen);
    const drawings = element('div', { class: 'drawings' });
    for (const name of ['Image1', 'Image2', 'Image3']) {
      const picture = element('div', { 'data-name': name, class: 'drawing', 'data-width': 520, 'data-height': 640, tabindex: '0', role: 'region', 'aria-label': say('Чертёж, прокручивается в сторону') });
      picture.hidden = true;
      drawings.append(picture);
    }
    form.append(drawings, buttonRow(screen));
    return section;
  },

  message(screen) {
    const { section, form } = frame(screen, 'narrow');
    form.append(element('p', { 'data-name': 'Label1', class: 'bold' }, caption(screen, 'Label1')), buttonRow(screen));
    return section;
  },

  about(screen) {
    const section = element('section', { id: screen.name, class: 'screen narrow info', 'aria-labelledby': `${screen.name}-title` });
    section.hidden = true;
    section.append(element('h2', { id: `${screen.name}-title` }, screen.title), element('p', { 'data-name': 'Label1' }, caption(screen, 'Label1')));
    return section;
  },

  parameters(screen) {
    const { section, form } = frame(screen);
    const rows = element('div', { class: 'parameters' });
    screen.texts.forEach((input, i) => {
      const meaning = screen.captions[i];
      const use = screen.captions[i + screen.texts.length];
      const field = `${screen.name}-${input.control}`;
      const symbol = `${screen.name}-${input.label}`;
      const described = `${screen.name}-${meaning.control}`;
      const used = `${screen.name}-${use.control}`;
      // A screen reader says the symbol, what it means and where it enters;
      // a coefficient no formula reads stays editable, greyed.
      const muted = input.muted ? 'muted' : undefined;
      rows.append(element('label', { for: field, id: symbol, 'data-name': input.label, class: `symbol ${muted ?? ''}`.trim() }, input.caption),
        element('span', { id: described, 'data-name': meaning.control, class: `meaning ${muted ?? ''}`.trim() }, meaning.text),
        element('input', { id: field, 'data-name': input.control, autocomplete: 'off', inputmode: 'decimal', class: muted, 'aria-labelledby': `${symbol} ${described} ${used}` }),
        element('span', { id: used, 'data-name': use.control, class: `use ${muted ?? ''}`.trim() }, use.text));
    });
    form.append(rows, buttonRow(screen));
    return section;
  },

  // The walkthrough, and in its place on «Самопроверка» the self-check: a
  // form of its own, whose Enter is «Проверить», with the rows the page
  // writes from the session's and the tolerance field.
  walkthrough(screen) {
    const aside = element('aside', { id: screen.name, class: 'screen walkthrough', 'aria-labelledby': `${screen.name}-title` });
    aside.hidden = true;
    const own = (button) => ['checkSelf', 'importSelfCheck'].includes(button.action);
    const form = element('form');
    form.append(element('div', { 'data-name': 'Text1', class: 'steps', tabindex: '0', role: 'region', 'aria-labelledby': `${screen.name}-title` }), buttonRow(screen, {}, (b) => !own(b)),
      element('p', { class: 'copy-status', role: 'status' }));
    const check = element('form', { 'data-name': 'Frame1', class: 'selfcheck' });
    check.hidden = true;
    const tolerance = screen.captions.find((c) => c.control === 'Label2');
    const bar = element('div', { class: 'bar' });
    // Hidden behind its button, but named by it for whoever reaches it.
    const importing = screen.buttons.find((b) => kActions[b.action] === 'import-self-check');
    const file = element('input', { type: 'file', accept: '.csv,.txt', 'data-name': 'File1', 'aria-hidden': 'true', tabindex: '-1', 'aria-label': importing?.caption ?? 'CSV' });
    file.hidden = true;
    bar.append(element('label', { for: `${screen.name}-Text2`, 'data-name': 'Label2' }, tolerance?.text ?? ''),
      element('input', { id: `${screen.name}-Text2`, 'data-name': 'Text2', inputmode: 'decimal', autocomplete: 'off', size: '5' }),
      ...buttonRow(screen, {}, own).children, file);
    check.append(element('div', { class: 'rows steps' }), bar,
      element('p', { 'data-name': 'Label1', class: 'summary', 'aria-live': 'polite' }));
    aside.append(element('h2', { id: `${screen.name}-title` }, screen.title), form, check);
    return aside;
  },
};

// Builds every screen the catalogue lists, hidden: the walkthrough beside
// the desk, the others on it. The page has no exit to confirm.
export function buildScreens(catalogue, tables, words = {}) {
  if (words.say) say = words.say;
  const desk = document.getElementById('desk');
  for (const screen of catalogue) {
    const build = builders[screen.layout];
    if (!build) continue;
    const made = build(screen, tables);
    if (screen.layout === 'walkthrough') desk.after(made);
    else desk.append(made);
  }
}
