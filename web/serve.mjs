// SPDX-License-Identifier: GPL-3.0-or-later
// Serves a folder of static files on 127.0.0.1, gzipped for a browser that
// takes gzip, as most web servers would. Any other static server does too.
//   node web/serve.mjs FOLDER [PORT]     (PORT 0: any free port)
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { gzipSync } from 'node:zlib';
import { pathToFileURL } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.jpg': 'image/jpeg',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
};
// Already compressed.
const kPacked = new Set(['.png', '.jpg']);

export function serve(folder, port = 0) {
  const root = resolve(folder);
  // Each file is compressed once, when first asked for.
  const gzipped = new Map();
  const server = createServer(async (request, response) => {
    let path;
    try {
      path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    } catch {
      response.writeHead(400).end();
      return;
    }
    const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
    // Nothing outside the folder is served.
    if (file !== root && !file.startsWith(root + sep)) {
      response.writeHead(403).end();
      return;
    }
    let body;
    try {
      body = await readFile(file);
    } catch {
      response.writeHead(404, { 'content-type': 'text/plain; charset=utf-8' }).end('Not found');
      return;
    }
    const headers = { 'content-type': kTypes[extname(file)] ?? 'application/octet-stream', 'cache-control': 'no-cache' };
    if (/\bgzip\b/.test(request.headers['accept-encoding'] ?? '') && !kPacked.has(extname(file))) {
      if (!gzipped.has(file)) gzipped.set(file, gzipSync(body, { level: 9 }));
      body = gzipped.get(file);
      headers['content-encoding'] = 'gzip';
    }
    headers['content-length'] = body.length;
    response.writeHead(200, headers).end(body);
  });
  return new Promise((done) => {
    server.listen(port, '127.0.0.1', () => done(server));
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const folder = process.argv[2] ?? '.';
  const port = Number(process.argv[3] ?? process.env.PORT ?? 8080);
  const server = await serve(folder, port);
  console.log(`Serving ${folder} on http://127.0.0.1:${server.address().port}/`);
}
