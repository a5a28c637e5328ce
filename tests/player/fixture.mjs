// Writes test books the way the book writer does: book.xml, zipped as the single deflated entry
// "book.xml", RC4-encrypted into files/book.bin, with page pictures in files/page/N.ext.
import { deflateRawSync } from 'node:zlib';
import { mkdirSync, writeFileSync, copyFileSync, existsSync } from 'node:fs';
import { join } from 'node:path';
import { execFileSync } from 'node:child_process';
import { rc4, keyBytes, BOOK_KEY } from '../../player/src/rc4.js';

const CRC_TABLE = (() => {
  const t = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    t[n] = c >>> 0;
  }
  return t;
})();

export function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

/**
 * A one-entry ZIP archive. `descriptor` moves the sizes into a trailing data descriptor (flag bit 3),
 * as streaming writers do; `stored` keeps the content uncompressed.
 */
export function zipOne(name, content, { descriptor = false, stored = false } = {}) {
  const data = Buffer.from(content);
  const packed = stored ? data : deflateRawSync(data);
  const nameBytes = Buffer.from(name, 'utf8');
  const crc = crc32(data);
  const method = stored ? 0 : 8;
  const flags = descriptor ? 8 : 0;
  const local = Buffer.alloc(30);
  local.writeUInt32LE(0x04034b50, 0);
  local.writeUInt16LE(20, 4);
  local.writeUInt16LE(flags, 6);
  local.writeUInt16LE(method, 8);
  local.writeUInt32LE(descriptor ? 0 : crc, 14);
  local.writeUInt32LE(descriptor ? 0 : packed.length, 18);
  local.writeUInt32LE(descriptor ? 0 : data.length, 22);
  local.writeUInt16LE(nameBytes.length, 26);
  const parts = [local, nameBytes, packed];
  if (descriptor) {
    const dd = Buffer.alloc(16);
    dd.writeUInt32LE(0x08074b50, 0);
    dd.writeUInt32LE(crc, 4);
    dd.writeUInt32LE(packed.length, 8);
    dd.writeUInt32LE(data.length, 12);
    parts.push(dd);
  }
  const centralOffset = parts.reduce((n, p) => n + p.length, 0);
  const central = Buffer.alloc(46);
  central.writeUInt32LE(0x02014b50, 0);
  central.writeUInt16LE(20, 4);
  central.writeUInt16LE(20, 6);
  central.writeUInt16LE(flags, 8);
  central.writeUInt16LE(method, 10);
  central.writeUInt32LE(crc, 16);
  central.writeUInt32LE(packed.length, 20);
  central.writeUInt32LE(data.length, 24);
  central.writeUInt16LE(nameBytes.length, 28);
  const end = Buffer.alloc(22);
  end.writeUInt32LE(0x06054b50, 0);
  end.writeUInt16LE(1, 8);
  end.writeUInt16LE(1, 10);
  end.writeUInt32LE(46 + nameBytes.length, 12);
  end.writeUInt32LE(centralOffset, 16);
  return Buffer.concat([...parts, central, nameBytes, end]);
}

export function encryptBook(zipBytes) {
  return Buffer.from(rc4(keyBytes(BOOK_KEY), zipBytes));
}

