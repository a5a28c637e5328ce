// The player's parts that run without a browser: reading a book.bin written by pagewind-cli (RC4,
// the ZIP entry, book.xml into the book model), settings, search, the fold geometry, the book's fit
// and its turns (in a DOM without layout), and the template pages built from player/.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync, mkdtempSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { tmpdir } from 'node:os';
import { fileURLToPath } from 'node:url';
import { execFileSync } from 'node:child_process';
import { DOMParser } from '@xmldom/xmldom';
import { parseHTML } from 'linkedom';
import { rc4, keyBytes } from '../../player/src/rc4.js';
import { readFirstEntry, entryContent, ZipError } from '../../player/src/zip.js';
import { parseBook, prefixInt, pageFileNumber, bookPageForFile, BookFormatError } from '../../player/src/model.js';
import { decodeBookBin, BookLoadError } from '../../player/src/bookfile.js';
import { readSettings, cssColor, yes, fileUrl } from '../../player/src/settings.js';
import { isSafeUrl } from '../../player/src/links.js';
import { pageFromHash, searchFromHash, fitBook, sizeText } from '../../player/src/main.js';
import { parsePrintRange } from '../../player/src/print.js';
import { pageLink } from '../../player/src/share.js';
import { Resume, resumedPage } from '../../player/src/resume.js';
import { AutoPlay } from '../../player/src/autoplay.js';
import { EventBus } from '../../player/src/bus.js';
import { HtmlValidate } from 'html-validate';
import { fold, foldTarget, turnPath, progressOf, ease, RISE } from '../../player/src/fold.js';
import { TextIndex, foldQuery } from '../../player/src/search.js';
import { FlipView } from '../../player/src/flipview.js';
import { el } from '../../player/src/dom.js';
import { zipOne, encryptBook } from './fixture.mjs';
import { importBook, scratch } from './harness.mjs';
import { makePdf } from './pdf.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const parser = new DOMParser({ errorHandler: { warning() {}, error() {}, fatalError(e) { throw new Error(e); } } });
const hex = (bytes) => Buffer.from(bytes).toString('hex');
// Under mutation testing (tests/player/mutation.sh) the tests that need a build of pagewind-cli, or
// compare the pages built from the mutated player with the committed ones, stand aside.
const notMutated = { skip: !!process.env.PAGEWIND_MUTATION && 'not under mutation testing' };

test('RC4 matches a published test vector (the book.bin test decodes what pagewind-cli encrypts)', () => {
  assert.equal(hex(rc4(keyBytes('Key'), Buffer.from('Plaintext'))), 'bbf316e8d940af0ad3');
  assert.throws(() => rc4(new Uint8Array(0), new Uint8Array(1)));
});

test('ZIP entries are read with sizes in the header or a data descriptor, stored or deflated, after a local extra field', () => {
  const text = '<flipbook count="0">' + 'x'.repeat(5000) + '</flipbook>';
  const localExtra = Buffer.from('5554090003a1b2c3d4a1b2c3d4', 'hex'); // a timestamp field, as Info-ZIP writes
  // Stored data that holds a zero where a descriptor's size would be, then a descriptor's signature.
  const binary = 'x'.repeat(8) + '\0\0\0\0PK\x07\x08' + 'y'.repeat(20);
  // Without a central directory, the data descriptor is found by scanning; an unsigned one only through the directory.
  for (const [options, content = text, name = 'book.xml'] of [[{}], [{ descriptor: true }], [{ stored: true }], [{ descriptor: true, stored: true }],
    [{ stored: true, localExtra }], [{ descriptor: true, localExtra }], [{ descriptor: true, central: false }], [{ central: false }],
    [{ descriptor: true, signed: false, comment: 'a comment' }], [{ stored: true, central: false }, ''], [{ stored: true, descriptor: true, central: false }, binary],
    [{}, text, 'n'.repeat(300) + '.xml']]) {
    const entry = readFirstEntry(zipOne(name, content, options));
    assert.equal(entry.name, name, JSON.stringify(options));
    assert.equal(Buffer.from(entryContent(entry)).toString(), content, JSON.stringify(options));
  }
});

test('damaged archives are refused with a ZIP error, bad book.bin contents as corrupt', () => {
  const good = zipOne('book.xml', '<flipbook/>'.repeat(50));
  const flipped = Buffer.from(good);
  for (let i = 40; i < 60; i++) flipped[i] ^= 0xff;
  // `good` with v added to the 32-bit field at `at`, or the 16-bit one set to v.
  const patched = (at, v, bits = 32) => {
    const b = Buffer.from(good);
    if (bits === 32) b.writeUInt32LE(b.readUInt32LE(at) + v, at);
    else b.writeUInt16LE(v, at);
    return b;
  };
  // Only a directory that names another file gives the sizes of an unsigned descriptor.
  const misnamed = zipOne('book.xml', 'x', { descriptor: true, signed: false });
  misnamed.write('other.xm', misnamed.lastIndexOf('book.xml'));
  // The reader is told why (the book's error page shows the reason).
  const cases = {
    empty: [Buffer.alloc(0), 'not a ZIP archive'], 'not a zip': [Buffer.from('<html>not found</html>'.padEnd(40)), 'not a ZIP archive'],
    'cut in the header': [good.subarray(0, 29), 'not a ZIP archive'],
    truncated: [good.subarray(0, 45), 'truncated ZIP entry'], 'damaged deflate data': [flipped, /^damaged ZIP entry \(.+\)$/],
    'no sizes anywhere': [zipOne('book.xml', 'x', { descriptor: true, central: false }).subarray(0, 40), 'ZIP entry without sizes'],
    'directory of another file': [misnamed, 'ZIP entry without sizes'],
    // Sizes one byte more or less than the entry inflates to, or past the end; sealed; not deflated; a name past the end.
    'size +1': [patched(22, 1), 'damaged ZIP entry (size mismatch)'], 'size -1': [patched(22, -1), 'damaged ZIP entry (size mismatch)'],
    'compressed size': [patched(18, 1000), 'truncated ZIP entry'], sealed: [patched(6, 1, 16), 'encrypted ZIP entry'],
    'method 12': [patched(8, 12, 16), 'unsupported ZIP compression method 12'], 'long name': [patched(26, 500, 16), 'truncated ZIP header'],
  };
  for (const [name, [bytes, why]] of Object.entries(cases)) {
    assert.throws(() => entryContent(readFirstEntry(bytes)), (e) => e instanceof ZipError && (typeof why === 'string' ? e.message === why : why.test(e.message)), name);
  }
  const books = {
    empty: Buffer.alloc(0),
    'not encrypted': zipOne('book.xml', '<flipbook/>'),
    'random bytes': Buffer.from(Array.from({ length: 300 }, (_, i) => (i * 73 + 11) & 0xff)),
    'not XML': encryptBook(zipOne('book.xml', 'this is <not xml')),
    'wrong root': encryptBook(zipOne('book.xml', '<book/>')),
  };
  for (const [name, bytes] of Object.entries(books)) {
    assert.throws(() => decodeBookBin(bytes, parser), (e) => e instanceof BookLoadError && e.kind === 'corrupt', name);
  }
});

