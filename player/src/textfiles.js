// Loads the book's text (files/search/, docs/search-text.md) with script elements, which work over
// http and from a page opened from a file: index.js when the book opens, a chunk of pages only
// when it is first needed, and each file once.
import { TextIndex } from './search.js';
import { loadScript } from './dom.js';

export const TEXT_DIR = 'files/search/';

const arrived = { index: null, chunks: new Map() };

/** Runs the script `name` of files/search; resolves when it has run, rejects when it cannot be loaded. */
function runScript(name) {
  // Each file hands its object to the global pagewindText; the chunk number tells the files apart.
  window.pagewindText = (value) => {
    if (value && value.chunk !== undefined) arrived.chunks.set(value.chunk, value);
    else arrived.index = value;
  };
  return loadScript(TEXT_DIR + name).catch((e) => { throw Object.assign(e, { missing: true }); });
}

/** The text of a book: which pages have words, and their words once their chunk has arrived. */
export class BookText {
  constructor(index) {
    this.index = new TextIndex(index);
    this.chunkSize = Math.max(1, index.chunkSize | 0);
    this.loading = new Map(); // chunk -> promise
  }

  has(n) { return this.index.pagesWithText.has(n); }

  chunkOf(n) { return Math.ceil(n / this.chunkSize); }

  /** Loads chunk k once; resolves when its pages are in the index. */
  loadChunk(k) {
    if (!this.loading.has(k)) {
      this.loading.set(k, runScript('text-' + k + '.js').then(() => {
        const value = arrived.chunks.get(k);
        arrived.chunks.delete(k);
        this.index.addChunk(value);
      }));
    }
    return this.loading.get(k);
  }

  /** The words of page n (a PageText, or null for a page without words). */
  page(n) {
    if (!this.has(n)) return Promise.resolve(null);
    return this.loadChunk(this.chunkOf(n)).then(() => this.index.page(n));
  }

  /** Loads every chunk, for a search. */
  loadAll() {
    const all = [];
    for (let k = 1; k <= this.index.chunkCount; k++) all.push(this.loadChunk(k));
    return Promise.all(all);
  }
}

/** Loads files/search/index.js: resolves to a BookText, or to null for a book without text. */
export function loadText() {
  return runScript('index.js').then(() => {
    const index = arrived.index;
    arrived.index = null;
    const text = new BookText(index);
    return text.index.pagesWithText.size ? text : null;
  }).catch((e) => {
    // A book without words has no files/search; anything else unreadable leaves it without search too.
    if (!e.missing) console.warn(e);
    return null;
  });
}
