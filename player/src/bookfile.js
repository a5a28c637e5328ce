// Loads files/book.bin: RC4-decrypts it, unpacks its single ZIP entry and parses book.xml.
import { rc4, keyBytes, BOOK_KEY } from './rc4.js';
import { readFirstEntry, entryContent } from './zip.js';
import { parseBook } from './model.js';

export const BOOK_PATH = 'files/book.bin';

/** A failure to open the book, with a reader-facing reason. */
export class BookLoadError extends Error {
  constructor(kind, message) {
    super(message);
    this.kind = kind; // 'blocked', 'missing' or 'corrupt'
  }
}

/** Decodes the bytes of book.bin into the book model; throws BookLoadError('corrupt') on bad data. */
export function decodeBookBin(bytes, parser) {
  if (!bytes.length) throw new BookLoadError('corrupt', 'The file files/book.bin is empty.');
  try {
    const entry = readFirstEntry(rc4(keyBytes(BOOK_KEY), bytes));
    const text = new TextDecoder('utf-8').decode(entryContent(entry));
    return parseBook(text, parser);
  } catch (e) {
    throw new BookLoadError('corrupt', 'The file files/book.bin is damaged (' + e.message + ').');
  }
}

/** Requests `url` as an ArrayBuffer; XMLHttpRequest because fetch refuses file: URLs. */
function requestBytes(url) {
  return new Promise((resolve, reject) => {
    const xhr = new XMLHttpRequest();
    const isFile = location.protocol === 'file:';
    try {
      xhr.open('GET', url, true);
      xhr.responseType = 'arraybuffer';
    } catch (e) {
      reject(new BookLoadError('blocked', 'This browser does not let the page read its own files.'));
      return;
    }
    xhr.onload = () => {
      // file: requests report status 0 on success.
      if (xhr.status === 200 || (isFile && xhr.status === 0 && xhr.response)) {
        resolve(new Uint8Array(xhr.response));
      } else if (xhr.status === 404 || xhr.status === 0) {
        reject(new BookLoadError('missing', 'The file files/book.bin is missing.'));
      } else {
        reject(new BookLoadError('missing', 'The file files/book.bin could not be read (HTTP ' + xhr.status + ').'));
      }
    };
    xhr.onerror = () => {
      reject(isFile
        ? new BookLoadError('blocked', 'This browser does not let a page opened from a file read the book\'s files, or files/book.bin is missing.')
        : new BookLoadError('missing', 'The file files/book.bin could not be loaded.'));
    };
    try {
      xhr.send();
    } catch (e) {
      reject(new BookLoadError('blocked', 'This browser does not let the page read its own files.'));
    }
  });
}

/** Loads and decodes the book next to the page. */
export function loadBook(url) {
  return requestBytes(url || BOOK_PATH).then((bytes) => decodeBookBin(bytes));
}
