// RC4 keystream applied to a whole buffer. Encryption and decryption are the same operation.

export const BOOK_KEY = 'lanternmoss.qel';

/** Returns the key text as bytes; the book key is plain ASCII. */
export function keyBytes(text) {
  const out = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) out[i] = text.charCodeAt(i) & 0xff;
  return out;
}

/** Returns a new array holding `data` XORed with the RC4 keystream of `key` (no bytes discarded). */
export function rc4(key, data) {
  if (!key.length) throw new Error('RC4 key is empty');
  const s = new Uint8Array(256);
  for (let i = 0; i < 256; i++) s[i] = i;
  for (let i = 0, j = 0; i < 256; i++) {
    j = (j + s[i] + key[i % key.length]) & 0xff;
    const t = s[i]; s[i] = s[j]; s[j] = t;
  }
  const out = new Uint8Array(data.length);
  for (let n = 0, i = 0, j = 0; n < data.length; n++) {
    i = (i + 1) & 0xff;
    j = (j + s[i]) & 0xff;
    const t = s[i]; s[i] = s[j]; s[j] = t;
    out[n] = data[n] ^ s[(s[i] + s[j]) & 0xff];
  }
  return out;
}
