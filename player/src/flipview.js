// The book on the stage: one or two page slots and the leaf that turns over the spine.
// Spread s shows the pages `first` and `second`; `second` sits on the side that turns forward
// (right for left-to-right books, left for right-to-left ones). In single-page view the spread
// number is the page number, and a page turns away over the edge on its back side.
import { el, clamp } from './dom.js';
import { Leaf } from './leaf.js';
import { foldTarget, turnPath, ease } from './fold.js';

const EDGE = 0.2;          // share of a page's width along its outer edge where clicks and drags turn
const EDGE_MIN = 28;       // ... but at least this many pixels, for fingers
const DRAG_START = 6;      // pixels a press moves before it drags the page
const FLICK = 0.35;        // pixels per millisecond: a flick this fast completes the turn
const TAP_GAP = 350;       // milliseconds between the taps of a double tap
const HURRY = 2.5;         // how much faster a turn plays when the reader asks for the next one
const PEEK = 0.07;         // share of the page's width that a corner lifts under a hovering mouse

export class FlipView {
  /** `pages` makes the page elements (PageFactory); `page` is the first page shown. */
  constructor(bus, book, settings, pages, page) {
    this.bus = bus;
    this.book = book;
    this.settings = settings;
    this.pages = pages;
    this.count = book.pages.length;
    this.single = false;
    this.spread = this.spreadOfPage(page || 1);
    this.w = 0;
    this.h = 0;
    this.turn = null;
    this.pending = null;
    this.press = null;
    this.lastTap = null;
    this.enabled = true;
    this.shift = 0;
    this.root = el('div', 'pw-book');
    this.root.style.transition = 'transform ' + settings.flipSpeed + 'ms ease';
    this.slots = { left: el('div', 'pw-slot pw-left'), right: el('div', 'pw-slot pw-right') };
    this.leaf = new Leaf();
    this.root.append(this.slots.left, this.slots.right, el('div', 'pw-spine'), this.leaf.root);
    bus.on('picture', ({ page: n }) => {
      for (const e of this.root.querySelectorAll('.pw-page[data-page="' + n + '"]')) this.pages.show(e, n);
    });
    this.attachPointer();
  }

  get forwardSide() { return this.settings.rtl ? 'left' : 'right'; }
  get backSide() { return this.settings.rtl ? 'right' : 'left'; }
  get bookWidth() { return this.single ? this.w : 2 * this.w; }

  /** Valid spread numbers: 0..floor(n/2) for spreads, 1..n for single pages. */
  spreadRange() {
    return this.single ? [1, Math.max(1, this.count)] : [0, Math.floor(this.count / 2)];
  }

  spreadOfPage(page) {
    const p = clamp(page, 1, Math.max(1, this.count));
    return this.single ? p : Math.floor(p / 2);
  }

  /** The two page numbers of spread s as {first, second}; numbers outside 1..n are blanks. */
  pagesOf(s) {
    return this.single ? { first: s - 1, second: s } : { first: 2 * s, second: 2 * s + 1 };
  }

  pageOnSide(s, side) {
    const p = this.pagesOf(s);
    return side === this.forwardSide ? p.second : p.first;
  }

  /** Book pages of spread s, lowest first (blanks left out). */
  pagesShown(s) {
    const p = this.pagesOf(s);
    return (this.single ? [p.second] : [p.first, p.second]).filter((n) => n >= 1 && n <= this.count);
  }

  visiblePages() { return this.pagesShown(this.spread); }

  /** Sets single-page or spread view and the page size, keeping `page` in view. */
  setLayout(single, w, h, page) {
    this.cancelTurn();
    const keep = page || this.visiblePages()[0] || 1;
    this.single = single;
    this.w = w;
    this.h = h;
    this.root.classList.toggle('pw-single', single);
    this.root.style.width = this.bookWidth + 'px';
    this.root.style.height = h + 'px';
    this.root.style.setProperty('--pw-page-w', w + 'px');
    this.root.style.setProperty('--pw-page-h', h + 'px');
    this.spread = this.spreadOfPage(keep);
    for (const side of ['left', 'right']) this.slots[side].dataset.page = 'none';
    // A new layout places the book at once; only turns slide it.
    const slide = this.root.style.transition;
    this.root.style.transition = 'none';
    this.shift = null;
    this.render();
    void this.root.offsetWidth;
    this.root.style.transition = slide;
  }

