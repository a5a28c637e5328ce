// Small DOM helpers shared by the views.

/** Creates an element with a class name, attributes and children (strings become text). */
export function el(tag, className, attrs, kids) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  for (const [k, v] of Object.entries(attrs || {})) {
    if (v !== undefined && v !== null) e.setAttribute(k, v);
  }
  for (const k of kids || []) e.appendChild(typeof k === 'string' ? document.createTextNode(k) : k);
  return e;
}

export function clamp(v, lo, hi) { return Math.max(lo, Math.min(hi, v)); }

/** A share of the page (0..1) as a CSS percentage, rounded to 0.0001%. */
export const percent = (v) => Math.round(v * 1e6) / 1e4 + '%';

/**
 * Runs the script at `url` with a script element, which works from a page opened from a file too;
 * resolves once it has run, rejects when it cannot be loaded. The element goes afterwards.
 */
export function loadScript(url) {
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.onload = () => { script.remove(); resolve(); };
    script.onerror = () => { script.remove(); reject(new Error('The file ' + url + ' could not be loaded.')); };
    script.src = url;
    document.head.appendChild(script);
  });
}
