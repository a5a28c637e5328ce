// Resuming: the page a reader saw last, kept in this browser only (localStorage), one entry per
// book address. Browsers that refuse storage simply do not resume.

const PREFIX = 'pagewind.page:';

function browserStorage() {
  try {
    return window.localStorage;
  } catch (e) {
    return null;
  }
}

export class Resume {
  /** `storage`: a Storage (injectable for tests); `key`: the book's address without its fragment. */
  constructor(storage = browserStorage(), key = location.pathname) {
    this.storage = storage;
    this.key = PREFIX + key;
  }

  /** The page saved for this book, or 0. */
  saved() {
    try {
      const n = parseInt(this.storage && this.storage.getItem(this.key), 10);
      return n > 0 ? n : 0;
    } catch (e) {
      return 0;
    }
  }

  save(page) {
    try {
      if (this.storage) this.storage.setItem(this.key, String(page));
    } catch (e) {
      // full or refused: the book opens at its start next time
    }
  }
}

/**
 * The page a book opens at, resumed from `saved` unless the address names a page or a search
 * (`named`); only pages past the first and within the `count` pages resume.
 */
export function resumedPage(named, saved, count) {
  return !named && saved > 1 && saved <= count ? saved : 0;
}
