// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of a wheel on a sketch screen or the results' drawing screen.
// The core says which drawing goes where; when it gives the drawing itself
// (an SVG text) that is shown. Until then each of the three designs is one
// fixed picture marked with the symbols of its dimensions, as the course's
// screens always had: the numbers stand in the table beside it.

const kInk = '#102050';
const kDimension = '#902020';

let pictures = 0;

function polygon(points, mirrorAbout) {
  const upper = points.map(([x, y]) => `${x},${y}`).join(' ');
  const lower = points.map(([x, y]) => `${x},${2 * mirrorAbout - y}`).join(' ');
  return [upper, lower];
}

// A dimension line with arrows at both ends and its symbol at (tx, ty).
function dimension(id, x1, y1, x2, y2, symbol, tx, ty) {
  return `<line x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}" class="dim" marker-start="url(#${id}-arrow)" marker-end="url(#${id}-arrow)"/>` +
    (symbol ? `<text x="${tx}" y="${ty}" class="sym">${symbol}</text>` : '');
}

function extension(x1, y1, x2, y2) {
  return `<line x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}" class="ext"/>`;
}

function centre(x1, y1, x2, y2) {
  return `<line x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}" class="axis"/>`;
}

function label(x, y, symbol) {
  return `<text x="${x}" y="${y}" class="sym">${symbol}</text>`;
}

function frame(id, width, body) {
  return `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${width} 330" width="${width}" height="330">` +
    '<defs>' +
    `<pattern id="${id}-hatch" width="7" height="7" patternUnits="userSpaceOnUse" patternTransform="rotate(45)">` +
    '<line x1="0" y1="0" x2="0" y2="7" stroke="#506090" stroke-width="1"/></pattern>' +
    `<marker id="${id}-arrow" viewBox="0 0 10 10" refX="10" refY="5" markerWidth="8" markerHeight="8" orient="auto-start-reverse">` +
    `<path d="M0,1 L10,5 L0,9 z" fill="${kDimension}"/></marker>` +
    '</defs>' +
    `<style>.body{fill:url(#${id}-hatch);stroke:${kInk};stroke-width:1.6}` +
    `.thin{fill:none;stroke:${kInk};stroke-width:0.8}` +
    `.axis{stroke:${kInk};stroke-width:0.8;stroke-dasharray:12 3 2 3}` +
    `.dim{stroke:${kDimension};stroke-width:1}.ext{stroke:${kDimension};stroke-width:0.7}` +
    `.sym{fill:${kDimension};font:13px serif}.hole{fill:#fff;stroke:${kInk};stroke-width:1.2}` +
    `.spoke{fill:#e8ecf4;stroke:${kInk};stroke-width:1.4}.ring{fill:none;stroke:${kInk};stroke-width:1.4}</style>` +
    body + '</svg>';
}

// A wheel section about the axis y = 165: rim, web and hub, both halves.
function section(id, outline, rootY, pitchY, x1, x2) {
  const [upper, lower] = polygon(outline, 165);
  return `<polygon points="${upper}" class="body"/><polygon points="${lower}" class="body"/>` +
    `<line x1="${x1}" y1="${rootY}" x2="${x2}" y2="${rootY}" class="thin"/>` +
    `<line x1="${x1}" y1="${330 - rootY}" x2="${x2}" y2="${330 - rootY}" class="thin"/>` +
    centre(x1 - 6, pitchY, x2 + 6, pitchY) + centre(x1 - 6, 330 - pitchY, x2 + 6, 330 - pitchY);
}

function solid(id) {
  // Rim 120..220 (bw), tip at y 35, rim inside at 70, disc 150..190 down
  // to the hub at 120, hub 110..230 (Lст), bore at 140.
  const outline = [[110, 140], [110, 120], [150, 120], [150, 70], [120, 70], [120, 42], [127, 35], [213, 35],
    [220, 42], [220, 70], [190, 70], [190, 120], [230, 120], [230, 140]];
  return frame(id, 340, section(id, outline, 50, 45, 120, 220) +
    centre(90, 165, 250, 165) +
    extension(220, 35, 294, 35) + extension(220, 295, 294, 295) + dimension(id, 290, 35, 290, 295, 'da', 295, 170) +
    extension(230, 120, 262, 120) + extension(230, 210, 262, 210) + dimension(id, 258, 120, 258, 210, 'dст', 263, 170) +
    extension(110, 140, 66, 140) + extension(110, 190, 66, 190) + dimension(id, 70, 140, 70, 190, 'dв', 42, 170) +
    dimension(id, 100, 35, 100, 70, 'S', 86, 57) +
    extension(120, 35, 120, 12) + extension(220, 35, 220, 12) + dimension(id, 120, 16, 220, 16, 'bw', 162, 12) +
    extension(110, 190, 110, 322) + extension(230, 190, 230, 322) + dimension(id, 110, 318, 230, 318, 'Lст', 160, 312) +
    dimension(id, 134, 95, 150, 95, '', 0, 0) + dimension(id, 206, 95, 190, 95, 'C', 208, 90) +
    label(134, 112, 'k') + label(108, 32, 'f'));
}

