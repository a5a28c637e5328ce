// Reads the first entry of a ZIP archive held in memory. Sizes come from the local header, or,
// when the writer streamed the entry (general-purpose flag bit 3), from the central directory
// or by scanning for the data descriptor.
import { inflateSync } from 'fflate';

const LOCAL_SIG = 0x04034b50;
const CENTRAL_SIG = 0x02014b50;
const END_SIG = 0x06054b50;
const DESCRIPTOR_SIG = 0x08074b50;

export class ZipError extends Error {}

function u16(b, o) { return b[o] | (b[o + 1] << 8); }
function u32(b, o) { return (b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) | (b[o + 3] << 24)) >>> 0; }

function utf8(bytes) { return new TextDecoder('utf-8').decode(bytes); }

/** Finds the end-of-central-directory record, or -1; it sits within the last 64 KiB + 22 bytes. */
function findEnd(b) {
  const stop = Math.max(0, b.length - 22 - 0xffff);
  for (let o = b.length - 22; o >= stop; o--) {
    if (u32(b, o) === END_SIG) return o;
  }
  return -1;
}

/** Returns {compressedSize, size} of the central-directory record named `name`, or null. */
function centralSizes(b, name) {
  const end = findEnd(b);
  if (end < 0) return null;
  let o = u32(b, end + 16);
  const count = u16(b, end + 10);
  for (let n = 0; n < count && o + 46 <= b.length && u32(b, o) === CENTRAL_SIG; n++) {
    const nameLen = u16(b, o + 28);
    const entryName = utf8(b.subarray(o + 46, o + 46 + nameLen));
    if (entryName === name) return { compressedSize: u32(b, o + 20), size: u32(b, o + 24) };
    o += 46 + nameLen + u16(b, o + 30) + u16(b, o + 32);
  }
  return null;
}

/** Finds the data descriptor after `start` whose compressed-size field matches its position. */
function scanDescriptor(b, start) {
  for (let o = start; o + 16 <= b.length; o++) {
    if (u32(b, o) === DESCRIPTOR_SIG && u32(b, o + 8) === o - start) {
      return { compressedSize: o - start, size: u32(b, o + 12) };
    }
  }
  return null;
}

/**
 * Returns {name, method, data} of the first entry, data being its raw (still compressed) bytes.
 * Throws ZipError when the bytes are not a ZIP archive or the entry runs past the end.
 */
export function readFirstEntry(bytes) {
  const b = bytes;
  if (b.length < 30 || u32(b, 0) !== LOCAL_SIG) throw new ZipError('not a ZIP archive');
  const flags = u16(b, 6);
  const method = u16(b, 8);
  const nameLen = u16(b, 26);
  const extraLen = u16(b, 28);
  const start = 30 + nameLen + extraLen;
  if (start > b.length) throw new ZipError('truncated ZIP header');
  const name = utf8(b.subarray(30, 30 + nameLen));
  let sizes = { compressedSize: u32(b, 18), size: u32(b, 22) };
  if (flags & 8) {
    sizes = centralSizes(b, name) || scanDescriptor(b, start);
    if (!sizes) throw new ZipError('ZIP entry without sizes');
  }
  if (flags & 1) throw new ZipError('encrypted ZIP entry');
  if (start + sizes.compressedSize > b.length) throw new ZipError('truncated ZIP entry');
  return { name, method, size: sizes.size, data: b.subarray(start, start + sizes.compressedSize) };
}

/** Returns the uncompressed bytes of an entry (stored or deflated). */
export function entryContent(entry) {
  if (entry.method === 0) return entry.data;
  if (entry.method !== 8) throw new ZipError('unsupported ZIP compression method ' + entry.method);
  let out;
  try {
    out = inflateSync(entry.data);
  } catch (e) {
    throw new ZipError('damaged ZIP entry (' + e.message + ')');
  }
  if (entry.size && out.length !== entry.size) throw new ZipError('damaged ZIP entry (size mismatch)');
  return out;
}
