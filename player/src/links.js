// Hot spots of the link annotations, drawn over their pages.
import { el } from './dom.js';
import { bookPageForFile } from './model.js';

/** True for the addresses a hot spot may open: http, https and mailto only. */
export function isSafeUrl(url) {
  return /^(https?:\/\/|mailto:)/i.test((url || '').trim());
}

export class LinkLayer {
  constructor(bus, book) {
    this.bus = bus;
    this.book = book;
  }

  /** Adds the hot spots of book page n to the page element `target`. */
  decorate(target, n) {
    for (const anno of this.book.annotations.get(n) || []) {
      const r = anno.rect;
      if (!(r.width > 0 && r.height > 0)) continue;
      const spot = el('a', 'pw-link pw-link-' + anno.kind, {
        style: 'left:' + r.x * 100 + '%;top:' + r.y * 100 + '%;width:' + r.width * 100 + '%;height:' + r.height * 100 + '%',
        title: anno.kind === 'url' ? anno.url : '',
        'data-kind': anno.kind,
      });
      if (anno.kind === 'url' && isSafeUrl(anno.url)) {
        spot.href = anno.url.trim();
        spot.target = '_blank';
        spot.rel = 'noopener noreferrer';
      }
      spot.addEventListener('pointerdown', (e) => e.stopPropagation());
      spot.addEventListener('dblclick', (e) => e.stopPropagation());
      spot.addEventListener('click', (e) => this.activate(e, anno));
      target.appendChild(spot);
    }
  }

  activate(e, anno) {
    e.stopPropagation();
    if (anno.kind === 'url') {
      if (!isSafeUrl(anno.url)) e.preventDefault();
      return; // the anchor itself opens a new tab
    }
    e.preventDefault();
    const page = bookPageForFile(this.book, anno.target);
    if (page) this.bus.emit('goto', { page });
  }
}
