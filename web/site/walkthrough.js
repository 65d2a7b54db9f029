// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation each mode ran last, as the core recorded it: formulas with
// their symbols, the same with the numbers, and the results.

const kNotRun = 'Расчёт в этом режиме ещё не выполнялся.';
const kRefused = 'Расчёт не выполнен: ';

function escaped(text) {
  return text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
}

// A symbol written with its index after "_" and its power after "^".
export function symbolHtml(marked) {
  return escaped(marked)
    .replace(/_([\p{L}\p{N}_]+)/gu, '<sub>$1</sub>')
    .replace(/\^(\d+)/g, '<sup>$1</sup>');
}

function plainSymbols(marked) {
  return marked.replaceAll('_', '').replaceAll('^2', '²').replaceAll('^3', '³');
}

export function walkthroughHtml(modes) {
  let html = '';
  for (const mode of modes) {
    html += `<h3>${escaped(mode.title)}</h3>`;
    if (!mode.groups) {
      html += `<p class="not-run">${kNotRun}</p>`;
      continue;
    }
    for (const group of mode.groups) {
      html += `<h4>${escaped(group.title)}</h4>`;
      if (group.refusal) {
        html += `<p class="refused">${kRefused}${escaped(group.refusal)}</p>`;
        continue;
      }
      // One line a step, broken only between its parts on a narrow screen.
      html += '<div class="group">';
      for (const step of group.steps) {
        if (step.decision) {
          html += `<p class="decision">→ ${escaped(step.decision)}</p>`;
          continue;
        }
        html += `<p class="step"><span>${symbolHtml(step.quantity)}`;
        if (step.hasValues) html += ` = ${symbolHtml(step.symbolic)}</span> <span>= ${symbolHtml(step.substituted)}`;
        html += `</span> <span class="result">= <b>${escaped(step.result)}</b></span></p>`;
      }
      html += '</div>';
    }
  }
  return html;
}

export function walkthroughText(modes) {
  let text = '';
  for (const mode of modes) {
    text += `${mode.title}\n`;
    if (!mode.groups) {
      text += `  ${kNotRun}\n\n`;
      continue;
    }
    for (const group of mode.groups) {
      text += `  ${group.title}\n`;
      if (group.refusal) {
        text += `    ${kRefused}${group.refusal}\n`;
        continue;
      }
      for (const step of group.steps) {
        if (step.decision) {
          text += `    → ${step.decision}\n`;
          continue;
        }
        let line = `    ${plainSymbols(step.quantity)}`;
        if (step.hasValues) line += ` = ${plainSymbols(step.symbolic)} = ${plainSymbols(step.substituted)}`;
        text += `${line} = ${step.result}\n`;
      }
    }
    text += '\n';
  }
  return text;
}

// The inputs and results tables of each mode that reached its results, for
// the printout.
export function resultTablesHtml(tables) {
  let html = '';
  for (const table of tables) {
    html += `<h3>${escaped(table.title)}</h3><table class="grid">`;
    for (const row of table.rows) html += `<tr>${row.map((cell) => `<td>${escaped(cell)}</td>`).join('')}</tr>`;
    html += '</table>';
  }
  return html;
}