  /** Shows page n in a slot: in `element` when that shows n (a page carried through a turn), else in a new one. */
  fillSlot(side, n, element) {
    const slot = this.slots[side];
    if (slot.dataset.page === String(n) && slot.firstChild) return;
    slot.textContent = '';
    slot.dataset.page = String(n);
    const fits = element && n >= 1 && n <= this.count && element.dataset.page === String(n);
    slot.appendChild(fits ? element : this.pages.element(n, true));
  }

  /** The page element that shows page n, taken out of its slot to be carried through a turn, or a new one. */
  takePage(n) {
    for (const side of ['left', 'right']) {
      const slot = this.slots[side];
      if (n >= 1 && n <= this.count && slot.dataset.page === String(n) && slot.firstChild) {
        slot.dataset.page = 'none';
        return slot.firstChild;
      }
    }
    return this.pages.element(n, true);
  }

  render() {
    for (const side of ['left', 'right']) {
      const hidden = this.single && side === this.backSide;
      this.slots[side].hidden = hidden;
      if (!hidden) this.fillSlot(side, this.pageOnSide(this.spread, side));
    }
    const [lo, hi] = this.spreadRange();
    const soon = [];
    for (const d of [1, -1, 2, -2]) {
      if (this.spread + d >= lo && this.spread + d <= hi) soon.push(...this.pagesShown(this.spread + d));
    }
    this.pages.want(this.visiblePages(), soon);
    this.centre(this.spread);
    this.bus.emit('spread', { pages: this.visiblePages(), spread: this.spread });
  }

  /** A closed book (its cover, or its back cover, alone) slides to the middle of the stage. */
  centre(spread) {
    let shift = 0;
    if (!this.single) {
      const shown = ['left', 'right'].filter((side) => {
        const n = this.pageOnSide(spread, side);
        return n >= 1 && n <= this.count;
      });
      if (shown.length === 1) shift = (shown[0] === 'right' ? -this.w : this.w) / 2;
    }
    if (shift === this.shift) return;
    this.shift = shift;
    this.root.classList.toggle('pw-shows-right', shift < 0);
    this.root.classList.toggle('pw-shows-left', shift > 0);
    this.root.style.transform = shift ? 'translateX(' + shift + 'px)' : '';
  }

  /** The shown page under a screen point, as {page, rect}, or the nearest shown page. */
  pageAt(clientX, clientY) {
    let best = null;
    for (const side of ['left', 'right']) {
      const e = this.slots[side].querySelector('.pw-page[data-page]:not(.pw-blank)');
      if (!e || this.slots[side].hidden) continue;
      const r = e.getBoundingClientRect();
      const dx = Math.max(r.left - clientX, 0, clientX - r.right);
      const dy = Math.max(r.top - clientY, 0, clientY - r.bottom);
      const d = Math.hypot(dx, dy);
      if (!best || d < best.d) best = { page: Number(e.dataset.page), rect: r, element: e, d };
    }
    return best;
  }

  /** Turns to the spread that shows `page`; animated unless `instant`. */
  goToPage(page, instant) { this.goToSpread(this.spreadOfPage(page), instant); }

  /** Where the book is heading: the spread of the turn under way, or of the one asked for next. */
  heading() {
    if (this.pending !== null) return this.pending;
    return this.turn && this.turn.completing ? this.turn.target : this.spread;
  }

  next() { this.goToSpread(this.heading() + 1); }
  prev() { this.goToSpread(this.heading() - 1); }

  /** Turns to spread `target`; animated unless `instant`, lifting the corner at `cornerY` (default the bottom one). */
  goToSpread(target, instant, cornerY) {
    const [lo, hi] = this.spreadRange();
    const t = clamp(target, lo, hi);
    if (instant) {
      this.cancelTurn();
      this.spread = t;
      this.render();
      return;
    }
    if (this.turn && this.turn.peek) this.cancelTurn();
    if (this.turn) {
      if (this.press && this.press.dragging) return;
      // A turn is playing: it hurries, and the next one follows it.
      this.pending = t === this.spread && !this.turn.completing ? null : t;
      this.turn.speed = HURRY;
      return;
    }
    if (t === this.spread || !this.w) return;
    this.startTurn(t, cornerY === undefined ? this.h : cornerY);
    this.centre(t);
    this.playPath((k) => turnPath(this.w, this.h, this.turn.corner, this.turn.reverse ? 1 - k : k), true,
      this.settings.flipSpeed);
  }

