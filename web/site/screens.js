// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the screens whose rows the core lists: the steel screens'
// grades, the sketch screens' dimensions, the results' rows, the parameters,
// and the items of every list.

function element(tag, attributes = {}, text = undefined) {
  const made = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
  if (text !== undefined) made.textContent = text;
  return made;
}

function fromTemplate(id, name, title) {
  const screen = document.getElementById(id).content.firstElementChild.cloneNode(true);
  screen.id = name;
  const heading = screen.querySelector('h2');
  heading.id = `${name}-title`;
  heading.textContent = title;
  screen.setAttribute('aria-labelledby', heading.id);
  return screen;
}

function addSteelScreens(desk, steelScreens, before) {
  for (const [name, content] of Object.entries(steelScreens)) {
    const screen = fromTemplate('steel-screen', name, content.title);
    const grades = screen.querySelector('.grades');
    content.grades.forEach((grade, i) => {
      const option = `Option${i + 1}`;
      const column = element('div', { class: 'column' });
      column.append(element('label', { for: `${name}-${option}`, 'data-name': `Label${i + 2}` }, grade),
        element('input', { type: 'radio', name, id: `${name}-${option}`, 'data-name': option }));
      grades.append(column);
    });
    desk.insertBefore(screen, before);
  }
}

// Each sketch's picture takes the size it has on the desktop, px: a spoked
// wheel has its front view beside the section.
const kSketchSizes = { vivod1: [400, 440], vivod2: [460, 520], vivod3: [760, 460] };

function addSketchScreens(desk, sketchScreens, before) {
  for (const [name, content] of Object.entries(sketchScreens)) {
    const screen = fromTemplate('sketch-screen', name, content.title);
    const list = screen.querySelector('.dimensions');
    for (const [captionName, caption, fieldName] of content.rows) {
      const row = element('div', { class: 'dimension' });
      row.append(element('dt', { 'data-name': captionName }, caption),
        element('dd', { 'data-name': fieldName, class: 'value' }));
      list.append(row);
    }
    const picture = screen.querySelector('[data-name=Image1]');
    [picture.dataset.width, picture.dataset.height] = kSketchSizes[name];
    desk.insertBefore(screen, before);
  }
}

function addPairRows(pairRows) {
  const body = document.querySelector('#okonchanie tbody');
  pairRows.forEach(([captionName, caption, unit, pinionName, wheelName], row) => {
    const line = element('tr');
    line.append(element('td', { 'data-name': captionName, class: 'left' }, caption),
      // The units stand in one column beside the rows, Label11 its first cell.
      element('td', row === 0 ? { 'data-name': 'Label11' } : {}, unit),
      element('td', { 'data-name': pinionName, class: 'value' }),
      element('td', { 'data-name': wheelName, class: 'value' }));
    body.append(line);
  });
}

function addParameterRows(coefficients) {
  const rows = document.querySelector('#nastroyka .parameters');
  const count = coefficients.length;
  coefficients.forEach(([name, meaning], i) => {
    const field = `Text${i + 1}`;
    const symbol = `nastroyka-Label${i + 1}`;
    const described = `nastroyka-Label${i + 1 + count}`;
    // A screen reader says the symbol and what it means.
    rows.append(element('label', { for: `nastroyka-${field}`, id: symbol, 'data-name': `Label${i + 1}`, class: 'symbol' }, name),
      element('span', { id: described, 'data-name': `Label${i + 1 + count}`, class: 'meaning' }, meaning),
      element('input', { id: `nastroyka-${field}`, 'data-name': field, autocomplete: 'off', 'aria-labelledby': `${symbol} ${described}` }));
  });
}

function fillList(id, items) {
  const list = document.getElementById(id);
  // The empty item means "nothing taken": an empty field says the same.
  for (const item of items) if (item !== '') list.append(element('option', { value: item }));
}

function addSteelList(items, widths) {
  const select = document.getElementById('okon-Combo1');
  // The rows line up by their blanks, which an option would run together.
  for (const item of items) select.append(element('option', {}, item.replaceAll(' ', '\u00a0')));
  select.selectedIndex = 0;
  // The heads take the widths of the columns the rows are padded to.
  const heads = document.querySelector('#okon .steel-heads');
  const starts = [0];
  for (const width of widths) starts.push(starts[starts.length - 1] + width);
  heads.style.width = `${starts[starts.length - 1]}ch`;
  for (const head of heads.children) {
    const column = Number(head.dataset.column);
    const span = Number(head.dataset.span || 1);
    head.style.gridColumn = `${column + 1} / span ${span}`;
    head.style.gridRow = head.dataset.row ? `${head.dataset.row}` : `1 / span ${head.dataset.rows || 1}`;
  }
  heads.style.gridTemplateColumns = widths.map((w) => `${w}ch`).join(' ');
}

// Builds what the core lists into the page's screens.
export function buildScreens(tables) {
  const desk = document.getElementById('desk');
  const info = document.getElementById('info');
  addSteelScreens(desk, tables.steelScreens, document.getElementById('Vvod2'));
  addSketchScreens(desk, tables.sketchScreens, info);
  addPairRows(tables.pairRows);
  addParameterRows(tables.coefficients);
  fillList('Vvod2-Combo1-list', tables.gearRatios);
  fillList('Vibor-Combo1-list', tables.moduleRow1);
  fillList('Vibor-Combo2-list', tables.moduleRow2);
  addSteelList(tables.steelItems, tables.steelColumnWidths);
}
