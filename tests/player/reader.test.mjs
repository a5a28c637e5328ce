// The player's reading of book.bin: RC4, the ZIP entry, and book.xml into the book model.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { DOMParser } from '@xmldom/xmldom';
import { rc4, keyBytes, BOOK_KEY } from '../../player/src/rc4.js';
import { readFirstEntry, entryContent, ZipError } from '../../player/src/zip.js';
import { parseBook, prefixInt, pageFileNumber, bookPageForFile, BookFormatError } from '../../player/src/model.js';
import { decodeBookBin, BookLoadError } from '../../player/src/bookfile.js';
import { readSettings, cssColor, yes, fileUrl } from '../../player/src/settings.js';
import { isSafeUrl } from '../../player/src/links.js';
import { pageFromHash } from '../../player/src/main.js';
import { zipOne, encryptBook, bookXml } from './fixture.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const parser = new DOMParser({ errorHandler: { warning() {}, error() {}, fatalError(e) { throw new Error(e); } } });
const hex = (bytes) => Buffer.from(bytes).toString('hex');

test('RC4 matches the published test vectors', () => {
  const cases = [
    ['Key', 'Plaintext', 'bbf316e8d940af0ad3'],
    ['Wiki', 'pedia', '1021bf0420'],
    ['Secret', 'Attack at dawn', '45a01f645fc35b383552544b9bf5'],
  ];
  for (const [key, plain, cipher] of cases) {
    assert.equal(hex(rc4(keyBytes(key), Buffer.from(plain))), cipher, key);
  }
  assert.throws(() => rc4(new Uint8Array(0), new Uint8Array(1)));
});

test('RC4 under the book key is its own inverse and starts the archive with PK\\3\\4', () => {
  const zip = zipOne('book.xml', '<flipbook/>');
  const enc = encryptBook(zip);
  assert.notEqual(hex(enc.subarray(0, 4)), '504b0304');
  assert.equal(hex(rc4(keyBytes(BOOK_KEY), enc).subarray(0, 4)), '504b0304');
  assert.equal(BOOK_KEY.length, 15);
});

test('ZIP entries are read with sizes in the header, in a data descriptor, stored or deflated', () => {
  const text = '<flipbook count="0">' + 'x'.repeat(5000) + '</flipbook>';
  for (const options of [{}, { descriptor: true }, { stored: true }, { descriptor: true, stored: true }]) {
    const entry = readFirstEntry(zipOne('book.xml', text, options));
    assert.equal(entry.name, 'book.xml', JSON.stringify(options));
    assert.equal(Buffer.from(entryContent(entry)).toString(), text, JSON.stringify(options));
  }
});

test('a data descriptor without a central directory is found by scanning', () => {
  const zip = zipOne('book.xml', 'hello hello hello', { descriptor: true });
  const withoutCentral = zip.subarray(0, zip.indexOf(Buffer.from([0x50, 0x4b, 0x01, 0x02])));
  assert.equal(Buffer.from(entryContent(readFirstEntry(withoutCentral))).toString(), 'hello hello hello');
});

test('damaged archives are refused with a ZIP error', () => {
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
});

test('book.bin decodes into pages, settings, outline and links', () => {
  const xml = bookXml({
    numbers: [3, 4, 5],
    hardCover: true,
    config: { bookTitle: 'A & B <c>', colors: '', backgroundColor: '0x112233', showZoom: 'NO', backgroundImage: './files/extfiles/backgroundImage.' },
    outline: [{ caption: 'One & only', page: 3, children: [{ caption: 'Inner', page: 5, level: 2 }] }, { caption: 'Out of range', page: 9 }],
    links: { 1: [{ url: 'https://example.org/a?b=1&c=2', x: 0.1, y: 0.075, width: 0.2, height: 0.05 }, { target: 4, x: 0.5, y: 0.5, width: 0.1, height: 0.1 }] },
  });
  const book = decodeBookBin(encryptBook(zipOne('book.xml', xml, { descriptor: true })), parser);
  assert.equal(book.count, 3);
  assert.deepEqual(book.pages.map((p) => [p.index, p.hard, p.fileNumber, p.normalUrl]),
    [[1, true, 3, './files/page/3.jpg'], [2, false, 4, './files/page/4.jpg'], [3, true, 5, './files/page/5.jpg']]);
  assert.equal(book.config.get('bookTitle'), 'A & B <c>');
  assert.equal(book.outline[0].caption, 'One & only');
  assert.equal(book.outline[0].children[0].page, 5);
  assert.equal(book.outline[1].children.length, 0);
  const links = book.annotations.get(1);
  assert.deepEqual(links.map((l) => l.kind), ['url', 'goto']);
  assert.equal(links[0].url, 'https://example.org/a?b=1&c=2');
  assert.deepEqual(links[0].rect, { x: 0.1, y: 0.075, width: 0.2, height: 0.05 });
  assert.equal(bookPageForFile(book, links[1].target), 2, 'document page 4 is the second book page');
  assert.equal(bookPageForFile(book, 9), 0);
  const s = readSettings(book.config, 'float');
  assert.equal(s.backgroundColor, '#112233');
  assert.equal(s.showZoom, false);
  assert.equal(s.showThumbnails, true, 'missing switches are on');
  assert.equal(s.backgroundImage, '', 'a key with a lone dot names no file');
});

