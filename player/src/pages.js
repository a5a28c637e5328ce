// Page elements and their pictures. A page element holds the picture, a placeholder with a
// spinner until the picture arrives (or a message when it cannot), and the page's layers above
// the picture (hot spots, printed numbers; a text layer fits the same way). Pictures load in the
// order asked: the pages shown first, their neighbours only after those arrived.
import { el } from './dom.js';

const PARALLEL = 4;
const SAME_SHAPE = 0.02; // pictures this close to the page's shape fill it (no hairline of paper at its sides)
const KEEP = 24; // decoded pictures held for quick turns

export class PageFactory {
  /**
   * `layers`: [{decorate(pageElement, n, interactive)}], drawn in order above the picture.
   * `aspect`: the pages' width over height. Emits 'picture' {page, ok} on the bus when a picture
   * has arrived or failed.
   */
  constructor(bus, book, t, layers, aspect) {
    this.bus = bus;
    this.aspect = aspect;
    this.book = book;
    this.t = t;
    this.layers = layers;
    this.state = new Map(); // page -> 'loading' | 'ok' | 'failed'
    this.kept = [];
    this.queue = [];
    this.later = [];
    this.running = 0;
  }

  exists(n) { return n >= 1 && n <= this.book.pages.length; }

  /** A page element for book page n; a blank (transparent) one for numbers outside the book. */
  element(n, interactive) {
    if (!this.exists(n)) return el('div', 'pw-page pw-blank', { 'data-page': '' });
    const page = el('div', 'pw-page', { 'data-page': String(n) }, [
      el('img', 'pw-img', { alt: this.t('pageN').replace('{n}', String(n)), draggable: 'false' }),
      el('div', 'pw-spinner', { 'aria-hidden': 'true' }),
    ]);
    if (this.book.pages[n - 1].hard) page.classList.add('pw-hard');
    for (const layer of this.layers) layer.decorate(page, n, interactive);
    this.show(page, n);
    return page;
  }

  /** Brings a page element up to date with its picture's state. */
  show(page, n) {
    const state = this.state.get(n);
    const img = page.querySelector('.pw-img');
    page.classList.toggle('pw-waiting', state !== 'failed' && !(state === 'ok' && img.complete && img.getAttribute('src')));
    page.classList.toggle('pw-failed', state === 'failed');
    if (state === 'ok' && !img.getAttribute('src')) {
      img.addEventListener('load', () => {
        page.classList.remove('pw-waiting');
        if (Math.abs(img.naturalWidth / img.naturalHeight / this.aspect - 1) < SAME_SHAPE) img.classList.add('pw-fill');
      }, { once: true });
      img.src = this.book.pages[n - 1].normalUrl;
      if (img.complete) page.classList.remove('pw-waiting');
    }
    if (state === 'failed' && !page.querySelector('.pw-page-error')) {
      img.removeAttribute('src');
      page.appendChild(el('p', 'pw-page-error', {}, [this.t('pageFailed').replace('{n}', String(n))]));
    }
  }

  /** The state of page n's picture: undefined before it was asked for. */
  pictureState(n) { return this.state.get(n); }

  /**
   * Asks for the pictures of `now` (shown) and `soon` (neighbours): the first load at once, the
   * others once every shown picture has arrived. Earlier wishes not repeated here are dropped.
   */
  want(now, soon) {
    const fresh = (n) => this.exists(n) && !this.state.has(n);
    this.queue = now.filter(fresh);
    this.later = soon.filter((n) => fresh(n) && this.queue.indexOf(n) < 0);
    this.pump();
  }

  pump() {
    if (!this.queue.length && this.running === 0 && this.later.length) {
      this.queue = this.later;
      this.later = [];
    }
    while (this.running < PARALLEL && this.queue.length) {
      const n = this.queue.shift();
      if (!this.state.has(n)) this.load(n);
    }
  }

  load(n) {
    this.state.set(n, 'loading');
    this.running++;
    const img = new Image();
    img.decoding = 'async';
    const done = (ok) => {
      this.running--;
      this.state.set(n, ok ? 'ok' : 'failed');
      if (ok) {
        this.kept.push(img);
        if (this.kept.length > KEEP) this.kept.shift();
      }
      this.bus.emit('picture', { page: n, ok });
      this.pump();
    };
    img.onload = () => (img.decode ? img.decode().catch(() => {}) : Promise.resolve()).then(() => done(true));
    img.onerror = () => done(false);
    img.src = this.book.pages[n - 1].normalUrl;
  }
}
