// The player's parts that run without a browser: reading a book.bin written by pagewind-cli (RC4,
// the ZIP entry, book.xml into the book model), settings, the fold geometry and the book's fit,
// and the template pages built from player/.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync, mkdtempSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { tmpdir } from 'node:os';
import { fileURLToPath } from 'node:url';
import { execFileSync } from 'node:child_process';
import { DOMParser } from '@xmldom/xmldom';
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
import { fold, foldTarget, turnPath, RISE } from '../../player/src/fold.js';
import { zipOne, encryptBook } from './fixture.mjs';
import { importBook, scratch } from './harness.mjs';
import { makePdf } from './pdf.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const parser = new DOMParser({ errorHandler: { warning() {}, error() {}, fatalError(e) { throw new Error(e); } } });
const hex = (bytes) => Buffer.from(bytes).toString('hex');

test('RC4 matches a published test vector (the book.bin test decodes what pagewind-cli encrypts)', () => {
  assert.equal(hex(rc4(keyBytes('Key'), Buffer.from('Plaintext'))), 'bbf316e8d940af0ad3');
  assert.throws(() => rc4(new Uint8Array(0), new Uint8Array(1)));
});

test('ZIP entries are read with sizes in the header or a data descriptor, stored or deflated, after a local extra field', () => {
  const text = '<flipbook count="0">' + 'x'.repeat(5000) + '</flipbook>';
  const localExtra = Buffer.from('5554090003a1b2c3d4a1b2c3d4', 'hex'); // a timestamp field, as Info-ZIP writes
  // Without a central directory, the data descriptor is found by scanning.
  for (const options of [{}, { descriptor: true }, { stored: true }, { descriptor: true, stored: true }, { stored: true, localExtra },
    { descriptor: true, localExtra }, { descriptor: true, central: false }]) {
    const entry = readFirstEntry(zipOne('book.xml', text, options));
    assert.equal(entry.name, 'book.xml', JSON.stringify(options));
    assert.equal(Buffer.from(entryContent(entry)).toString(), text, JSON.stringify(options));
  }
});

test('damaged archives are refused with a ZIP error, bad book.bin contents as corrupt', () => {
  const good = zipOne('book.xml', '<flipbook/>'.repeat(50));
  const flipped = Buffer.from(good);
  for (let i = 40; i < 60; i++) flipped[i] ^= 0xff;
  const cases = {
    empty: Buffer.alloc(0),
    'not a zip': Buffer.from('<html>not found</html>'.padEnd(40)),
    truncated: good.subarray(0, 45),
    'damaged deflate data': flipped,
  };
  for (const [name, bytes] of Object.entries(cases)) {
    assert.throws(() => entryContent(readFirstEntry(bytes)), ZipError, name);
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

test('a book.bin written by pagewind-cli decodes into pages, settings, outline, links and its PDF; its pages are valid HTML', async () => {
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
  assert.deepEqual(links.map((l) => l.kind), ['url', 'goto']);
  assert.equal(links[0].url, 'https://example.org/a?b=1&c=2');
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
  assert.throws(() => parseBook('<ols/>', parser), BookFormatError);
  const odd = parseBook('<flipbook><extConfig><item name="k">1</item><item name="k">2</item></extConfig><pages/>'
    + '<ols><x/><o><c>A</c><c>B</c><p> 12abc</p><l>1</l><o><c>nested directly</c></o><ci/></o></ols></flipbook>', parser);
  assert.equal(odd.config.get('k'), '1');
  assert.deepEqual(odd.outline.map((o) => [o.caption, o.page, o.children.length]), [['A', 12, 0]]);
  for (const [text, n] of [['12abc', 12], ['  -3', -3], ['abc', 0], ['', 0], ['+7x', 7]]) assert.equal(prefixInt(text), n, text);
  for (const [url, n] of [['./files/page/7.png', 7], ['./files/page/x.jpg', 0], ['', 0]]) assert.equal(pageFileNumber(url), n, url);
  // A largeUrl names tiles only with a layout that adds up; otherwise it is a picture or nothing.
  const large = (attributes, url = './files/large/1/') => parseBook('<flipbook><pages><page><normalUrl>n.jpg</normalUrl><largeUrl '
    + attributes + '>' + url + '</largeUrl></page></pages></flipbook>', parser).pages[0];
  for (const [attributes, url, tiles, largeUrl] of [['width="600" height="300" tileSize="512" tiles="pj"', undefined, true, 'n.jpg'],
    ['width="600" height="300" tileSize="512" tiles="pjp"', undefined, false, 'n.jpg'], ['width="600" height="300" tileSize="512" tiles="px"', undefined, false, 'n.jpg'],
    ['height="300" tileSize="512" tiles="p"', undefined, false, 'n.jpg'], ['width="600" height="300" tileSize="512" tiles="pj"', '', false, 'n.jpg'],
    ['', 'big.jpg', false, 'big.jpg']]) {
    const page = large(attributes, url);
    assert.deepEqual([!!page.detail, page.largeUrl], [tiles, largeUrl], attributes);
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
    }
  }
});

test('the committed template pages are what player/build.mjs makes of player/, each with the seven placeholders', () => {
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