test('bad book.bin contents are reported as corrupt', () => {
  const cases = {
    empty: Buffer.alloc(0),
    'not encrypted': zipOne('book.xml', '<flipbook/>'),
    'random bytes': Buffer.from(Array.from({ length: 300 }, (_, i) => (i * 73 + 11) & 0xff)),
    'not XML': encryptBook(zipOne('book.xml', 'this is <not xml')),
    'wrong root': encryptBook(zipOne('book.xml', '<book/>')),
  };
  for (const [name, bytes] of Object.entries(cases)) {
    assert.throws(() => decodeBookBin(bytes, parser), (e) => e instanceof BookLoadError && e.kind === 'corrupt', name);
  }
});

test('book.xml edge cases: no pages, prefix numbers, first item wins, stray elements', () => {
  const empty = parseBook('<flipbook count="0"><extConfig/><pages/></flipbook>', parser);
  assert.equal(empty.pages.length, 0);
  assert.equal(empty.outline.length, 0);
  assert.throws(() => parseBook('<ols/>', parser), BookFormatError);
  const odd = parseBook('<flipbook><extConfig><item name="k">1</item><item name="k">2</item></extConfig><pages/>'
    + '<ols><x/><o><c>A</c><c>B</c><p> 12abc</p><l>1</l><o><c>nested directly</c></o><ci/></o></ols></flipbook>', parser);
  assert.equal(odd.config.get('k'), '1');
  assert.deepEqual(odd.outline.map((o) => [o.caption, o.page, o.children.length]), [['A', 12, 0]]);
  for (const [text, n] of [['12abc', 12], ['  -3', -3], ['abc', 0], ['', 0], ['+7x', 7]]) assert.equal(prefixInt(text), n, text);
  for (const [url, n] of [['./files/page/12.jpg', 12], ['./files/page/7.png', 7], ['./files/page/x.jpg', 0], ['', 0]]) {
    assert.equal(pageFileNumber(url), n, url);
  }
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
  assert.equal(classic.hardCover, true, 'classic has a hard cover by default');
  assert.equal(classic.rtl, true);
  for (const [url, ok] of [['https://a.b/', true], ['HTTP://a.b', true], ['mailto:x@y.z', true], ['javascript:alert(1)', false],
    [' javascript:alert(1)', false], ['file:///etc/passwd', false], ['data:text/html,x', false], ['', false]]) {
    assert.equal(isSafeUrl(url), ok, url);
  }
  for (const [hash, n] of [['#page=7', 7], ['#x=1&page=3', 3], ['#page=', 0], ['', 0], ['#pages=4', 0]]) assert.equal(pageFromHash(hash), n, hash);
});

test('each template page holds exactly the five placeholders and no other "${"', () => {
  const root = join(here, '..', '..', 'resources', 'AppFiles', 'Templates');
  const want = ['index.title', 'meta.description', 'meta.keywords', 'script.bottom', 'script.other'];
  const templates = readdirSync(root).filter((t) => ['float', 'classic'].includes(t));
  assert.deepEqual(templates.sort(), ['classic', 'float']);
  for (const t of templates) {
    const html = readFileSync(join(root, t, 'html', 'index.html'), 'utf8');
    const keys = [...html.matchAll(/\$\{([^}]*)\}/g)].map((m) => m[1]);
    assert.deepEqual([...keys].sort(), want, t);
    assert.equal(html.split('${').length - 1, 5, t);
    assert.match(html, /<title>\$\{index\.title\}<\/title>/, t);
    assert.match(html, new RegExp('data-template="' + t + '"'), t);
  }
});
