// The zoom view: the page's large picture, panned by dragging and zoomed by wheel or pinch.
import { el, clamp } from './dom.js';

export class ZoomView {
  constructor(bus, book, t) {
    this.bus = bus;
    this.book = book;
    this.img = el('img', 'pw-zoom-img', { alt: '', draggable: 'false' });
    this.closeButton = el('button', 'pw-btn pw-zoom-close', { type: 'button', title: t('close'), 'aria-label': t('close') }, ['×']);
    this.root = el('div', 'pw-zoom', { hidden: '' }, [this.img, this.closeButton]);
    this.scale = 1;
    this.x = 0;
    this.y = 0;
    this.pointers = new Map();
    this.closeButton.addEventListener('click', () => this.close());
    this.attach();
  }

  get isOpen() { return !this.root.hidden; }

  /** Shows book page n at twice the fitted size. */
  open(n) {
    const page = this.book.pages[n - 1];
    if (!page) return;
    this.page = n;
    this.img.src = page.largeUrl;
    this.root.hidden = false;
    this.scale = 2;
    this.x = 0;
    this.y = 0;
    this.apply();
    this.bus.emit('zoom', { open: true, page: n });
  }

  close() {
    if (!this.isOpen) return;
    this.root.hidden = true;
    this.img.removeAttribute('src');
    this.bus.emit('zoom', { open: false });
  }

  apply() {
    this.scale = clamp(this.scale, 1, 8);
    this.img.style.transform = 'translate(' + this.x + 'px,' + this.y + 'px) scale(' + this.scale + ')';
  }

  /** Zooms by `factor` keeping the point (cx, cy), relative to the view's centre, in place. */
  zoomAt(factor, cx, cy) {
    const old = this.scale;
    this.scale = clamp(old * factor, 1, 8);
    const k = this.scale / old;
    this.x = cx - (cx - this.x) * k;
    this.y = cy - (cy - this.y) * k;
    this.apply();
  }

  centreOffset(e) {
    const r = this.root.getBoundingClientRect();
    return [e.clientX - r.left - r.width / 2, e.clientY - r.top - r.height / 2];
  }

  attach() {
    this.root.addEventListener('wheel', (e) => {
      e.preventDefault();
      const [cx, cy] = this.centreOffset(e);
      this.zoomAt(Math.exp(-e.deltaY * 0.0015), cx, cy);
    }, { passive: false });
    this.root.addEventListener('pointerdown', (e) => {
      if (e.target === this.closeButton) return;
      this.root.setPointerCapture(e.pointerId);
      this.pointers.set(e.pointerId, { x: e.clientX, y: e.clientY });
    });
    this.root.addEventListener('pointermove', (e) => {
      const last = this.pointers.get(e.pointerId);
      if (!last) return;
      if (this.pointers.size === 2) {
        const other = [...this.pointers.entries()].find(([id]) => id !== e.pointerId)[1];
        const before = Math.hypot(last.x - other.x, last.y - other.y);
        const after = Math.hypot(e.clientX - other.x, e.clientY - other.y);
        const [cx, cy] = this.centreOffset({ clientX: (e.clientX + other.x) / 2, clientY: (e.clientY + other.y) / 2 });
        if (before > 0) this.zoomAt(after / before, cx, cy);
      } else {
        this.x += e.clientX - last.x;
        this.y += e.clientY - last.y;
        this.apply();
      }
      this.pointers.set(e.pointerId, { x: e.clientX, y: e.clientY });
    });
    const lift = (e) => this.pointers.delete(e.pointerId);
    this.root.addEventListener('pointerup', lift);
    this.root.addEventListener('pointercancel', lift);
    this.root.addEventListener('dblclick', () => this.close());
  }
}
