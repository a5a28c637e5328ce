// Loads the book's text (files/search/, docs/search-text.md) with script elements, which work over
// http and from a page opened from a file: index.js when the book opens, a chunk of pages when it
// is first needed or, once the first pages are shown, one after another in idle time, so that
// the first search finds the text there; each file once.
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

  /** The first and last page of chunk k. */
  chunkPages(k) { return [(k - 1) * this.chunkSize + 1, k * this.chunkSize]; }

  /**
   * Loads the chunks one after another and prepares their words for search, each step when the
   * browser is idle, so that reading goes on undisturbed. Resolves when all is ready.
   */
  preload() {
    if (!this.preloading) {
      const idle = () => new Promise((resolve) => {
        if (window.requestIdleCallback) requestIdleCallback(resolve, { timeout: 500 });
        else setTimeout(() => resolve(null), 30);
      });
      const prepareAll = () => idle().then((deadline) => {
        const done = this.index.prepare(() => !deadline || deadline.timeRemaining() > 2);
        return done ? undefined : prepareAll();
      });
      let chain = Promise.resolve();
      for (let k = 1; k <= this.index.chunkCount; k++) chain = chain.then(idle).then(() => this.loadChunk(k)).then(prepareAll);
      this.preloading = chain.catch((e) => console.warn(e));
    }
    return this.preloading;
  }
}

/** Loads files/search/index.js: resolves to a BookText, or to null for a book without text. Only
 * for books that have text, or may (written before books said): any other asks for no file. */
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