/** The parse errors and content-model faults that an HTML validator finds in the file, as "rule: message" lines. */
async function htmlFaults(path) {
  const report = await new HtmlValidate({ extends: ['html-validate:standard'] }).validateString(readFileSync(path, 'utf8'));
  return report.results.flatMap((r) => r.messages.map((m) => m.ruleId + ': ' + m.message + ' (line ' + m.line + ')'));
}

test('a book.bin written by pagewind-cli decodes into pages, settings, outline, links and its PDF; its pages are valid HTML', notMutated, async () => {
  // Pages 3 to 6 of a PDF: a web link and a link to document page 5 on page 4, nested bookmarks.
  const pages = Array.from({ length: 6 }, () => ({}));
  pages[3].links = [{ x: 61.2, y: 712.8, width: 122.4, height: 39.6, uri: 'https://example.org/a?b=1&c=2' }, { x: 306, y: 396, width: 61.2, height: 79.2, target: 4 }];
  const dir = scratch('decode');
  writeFileSync(join(dir, 'in.pdf'), makePdf(pages, [{ title: 'One & only', page: 2, children: [{ title: 'Inner', page: 4 }] }, { title: 'Out of range', page: 0 }]));
  importBook(join(dir, 'book'), join(dir, 'in.pdf'), { range: '3-6',
    config: { bookTitle: 'A & B <c>', isHardCover: 'YES', backgroundColor: '0x112233', showZoom: 'NO', showDownload: 'YES',
      bookDescription: '"Quotes" & <tags>\u0085' } });
  const book = decodeBookBin(readFileSync(join(dir, 'book', 'files', 'book.bin')), parser);
  assert.equal(book.count, 4);
  assert.deepEqual(book.pages.map((p) => [p.index, p.hard, p.fileNumber, p.normalUrl]), [[1, true, 3, './files/page/3.jpg'],
    [2, false, 4, './files/page/4.jpg'], [3, false, 5, './files/page/5.jpg'], [4, true, 6, './files/page/6.jpg']]);
  assert.deepEqual(book.outline.map((o) => [o.caption, o.page, o.children.map((c) => [c.caption, c.page])]),
    [['One & only', 3, [['Inner', 5]]], ['Out of range', 1, []]]);
  assert.equal(bookPageForFile(book, 1), 0, 'document page 1 is not in the book');
  // Thumbnails and detail tiles of every page, and no text to ask for.
  assert.deepEqual(book.pages.map((p) => p.thumbUrl), [3, 4, 5, 6].map((n) => './files/thumb/' + n + '.jpg'));
  assert.deepEqual(book.pages.map((p) => [p.detail.url, p.detail.width, p.detail.columns, p.detail.rows, p.detail.codes.length]),
    [3, 4, 5, 6].map((n) => ['./files/large/' + n + '/', 3060, 6, 8, 48]));
  assert.equal(book.hasText, false);
  const links = book.annotations.get(2);
  assert.deepEqual(links.map((l) => [l.kind, l.url]), [['url', 'https://example.org/a?b=1&c=2'], ['goto', undefined]]);
  for (const [k, v] of Object.entries({ x: 0.1, y: 0.05, width: 0.2, height: 0.05 })) assert.ok(Math.abs(links[0].rect[k] - v) < 1e-3, k);
  assert.equal(bookPageForFile(book, links[1].target), 3, 'document page 5 is the third book page');
  const s = readSettings(book.config, 'float');
  assert.deepEqual([s.title, s.backgroundColor, s.showZoom, s.showThumbnails, s.pageWidth, s.pageHeight], ['A & B <c>', '#112233', false, true, 612, 792]);
  assert.deepEqual(book.download, { file: 'in.pdf', size: readFileSync(join(dir, 'in.pdf')).length }, 'the imported PDF, offered as it is');
  assert.deepEqual(readFileSync(join(dir, 'book', 'files', 'download', 'in.pdf')), readFileSync(join(dir, 'in.pdf')));
  for (const page of ['index.html', 'text.html']) assert.deepEqual(await htmlFaults(join(dir, 'book', page)), [], page);
});

