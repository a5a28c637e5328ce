// Zoom into the page under the pointer or finger: the camera (the element around the book)
// is scaled and moved with a transform, panning is bounded to that page, and the zoom stops
// where the picture has no more detail (a picture pixel shown at two CSS pixels, that is twice
// the device pixel ratio in device pixels). Emits 'zoom' {scale, page}.
import { clamp } from './dom.js';

const DETAIL = 2;      // CSS pixels per picture pixel at the deepest zoom
const STEP = 1.5;      // one step of the buttons and keys
const TAP_GAP = 350;

export class Zoom {
  constructor(bus, book, view, stage, camera) {
    this.bus = bus;
    this.book = book;
    this.view = view;
    this.stage = stage;
    this.camera = camera;
    this.scale = 1;
    this.x = 0;
    this.y = 0;
    this.focus = null;
    this.pointers = new Map();
    this.pinch = null;
    this.lastTap = null;
    this.pointer = null;
    this.attach();
    bus.on('doubletap', ({ clientX, clientY }) => this.zoomTo(this.deepest(clientX, clientY, 2.5), clientX, clientY, true));
  }

  get zoomed() { return this.scale > 1.001; }

  /** The focus page (the page under the point, once zoomed in) and its box at scale 1, relative to the stage. */
  focusAt(clientX, clientY) {
    if (this.focus) return this.focus;
    const hit = this.view.pageAt(clientX, clientY);
    if (!hit) return null;
    // Layout boxes, which a zoom still easing out does not move.
    const slot = hit.element.parentNode;
    const book = this.view.root;
    return { page: hit.page, element: hit.element, x: book.offsetLeft + this.view.shift + slot.offsetLeft, y: book.offsetTop + slot.offsetTop,
      w: slot.offsetWidth, h: slot.offsetHeight };
  }

  /** The deepest zoom the focus page's picture allows, or `want` when that is less. */
  deepest(clientX, clientY, want) {
    const focus = this.focusAt(clientX, clientY);
    if (!focus) return 1;
    return Math.min(want, this.maxScale(focus));
  }

  maxScale(focus) {
    const img = focus.element.querySelector('.pw-img');
    const natural = img && img.complete && img.naturalWidth ? img.naturalWidth : 0;
    return Math.max(1, natural ? DETAIL * natural / focus.w : DETAIL);
  }

  /** Zooms to `scale`, keeping the point under (clientX, clientY) in place. */
  zoomTo(scale, clientX, clientY, animate) {
    const focus = this.focusAt(clientX, clientY);
    if (!focus) return;
    const s = clamp(scale, 1, this.maxScale(focus));
    if (s <= 1.001) { this.reset(animate); return; }
    if (!this.focus) this.enter(focus);
    const st = this.stage.getBoundingClientRect();
    const px = clientX - st.left;
    const py = clientY - st.top;
    this.x = px - (px - this.x) * s / this.scale;
    this.y = py - (py - this.y) * s / this.scale;
    this.scale = s;
    this.apply(animate);
  }

  /** Zooms by `factor` about the pointer's last place over the stage, else the focus page's centre. */
  zoomBy(factor) {
    const st = this.stage.getBoundingClientRect();
    let at = this.pointer;
    if (!at || at.x < st.left || at.x > st.right || at.y < st.top || at.y > st.bottom) {
      const hit = this.focus ? null : this.view.pageAt(st.left + st.width / 2, st.top + st.height / 2);
      at = hit ? { x: hit.rect.left + hit.rect.width / 2, y: hit.rect.top + hit.rect.height / 2 }
        : { x: st.left + st.width / 2, y: st.top + st.height / 2 };
    }
    this.zoomTo(this.scale * factor, at.x, at.y, true);
  }

  zoomIn() { this.zoomBy(STEP); }
  zoomOut() { this.zoomBy(1 / STEP); }

  enter(focus) {
    this.focus = focus;
    const large = this.book.pages[focus.page - 1].largeUrl;
    const img = focus.element.querySelector('.pw-img');
    if (img && large && img.getAttribute('src') && img.getAttribute('src') !== large) img.src = large;
  }

  /** Back to the whole book, centred. */
  reset(animate) {
    if (!this.zoomed && !this.focus) return;
    this.scale = 1;
    this.x = 0;
    this.y = 0;
    this.focus = null;
    this.apply(animate !== false);
  }