  /**
   * Lays out the leaf for a turn from the current spread to `target`, lifting the corner at
   * `cornerY`. A `peek` only lifts the corner a little, under a hovering mouse.
   */
  startTurn(target, cornerY, peek) {
    const forward = target > this.spread;
    const w = this.w;
    const h = this.h;
    let g;
    if (!this.single) {
      const side = forward ? this.forwardSide : this.backSide;
      const other = side === 'left' ? 'right' : 'left';
      g = { side, s: side === 'right' ? 1 : -1, spineX: w, reverse: false,
        front: this.pageOnSide(this.spread, side), back: this.pageOnSide(target, other), beneath: this.pageOnSide(target, side) };
    } else {
      // One page: it turns away over its back-side edge; turning back brings the earlier page in.
      const rtl = this.settings.rtl;
      const current = this.pagesOf(this.spread).second;
      const coming = this.pagesOf(target).second;
      g = { side: this.forwardSide, s: rtl ? -1 : 1, spineX: rtl ? w : 0, reverse: !forward,
        front: forward ? current : coming, back: 0, beneath: forward ? coming : current };
    }
    const hard = [g.front, g.back].some((n) => n >= 1 && n <= this.count && this.book.pages[n - 1].hard);
    const corner = [w, cornerY === 0 ? 0 : h];
    const front = this.takePage(g.front);
    const back = g.back || !this.single ? this.takePage(g.back) : null;
    this.leaf.begin({ spineX: g.spineX, s: g.s, w, h, corner, hard }, front, back);
    if (!g.reverse) this.fillSlot(g.side, g.beneath);
    const open = corner;
    const closed = [-w, corner[1]];
    this.turn = { target, side: g.side, s: g.s, reverse: g.reverse, corner, open, closed, completing: true, front, back,
      point: g.reverse ? closed : open, speed: this.chained ? 1.6 : 1, anim: 0, peek: !!peek };
    this.pages.want(this.pagesShown(target), []);
    this.draw(this.turn.point);
    if (!peek) this.bus.emit('turnstart', { target });
  }

  draw(point) {
    this.turn.point = point;
    this.leaf.draw(point);
  }

  /** Plays the turn along `path` (k from 0 to 1 to a corner point); ends completed or fallen back. */
  playPath(path, completed, duration) {
    const turn = this.turn;
    turn.completing = completed;
    turn.k = 0;
    let last = performance.now();
    const step = (now) => {
      if (this.turn !== turn) return;
      turn.k = Math.min(1, turn.k + Math.max(0, now - last) * turn.speed / duration);
      last = now;
      this.draw(path(ease(turn.k)));
      if (turn.k < 1) turn.anim = requestAnimationFrame(step);
      else this.endTurn(completed);
    };
    cancelAnimationFrame(turn.anim);
    turn.anim = requestAnimationFrame(step);
  }

  /** Lets go of the page where it is: on to the other side, or back to where it lay. */
  release(completed) {
    const turn = this.turn;
    const from = turn.point;
    const goal = completed !== turn.reverse ? turn.closed : turn.open;
    const share = Math.abs(goal[0] - from[0]) / (2 * this.w);
    // Straight over, lifting a little on the way as a turned page does.
    const lift = (turn.corner[1] === 0 ? 1 : -1) * 0.12 * this.h * share;
    const path = (k) => foldTarget(this.w, this.h, turn.corner,
      [from[0] + (goal[0] - from[0]) * k, from[1] + (goal[1] - from[1]) * k + lift * Math.sin(Math.PI * k)]);
    this.playPath(path, completed, Math.max(90, this.settings.flipSpeed * share));
  }

  /** Ends a running turn at once, where it was heading, and forgets turns asked for later. */
  cancelTurn() {
    this.pending = null;
    if (!this.turn) return;
    cancelAnimationFrame(this.turn.anim);
    this.endTurn(this.turn.completing && !this.turn.peek);
  }

  endTurn(completed) {
    const turn = this.turn;
    this.turn = null;
    this.leaf.end();
    // The turned page's elements stay: the back lands on the other side, a page brought back in
    // lands in its slot, a page let go of falls back into its own.
    const other = turn.side === 'left' ? 'right' : 'left';
    if (completed) {
      this.spread = turn.target;
      if (!this.single) this.fillSlot(other, this.pageOnSide(this.spread, other), turn.back);
      else if (turn.reverse) this.fillSlot(turn.side, this.pageOnSide(this.spread, turn.side), turn.front);
    } else if (!turn.reverse) {
      this.fillSlot(turn.side, this.pageOnSide(this.spread, turn.side), turn.front);
    }
    this.render();
    this.bus.emit('turnend', { completed });
    const next = this.pending;
    this.pending = null;
    if (next !== null) {
      this.chained = true;
      this.goToSpread(next);
      this.chained = false;
    }
  }

