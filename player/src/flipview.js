// The book on the stage: one or two page slots and a leaf that turns over the spine.
// Spread s shows the pages `first` and `second`; `second` sits on the side that turns forward
// (right for left-to-right books, left for right-to-left ones).
import { el, clamp } from './dom.js';

const EDGE = 0.18; // share of a page's width that starts a corner drag or an edge click

export class FlipView {
  constructor(bus, book, settings, links) {
    this.bus = bus;
    this.book = book;
    this.settings = settings;
    this.links = links;
    this.count = book.pages.length;
    this.single = false;
    this.spread = 0;
    this.turn = null;
    this.root = el('div', 'pw-book');
    this.slots = { left: this.makeSlot('left'), right: this.makeSlot('right') };
    this.leaf = el('div', 'pw-leaf', { 'aria-hidden': 'true' }, [
      el('div', 'pw-face pw-front'), el('div', 'pw-face pw-back')]);
    this.spine = el('div', 'pw-spine');
    this.root.append(this.slots.left, this.slots.right, this.spine, this.leaf);
    this.attachPointer();
  }

  makeSlot(side) {
    return el('div', 'pw-slot pw-' + side, { 'data-side': side });
  }

  get forwardSide() { return this.settings.rtl ? 'left' : 'right'; }
  get backSide() { return this.settings.rtl ? 'right' : 'left'; }

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

  /** Book pages shown now, lowest first (blanks left out). */
  visiblePages() {
    const p = this.pagesOf(this.spread);
    const list = this.single ? [p.second] : [p.first, p.second];
    return list.filter((n) => n >= 1 && n <= this.count);
  }

  setSingle(single) {
    if (single === this.single) return;
    const page = this.visiblePages()[0] || 1;
    this.finishTurn(true);
    this.single = single;
    this.root.classList.toggle('pw-single', single);
    this.spread = this.spreadOfPage(page);
    this.render();
  }

  /** Fills a page element with page n's picture and hot spots, or leaves it blank. */
  fillPage(target, n, withLinks) {
    target.textContent = '';
    target.classList.toggle('pw-blank', !(n >= 1 && n <= this.count));
    target.dataset.page = n >= 1 && n <= this.count ? String(n) : '';
    if (!(n >= 1 && n <= this.count)) return;
    const page = this.book.pages[n - 1];
    target.classList.toggle('pw-hard', page.hard);
    const img = el('img', 'pw-img', { src: page.normalUrl, alt: '', draggable: 'false', decoding: 'async' });
    target.appendChild(img);
    if (withLinks) this.links.decorate(target, n);
  }

  render() {
    for (const side of ['left', 'right']) {
      const slot = this.slots[side];
      const n = this.pageOnSide(this.spread, side);
      if (slot.dataset.page !== String(n) || !slot.firstChild) this.fillPage(slot, n, true);
    }
    this.root.classList.toggle('pw-hidden-' + this.backSide, this.single);
    this.root.classList.toggle('pw-hidden-' + this.forwardSide, false);
    this.preload();
    this.bus.emit('spread', { pages: this.visiblePages(), spread: this.spread });
  }

  /** Warms the browser cache with the pictures of the next and previous few spreads. */
  preload() {
    const [lo, hi] = this.spreadRange();
    for (let d = 1; d <= 3; d++) {
      for (const s of [this.spread + d, this.spread - d]) {
        if (s < lo || s > hi) continue;
        const p = this.pagesOf(s);
        for (const n of [p.first, p.second]) {
          if (n >= 1 && n <= this.count) new Image().src = this.book.pages[n - 1].normalUrl;
        }
      }
    }
  }

  /** Turns to the spread that shows `page`; animated unless `instant`. */
  goToPage(page, instant) {
    this.goToSpread(this.spreadOfPage(page), instant);
  }

  next() { this.goToSpread((this.turn ? this.turn.target : this.spread) + 1); }
  prev() { this.goToSpread((this.turn ? this.turn.target : this.spread) - 1); }

  goToSpread(target, instant) {
    const [lo, hi] = this.spreadRange();
    const t = clamp(target, lo, hi);
    this.finishTurn(true);
    if (instant) {
      this.spread = t;
      this.render();
      return;
    }
    if (t === this.spread) return;
    this.startTurn(t);
    this.animateTo(1);
  }

  /** Prepares the leaf for a turn from the current spread to `target`. */
  // A single page turned back comes in from the hidden side: the forward turn played in reverse.
  startTurn(target) {
    const forward = target > this.spread;
    const reverse = this.single && !forward;
    const side = forward || reverse ? this.forwardSide : this.backSide;
    const other = side === 'left' ? 'right' : 'left';
    const front = this.pageOnSide(reverse ? target : this.spread, side);
    const back = this.single ? 0 : this.pageOnSide(target, other);
    this.fillPage(this.leaf.children[0], front, false);
    this.fillPage(this.leaf.children[1], back, false);
    if (!reverse) this.fillPage(this.slots[side], this.pageOnSide(target, side), true);
    const hard = [front, back].some((n) => n >= 1 && n <= this.count && this.book.pages[n - 1].hard);
    this.leaf.className = 'pw-leaf pw-turning pw-on-' + side + (hard ? ' pw-hard-leaf' : '');
    this.turn = { target, side, reverse, progress: 0, anim: 0 };
    this.setProgress(0);
    this.bus.emit('turnstart', { target, side });
  }