test('book.xml edge cases: no pages, prefix numbers, first item wins, stray elements', () => {
  const empty = parseBook('<flipbook count="0"><extConfig/><pages/></flipbook>', parser);
  assert.deepEqual([empty.pages.length, empty.outline.length], [0, 0]);
  assert.throws(() => parseBook('<ols/>', parser), (e) => e instanceof BookFormatError && e.message === 'book.xml has no flipbook element');
  const odd = parseBook('<flipbook><extConfig><item name="k">1</item><item name="k">2</item></extConfig><pages/>'
    + '<ols><x/><o><c>A</c><c>B</c><p> 12abc</p><l>1</l><o><c>nested directly</c></o><ci/></o></ols></flipbook>', parser);
  assert.equal(odd.config.get('k'), '1');
  assert.deepEqual(odd.outline.map((o) => [o.caption, o.page, o.children.length]), [['A', 12, 0]]);
  for (const [text, n] of [['12abc', 12], ['  -3', -3], ['abc', 0], ['', 0], ['+7x', 7], ['x12', 0]]) assert.equal(prefixInt(text), n, text);
  for (const [url, n] of [['./files/page/7.png', 7], ['./files/page/x.jpg', 0], ['', 0], ['12.jpg', 12], ['./files/7.jpg/x.png', 0],
    ['./files/a7.jpg', 0]]) assert.equal(pageFileNumber(url), n, url);
  // Larger and smaller pictures default to the page's; links of one page gather from every pageAnnos
  // that names it; links of no page, of unknown kinds or without a place are left out.
  const [OPEN_URL, GOTO_PAGE] = ['OpenURL', 'GotoPage'].map((a) => 'com.corvane.flipbook.pageeditor.TAnnoAction' + a); // as files hold them
  const anno = (type, inner, place = '<location x="0.1" y="0.2" width="0.3" height="x"/>') => '<anno><action actionType="' + type + '">'
    + inner + '</action>' + place + '</anno>';
  const book = parseBook('<flipbook count="2"><pages><page isHardPage="true"><normalUrl> ./files/page/3.jpg </normalUrl></page>'
    + '<page><normalUrl>./files/page/7.jpg</normalUrl><largeUrl>L</largeUrl><thumbUrl>T</thumbUrl></page></pages>'
    + '<ols><o><c> A </c><p>2</p><l>1</l><ci><o><c>B</c><p>3</p><l>2</l></o></ci></o></ols><pagesAnnos>'
    + '<pageAnnos pageIndex="2">' + anno(OPEN_URL, '<url> https://a.b/ </url>') + anno('other', '') + anno(OPEN_URL, '', '')
    + '</pageAnnos><pageAnnos pageIndex="2">' + anno(GOTO_PAGE, '<pageIndex>7</pageIndex>') + '</pageAnnos>'
    + '<pageAnnos pageIndex="0">' + anno(OPEN_URL, '<url>x</url>') + '</pageAnnos><pageAnnos pageIndex="1"/></pagesAnnos></flipbook>', parser);
  assert.deepEqual(book.pages.map((p) => [p.index, p.hard, p.normalUrl, p.largeUrl, p.thumbUrl, p.fileNumber]),
    [[1, true, './files/page/3.jpg', './files/page/3.jpg', './files/page/3.jpg', 3], [2, false, './files/page/7.jpg', 'L', 'T', 7]]);
  assert.deepEqual([book.count, book.outline], [2, [{ caption: 'A', page: 2, level: 1, children: [{ caption: 'B', page: 3, level: 2, children: [] }] }]]);
  assert.deepEqual([...book.annotations.keys()], [2]);
  const rect = { x: 0.1, y: 0.2, width: 0.3, height: 0 };
  assert.deepEqual(book.annotations.get(2), [{ kind: 'url', url: 'https://a.b/', rect }, { kind: 'goto', target: 7, rect }]);
  assert.deepEqual([bookPageForFile(book, 7), bookPageForFile(book, 4)], [2, 0]);
  // A largeUrl names tiles only with a layout that adds up; otherwise it is a picture or nothing.
  const large = (attributes, url = './files/large/1/') => parseBook('<flipbook><pages><page><normalUrl>n.jpg</normalUrl><largeUrl '
    + attributes + '>' + url + '</largeUrl></page></pages></flipbook>', parser).pages[0];
  for (const [attributes, url, tiles, largeUrl] of [['width="600" height="600" tileSize="512" tiles="pj0p"', ' ./files/large/1/ ', './files/large/1/', 'n.jpg'],
    ['width="600" height="300" tileSize="512" tiles="pjp"', undefined, false, 'n.jpg'], ['width="600" height="300" tileSize="512" tiles="px"', undefined, false, 'n.jpg'],
    ['height="300" tileSize="512" tiles="p"', undefined, false, 'n.jpg'], ['width="600" height="300" tileSize="512" tiles="pj"', '', false, 'n.jpg'],
    ['', 'big.jpg', false, 'big.jpg']]) {
    const page = large(attributes, url);
    assert.deepEqual([page.detail?.url ?? false, page.largeUrl], [tiles, largeUrl], attributes);
  }
  // The PDF offered for download: a file in files/download/, never a path out of it.
  for (const [attributes, download] of [['file=" in.pdf " size="12 bytes"', { file: 'in.pdf', size: 12 }], ['file="/in.pdf"', null], ['file=".."', null], ['', null]]) {
    assert.deepEqual(parseBook('<flipbook><download ' + attributes + '/></flipbook>', parser).download, download, attributes);
  }
  assert.deepEqual([odd.hasText, parseBook('<flipbook hasText="true"/>', parser).hasText, parseBook('<flipbook hasText="false"/>', parser).hasText],
    [null, true, false], 'a book that does not say may have text');
});

test('settings, safe link addresses and page fragments', () => {
  for (const [v, want] of [['0xA0b1c2', '#a0b1c2'], ['#123456', '#123456'], ['red', 'F'], ['0x12345', 'F'], [undefined, 'F']]) {
    assert.equal(cssColor(v, 'F'), want, String(v));
  }
  for (const [v, want] of [['YES', true], ['yes', true], ['NO', false], ['maybe', 'D'], [undefined, 'D']]) assert.equal(yes(v, 'D'), want, String(v));
  for (const [v, want] of [['', ''], ['./files/extfiles/logo.', ''], ['./files/extfiles/logo.png', './files/extfiles/logo.png']]) {
    assert.equal(fileUrl(v), want, v);
  }
  const classic = readSettings(new Map([['accentColor', '0x aa'], ['readingDirection', 'right-to-left']]), 'classic');
  assert.deepEqual([classic.hardCover, classic.rtl], [true, true], 'classic has a hard cover by default');
  for (const [url, ok] of [['https://a.b/', true], ['HTTP://a.b', true], ['mailto:x@y.z', true], ['javascript:alert(1)', false],
    [' javascript:alert(1)', false], ['file:///etc/passwd', false], ['data:text/html,x', false], ['', false]]) {
    assert.equal(isSafeUrl(url), ok, url);
  }
  for (const [hash, n] of [['#page=7', 7], ['#x=1&page=3', 3], ['#page=', 0], ['', 0], ['#pages=4', 0]]) assert.equal(pageFromHash(hash), n, hash);
  for (const [href, n, link] of [['http://a/b/index.html#page=2&search=x', 5, 'http://a/b/index.html#page=5'], ['file:///b/Trip.html', 1, 'file:///b/Trip.html#page=1']]) {
    assert.equal(pageLink(href, n), link, href);
  }
  for (const [hash, words] of [['#search=caf%C3%A9+au%20lait', 'café au lait'], ['#page=2&search=a%26b', 'a&b'], ['#search=100%', '100%'],
    ['#research=x', ''], ['#page=2', '']]) assert.equal(searchFromHash(hash), words, hash);
});

