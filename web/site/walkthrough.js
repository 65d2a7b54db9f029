// SPDX-License-Identifier: GPL-3.0-or-later
// The walkthrough and the results as the core gives them, as rows: the page
// only writes them as HTML. Their plain text is the core's too.

function escaped(text) {
  return text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
}

// A symbol written with its index after "_" and its power after "^".
export function symbolHtml(marked) {
  return escaped(marked)
    .replace(/_([\p{L}\p{N}_]+)/gu, '<sub>$1</sub>')
    .replace(/\^(\d+)/g, '<sup>$1</sup>');
}

export function walkthroughHtml(sections) {
  let html = '';
  for (const section of sections) {
    if (section.title) html += `<h3>${escaped(section.title)}</h3>`;
    if (section.notRun) {
      html += `<p class="not-run">${escaped(section.notRun)}</p>`;
      continue;
    }
    for (const group of section.groups) {
      html += `<h4>${escaped(group.title)}</h4>`;
      if (group.refusal) {
        html += `<p class="refused">${escaped(group.refusal)}</p>`;
        continue;
      }
      // One line a step, broken only between its parts on a narrow screen.
      html += '<div class="group">';
      for (const line of group.lines) {
        if (line.decision) {
          html += `<p class="decision">→ ${escaped(line.decision)}</p>`;
          continue;
        }
        html += `<p class="step"><span>${symbolHtml(line.quantity)}`;
        if (line.symbolic) html += ` = ${symbolHtml(line.symbolic)}</span> <span>= ${symbolHtml(line.substituted)}`;
        html += `</span> <span class="result">= <b>${escaped(line.result)}</b></span></p>`;
      }
      html += '</div>';
    }
  }
  return html;
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