function disc(id) {
  // Rim 130..230, tip at 35, rim inside at 70, disc 165..195 with holes
  // about y 95, hub 120..240 down to 120, bore at 140.
  const outline = [[120, 140], [120, 120], [165, 120], [165, 78], [158, 70], [130, 70], [130, 42], [137, 35],
    [223, 35], [230, 42], [230, 70], [202, 70], [195, 78], [195, 120], [240, 120], [240, 140]];
  return frame(id, 380, section(id, outline, 50, 45, 130, 230) +
    '<rect x="163" y="86" width="34" height="18" class="hole"/><rect x="163" y="226" width="34" height="18" class="hole"/>' +
    centre(155, 95, 205, 95) + centre(155, 235, 205, 235) + centre(100, 165, 260, 165) +
    extension(230, 35, 344, 35) + extension(230, 295, 344, 295) + dimension(id, 340, 35, 340, 295, 'da', 345, 170) +
    extension(230, 70, 314, 70) + extension(230, 260, 314, 260) + dimension(id, 310, 70, 310, 260, 'Dк', 315, 200) +
    extension(240, 120, 282, 120) + extension(240, 210, 282, 210) + dimension(id, 278, 120, 278, 210, 'dст', 283, 170) +
    extension(120, 140, 96, 140) + extension(120, 190, 96, 190) + dimension(id, 100, 140, 100, 190, 'dв', 76, 170) +
    extension(163, 95, 56, 95) + extension(163, 235, 56, 235) + dimension(id, 60, 95, 60, 235, 'D0', 34, 170) +
    dimension(id, 115, 35, 115, 70, 'δ0', 95, 57) +
    extension(130, 35, 130, 12) + extension(230, 35, 230, 12) + dimension(id, 130, 16, 230, 16, 'bw', 172, 12) +
    extension(120, 190, 120, 322) + extension(240, 190, 240, 322) + dimension(id, 120, 318, 240, 318, 'Lст', 170, 312) +
    dimension(id, 149, 145, 165, 145, '', 0, 0) + dimension(id, 211, 145, 195, 145, 'c', 213, 140) +
    label(200, 92, 'd0') + label(146, 82, 'R') + label(118, 32, 'f'));
}

function spoked(id) {
  // The section on the left: rim 90..190, tip at 45, rim inside at 75,
  // spoke web 127..153, hub 80..200 down to 125, bore at 142.
  const outline = [[80, 142], [80, 125], [125, 125], [128, 75], [90, 75], [90, 52], [97, 45], [183, 45],
    [190, 52], [190, 75], [152, 75], [155, 125], [200, 125], [200, 142]];
  // The front view on the right, about (430, 165): tip 120, rim inside 95,
  // hub 34, bore 20, six spokes narrowing from the hub to the rim.
  const spokes = [];
  for (let k = 0; k < 6; ++k) {
    const a = k * Math.PI / 3 + Math.PI / 6;
    const ux = Math.cos(a);
    const uy = Math.sin(a);
    const point = (r, w) => `${(430 + ux * r - uy * w).toFixed(1)},${(165 + uy * r + ux * w).toFixed(1)}`;
    spokes.push(`<polygon points="${point(34, 14)} ${point(95, 11)} ${point(95, -11)} ${point(34, -14)}" class="spoke"/>`);
  }
  return frame(id, 560, section(id, outline, 60, 55, 90, 190) +
    centre(60, 165, 220, 165) +
    extension(190, 45, 254, 45) + extension(190, 285, 254, 285) + dimension(id, 250, 45, 250, 285, 'da', 236, 300) +
    extension(200, 125, 226, 125) + extension(200, 205, 226, 205) + dimension(id, 222, 125, 222, 205, 'dст', 226, 170) +
    extension(80, 142, 56, 142) + extension(80, 188, 56, 188) + dimension(id, 60, 142, 60, 188, 'dв', 34, 170) +
    dimension(id, 75, 45, 75, 75, 'δ0', 55, 64) +
    extension(90, 45, 90, 20) + extension(190, 45, 190, 20) + dimension(id, 90, 24, 190, 24, 'bw', 132, 20) +
    extension(80, 188, 80, 322) + extension(200, 188, 200, 322) + dimension(id, 80, 318, 200, 318, 'Lст', 130, 312) +
    dimension(id, 111, 100, 127, 100, '', 0, 0) + dimension(id, 170, 100, 154, 100, 'c', 172, 95) +
    label(92, 92, '0,8δ0') + label(158, 120, '1:20') +
    '<circle cx="430" cy="165" r="120" class="ring"/><circle cx="430" cy="165" r="95" class="ring"/>' +
    spokes.join('') +
    '<circle cx="430" cy="165" r="34" class="ring" style="fill:#fff"/><circle cx="430" cy="165" r="20" class="ring"/>' +
    centre(302, 165, 558, 165) + centre(430, 37, 430, 293) +
    dimension(id, 448, 180, 462, 156, 'H', 466, 170) + dimension(id, 500, 222, 514, 198, '0,8H', 516, 214) +
    label(372, 98, 'R') + label(440, 64, 'δр') + label(350, 200, 'L'));
}

const kDesigns = { solid, disc, spoked };

// Shows `picture` ({design, svg?}) in `element`.
export function drawPicture(element, picture) {
  if (picture.svg) {
    element.innerHTML = picture.svg;
    return;
  }
  const draw = kDesigns[picture.design];
  if (!draw) return;
  pictures += 1;
  element.innerHTML = draw(`wheel${pictures}`);
  element.dataset.design = picture.design;
}
