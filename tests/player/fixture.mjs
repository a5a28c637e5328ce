// Test inputs made without the player: ZIP archives written byte by byte, and page pictures of
// known colours made with ImageMagick.
import { deflateRawSync } from 'node:zlib';
import { mkdirSync, existsSync } from 'node:fs';
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
 * as streaming writers do; `stored` keeps the content uncompressed; `localExtra` (bytes) is an extra
 * field in the local header only, as some writers leave one there that the central directory lacks.
 */
export function zipOne(name, content, { descriptor = false, stored = false, localExtra = Buffer.alloc(0) } = {}) {
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
  local.writeUInt16LE(localExtra.length, 28);
  const parts = [local, nameBytes, Buffer.from(localExtra), packed];
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

export const COLOURS = ['#c0392b', '#2980b9', '#27ae60', '#8e44ad', '#d35400', '#16a085', '#2c3e50', '#f39c12', '#7f8c8d', '#e84393'];

/** Ten page pictures of the COLOURS, `width` x `height` pixels, made once with ImageMagick. */
export function samplePictures(cacheDir, width = 300, height = 400) {
  mkdirSync(cacheDir, { recursive: true });
  return COLOURS.map((colour, i) => {
    const file = join(cacheDir, 'sample' + i + '-' + width + 'x' + height + '.jpg');
    if (!existsSync(file)) {
      // No fonts are needed: a white bar whose height marks the picture's number.
      const top = Math.round(height * (0.1 + i * 0.07));
      execFileSync('convert', ['-size', width + 'x' + height, 'xc:' + colour, '-fill', 'white', '-draw',
        'rectangle ' + Math.round(width * 0.13) + ',' + top + ' ' + Math.round(width * 0.87) + ',' + (top + Math.round(height / 20)),
        '-quality', '80', file]);
    }
    return file;
  });
}