test("readers' choices: print ranges, resumed pages, auto-play intervals, switches that default off, file sizes", () => {
  for (const [text, pages] of [['3-7', [3, 4, 5, 6, 7]], [' 2 , 9-10,2 ', [2, 9, 10]], ['4\u20136', [4, 5, 6]], ['10', [10]],
    ['', null], ['0-3', null], ['7-3', null], ['9-11', null], ['3-', null], ['a', null], ['1,,2', [1, 2]]]) {
    assert.deepEqual(parsePrintRange(text, 10), pages, text);
  }
  for (const [named, saved, page] of [[false, 7, 7], [true, 7, 0], [false, 1, 0], [false, 11, 0], [false, 0, 0]]) {
    assert.equal(resumedPage(named, saved, 10), page, [named, saved].join(' '));
  }
  const kept = new Map();
  const storage = { getItem: (k) => kept.get(k) ?? null, setItem: (k, v) => kept.set(k, v) };
  const [one, other] = [new Resume(storage, '/a/index.html'), new Resume(storage, '/b/index.html')];
  one.save(6);
  assert.deepEqual([one.saved(), other.saved()], [6, 0], 'each book keeps its own page');
  const refusing = new Resume({ getItem() { throw new Error('denied'); }, setItem() { throw new Error('denied'); } }, '/a');
  refusing.save(3);
  assert.equal(refusing.saved(), 0, 'a browser that refuses storage opens at the start');
  for (const [value, seconds] of [[undefined, 4], ['2.5', 2.5], ['0.2', 1], ['-3', 4], ['x', 4]]) {
    assert.equal(readSettings(new Map(value === undefined ? [] : [['autoPlayInterval', value]]), 'float').autoPlayInterval, seconds, String(value));
  }
  const s = readSettings(new Map(), 'float');
  assert.deepEqual([s.showPrint, s.showShare, s.resumeReading, s.showDownload, s.showAutoPlay, s.autoPlayLoop], [true, true, true, false, false, false]);
  for (const [bytes, text] of [[850000, '850 KB'], [2400000, '2.4 MB'], [120, '1 KB']]) assert.equal(sizeText(bytes, 'en'), text);
  assert.equal(sizeText(2400000, 'de'), '2,4 MB');
});

test('auto-play turns to the end and stops there, or starts again when the book loops; a touch elsewhere pauses it', () => {
  const listeners = [];
  globalThis.document = { addEventListener: (type, fn) => listeners.push([type, fn]) };
  for (const [loop, want] of [[false, 'next next stop'], [true, 'next next first next pause']]) {
    const log = [];
    let page = 1;
    const turns = { next: () => { page++; log.push('next'); }, first: () => { page = 1; log.push('first'); }, atEnd: () => page === 3,
      turning: () => false };
    const bus = new EventBus();
    bus.on('autoplay', ({ playing }) => { if (!playing) log.push(loop ? 'pause' : 'stop'); });
    listeners.length = 0;
    const play = new AutoPlay(bus, turns, { interval: 1, loop }, (target) => target === 'own');
    play.start();
    for (let i = 0; i < (loop ? 4 : 3); i++) play.step();
    for (const [type, fn] of listeners) fn({ type, target: 'own', key: 'Enter' });
    assert.equal(play.playing, loop, 'its own button does not pause it');
    for (const [type, fn] of listeners.filter(([type]) => type === 'pointerdown')) fn({ type, target: 'book' });
    assert.equal(log.join(' '), want, loop ? 'loops' : 'stops');
  }
  delete globalThis.document;
});

test('the book fits its stage: spreads on wide stages where each page gets 300 pixels, single pages elsewhere', () => {
  const cases = [
    [[1280, 744, 0.75], true], [[390, 788, 0.75], false], [[768, 968, 0.75], false], [[844, 346, 0.75], false],
    [[844, 346, 1.6], true], [[2560, 1344, 1.6], true], [[320, 584, 1.6], false], [[640, 600, 0.75], true], [[560, 600, 0.75], false],
  ];
  for (const [[w, h, aspect], spread] of cases) {
    const fit = fitBook(w, h, aspect);
    assert.equal(!fit.single, spread, [w, h, aspect].join(' '));
    assert.ok(fit.pageW * (fit.single ? 1 : 2) <= w && fit.pageH <= h, 'inside the stage');
    assert.ok(Math.abs(fit.pageW / fit.pageH - aspect) < 0.02, 'in the page shape');
    if (spread) assert.ok(fit.pageW >= 300);
  }
});

test('a fold keeps the page joined at the spine, its size, and within the book', () => {
  const [w, h] = [400, 600];
  const dist = (a, b) => Math.hypot(a[0] - b[0], a[1] - b[1]);
  const area = (poly) => Math.abs(poly.reduce((sum, p, i) => sum + p[0] * poly[(i + 1) % poly.length][1] - poly[(i + 1) % poly.length][0] * p[1], 0)) / 2;
  const asked = [[200, 600], [-350, 600], [-900, 600], [300, 100], [-100, 300], [390, 590], [0, -200], [-390, 20], [100, 900]];
  for (const corner of [[w, h], [w, 0]]) {
    for (const point of [...asked, ...[0.1, 0.3, 0.5, 0.7, 0.9].map((k) => turnPath(w, h, corner, k))]) {
      const t = foldTarget(w, h, corner, point);
      const f = fold(w, h, corner, t);
      const name = corner + ' -> ' + point;
      for (const s of [[0, 0], [0, h]]) assert.ok((s[0] - f.mid[0]) * f.n[0] + (s[1] - f.mid[1]) * f.n[1] <= 1e-6, name + ': the spine stays flat');
      assert.ok(dist(t, [0, corner[1]]) <= w + 1e-6, name + ': the corner stays within reach of the spine');
      const moved = f.folded.map(f.reflect);
      assert.ok(moved.every((p) => p[1] >= -RISE * h - 1 && p[1] <= h + RISE * h + 1), name + ': within the book');
      if (point[1] === corner[1]) assert.ok(moved.every((p) => p[1] >= -1e-6 && p[1] <= h + 1e-6), name + ': straight across, exactly');
      for (let i = 1; i < moved.length; i++) assert.ok(Math.abs(dist(moved[i], moved[0]) - dist(f.folded[i], f.folded[0])) < 1e-6, 'paper keeps its size');
      // The folded and the flat part make the whole page; a fold made more upright rises as far as it may.
      assert.ok(Math.abs(area(f.folded) + area(f.flat) - w * h) < 1e-6 && (area(f.folded) > 0) === (dist(t, corner) > 1e-6), name + ': the whole page');
      const rise = Math.max(0, ...moved.map((p) => Math.max(-p[1], p[1] - h)));
      if (t[1] !== Math.min(h, Math.max(0, point[1])) && dist(t, [0, corner[1]]) < w - 1e-6) assert.ok(Math.abs(rise - RISE * h) < 1, name + ': ' + rise);
    }
  }
  // A turn played by itself starts and ends gently and is half way at half time; the corner lifts on the way
  // and lands on the other side; how far a page has turned goes from 0 to 1.
  assert.deepEqual([0, 0.25, 0.5, 0.75, 1].map(ease), [0, 0.125, 0.5, 0.875, 1]);
  for (const corner of [[w, h], [w, 0]]) {
    const [start, half, end] = [0, 0.5, 1].map((k) => turnPath(w, h, corner, k));
    assert.deepEqual([start, end].map((p) => p.map(Math.round)), [corner, [-w, corner[1]]]);
    assert.ok(Math.abs(half[0]) < 1e-9 && Math.abs(half[1] - corner[1]) > 0.05 * h, 'lifted over the spine: ' + half);
  }
  assert.deepEqual([[w, 0], [0, 5], [-w, 0], [3 * w, 0], [-3 * w, 0]].map((t) => progressOf(w, t)), [0, 0.5, 1, 0, 1]);
  assert.deepEqual(fold(w, h, [w, h], [w, h]).folded, [], 'a corner left where it lies folds nothing');
});

