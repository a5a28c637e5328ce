// The book as the player sees it: settings, pages, outline and link annotations, read from book.xml.

export const OPEN_URL = 'com.corvane.flipbook.pageeditor.TAnnoActionOpenURL';
export const GOTO_PAGE = 'com.corvane.flipbook.pageeditor.TAnnoActionGotoPage';

export class BookFormatError extends Error {}

function children(el, name) {
  const out = [];
  for (let c = el.firstChild; c; c = c.nextSibling) {
    if (c.nodeType === 1 && (c.localName || c.nodeName) === name) out.push(c);
  }
  return out;
}

function child(el, name) { return children(el, name)[0] || null; }

function childText(el, name) {
  const c = child(el, name);
  return c ? c.textContent.trim() : '';
}

/** Integer by the prefix rule: leading blanks, optional sign, digits; 0 when there are none. */
export function prefixInt(text) {
  const m = /^\s*([+-]?\d+)/.exec(text || '');
  return m ? parseInt(m[1], 10) : 0;
}

function fraction(text) {
  const v = parseFloat(text);
  return Number.isFinite(v) ? v : 0;
}

/** The number in a page file name such as ./files/page/12.jpg, or 0. */
export function pageFileNumber(url) {
  const m = /(?:^|\/)(\d+)\.[^/.]*$/.exec(url || '');
  return m ? parseInt(m[1], 10) : 0;
}

function readOutline(el) {
  return children(el, 'o').map((o) => {
    const ci = child(o, 'ci');
    return {
      caption: childText(o, 'c'),
      page: prefixInt(childText(o, 'p')),
      level: prefixInt(childText(o, 'l')),
      children: ci ? readOutline(ci) : [],
    };
  });
}

function readAnno(anno) {
  const action = child(anno, 'action');
  const loc = child(anno, 'location');
  if (!action || !loc) return null;
  const rect = {
    x: fraction(loc.getAttribute('x')), y: fraction(loc.getAttribute('y')),
    width: fraction(loc.getAttribute('width')), height: fraction(loc.getAttribute('height')),
  };
  const type = action.getAttribute('actionType') || '';
  if (type === OPEN_URL) return { kind: 'url', url: childText(action, 'url'), rect };
  if (type === GOTO_PAGE) return { kind: 'goto', target: prefixInt(childText(action, 'pageIndex')), rect };
  return null;
}

function readAnnotations(root) {
  const byPage = new Map();
  for (const pa of children(root, 'pageAnnos')) {
    const index = prefixInt(pa.getAttribute('pageIndex'));
    const list = children(pa, 'anno').map(readAnno).filter(Boolean);
    if (index > 0 && list.length) byPage.set(index, (byPage.get(index) || []).concat(list));
  }
  return byPage;
}

/**
 * The tiles of a page's detail from its largeUrl element (docs/book-pictures.md): {url, width,
 * height, tileSize, codes}, or null when it names a single picture or its layout does not add up.
 */
export function readTiles(large) {
  const number = (name) => prefixInt(large.getAttribute(name));
  const codes = large.getAttribute('tiles');
  const tiles = { url: large.textContent.trim(), width: number('width'), height: number('height'), tileSize: number('tileSize'), codes };
  if (!codes || !tiles.url || tiles.width <= 0 || tiles.height <= 0 || tiles.tileSize <= 0) return null;
  tiles.columns = Math.ceil(tiles.width / tiles.tileSize);
  tiles.rows = Math.ceil(tiles.height / tiles.tileSize);
  return codes.length === tiles.columns * tiles.rows && /^[pj0]*$/.test(codes) ? tiles : null;
}

/**
 * Parses the text of book.xml. `parser` is a DOMParser (injectable for tests).
 * Throws BookFormatError when the text is not XML or its root is not `flipbook`.
 */
export function parseBook(xmlText, parser) {
  const doc = (parser || new DOMParser()).parseFromString(xmlText, 'application/xml');
  const root = doc.documentElement;
  if (!root || doc.getElementsByTagName('parsererror').length) throw new BookFormatError('book.xml is not well-formed XML');
  if (root.localName !== 'flipbook') throw new BookFormatError('book.xml has no flipbook element');
  const config = new Map();
  const ext = child(root, 'extConfig');
  for (const item of ext ? children(ext, 'item') : []) {
    const name = item.getAttribute('name');
    if (name && !config.has(name)) config.set(name, item.textContent);
  }
  const pagesEl = child(root, 'pages');
  const pages = (pagesEl ? children(pagesEl, 'page') : []).map((p, i) => {
    const normal = childText(p, 'normalUrl');
    // A largeUrl is tiles when it says so (and is used only when their layout adds up), else a picture.
    const large = child(p, 'largeUrl');
    const tiled = !!large && large.hasAttribute('tiles');
    return {
      index: i + 1,
      hard: p.getAttribute('isHardPage') === 'true',
      normalUrl: normal,
      largeUrl: (!tiled && childText(p, 'largeUrl')) || normal,
      thumbUrl: childText(p, 'thumbUrl') || normal,
      detail: tiled ? readTiles(large) : null,
      fileNumber: pageFileNumber(normal),
    };
  });
  const ols = child(root, 'ols');
  const annos = child(root, 'pagesAnnos');
  const hasText = root.getAttribute('hasText');
  const download = child(root, 'download');
  const file = download ? (download.getAttribute('file') || '').trim() : '';
  return {
    count: prefixInt(root.getAttribute('count')),
    // true or false as the book says; null for a book written before it said, which may have text.
    hasText: hasText === 'true' ? true : hasText === 'false' ? false : null,
    config,
    pages,
    outline: ols ? readOutline(ols) : [],
    annotations: annos ? readAnnotations(annos) : new Map(),
    // The PDF offered for download in files/download/, or null.
    download: file && file.indexOf('/') < 0 && file !== '..' ? { file, size: prefixInt(download.getAttribute('size')) } : null,
  };
}

/** The book page (1-based) whose page file carries `fileNumber`, or 0 when no page has it. */
export function bookPageForFile(book, fileNumber) {
  const page = book.pages.find((p) => p.fileNumber === fileNumber);
  return page ? page.index : 0;
}