  // Pointer handling. A press near a page's outer edge, or a sideways drag anywhere, takes the
  // page's nearest corner along; a click or tap on an edge turns; a double tap elsewhere zooms.
  // A mouse press on the words of a page selects them (a click on an edge still turns), except at
  // the corners, which always turn.

  /** Where a book point lies: the direction its edge turns (1, -1) or 0 inside a page. */
  zoneAt(x) {
    const w = this.w;
    const edge = Math.max(EDGE * w, Math.min(EDGE_MIN, w / 3));
    const rtl = this.settings.rtl;
    if (this.single) {
      if (w - x < edge) return rtl ? -1 : 1;
      if (x < edge) return rtl ? 1 : -1;
      return 0;
    }
    if (2 * w - x < edge) return rtl ? -1 : 1;
    if (x < edge) return rtl ? 1 : -1;
    return 0;
  }

  /** A pointer's place in the book's own pixels, and the book's scale on the screen. */
  bookPoint(e) {
    const r = this.root.getBoundingClientRect();
    const k = r.width / (this.bookWidth || 1);
    return [(e.clientX - r.left) / k, (e.clientY - r.top) / k, k];
  }

  attachPointer() {
    this.root.addEventListener('pointerdown', (e) => this.onDown(e));
    window.addEventListener('pointermove', (e) => this.onMove(e));
    window.addEventListener('pointerup', (e) => this.onUp(e));
    window.addEventListener('pointercancel', (e) => this.onCancel(e));
    this.root.addEventListener('pointerleave', (e) => { if (e.pointerType === 'mouse') this.peekAt(null); });
  }

  /** Stops a press when a second finger comes (the zoom takes the pinch) or the zoom opens. */
  abandonPress() {
    const p = this.press;
    this.press = null;
    if (p && p.dragging && this.turn) this.release(false);
  }

  onDown(e) {
    if (this.press) { this.abandonPress(); return; }
    if (!this.enabled || e.button !== 0 || !this.w || e.target.closest('.pw-link')) return;
    const [x, y, scale] = this.bookPoint(e);
    const zone = this.zoneAt(x);
    const grabbing = this.turn && this.turn.peek;
    const selects = e.pointerType !== 'touch' && !!e.target.closest('.pw-text') && !(zone && this.nearCorner(y));
    if (zone && !selects) e.preventDefault();
    this.press = { id: e.pointerId, x: e.clientX, y: e.clientY, scale, zone, selects, cornerY: y < this.h / 2 ? 0 : this.h,
      dragging: !!grabbing, busy: !!this.turn && !grabbing, from: grabbing ? this.turn.point : null, vx: 0, lastX: e.clientX, lastT: performance.now() };
    if (grabbing) {
      this.turn.peek = false;
      this.bus.emit('turnstart', { target: this.turn.target });
    }
  }

  onMove(e) {
    const p = this.press;
    if (!p) { if (e.pointerType === 'mouse') this.hover(e); return; }
    if (e.pointerId !== p.id) return;
    const now = performance.now();
    if (now > p.lastT) {
      p.vx = 0.6 * p.vx + 0.4 * (e.clientX - p.lastX) / (now - p.lastT);
      p.lastX = e.clientX;
      p.lastT = now;
    }
    const dx = e.clientX - p.x;
    const dy = e.clientY - p.y;
    if (!p.dragging) {
      if (p.busy || p.selects || Math.hypot(dx, dy) < DRAG_START) return;
      if (!p.zone && Math.abs(dx) < Math.abs(dy)) { this.press = null; return; }
      const dir = p.zone || ((dx < 0) !== this.settings.rtl ? 1 : -1);
      const [lo, hi] = this.spreadRange();
      const target = this.spread + dir;
      if (target < lo || target > hi) { this.press = null; return; }
      this.startTurn(target, p.cornerY);
      p.dragging = true;
    }
    if (!this.turn) return;
    p.clientX = e.clientX;
    p.clientY = e.clientY;
    if (!p.frame) p.frame = requestAnimationFrame(() => { p.frame = 0; this.follow(p); });
  }

