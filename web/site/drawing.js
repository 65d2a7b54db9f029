// SPDX-License-Identifier: GPL-3.0-or-later
// The core's drawings in the pictures of the sketch screens and the
// results' drawing screen. The core lays each out for the area its picture
// has on the desktop, with the student's numbers, and writes it as SVG; the
// page only places it.

// The desktop's pictures are sized in pixels at 96 to the inch.
const kMillimetresPerPixel = 25.4 / 96;
// Texts are 3.5 mm high on the area, 13 px at its size: a narrower screen
// shrinks the drawing to three quarters of that at most and scrolls the rest.
const kNarrowest = 0.75;

let placed = 0;

// The SVG document as an element of this page: its ids made unique, since
// every drawing names its layers alike, and sized by the page.
function adopted(svgText, width) {
  const svg = new DOMParser().parseFromString(svgText, 'image/svg+xml').documentElement;
  placed += 1;
  for (const named of svg.querySelectorAll('[id]')) named.id = `drawing${placed}-${named.id}`;
  svg.removeAttribute('width');
  svg.removeAttribute('height');
  svg.setAttribute('role', 'img');
  svg.setAttribute('aria-label', svg.querySelector('title')?.textContent ?? '');
  svg.style.width = '100%';
  svg.style.maxWidth = `${width}px`;
  svg.style.minWidth = `${Math.round(width * kNarrowest)}px`;
  return document.importNode(svg, true);
}

// Shows in `picture` what `draw(widthMm, heightMm)` gives, the core's SVG
// for the picture's area (data-width × data-height px); an empty answer
// leaves it blank.
export function showDrawing(picture, draw) {
  const width = Number(picture.dataset.width);
  const height = Number(picture.dataset.height);
  const svgText = draw(width * kMillimetresPerPixel, height * kMillimetresPerPixel);
  picture.style.width = `${width}px`;
  picture.replaceChildren(svgText ? adopted(svgText, width) : '');
}
