// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation note as a page to print: the title block with the
// student's name, group and variant and the date, then for each mode that
// reached its results its inputs, walkthrough, results and drawing, all as
// the core gives them.
import { resultTablesHtml, walkthroughHtml } from './walkthrough.js';

function escaped(text) {
  return String(text).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
}

// dd.mm.yyyy, as the desktop's report dates it.
function today(date = new Date()) {
  const two = (n) => String(n).padStart(2, '0');
  return `${two(date.getDate())}.${two(date.getMonth() + 1)}.${date.getFullYear()}`;
}

// Every drawing names its layers alike: the ids, and what refers to them,
// are made the page's own.
function unique(svg, prefix) {
  return svg.replace(/(\sid=")|(url\(#)|(href="#)/g, (found) => found + prefix).replace(/<\?xml[^>]*>/, '');
}

export function reportHtml(report, author, { say }) {
  const words = (source) => say(source, 'gear::ui::Report');
  const title = words('Расчёт зубчатого колеса');
  let html = `<h1 id="report-title">${escaped(title)}</h1><table class="grid title-block"><tbody>`;
  const rows = [[words('Студент'), author.name], [words('Группа'), author.group], [words('Вариант'), author.variant],
    [words('Дата'), today()], [words('Программа'), `${report.program} — ${title}`]];
  for (const [caption, value] of rows) html += `<tr><th scope="row">${escaped(caption)}</th><td>${escaped(value ?? '')}</td></tr>`;
  html += '</tbody></table>';
  if (report.modes.length === 0) html += `<p class="not-run">${escaped(words('Ни один расчёт ещё не доведён до результатов.'))}</p>`;
  report.modes.forEach((mode, i) => {
    html += `<section class="mode"><h2>${escaped(mode.title)}</h2>`;
    html += resultTablesHtml([mode.inputs]);
    if (mode.walkthrough) {
      html += `<h3>${escaped(words('Ход расчёта'))}</h3><div class="steps">`;
      html += walkthroughHtml(mode.walkthrough.groups.length ? [{ ...mode.walkthrough, title: '' }] : []);
      html += '</div>';
    }
    if (mode.results) html += resultTablesHtml([mode.results]);
    if (mode.drawing) html += `<figure class="report-drawing"><h3>${escaped(words('Чертёж'))}</h3>${unique(mode.drawing, `report${i}-`)}</figure>`;
    html += '</section>';
  });
  return html;
}
