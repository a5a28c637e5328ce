// Test inputs made without the player: ZIP archives written byte by byte, and page pictures of
// known colours made with ImageMagick.
import { deflateRawSync } from 'node:zlib';
import { mkdirSync, existsSync } from 'node:fs';
import { join } from 'node:path';
import { execFileSync } from 'node:child_process';
import { rc4, keyBytes, BOOK_KEY } from '../../player/src/rc4.js';

function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) {
    c ^= b;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  }
  return (c ^ 0xffffffff) >>> 0;
}

/**
 * A one-entry ZIP archive. `descriptor` moves the sizes into a trailing data descriptor (flag bit 3),
 * as streaming writers do; `stored` keeps the content uncompressed; `localExtra` (bytes) is an extra
 * field in the local header only, as some writers leave one there that the central directory lacks;
 * `central` false leaves out the central directory, `signed` false the descriptor's optional signature; `comment` ends the archive.
 */
export function zipOne(name, content, { descriptor = false, stored = false, localExtra = Buffer.alloc(0), central = true, signed = true, comment = '' } = {}) {
  const data = Buffer.from(content);
  const packed = stored ? data : deflateRawSync(data);
  const nameBytes = Buffer.from(name, 'utf8');
  const crc = crc32(data);
  // The local header and the central record share their fields from "version needed" to the name's
  // length, the central record two bytes further on; a local header before a data descriptor has no sizes.
  const header = (signature, length, at, sized) => {
    const b = Buffer.alloc(length);
    b.writeUInt32LE(signature, 0);
    b.writeUInt16LE(20, at);
    b.writeUInt16LE(descriptor ? 8 : 0, at + 2);
    b.writeUInt16LE(stored ? 0 : 8, at + 4);
    b.writeUInt32LE(sized ? crc : 0, at + 10);
    b.writeUInt32LE(sized ? packed.length : 0, at + 14);
    b.writeUInt32LE(sized ? data.length : 0, at + 18);
    b.writeUInt16LE(nameBytes.length, at + 22);
    return b;
  };
  const local = header(0x04034b50, 30, 4, !descriptor);
  local.writeUInt16LE(localExtra.length, 28);
  const parts = [local, nameBytes, Buffer.from(localExtra), packed];
  if (descriptor) {
    const dd = Buffer.alloc(16);
    dd.writeUInt32LE(0x08074b50, 0);
    dd.writeUInt32LE(crc, 4);
    dd.writeUInt32LE(packed.length, 8);
    dd.writeUInt32LE(data.length, 12);
    parts.push(signed ? dd : dd.subarray(4));
  }
  if (!central) return Buffer.concat(parts);
  const centralOffset = parts.reduce((n, p) => n + p.length, 0);
  const record = header(0x02014b50, 46, 6, true);
  record.writeUInt16LE(20, 4);
  const end = Buffer.alloc(22);
  end.writeUInt32LE(0x06054b50, 0);
  end.writeUInt16LE(1, 8);
  end.writeUInt16LE(1, 10);
  end.writeUInt32LE(46 + nameBytes.length, 12);
  end.writeUInt32LE(centralOffset, 16);
  end.writeUInt16LE(comment.length, 20);
  return Buffer.concat([...parts, record, nameBytes, end, Buffer.from(comment)]);
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