test('the committed template pages are what player/build.mjs makes of player/, each with the seven placeholders', notMutated, () => {
  const out = mkdtempSync(join(tmpdir(), 'pw-pages-'));
  execFileSync(process.execPath, [join(here, '..', '..', 'player', 'build.mjs'), out], { stdio: 'ignore' });
  const committed = (t) => {
    const path = 'resources/AppFiles/Templates/' + t + '/html/index.html';
    try {
      return execFileSync('git', ['-C', join(here, '..', '..'), 'show', 'HEAD:' + path], { stdio: ['ignore', 'pipe', 'ignore'] }).toString();
    } catch (e) {
      return readFileSync(join(here, '..', '..', path), 'utf8'); // not a git checkout
    }
  };
  for (const t of ['float', 'classic']) {
    const html = readFileSync(join(out, 'AppFiles', 'Templates', t, 'html', 'index.html'), 'utf8');
    assert.ok(html === committed(t), t + ': rebuild with node player/build.mjs and commit the pages');
    // build.mjs checks which seven; no other "${" may reach the page writer; the title is the page's; the template is named.
    assert.equal(html.split('${').length - 1, 7, t);
    assert.match(html, /<title>\$\{index\.title\}<\/title>/, t);
    assert.match(html, new RegExp('<body data-template="' + t + '"'), t);
  }
});

test('search finds words whatever their case, accents, ligatures, quotes and dashes, across line ends, in page order', () => {
  const text = (more) => ({ format: 'pagewind-text', version: 1, ...more });
  // Words [text, x, width] in ten-thousandths; a line ending in a split word has j: 1.
  const line = (y, words, j) => ({ y, h: 300, j, w: words.map((w, i) => [w, i * 1000, 900]) });
  const index = new TextIndex(text({ pageCount: 9, chunks: 2, chunkSize: 5, pages: [1, 3, 7] }));
  const chunk2 = text({ chunk: 2, pages: [{ page: 7, lines: [line(0, ['\ufb01ne', 'e-mail', 'x\u2013y', 'HO\u0308HE', 'a', '\u0391\u0398\u0389\u039d\u0391'])] }, { page: 'x' }] });
  index.addChunk(chunk2);
  assert.equal(index.complete, false, 'a chunk still missing');
  index.addChunk(text({ chunk: 1, pages: [
    { page: 3, lines: [line(0, ['the', 'co-inter-'], 1), line(500, ['national', 'Stra\u00dfe', '\u201c\u0152uvre\u201d', 'half-'])] },
    { page: 1, lines: [line(0, ['Caf\u00e9', 'au', 'lait,', 'CAFE', 'noir', 'caf\u00e9']), line(400, [])] },
  ] }));
  assert.equal(index.complete, true);
  // Pages are prepared for search in idle time while there is time, or when first searched.
  assert.deepEqual([index.prepare(() => false), index.prepare(), index.prepare(() => false)], [false, true, true]);
  for (const [query, hits, from, to] of [
    ['caf\u00e9', [[1, [0]], [1, [3]], [1, [5]]]], ['  Cafe \t AU  ', [[1, [0, 1]]]], ['international', [[3, [1, 2]]]],
    ['inter-national', []], ['the co-inter', [[3, [0, 1]]]], ['half-', [[3, [5]]]], ['lait, cafe', [[1, [2, 3]]]], ['ai', [[1, [2]], [7, [1]]]],
    ['ai', [[7, [1]]], 2, 7], ['ai', [[1, [2]]], 1, 6], ['\u03b1\u03b8\u03b7\u03bd\u03b1', [[7, [5]]]], ['strasse', [[3, [3]]]], ['"oeuvre"', [[3, [4]]]], ['fine', [[7, [0]]]], ['x-y', [[7, [2]]]],
    ['hohe', [[7, [3]]]], ['mail x', [[7, [1, 2]]]], ['na', [[3, [2]], [3, [2]]]], ['', []], [' ', []], ['zebra', []],
  ]) {
    const found = index.search(query, from, to);
    assert.deepEqual(found.hits.map((h) => [h.page, h.words]), hits, query);
    assert.equal(found.pages, new Set(hits.map((h) => h[0])).size, query);
  }
  assert.deepEqual([index.page(3).words[3], index.page(2)], [{ text: 'Stra\u00dfe', x: 0.1, y: 0.05, width: 0.09, height: 0.03 }, null]);
  index.addChunk(chunk2);
  assert.equal(index.search('fine').hits.length, 1, 'a chunk loaded again adds nothing');
  // Every typographic quote, dash and letter that a keyboard types otherwise.
  assert.equal(foldQuery(' Stra\u00dfe\u00a0\u2018Caf\u00c9\u2019 \u201a\u201b\u2032\u201c\u201d\u201e\u00ab\u00bb \u2010\u2012\u2013\u2014 \u00e6\u0153\u00f8\u0142\u0131 '),
    "strasse 'cafe' '''\"\"\"\"\" ---- aeoeoli");
  // A passage shows up to six words either side, with an ellipsis where it leaves words out.
  const long = new TextIndex(text({ chunks: 1, pages: [2] }));
  long.addChunk(text({ chunk: 1, pages: [{ page: 2, lines: [line(0, 'one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen'.split(' '))] }] }));
  assert.deepEqual(long.passageOf(long.search('eight nine').hits[0]), { before: '\u2026 two three four five six seven', match: 'eight nine', after: 'ten eleven twelve thirteen fourteen fifteen' });
  assert.deepEqual(long.passageOf(long.search('two').hits[0]), { before: 'one', match: 'two', after: 'three four five six seven eight \u2026' });
  assert.equal(long.passageOf(long.search('seven').hits[0]).before, 'one two three four five six');
  for (const bad of [null, { format: 'other', version: 1 }, text({ version: 2 })]) assert.throws(() => new TextIndex(bad), JSON.stringify(bad));
  assert.throws(() => index.addChunk(text({ version: 3, chunk: 3 })));
});

