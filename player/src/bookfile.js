// Loads the book: files/book.bin over http and https, files/book.js (the same bytes as a script,
// docs/book-js.md) on pages opened from a file or when that read fails. The bytes are RC4-decrypted,
// their single ZIP entry unpacked and book.xml parsed.
import { rc4, keyBytes, BOOK_KEY } from './rc4.js';
import { readFirstEntry, entryContent } from './zip.js';
import { parseBook } from './model.js';
import { loadScript } from './dom.js';

export const BOOK_PATH = 'files/book.bin';
export const SCRIPT_PATH = 'files/book.js';

/** A failure to open the book, with a reader-facing reason. */
export class BookLoadError extends Error {
  constructor(kind, message) {
    super(message);
    this.kind = kind; // 'missing', 'corrupt', or 'blocked' (a file page that could read neither file)
  }
}

/** Decodes the bytes of book.bin (read from `file`) into the book model; throws BookLoadError('corrupt'). */
export function decodeBookBin(bytes, parser, file) {
  const name = file || BOOK_PATH;
  if (!bytes.length) throw new BookLoadError('corrupt', 'The file ' + name + ' is empty.');
  try {
    const entry = readFirstEntry(rc4(keyBytes(BOOK_KEY), bytes));
    const text = new TextDecoder('utf-8').decode(entryContent(entry));
    return parseBook(text, parser);
  } catch (e) {
    throw new BookLoadError('corrupt', 'The file ' + name + ' is damaged (' + e.message + ').');
  }
}

/** Requests `url` as bytes; XMLHttpRequest because fetch refuses file: addresses. */
function requestBytes(url) {
  return new Promise((resolve, reject) => {
    const xhr = new XMLHttpRequest();
    const isFile = location.protocol === 'file:';
    const missing = (why) => reject(new BookLoadError('missing', 'The file ' + url + ' ' + why + '.'));
    try {
      xhr.open('GET', url, true);
      xhr.responseType = 'arraybuffer';
      xhr.onload = () => {
        // file: requests report status 0 on success.
        if (xhr.status === 200 || (isFile && xhr.status === 0 && xhr.response)) resolve(new Uint8Array(xhr.response));
        else if (xhr.status === 404 || xhr.status === 0) missing('is missing');
        else missing('could not be read (HTTP ' + xhr.status + ')');
      };
      xhr.onerror = () => missing(isFile ? 'could not be read' : 'could not be loaded');
      xhr.send();
    } catch (e) {
      missing('could not be read');
    }
  });
}

/** The bytes that files/book.js hands over, loaded with a script element. */
function scriptBytes(url) {
  let text = null;
  window.pagewindBook = (value) => { text = value; };
  const done = () => { delete window.pagewindBook; };
  return loadScript(url).then(() => {
    done();
    let bytes = null;
    try {
      const binary = atob(typeof text === 'string' ? text : '');
      bytes = new Uint8Array(binary.length);
      for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
    } catch (e) {
      bytes = null;
    }
    if (bytes && bytes.length) return bytes;
    throw new BookLoadError('corrupt', 'The file ' + url + ' is damaged (it hands over no book).');
  }, () => {
    done();
    throw new BookLoadError('missing', 'The file ' + url + ' is missing.');
  });
}

/** Loads and decodes the book next to the page. */
export function loadBook() {
  const fromBin = () => requestBytes(BOOK_PATH).then((bytes) => decodeBookBin(bytes, undefined, BOOK_PATH));
  const fromScript = () => scriptBytes(SCRIPT_PATH).then((bytes) => decodeBookBin(bytes, undefined, SCRIPT_PATH));
  if (location.protocol !== 'file:') {
    return fromBin().catch((e) => (e.kind === 'missing' ? fromScript().catch(() => { throw e; }) : Promise.reject(e)));
  }
  return fromScript().catch((e) => {
    if (e.kind === 'corrupt') throw e;
    return fromBin().catch(() => {
      throw new BookLoadError('blocked', 'This page was opened from a file, and neither ' + SCRIPT_PATH + ' nor ' + BOOK_PATH + ' could be read.');
    });
  });
}
