// Page layers above the picture: the hot spots of the link annotations (on the shown pages, reached
// with Tab and followed with Enter), and the printed page numbers. On touch screens a hot spot
// smaller than a finger takes taps from an invisible margin around it (player.css), and a tap
// where margins overlap goes to the nearest hot spot.
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
      spot.anno = { anno, page };
      spot.addEventListener('click', (e) => {
        const near = nearestSpot(layer, e, spot);
        if (near === spot) this.activate(e, anno, page);
        else this.activateInstead(e, near);
      });
      layer.appendChild(spot);
    }
    target.appendChild(layer);
  }

  /** Follows the hot spot `spot` for a tap that landed on another's margin. */
  activateInstead(e, spot) {
    const { anno, page } = spot.anno;
    e.stopPropagation();
    e.preventDefault();
    if (anno.kind === 'url') {
      if (isSafeUrl(anno.url)) window.open(anno.url.trim(), '_blank', 'noopener,noreferrer');
    } else if (page) {
      this.bus.emit('goto', { page });
    }
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

/** Of the hot spots in `layer`, the one nearest the event's point; `hit` when the point lies on it (or has none). */
export function nearestSpot(layer, e, hit) {
  const distance = (spot) => {
    const r = spot.getBoundingClientRect();
    return Math.hypot(Math.max(r.left - e.clientX, 0, e.clientX - r.right), Math.max(r.top - e.clientY, 0, e.clientY - r.bottom));
  };
  if (!e.clientX && !e.clientY) return hit; // Enter on a focused spot: no point
  let best = hit;
  let bestDistance = distance(hit);
  for (const spot of layer.children) {
    const d = distance(spot);
    if (d < bestDistance) [best, bestDistance] = [spot, d];
  }
  return best;
}

export class PageNumberLayer {
  constructor(rtl) { this.rtl = rtl; }

  /** Prints n in the page's lower outer corner: right on the pages that lie right of the spine. */
  decorate(target, n) {
    const right = (n % 2 === 1) !== this.rtl;
    target.appendChild(el('span', 'pw-layer pw-number pw-number-' + (right ? 'right' : 'left'), { 'aria-hidden': 'true' }, [String(n)]));
  }
}