  /** Keeps the focus page covering the stage where it is larger than the stage, centred where it is not. */
  bound() {
    const f = this.focus;
    const st = this.stage.getBoundingClientRect();
    const fit = (offset, start, size, room) => (size * this.scale <= room
      ? (room - size * this.scale) / 2 - start * this.scale
      : clamp(offset, room - (start + size) * this.scale, -start * this.scale));
    this.x = fit(this.x, f.x, f.w, st.width);
    this.y = fit(this.y, f.y, f.h, st.height);
  }

  apply(animate) {
    if (this.focus) this.bound();
    this.camera.classList.toggle('pw-animate', !!animate);
    this.camera.style.transform = this.zoomed
      ? 'translate(' + Math.round(this.x * 100) / 100 + 'px,' + Math.round(this.y * 100) / 100 + 'px) scale(' + Math.round(this.scale * 1e4) / 1e4 + ')'
      : '';
    this.bus.emit('zoom', { scale: this.scale, page: this.focus ? this.focus.page : 0 });
  }

  attach() {
    const stage = this.stage;
    stage.addEventListener('wheel', (e) => {
      if (e.ctrlKey) {
        e.preventDefault();
        this.zoomTo(this.scale * Math.exp(-e.deltaY * 0.01), e.clientX, e.clientY, false);
      } else if (this.zoomed) {
        e.preventDefault();
        this.panBy(-e.deltaX, -e.deltaY);
      }
    }, { passive: false });
    stage.addEventListener('pointermove', (e) => { this.pointer = { x: e.clientX, y: e.clientY }; });
    stage.addEventListener('pointerdown', (e) => this.onDown(e));
    stage.addEventListener('pointermove', (e) => this.onMove(e));
    const lift = (e) => this.onUp(e);
    stage.addEventListener('pointerup', lift);
    stage.addEventListener('pointercancel', lift);
  }

  panBy(dx, dy) {
    this.x += dx;
    this.y += dy;
    this.apply(false);
  }

  onDown(e) {
    if (e.target.closest('.pw-link') && !this.zoomed) return;
    this.pointers.set(e.pointerId, { x: e.clientX, y: e.clientY, x0: e.clientX, y0: e.clientY });
    if (this.pointers.size === 2) {
      // Two fingers: the pinch is the zoom's, whatever the book was doing.
      this.view.abandonPress();
      const [a, b] = [...this.pointers.values()];
      this.pinch = { d: Math.hypot(a.x - b.x, a.y - b.y) || 1, scale: this.scale };
    }
    if (this.zoomed || this.pinch) {
      this.stage.setPointerCapture(e.pointerId);
      e.preventDefault();
    }
  }

  onMove(e) {
    const last = this.pointers.get(e.pointerId);
    if (!last) return;
    const dx = e.clientX - last.x;
    const dy = e.clientY - last.y;
    last.x = e.clientX;
    last.y = e.clientY;
    if (this.pinch && this.pointers.size === 2) {
      const [a, b] = [...this.pointers.values()];
      const d = Math.hypot(a.x - b.x, a.y - b.y);
      const mx = (a.x + b.x) / 2;
      const my = (a.y + b.y) / 2;
      if (this.zoomed) this.panBy(dx / 2, dy / 2);
      this.zoomTo(this.pinch.scale * d / this.pinch.d, mx, my, false);
    } else if (this.zoomed && !this.pinch) {
      this.panBy(dx, dy);
    }
  }

  onUp(e) {
    const p = this.pointers.get(e.pointerId);
    this.pointers.delete(e.pointerId);
    if (this.pointers.size < 2 && this.pinch) {
      if (this.pointers.size === 0) this.pinch = null;
      return;
    }
    if (!p || !this.zoomed || Math.hypot(e.clientX - p.x0, e.clientY - p.y0) > 8) return;
    // A double tap or double click while zoomed returns to the whole book.
    const now = performance.now();
    if (this.lastTap && now - this.lastTap.t < TAP_GAP && Math.hypot(e.clientX - this.lastTap.x, e.clientY - this.lastTap.y) < 40) {
      this.lastTap = null;
      this.reset(true);
    } else {
      this.lastTap = { t: now, x: e.clientX, y: e.clientY };
    }
  }
}
