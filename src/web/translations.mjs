// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's English catalogue (Qt Linguist's .ts) as the JSON the page
// hands the core: {context: {source: translation}}. Unfinished and vanished
// entries stay out, so their texts show in Russian as on the desktop.
//   node translations.mjs gearwheel_en.ts gearwheel_en.json
import { readFileSync, writeFileSync } from 'node:fs';

const kEntities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

function unescaped(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#\d+|\w+);/g, (whole, name) => {
    if (name.startsWith('#x')) return String.fromCodePoint(parseInt(name.slice(2), 16));
    if (name.startsWith('#')) return String.fromCodePoint(parseInt(name.slice(1), 10));
    return kEntities[name] ?? whole;
  });
}

export function catalogueOf(ts) {
  const catalogue = {};
  for (const [, body] of ts.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const context = unescaped(body.match(/<name>([\s\S]*?)<\/name>/)[1]);
    for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = message.match(/<source>([\s\S]*?)<\/source>/);
      const translation = message.match(/<translation(?:\s+type="([^"]*)")?\s*>([\s\S]*?)<\/translation>/);
      if (!source || !translation || translation[1] || translation[2] === '') continue;
      (catalogue[context] ??= {})[unescaped(source[1])] = unescaped(translation[2]);
    }
  }
  return catalogue;
}

if (process.argv.length === 4) {
  writeFileSync(process.argv[3], JSON.stringify(catalogueOf(readFileSync(process.argv[2], 'utf8'))));
}