function esc(text) {
  return String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

function outlineXml(entries, indent) {
  return entries.map((e) => indent + '<o><c>' + esc(e.caption) + '</c><p>' + e.page + '</p><l>' + (e.level || 1) + '</l><ci>'
    + outlineXml(e.children || [], indent + '  ') + '</ci></o>\n').join('');
}

const OPEN_URL = 'com.corvane.flipbook.pageeditor.TAnnoActionOpenURL';
const GOTO_PAGE = 'com.corvane.flipbook.pageeditor.TAnnoActionGotoPage';

/**
 * book.xml text. `numbers` are the page files' numbers; `config` maps property keys to values;
 * `links` maps a book page number to [{url | target, x, y, width, height}].
 */
export function bookXml({ numbers, ext = 'jpg', config = {}, hardCover = false, outline = null, links = null }) {
  const items = Object.entries(config).map(([k, v]) => '    <item name="' + esc(k) + '">' + esc(v) + '</item>\n').join('');
  const pages = numbers.map((n, i) => {
    const url = './files/page/' + n + '.' + ext;
    const hard = hardCover && (i === 0 || i === numbers.length - 1);
    return '    <page isHardPage="' + hard + '" isEncrypted="false">\n      <normalUrl>' + url + '</normalUrl>\n      <largeUrl>'
      + url + '</largeUrl>\n      <thumbUrl>' + url + '</thumbUrl>\n    </page>\n';
  }).join('');
  let xml = '<?xml version="1.0" encoding="UTF-8"?>\n<flipbook count="' + numbers.length
    + '" appAppShortName="pw" appAppName="Leafreel for Mac" appAppVersion="1.0.0" appWebsite="https://pagewind.example/" e="noext">\n'
    + '  <extConfig>\n' + items + '  </extConfig>\n  <pages>\n' + pages + '  </pages>\n';
  if (outline) xml += '  <ols>\n' + outlineXml(outline, '    ') + '  </ols>\n';
  if (links) {
    xml += '  <pagesAnnos>\n';
    numbers.forEach((_, i) => {
      xml += '    <pageAnnos pageIndex="' + (i + 1) + '">\n';
      for (const l of links[i + 1] || []) {
        const action = l.url !== undefined
          ? '<action triggerEventType="mouseDown" actionType="' + OPEN_URL + '"><url>' + esc(l.url) + '</url></action>'
          : '<action triggerEventType="mouseDown" actionType="' + GOTO_PAGE + '"><pageIndex>' + l.target + '</pageIndex></action>';
        const f = (v) => Number(v).toFixed(6);
        xml += '      <anno annotype="com.corvane.flipbook.pageeditor.TAnnoLink">' + action + '<location x="' + f(l.x) + '" y="'
          + f(l.y) + '" width="' + f(l.width) + '" height="' + f(l.height) + '"/></anno>\n';
      }
      xml += '    </pageAnnos>\n';
    });
    xml += '  </pagesAnnos>\n';
  }
  return xml + '</flipbook>\n';
}

const COLOURS = ['#c0392b', '#2980b9', '#27ae60', '#8e44ad', '#d35400', '#16a085', '#2c3e50', '#f39c12', '#7f8c8d', '#e84393'];

/** Ten distinct page pictures made once with ImageMagick, reused for larger books. */
export function samplePictures(cacheDir) {
  mkdirSync(cacheDir, { recursive: true });
  return COLOURS.map((colour, i) => {
    const file = join(cacheDir, 'sample' + i + '.jpg');
    if (!existsSync(file)) {
      // No fonts are needed: a white bar whose height marks the picture's number.
      const top = 40 + i * 30;
      execFileSync('convert', ['-size', '300x400', 'xc:' + colour, '-fill', 'white',
        '-draw', 'rectangle 40,' + top + ' 260,' + (top + 20), '-quality', '80', file]);
    }
    return file;
  });
}

/**
 * Writes a complete book folder: index.html from the template page, files/page/N.jpg and
 * files/book.bin. Returns the folder.
 */
export function writeBook(folder, { pages = 10, firstNumber = 1, template = 'float', htmlTemplate, cacheDir, zip = {}, ...rest }) {
  const numbers = Array.from({ length: pages }, (_, i) => firstNumber + i);
  const pictures = samplePictures(cacheDir || join(folder, '..', '.pictures'));
  mkdirSync(join(folder, 'files', 'page'), { recursive: true });
  numbers.forEach((n, i) => copyFileSync(pictures[i % pictures.length], join(folder, 'files', 'page', n + '.jpg')));
  const xml = bookXml({ numbers, ...rest });
  writeFileSync(join(folder, 'files', 'book.bin'), encryptBook(zipOne('book.xml', xml, zip)));
  if (htmlTemplate) writeFileSync(join(folder, 'index.html'), pageFromTemplate(htmlTemplate, rest.title || 'Test book'));
  return folder;
}

/** Substitutes the five placeholders the way the HTML page writer does. */
export function pageFromTemplate(text, title) {
  const values = { 'index.title': title, 'meta.keywords': 'flip book', 'meta.description': 'test', 'script.bottom': '', 'script.other': '' };
  let out = '';
  let at = 0;
  for (;;) {
    const open = text.indexOf('${', at);
    if (open < 0) return out + text.slice(at);
    out += text.slice(at, open);
    const close = text.indexOf('}', open + 2);
    const key = close < 0 ? text.slice(open + 2) : text.slice(open + 2, close);
    out += values[key] || '';
    if (close < 0) return out;
    at = close + 1;
  }
}
