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

// The self-check's rows: a heading for each mode and screen, then each value
// line's symbol and formula, its field, its mark and, on a wrong line, the
// formula redone with the student's own values (the names the session's
// replies write into).
export function selfCheckHtml(rows, screen) {
  let html = '';
  let section = null;
  let heading = null;
  rows.forEach((row, i) => {
    const n = i + 1;
    if (row.section !== section) {
      section = row.section;
      heading = null;
      html += `<h3>${escaped(section)}</h3>`;
    }
    if (row.heading !== heading) {
      heading = row.heading;
      html += `<h4>${escaped(heading)}</h4>`;
    }
    const formula = symbolHtml(row.quantity) + (row.symbolic ? ` = ${symbolHtml(row.symbolic)}` : '');
    html += `<p class="selfline"><label for="${screen}-Self${n}">${formula} =</label> `
      + `<input id="${screen}-Self${n}" data-name="Self${n}" inputmode="decimal" autocomplete="off" size="9" value="${escaped(row.typed)}"> `
      + `${escaped(row.unit)} <span data-name="Mark${n}" class="mark">${escaped(row.mark)}</span>`
      + `<span data-name="Own${n}" class="own">${escaped(row.own)}</span></p>`;
  });
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