  /** Places the leaf: 0 lies flat on its own side, 1 lies flat on the other. */
  setProgress(p) {
    if (!this.turn) return;
    this.turn.progress = clamp(p, 0, 1);
    const sign = this.turn.side === 'right' ? -1 : 1;
    const shown = this.turn.reverse ? 1 - this.turn.progress : this.turn.progress;
    const angle = sign * 180 * shown;
    this.leaf.style.transform = 'rotateY(' + angle.toFixed(2) + 'deg)';
    const shade = Math.sin(Math.PI * shown);
    this.leaf.style.setProperty('--pw-shade', shade.toFixed(3));
  }

  /** Animates the leaf to `goal` (0 = back, 1 = over) and then settles the spread. */
  animateTo(goal) {
    const turn = this.turn;
    if (!turn) return;
    const from = turn.progress;
    const duration = Math.max(60, this.settings.flipSpeed * Math.abs(goal - from));
    const t0 = performance.now();
    const step = (now) => {
      if (this.turn !== turn) return;
      const k = clamp((now - t0) / duration, 0, 1);
      const eased = k < 0.5 ? 2 * k * k : 1 - Math.pow(-2 * k + 2, 2) / 2;
      this.setProgress(from + (goal - from) * eased);
      if (k < 1) turn.anim = requestAnimationFrame(step);
      else this.endTurn(goal === 1);
    };
    turn.goal = goal;
    turn.anim = requestAnimationFrame(step);
  }

  /** Completes a running turn at once (used when another turn is asked for). */
  finishTurn(complete) {
    if (!this.turn) return;
    cancelAnimationFrame(this.turn.anim);
    this.endTurn(this.turn.goal === undefined ? complete : this.turn.goal === 1);
  }

  endTurn(completed) {
    const turn = this.turn;
    this.turn = null;
    this.leaf.className = 'pw-leaf';
    this.leaf.style.transform = '';
    if (completed) this.spread = turn.target;
    else this.fillPage(this.slots[turn.side], this.pageOnSide(this.spread, turn.side), true);
    this.render();
    this.bus.emit('turnend', { completed });
  }

  // Pointer handling: corner drags follow the pointer, edge clicks turn, swipes turn.
  attachPointer() {
    let press = null;
    this.root.addEventListener('pointerdown', (e) => {
      if (e.button !== 0 || e.target.closest('.pw-link')) return;
      const slot = e.target.closest('.pw-slot');
      if (!slot || this.turn) { press = null; return; }
      let side = slot.dataset.side;
      const r = slot.getBoundingClientRect();
      const fromRight = (r.right - e.clientX) / r.width;
      const fromLeft = (e.clientX - r.left) / r.width;
      let fromOuter = side === 'right' ? fromRight : fromLeft;
      if (this.single && fromOuter >= EDGE) {
        // One page shown: its inner edge turns back.
        const fromInner = side === 'right' ? fromLeft : fromRight;
        if (fromInner < EDGE) { side = side === 'right' ? 'left' : 'right'; fromOuter = fromInner; }
      }
      press = { side, x: e.clientX, y: e.clientY, edge: fromOuter < EDGE, dragging: false, id: e.pointerId };
      if (press.edge) e.preventDefault();
    });
    window.addEventListener('pointermove', (e) => {
      if (!press || e.pointerId !== press.id) return;
      const dx = e.clientX - press.x;
      if (press.edge && !press.dragging && Math.abs(dx) > 6) {
        const target = this.spread + (press.side === this.forwardSide ? 1 : -1);
        const [lo, hi] = this.spreadRange();
        if (target < lo || target > hi) { press = null; return; }
        this.startTurn(target);
        press.dragging = true;
      }
      if (press.dragging) this.followPointer(e.clientX);
    });
    window.addEventListener('pointerup', (e) => {
      if (!press || e.pointerId !== press.id) return;
      const p = press;
      press = null;
      const dx = e.clientX - p.x;
      const dy = e.clientY - p.y;
      if (p.dragging) {
        this.animateTo(this.turn && this.turn.progress > 0.5 ? 1 : 0);
      } else if (p.edge && Math.abs(dx) < 6 && Math.abs(dy) < 6) {
        this.turnToward(p.side);
      } else if (Math.abs(dx) > 50 && Math.abs(dx) > Math.abs(dy)) {
        this.turnToward(dx < 0 ? 'right' : 'left');
      }
    });
    window.addEventListener('pointercancel', () => {
      if (press && press.dragging) this.animateTo(0);
      press = null;
    });
  }

  /** Turns the page on `side`: forward when it is the forward side. */
  turnToward(side) {
    if (side === this.forwardSide) this.next();
    else this.prev();
  }

  /** Sets the leaf so that its outer edge lies under the pointer's x position. */
  followPointer(clientX) {
    if (!this.turn) return;
    const r = this.slots[this.turn.side].getBoundingClientRect();
    const w = r.width;
    const spineX = this.turn.side === 'right' ? r.left : r.right;
    const reach = this.turn.side === 'right' ? (clientX - spineX) / w : (spineX - clientX) / w;
    const shown = Math.acos(clamp(reach, -1, 1)) / Math.PI;
    this.setProgress(this.turn.reverse ? 1 - shown : shown);
  }
}