// The page-turn view in a DOM without layout, on a clock of our own that plays its animation frames.
const dom = parseHTML('<!doctype html><html><body></body></html>');
let clock = 0;
const frames = new Map();
const frame = (fn) => { frames.set(frames.size + clock * 1e3 + Math.random(), fn); return [...frames.keys()].pop(); };

/** Runs the animation frames asked for, `ms` apart, until none is (the turns have ended). */
function play(ms = 16) {
  for (let i = 0; i < 2000 && frames.size; i++) {
    const due = [...frames.values()];
    frames.clear();
    clock += ms;
    due.forEach((fn) => fn(clock));
  }
}

/** A pointer event of `kind` at x, y of the book (one book pixel a screen pixel), on `target`; a 'right' button press. */
function pointer(type, x, y, target, kind = 'mouse') {
  const e = new dom.window.Event('pointer' + type, { bubbles: true, cancelable: true });
  Object.assign(e, { clientX: x, clientY: y, button: kind === 'right' ? 2 : 0, pointerId: 1, pointerType: kind === 'touch' ? kind : 'mouse' });
  target.dispatchEvent(e);
}

/**
 * A book of `count` pages 300 x 400 at `page`, reading `rtl`, one page at a time when `single`, the `hard` pages stiff; `steps`
 * are asked of it in turn: 'next', 'prev', a page to go to, 'layout' (spreads or one page, the other way), 'hover x y', 'leave'
 * (the mouse leaves the book), or a press `[kind, ms, [x, y], ...]` moving through the points `ms` apart ('text': a mouse on the
 * words, 'link': on a link, 'right': the other button), let go of `pause` ms later unless `cancel` (a second finger came). Gives the pages shown,
 * the slots, the book's shift and events, each turning leaf as "front/back beneath" ('!' stiff), each turn's milliseconds, where
 * the last step left the corner and how far it rose or fell on the way, the pictures asked for ahead, page elements made anew.
 */
function turned({ count = 9, page = 4, rtl = false, single = false, hard = [] }, steps) {
  // Each view's own window, for the pointer events it listens to there; other tests set globals of their own.
  Object.assign(globalThis, { window: parseHTML('').window, document: dom.document, requestAnimationFrame: frame, cancelAnimationFrame: (id) => frames.delete(id) });
  Object.defineProperty(globalThis, 'performance', { value: { now: () => clock }, configurable: true });
  const bus = new EventBus();
  const [events, leaves, took, drawn] = [[], [], [], []];
  let [wanted, made, started] = ['', 0, null];
  for (const name of ['turnstart', 'turnend', 'doubletap']) bus.on(name, (d) => events.push(name + (d.target ?? (d.completed === undefined ? '' : d.completed ? '+' : '-'))));
  const pageIn = (e) => e.querySelector('[data-page]')?.dataset.page || '-';
  bus.on('turnstart', () => (started = clock, leaves.push(pageIn(view.leaf.front) + '/' + pageIn(view.leaf.back) + ' ' + view.slots[view.turn.side].dataset.page
    + (view.leaf.root.classList.contains('pw-turn-hard') ? '!' : ''))));
  bus.on('turnend', () => { if (started !== null) took.push(clock - started); started = null; });
  const element = (n) => {
    const e = n >= 1 && n <= count ? el('div', 'pw-page', { 'data-page': String(n) }, [el('div', 'pw-text'), el('a', 'pw-link')]) : el('div', 'pw-page pw-blank', { 'data-page': '' });
    const left = () => (e.parentNode === view.slots.right && !view.single ? 300 : 0);
    made++;
    return Object.assign(e, { getBoundingClientRect: () => ({ left: left(), right: left() + 300, top: 0, bottom: 400 }) });
  };
  const pages = { want(shown, soon) { wanted = soon.join(','); }, show() {}, element };
  const view = new FlipView(bus, { pages: Array.from({ length: count }, (_, i) => ({ hard: hard.includes(i + 1) })) }, { rtl, flipSpeed: 200 }, pages, page);
  view.setLayout(single, 300, 400);
  view.root.getBoundingClientRect = () => ({ left: 0, top: 0, width: view.bookWidth, height: 400 });
  view.leaf.draw = ((draw) => (point) => draw.call(view.leaf, point, drawn.push(point)))(view.leaf.draw);
  made = 0;
  for (const step of steps) {
    drawn.length = 0;
    if (step === 'next' || step === 'prev') view[step]();
    else if (step === 'layout') view.setLayout(!view.single, 300, 400);
    else if (step === 'leave') pointer('leave', 0, 0, view.root);
    else if (typeof step === 'number') view.goToPage(step);
    else if (typeof step === 'string') pointer('move', +step.split(' ')[1], +step.split(' ')[2], window);
    else {
      const [kind, ms, first, ...rest] = step;
      const on = { text: '.pw-text', link: '.pw-link' }[kind];
      pointer('down', ...first, on ? view.slots[view.forwardSide].querySelector(on) : view.root, kind);
      for (const p of rest) { clock += ms; pointer('move', ...p, window, kind); play(0); }
      clock += step.pause || 0;
      pointer(step.cancel ? 'cancel' : 'up', ...(rest.length ? rest[rest.length - 1] : first), window, kind);
    }
    if (!(Array.isArray(step) && step.hold)) play();
  }
  const at = drawn.length ? drawn[drawn.length - 1].map(Math.round).join(',') : '-';
  const lift = Math.round(Math.max(0, ...drawn.map((p) => Math.abs(p[1] - drawn[0][1]))));
  return { shown: view.visiblePages().join(','), slots: ['left', 'right'].map((s) => (view.slots[s].hidden ? '-' : view.slots[s].dataset.page)),
    shift: view.root.style.transform, events: events.join(' '), leaves: leaves.join(' '), took: took.join(' '), corner: at + ' ' + lift,
    wanted, made, classes: view.root.className, view };
}