  /** Carries the corner by the pointer's movement; a page coming back in follows twice as fast, so its fold stays under the pointer. */
  follow(p) {
    const turn = this.turn;
    if (!turn || this.press !== p) return;
    const k = turn.reverse ? 2 : 1;
    const start = p.from || turn.point0 || (turn.point0 = turn.point);
    const dx = turn.s * (p.clientX - p.x) / p.scale;
    const dy = (p.clientY - p.y) / p.scale;
    this.draw(foldTarget(this.w, this.h, turn.corner, [start[0] + k * dx, start[1] + k * dy]));
  }

  onUp(e) {
    const p = this.press;
    if (!p || e.pointerId !== p.id) return;
    this.press = null;
    cancelAnimationFrame(p.frame);
    const moved = Math.hypot(e.clientX - p.x, e.clientY - p.y);
    if (p.dragging && this.turn && p.from && p.zone && moved < DRAG_START) {
      // A click on a lifted corner turns the page.
      this.lastTap = null;
      this.release(true);
      return;
    }
    if (p.dragging && this.turn) {
      const turn = this.turn;
      const speed = turn.s * p.vx * (performance.now() - p.lastT < 80 ? 1 : 0);
      // Past the middle: of the book for spreads (the spine), of the page in single-page view.
      const past = turn.reverse ? turn.point[0] > 0 : turn.point[0] < (this.single ? this.w / 2 : 0);
      const flick = turn.reverse ? speed > FLICK : speed < -FLICK;
      const back = turn.reverse ? speed < -FLICK : speed > FLICK;
      this.release((past || flick) && !back);
      return;
    }
    if (moved >= DRAG_START) return;
    if (p.zone) {
      this.lastTap = null;
      this.goToSpread(this.heading() + p.zone, false, p.cornerY);
      return;
    }
    const now = performance.now();
    const last = this.lastTap;
    if (last && now - last.t < TAP_GAP && Math.hypot(e.clientX - last.x, e.clientY - last.y) < 40) {
      this.lastTap = null;
      this.bus.emit('doubletap', { clientX: e.clientX, clientY: e.clientY });
    } else {
      this.lastTap = { t: now, x: e.clientX, y: e.clientY };
    }
  }

  onCancel(e) {
    if (this.press && e.pointerId === this.press.id) this.abandonPress();
  }

  nearCorner(y) { return Math.min(y, this.h - y) < Math.min(0.16 * this.h, 90) && y >= 0 && y <= this.h; }

  // A mouse over a corner lifts it a little, as an invitation to take it.
  hover(e) {
    if (!this.enabled || !this.w || (this.turn && !this.turn.peek)) return;
    const [x, y] = this.bookPoint(e);
    const zone = this.nearCorner(y) ? this.zoneAt(x) : 0;
    this.peekAt(zone ? { dir: zone, cornerY: y < this.h / 2 ? 0 : this.h } : null);
  }

  peekAt(want) {
    const turn = this.turn;
    if (turn && !turn.peek) return;
    if (turn && want && turn.dir === want.dir && turn.corner[1] === want.cornerY) return;
    if (turn) {
      turn.peek = false;
      this.release(false);
      return;
    }
    if (!want) return;
    const [lo, hi] = this.spreadRange();
    const target = this.spread + want.dir;
    if (target < lo || target > hi) return;
    this.startTurn(target, want.cornerY, true);
    const t = this.turn;
    t.dir = want.dir;
    t.completing = false;
    const from = t.point;
    const lift = PEEK * this.w;
    const goal = t.reverse ? [from[0] + 2 * lift, from[1] + (want.cornerY ? -lift : lift)]
      : [from[0] - lift, from[1] + (want.cornerY ? -lift : lift)];
    const k0 = { k: 0 };
    let last = performance.now();
    const step = (now) => {
      if (this.turn !== t || !t.peek) return;
      k0.k = Math.min(1, k0.k + Math.max(0, now - last) / 160);
      last = now;
      const e = ease(k0.k);
      this.draw(foldTarget(this.w, this.h, t.corner, [from[0] + (goal[0] - from[0]) * e, from[1] + (goal[1] - from[1]) * e]));
      if (k0.k < 1) t.anim = requestAnimationFrame(step);
    };
    t.anim = requestAnimationFrame(step);
  }
}

