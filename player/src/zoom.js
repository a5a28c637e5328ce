// Zoom into the page under the pointer or finger: the camera (the element around the book)
// is scaled and moved with a transform, panning is bounded to that page, and the zoom stops
// where the page's most detailed picture has no more detail (one of its pixels shown at two CSS
// pixels), or at MAX_ZOOM. Once the zoom rests, a page with detail tiles gets those that meet the
// screen where its picture would look soft (DetailLayer). Emits 'zoom' {scale, page, limit}.
import { clamp } from './dom.js';
import { DetailLayer, needsDetail } from './detail.js';

const DETAIL = 2;      // CSS pixels per picture pixel at the deepest zoom
const MAX_ZOOM = 8;
const STEP = 1.5;      // one step of the buttons and keys
const TAP_GAP = 350;
const REST = 150;      // milliseconds without change before the zoom counts as resting

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
    this.tiles = new DetailLayer();
    this.resting = 0;
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
    const detail = this.book.pages[focus.page - 1].detail;
    const img = focus.element.querySelector('.pw-img');
    const natural = img && img.complete && img.naturalWidth ? img.naturalWidth : 0;
    const widest = Math.max(natural, detail ? detail.width : 0);
    return clamp(widest ? DETAIL * widest / focus.w : DETAIL, 1, MAX_ZOOM);
  }

  /** The deepest zoom into the focus page; before a zoom there is always some way to go. */
  limit() {
    return this.focus ? this.maxScale(this.focus) : Infinity;
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
    const page = this.book.pages[focus.page - 1];
    const img = focus.element.querySelector('.pw-img');
    // A larger picture in place of tiles (books of other makers) replaces the page picture.
    if (!page.detail && img && page.largeUrl && img.getAttribute('src') && img.getAttribute('src') !== page.largeUrl) img.src = page.largeUrl;
  }

  /** Lays the detail tiles over the part of the focus page on the stage, where its picture is soft there. */
  sharpen() {
    const f = this.focus;
    const detail = f && this.book.pages[f.page - 1].detail;
    if (!detail || !this.zoomed || !f.element.isConnected) return;
    const img = f.element.querySelector('.pw-img');
    if (!needsDetail(img && img.naturalWidth ? img.naturalWidth : 0, f.w * this.scale)) return;
    const st = this.stage.getBoundingClientRect();
    const share = (offset, start, size, room) => [clamp((0 - offset - start * this.scale) / (size * this.scale), 0, 1),
      clamp((room - offset - start * this.scale) / (size * this.scale), 0, 1)];
    const [x0, x1] = share(this.x, f.x, f.w, st.width);
    const [y0, y1] = share(this.y, f.y, f.h, st.height);
    this.tiles.show(f.element, detail, { x0, y0, x1, y1 });
  }

  /** Back to the whole book, centred. */
  reset(animate) {
    if (!this.zoomed && !this.focus) return;
    if (this.focus) this.tiles.clear(this.focus.element);
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
    // The detail comes once the zoom rests, for where it came to rest.
    clearTimeout(this.resting);
    if (this.zoomed) this.resting = setTimeout(() => this.sharpen(), REST + (animate ? 280 : 0));
    this.bus.emit('zoom', { scale: this.scale, page: this.focus ? this.focus.page : 0, limit: this.limit() });
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