test('pages lie in their slots by reading direction, a closed book stands in the middle', () => {
  // [rtl, single, page]: the pages in the left and right slots ('-' hidden, '0' or count + 1 blank), the book's shift, the
  // pictures asked for ahead (the next spread first), and the page under (or nearest) points of the left page, the right, above the right.
  for (const [rtl, single, page, slots, shift, ahead, under] of [
    [false, false, 4, ['4', '5'], '', '6,7,2,3,8,9,1', '4 5 5'], [true, false, 4, ['5', '4'], '', '6,7,2,3,8,9,1', '5 4 4'],
    [false, false, 1, ['0', '1'], 'translateX(-150px)', '2,3,4,5', '1 1 1'], [true, false, 1, ['1', '0'], 'translateX(150px)', '2,3,4,5', '1 1 1'],
    [false, false, 8, ['8', '9'], '', '6,7,4,5', '8 9 9'], [false, false, 10, ['10', '11'], 'translateX(150px)', '8,9,6,7', '10 10 10'],
    [true, false, 10, ['11', '10'], 'translateX(-150px)', '8,9,6,7', '10 10 10'], [false, true, 4, ['-', '4'], '', '5,3,6,2', '4 4 4'],
    [true, true, 4, ['4', '-'], '', '5,3,6,2', '4 4 4'], [false, true, 1, ['-', '1'], '', '2,3', '1 1 1'],
  ]) {
    const got = turned({ count: page === 10 ? 10 : 9, page, rtl, single }, []);
    const at = [[100, 200], [450, 200], [700, -50]].map(([x, y]) => got.view.pageAt(x, y).page).join(' ');
    // The style sheet shades the side a closed book shows.
    const classes = 'pw-book' + (single ? ' pw-single' : '') + (shift ? (shift.includes('-') ? ' pw-shows-right' : ' pw-shows-left') : '');
    const style = got.view.root.style;
    assert.deepEqual([got.slots, got.shift, got.wanted, at, got.classes, [style.width, style.height, style.getPropertyValue('--pw-page-w'), style.getPropertyValue('--pw-page-h'), style.transition]],
      [slots, shift, ahead, under, classes, [single ? '300px' : '600px', '400px', '300px', '400px', 'transform 200ms ease']], [rtl, single, page].join(' '));
    assert.deepEqual([...got.view.root.children].map((e) => e.className), ['pw-slot pw-left', 'pw-slot pw-right', 'pw-spine', 'pw-turn']);
  }
});

