// Search in a 1,000-page text book: the book is imported by pagewind-cli from a PDF of 1,000 pages
// of 48 lines each, its files/search scripts are loaded as the player loads them (each hands one
// object to pagewindText), and searches are timed on the loaded text (best of five each).
// Usage: node bench/search.mjs PAGEWIND_CLI PDF BOOK_FOLDER. Prints JSON.
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { execFileSync } from 'node:child_process';
import { TextIndex } from '../player/src/search.js';

const [cli, pdf, book] = process.argv.slice(2);
execFileSync(cli, ['import', '--quality', '4', '-o', book, pdf], { stdio: 'ignore' });

const folder = join(book, 'files', 'search');
const objects = [];
globalThis.pagewindText = (value) => objects.push(value);
const load = (name) => new Function(readFileSync(join(folder, name), 'utf8'))();
const sizeOf = (dir) => readdirSync(dir).reduce((sum, name) => sum + statSync(join(dir, name)).size, 0);

load('index.js');
const index = new TextIndex(objects.shift());
const t0 = performance.now();
for (let chunk = 1; chunk <= index.chunkCount; chunk++) load('text-' + chunk + '.js');
const t1 = performance.now();
for (const value of objects) index.addChunk(value);
const t2 = performance.now();

const result = { pages: index.pages.size, parseMs: Math.round(t1 - t0), indexMs: Math.round(t2 - t1), searches: {} };
for (const query of ['lazy dog', 'page 999 line 48', 'again and', 'zebra', 'q']) {
  let best = Infinity;
  let found = null;
  for (let run = 0; run < 5; run++) {
    const t = performance.now();
    found = index.search(query);
    best = Math.min(best, performance.now() - t);
  }
  result.searches[query] = { ms: Math.round(best * 10) / 10, hits: found.hits.length, pages: found.pages };
}
result.textKB = Math.round(sizeOf(folder) / 1024);
result.picturesKB = Math.round(sizeOf(join(book, 'files', 'page')) / 1024);
console.log(JSON.stringify(result));
