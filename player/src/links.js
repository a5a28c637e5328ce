// Page layers above the picture: the hot spots of the link annotations (on the shown pages, reached
// with Tab and followed with Enter), and the printed page numbers.
import { el } from './dom.js';
import { bookPageForFile } from './model.js';

/** True for the addresses a hot spot may open: http, https and mailto only. */
export function isSafeUrl(url) {
  return /^(https?:\/\/|mailto:)/i.test((url || '').trim());
}

export class LinkLayer {
  constructor(bus, book, t) {
    this.bus = bus;
    this.book = book;
    this.t = t;
  }

  /** Adds the hot spots of book page n to the page element `target` (interactive pages only). */
  decorate(target, n, interactive) {
    const annos = (this.book.annotations.get(n) || []).filter((a) => a.rect.width > 0 && a.rect.height > 0);
    if (!interactive || !annos.length) return;
    const layer = el('div', 'pw-layer pw-links');
    for (const anno of annos) {
      const r = anno.rect;
      const page = anno.kind === 'goto' ? bookPageForFile(this.book, anno.target) : 0;
      const spot = el('a', 'pw-link pw-link-' + anno.kind, {
        style: 'left:' + r.x * 100 + '%;top:' + r.y * 100 + '%;width:' + r.width * 100 + '%;height:' + r.height * 100 + '%',
        title: anno.kind === 'url' ? anno.url : this.t('pageN').replace('{n}', String(page)),
        'data-kind': anno.kind,
      });
      if (anno.kind === 'url' && isSafeUrl(anno.url)) {
        spot.href = anno.url.trim();
        spot.target = '_blank';
        spot.rel = 'noopener noreferrer';
      } else if (page) {
        spot.href = '#page=' + page; // focusable, and a real address for "open in new tab"
      }
      spot.addEventListener('click', (e) => this.activate(e, anno, page));
      layer.appendChild(spot);
    }
    target.appendChild(layer);
  }

  activate(e, anno, page) {
    e.stopPropagation();
    if (anno.kind === 'url') {
      if (!isSafeUrl(anno.url)) e.preventDefault();
      return; // the anchor itself opens a new tab
    }
    e.preventDefault();
    if (page) this.bus.emit('goto', { page });
  }
}

export class PageNumberLayer {
  constructor(rtl) { this.rtl = rtl; }

  /** Prints n in the page's lower outer corner: right on the pages that lie right of the spine. */
  decorate(target, n) {
    const right = (n % 2 === 1) !== this.rtl;
    target.appendChild(el('span', 'pw-layer pw-number pw-number-' + (right ? 'right' : 'left'), { 'aria-hidden': 'true' }, [String(n)]));
  }
}
