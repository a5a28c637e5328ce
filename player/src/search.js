// The book's text (files/search/, docs/search-text.md) prepared for search: each page's words are
// folded once into one search text (case, accents, ligatures, quotes), with a map from every
// character of it back to the word it came from, so a hit highlights exactly the words shown.

export const TEXT_FORMAT = 'pagewind-text';
export const TEXT_VERSION = 1;
const UNIT = 10000; // word boxes are stored in ten-thousandths of the page picture

const FOLDS = new Map([
  ['\u2018', "'"], ['\u2019', "'"], ['\u201a', "'"], ['\u201b', "'"], ['\u2032', "'"],
  ['\u201c', '"'], ['\u201d', '"'], ['\u201e', '"'], ['\u00ab', '"'], ['\u00bb', '"'],
  ['\u2010', '-'], ['\u2011', '-'], ['\u2012', '-'], ['\u2013', '-'], ['\u2014', '-'],
  ['\u00df', 'ss'], ['\u00e6', 'ae'], ['\u0153', 'oe'], ['\u00f8', 'o'], ['\u0142', 'l'], ['\u0131', 'i'],
]);
const MARKS = /\p{M}/gu;
const SPACES = /\s+/gu;
const HYPHEN_END = /[-\u00ad\u2010]$/u;

const PLAIN_ASCII = /^[\x20-\x7e]*$/;

/** Text as search compares it: compatibility-decomposed, marks dropped, lower case, folded. */
export function fold(text) {
  const value = String(text);
  if (PLAIN_ASCII.test(value)) return value.toLowerCase(); // most words: nothing to decompose
  const plain = value.normalize('NFKD').replace(MARKS, '').toLowerCase();
  let out = '';
  for (const ch of plain) out += FOLDS.get(ch) ?? ch;
  return out;
}

/** A query as search matches it: folded, runs of white space as one space, trimmed. */
export function foldQuery(query) {
  return fold(query).replace(SPACES, ' ').trim();
}

/** Refuses what is not a text object of a format this reader knows. */
export function checkTextObject(value) {
  if (!value || value.format !== TEXT_FORMAT) throw new Error('not the text of a Pagewind book');
  if (value.version !== TEXT_VERSION) throw new Error('text of an unknown version ' + value.version);
  return value;
}

/** One page's words (boxes in fractions of the picture) and its folded search text. */
export class PageText {
  constructor(number, lines) {
    this.number = number;
    this.words = [];
    const pieces = [];
    const owners = [];
    let joinsPrevious = false;
    for (const line of Array.isArray(lines) ? lines : []) {
      const wordsOfLine = Array.isArray(line.w) ? line.w : [];
      const y = line.y / UNIT;
      const height = line.h / UNIT;
      wordsOfLine.forEach((w, i) => {
        const word = { text: String(w[0] ?? ''), x: w[1] / UNIT, y, width: w[2] / UNIT, height };
        const index = this.words.push(word) - 1;
        // A hyphen that splits a word at the line's end joins it with the next line's first word.
        const joinsNext = line.j === 1 && i === wordsOfLine.length - 1;
        if (pieces.length && !joinsPrevious) {
          pieces.push(' ');
          owners.push(-1);
        }
        pieces.push(joinsNext ? word.text.replace(HYPHEN_END, '') : word.text);
        owners.push(index);
        joinsPrevious = joinsNext;
      });
    }
    // A page of plain ASCII (most) folds in one go, keeping every piece's length.
    const raw = pieces.join('');
    const ascii = PLAIN_ASCII.test(raw);
    if (!ascii) pieces.forEach((piece, i) => { pieces[i] = fold(piece); });
    this.text = ascii ? raw.toLowerCase() : pieces.join('');
    // For each character of text, the word it belongs to (-1 for a space between words).
    this.owner = new Int32Array(this.text.length);
    let at = 0;
    pieces.forEach((piece, i) => {
      this.owner.fill(owners[i], at, at + piece.length);
      at += piece.length;
    });
  }

  /** The words, as indexes, that characters start..end-1 of the search text fall on. */
  wordsAt(start, end) {
    const words = [];
    for (let i = start; i < end; i++) {
      const owner = this.owner[i];
      if (owner >= 0 && words[words.length - 1] !== owner) words.push(owner);
    }
    return words;
  }

  /** A short passage around words first..last: {before, match, after}, as printed. */
  passage(first, last, context = 6) {
    const join = (from, to) => this.words.slice(Math.max(0, from), Math.max(0, to)).map((w) => w.text).join(' ');
    return {
      before: (first > context ? '… ' : '') + join(first - context, first),
      match: join(first, last + 1),
      after: join(last + 1, last + 1 + context) + (last + 1 + context < this.words.length ? ' …' : ''),
    };
  }
}

/**
 * The pages of a book that have text, filled chunk by chunk, searched as a whole or a run of pages
 * at a time. A page's words are prepared for search when it is first needed, or ahead of that in
 * idle time (prepare).
 */
export class TextIndex {
  constructor(index) {
    checkTextObject(index);
    this.pageCount = index.pageCount | 0;
    this.chunkCount = index.chunks | 0;
    this.pagesWithText = new Set(Array.isArray(index.pages) ? index.pages : []);
    this.pages = new Map(); // number -> PageText
    this.raw = new Map(); // number -> lines, not prepared yet
    this.loadedChunks = new Set();
  }

  /** Adds the pages of one chunk (a text object with "chunk" and "pages"). */
  addChunk(value) {
    checkTextObject(value);
    for (const page of Array.isArray(value.pages) ? value.pages : []) {
      if (Number.isInteger(page.page) && !this.pages.has(page.page)) this.raw.set(page.page, page.lines);
    }
    this.loadedChunks.add(value.chunk);
  }

  get complete() {
    return this.loadedChunks.size >= this.chunkCount;
  }

  page(number) {
    if (!this.pages.has(number) && this.raw.has(number)) {
      this.pages.set(number, new PageText(number, this.raw.get(number)));
      this.raw.delete(number);
    }
    return this.pages.get(number) || null;
  }

  /** Prepares pages not prepared yet while `more()` says there is time; true when none is left. */
  prepare(more = () => true) {
    for (const number of this.raw.keys()) {
      if (!more()) return false;
      this.page(number);
    }
    return true;
  }

  /** The passage around a hit, {before, match, after}, as printed. */
  passageOf(hit) {
    return this.page(hit.page).passage(hit.words[0], hit.words[hit.words.length - 1]);
  }

  /**
   * Every occurrence of the query on pages from..to (all by default), in page order: {hits: [{page, words}], pages}, words being
   * indexes into the page's words (passageOf gives a hit's passage when it is shown). Matching
   * ignores case and accents and runs across line breaks; an empty query finds nothing.
   */
  search(query, from = 1, to = Infinity) {
    const needle = foldQuery(query);
    const hits = [];
    let pages = 0;
    if (!needle) return { hits, pages };
    const numbers = [...this.pages.keys(), ...this.raw.keys()].filter((n) => n >= from && n <= to).sort((a, b) => a - b);
    for (const number of numbers) {
      const page = this.page(number);
      let at = page.text.indexOf(needle);
      if (at >= 0) pages++;
      while (at >= 0) {
        const words = page.wordsAt(at, at + needle.length);
        if (words.length) hits.push({ page: number, words });
        at = page.text.indexOf(needle, at + needle.length);
      }
    }
    return { hits, pages };
  }
}
