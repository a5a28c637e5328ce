// Turns the template property values of extConfig into the player's settings.

/** "0x1a2b3c" (or "#1a2b3c") to a CSS colour; anything else gives `fallback`. */
export function cssColor(value, fallback) {
  const m = /^\s*(?:0x|#)([0-9a-fA-F]{6})\s*$/.exec(value || '');
  return m ? '#' + m[1].toLowerCase() : fallback;
}

/** A switch: YES/NO in any case; missing or unreadable values give `fallback`. */
export function yes(value, fallback) {
  if (value === undefined || value === null) return fallback;
  const v = String(value).trim().toUpperCase();
  if (v === 'YES' || v === 'TRUE' || v === '1') return true;
  if (v === 'NO' || v === 'FALSE' || v === '0') return false;
  return fallback;
}

/** A book-relative file such as ./files/extfiles/bg.jpg; empty values or a bare key with a dot mean none. */
export function fileUrl(value) {
  const v = (value || '').trim();
  if (!v || v.endsWith('.') || v.endsWith('/')) return '';
  return v;
}

function positive(value, fallback) {
  const v = parseFloat(value);
  return Number.isFinite(v) && v > 0 ? v : fallback;
}

/** Reads the settings from the config map of a book; `template` is "float" or "classic". */
export function readSettings(config, template) {
  const get = (k) => (config.has(k) ? config.get(k) : undefined);
  const classic = template === 'classic';
  const bg = cssColor(get('backgroundColor'), classic ? '#3b3026' : '#20242c');
  const accent = cssColor(get('accentColor'), classic ? '#7a4b22' : '#2f3640');
  return {
    template: classic ? 'classic' : 'float',
    pageWidth: positive(get('pageWidth'), 960),
    pageHeight: positive(get('pageHeight'), 600),
    title: (get('bookTitle') || '').trim(),
    hardCover: yes(get('isHardCover'), classic),
    language: (get('languageSetting') || 'English').trim(),
    rtl: (get('readingDirection') || '').trim().toLowerCase() === 'right-to-left',
    flipSpeed: Math.min(5000, positive(get('flipSpeed'), 600)),
    backgroundColor: bg,
    toolbarColor: cssColor(get('toolbarColor'), accent),
    textColor: cssColor(get('textColor'), '#f4f1ea'),
    paperColor: cssColor(get('paperColor'), '#ffffff'),
    accentColor: accent,
    backgroundImage: fileUrl(get('backgroundImage')),
    logoImage: fileUrl(get('logoImage')),
    showThumbnails: yes(get('showThumbnails'), true),
    showOutline: yes(get('showOutline'), true),
    showZoom: yes(get('showZoom'), true),
    showFullscreen: yes(get('showFullscreen'), true),
    showSound: yes(get('showSound'), true),
    showPageNumbers: yes(get('showPageNumbers'), classic),
    showShadow: yes(get('showShadow'), true),
    showPrint: yes(get('showPrint'), true),
    showDownload: yes(get('showDownload'), false),
    showShare: yes(get('showShare'), true),
    resumeReading: yes(get('resumeReading'), true),
    showAutoPlay: yes(get('showAutoPlay'), false),
    // Seconds a spread stays; a turn needs a moment too, so no less than one second.
    autoPlayInterval: Math.max(1, Math.min(3600, positive(get('autoPlayInterval'), 4))),
    autoPlayLoop: yes(get('autoPlayLoop'), false),
  };
}