test('the book turns when asked, by clicks and taps on its edges, by drags and flicks, within itself', () => {
  const [R, L, M, low] = [597, 3, 450, 380]; // the right edge, the left edge, the middle of the right page, near the bottom
  const cases = [
    ['next, next, prev', {}, ['next', 'next', 'prev'], '6,7', 'turnstart3 turnend+ turnstart4 turnend+ turnstart3 turnend+', { leaves: '5/6 7 7/8 9 8/7 6', took: '208 208 208', corner: '-300,400 54', made: 6 }],
    ['to the first and last pages, no further', {}, [1, 'prev', 99, 'next', 7], '6,7', 'turnstart0 turnend+ turnstart4 turnend+ turnstart3 turnend+', { leaves: '4/1 0 1/8 9 8/7 6', made: 6 }],
    ['one page at a time', { single: true }, ['next', 'prev', 'prev', 9, 'next'], '9', 'turnstart5 turnend+ turnstart4 turnend+ turnstart3 turnend+ turnstart9 turnend+',
      { leaves: '4/- 5 4/- 5 3/- 4 3/- 9', made: 4 }],
    ['a click on either edge', {}, [['mouse', 0, [R, low]], ['mouse', 0, [L, 20]], ['mouse', 0, [L, 20]]], '2,3', 'turnstart3 turnend+ turnstart2 turnend+ turnstart1 turnend+',
      { leaves: '5/6 7 6/5 4 4/3 2', corner: '-300,0 54' }],
    ['right to left, a click on either edge', { rtl: true }, [['mouse', 0, [R, low]], ['mouse', 0, [L, 20]], ['mouse', 0, [L, 20]]], '6,7', 'turnstart1 turnend+ turnstart2 turnend+ turnstart3 turnend+',
      { leaves: '4/3 2 3/4 5 5/6 7' }],
    ['one page: taps on either edge', { single: true }, [['touch', 0, [297, 200]], ['touch', 0, [297, 200]], ['touch', 0, [3, 200]]], '5', 'turnstart5 turnend+ turnstart6 turnend+ turnstart5 turnend+',
      { leaves: '4/- 5 5/- 6 5/- 6', corner: '300,400 60', made: 3 }],
    ['one page right to left', { single: true, rtl: true }, [['touch', 0, [3, 200]], ['touch', 0, [297, 200]], ['touch', 0, [297, 200]]], '3', 'turnstart5 turnend+ turnstart4 turnend+ turnstart3 turnend+'],
    ['a click inside a page turns nothing, two quick taps zoom, not 40 pixels apart', {}, [['mouse', 0, [M, 200]], ['touch', 0, [150, 200]], ['touch', 0, [152, 202]],
      ['touch', 0, [100, 200]], ['touch', 0, [140, 200]]], '4,5', 'doubletap'],
    ['clicks while pages turn add up', { page: 2 }, [Object.assign(['mouse', 0, [R, low]], { hold: true }), Object.assign(['mouse', 0, [R, low]], { hold: true }), ['mouse', 0, [R, low]]],
      '8,9', 'turnstart2 turnend+ turnstart4 turnend+'],
    ['a turn asked for while a corner is lifted', {}, ['hover 590 390', 'next'], '6,7', 'turnend- turnstart3 turnend+'],
    ['a second click while a page turns turns one more, faster', {}, [Object.assign(['mouse', 0, [R, low]], { hold: true }), ['mouse', 0, [R, low]], 'prev'], '6,7',
      'turnstart3 turnend+ turnstart4 turnend+ turnstart3 turnend+', { took: '80 128 208' }],
    ['a new layout in the middle of a turn ends it where it was heading', {}, [Object.assign(['mouse', 0, [R, low]], { hold: true }), 'layout'], '6', 'turnstart3 turnend+'],
    ['a slow drag past the spine turns', {}, [['mouse', 300, [R, low], [M, low], [250, low], [100, low]]], '6,7', 'turnstart3 turnend+', { took: '696', corner: '-300,400 8', made: 2 }],
    ['a slow drag short of the spine falls back', {}, [['mouse', 300, [R, low], [500, low], [400, low]]], '4,5', 'turnstart3 turnend-', { took: '396', corner: '300,400 15', made: 2 }],
    ['moves at the same instant make no flick', {}, [['touch', 0, [M, 200], [430, 200], [410, 200]]], '4,5', 'turnstart3 turnend-'],
    ['a quick stroke that stops before the finger lifts does not flick', {}, [Object.assign(['touch', 16, [M, 200], [430, 200], [410, 200]], { pause: 100 })], '4,5', 'turnstart3 turnend-'],
    ['a diagonal stroke drags', {}, [['touch', 16, [M, 200], [440, 210]]], '4,5', 'turnstart3 turnend-'],
    ['a slow drag back from the left edge', {}, [['mouse', 300, [L, 20], [200, 20], [400, 30], [550, 30]]], '2,3', 'turnstart1 turnend+', { corner: '-300,0 10' }],
    ['a quick stroke anywhere flicks, either way', {}, [['touch', 16, [M, 200], [430, 200], [410, 200]], ['touch', 16, [150, 200], [170, 200], [190, 200]], ['touch', 16, [150, 200], [170, 200], [190, 200]]], '2,3',
      'turnstart3 turnend+ turnstart2 turnend+ turnstart1 turnend+'],
    ['right to left, a stroke to the left turns back', { rtl: true }, [['touch', 16, [M, 200], [430, 200], [410, 200]]], '2,3', 'turnstart1 turnend+'],
    ['a stroke up or down turns nothing', {}, [['touch', 16, [M, 200], [452, 230], [455, 260]]], '4,5', ''],
    ['a mouse drag over the words selects them, from the edge too', {}, [['text', 300, [M, 200], [400, 200], [300, 200]], ['text', 300, [R, 200], [500, 200]]], '4,5', ''],
    ['one page: a quick stroke the other way brings the page before', { single: true }, [['touch', 16, [150, 200], [170, 200], [190, 200]]], '3', 'turnstart3 turnend+'],
    ['one page: a drag past its middle turns', { single: true }, [['mouse', 300, [297, low], [200, low]], ['mouse', 300, [297, low], [200, low], [120, low]]], '5',
      'turnstart5 turnend- turnstart5 turnend+', { took: '96 444', corner: '-300,400 21' }],
    ['one page: the page before drawn in past the middle comes, short of it falls back', { single: true }, [['mouse', 300, [3, low], [60, low]], ['mouse', 300, [3, low], [150, low], [250, low]]],
      '3', 'turnstart3 turnend- turnstart3 turnend+', { made: 2 }],
    ['a hovered corner lifts, and a click on it turns', {}, ['hover 590 390', 'hover 585 385', ['mouse', 0, [585, 385]]], '6,7', 'turnstart3 turnend+', { corner: '-300,400 32' }],
    ['a lifted corner taken and carried over', {}, ['hover 590 390', ['mouse', 300, [590, 390], [300, 390], [20, 390]]], '6,7', 'turnstart3 turnend+', { corner: '-300,400 20' }],
    ['a press while a page turns drags nothing', {}, [Object.assign(['mouse', 0, [R, low]], { hold: true }), ['mouse', 300, [M, 200], [100, 200]]], '6,7', 'turnstart3 turnend+'],
    // Clicks: 60 pixels of a 300-pixel page along its outer edge turn; a right click or one on a link does not.
    ['the edges are a fifth of a page wide', {}, [['mouse', 0, [540, 200]], ['mouse', 0, [541, 200]], ['mouse', 0, [60, 200]], ['mouse', 0, [59, 200]]], '4,5', 'turnstart3 turnend+ turnstart2 turnend+'],
    ['one page: the edges are a fifth of it wide', { single: true }, [['mouse', 0, [240, 200]], ['mouse', 0, [241, 200]], ['mouse', 0, [60, 200]], ['mouse', 0, [59, 200]]],
      '4', 'turnstart5 turnend+ turnstart4 turnend+'],
    ['a right click or a click on a link turns nothing', {}, [['right', 0, [R, low]], ['link', 0, [R, low]]], '4,5', ''],
    ['stiff pages turn as boards', { count: 10, page: 1, hard: [1, 10] }, ['next', 10], '10', 'turnstart1 turnend+ turnstart5 turnend+', { leaves: '1/2 3! 3/10 11!', made: 4 }],
    ['a drag that a second finger interrupts falls back', {}, [Object.assign(['touch', 0, [M, 200]], { cancel: true }), Object.assign(['touch', 300, [R, low], [M, low], [250, low]], { cancel: true })],
      '4,5', 'turnstart3 turnend-'],
    ['a move of six pixels drags, of five clicks', {}, [['mouse', 16, [R, low], [R - 5, low]], ['mouse', 16, [R, low], [R - 6, low]]], '6,7', 'turnstart3 turnend+ turnstart4 turnend-', { took: '208 96' }],
    ['a lifted corner taken and moved six pixels falls back', {}, ['hover 590 390', ['mouse', 16, [590, 390], [584, 390]]], '4,5', 'turnstart3 turnend-'],
    ['two taps 350 ms apart are two taps', {}, [['touch', 0, [150, 200]], Object.assign(['touch', 0, [150, 200]], { pause: 350 })], '4,5', ''],
    ['no drag past the last or the first page', { page: 7 }, [['mouse', 300, [R, low], [100, low]], ['mouse', 300, [R, low], [100, low]], 2, ['mouse', 300, [L, low], [500, low]],
      ['mouse', 300, [L, low], [500, low]]], '1', 'turnstart4 turnend+ turnstart1 turnend+ turnstart0 turnend+'],
    // A hovered corner lifts by 7% of the page's width towards the spine, and only a corner: 64 pixels of a 400-pixel page.
    ['a hovered corner lifts, only near the corner', {}, ['hover 590 336', 'hover 590 -1', 'hover 590 401', 'hover 590 400'], '4,5', '', { corner: '279,379 21' }],
    ['one page: the corner of the page before lifts in', { single: true }, ['hover 10 390'], '4', '', { corner: '-258,383 17' }],
    ['no corner lifts past the first or the last page', { page: 2 }, ['hover 10 390', 'hover 450 200', 1, 'hover 10 390', 7, 'hover 590 390', 'hover 450 200', 9, 'hover 590 390'],
      '8,9', 'turnend- turnstart0 turnend+ turnstart3 turnend+ turnend- turnstart4 turnend+', { corner: '- 0' }],
    ['moving to another corner lets the lifted one fall, the top one lifts', {}, ['hover 590 390', 'hover 10 390', 'hover 590 390', 'hover 590 10', 'hover 590 0'], '4,5',
      'turnend- turnend-', { corner: '279,21 21' }],
    ['a lifted corner falls back when the mouse leaves the book', {}, ['hover 590 390', 'leave'], '4,5', 'turnend-', { corner: '300,400 20' }],
    ['spreads to one page and back keep the page', { page: 5 }, ['layout', 'next', 'layout'], '4,5', 'turnstart5 turnend+'],
  ];
  // `more`: the turning leaves, the turns' lengths, where the last step left the corner, page elements made anew (see turned()).
  for (const [name, options, steps, shown, events, more = {}] of cases) {
    const got = turned(options, steps);
    assert.deepEqual([got.shown, got.events, ...Object.keys(more).map((k) => got[k])], [shown, events, ...Object.values(more)], name);
  }
});
