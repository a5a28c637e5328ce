// Starts the player: loads the book, builds the stage, toolbar and panels, and wires them
// together through the event bus.
import { EventBus } from './bus.js';
import { loadBook } from './bookfile.js';
import { readSettings } from './settings.js';
import { translator } from './i18n.js';
import { el, clamp } from './dom.js';
import { FlipView } from './flipview.js';
import { LinkLayer } from './links.js';
import { ZoomView } from './zoom.js';
import { ThumbnailPanel, OutlinePanel } from './panels.js';
import { TurnSound } from './sound.js';
import { icon } from './icons.js';

const SERVE_HINT = 'pagewind-cli serve FOLDER';

/** The page named by an address fragment such as #page=7, or 0. */
export function pageFromHash(hash) {
  const m = /(?:^#|&)page=(\d+)/.exec(hash || '');
  return m ? parseInt(m[1], 10) : 0;
}

function templateName() {
  return (document.body.getAttribute('data-template') || 'float').toLowerCase();
}

function showMessage(root, error, t) {
  root.textContent = '';
  const code = el('code', '', {}, [SERVE_HINT]);
  root.appendChild(el('div', 'pw-message', { role: 'alert' }, [
    el('h1', '', {}, [t('cannotOpen')]),
    el('p', 'pw-reason', {}, [error.message || String(error)]),
    el('p', 'pw-hint', {}, [t('howToView') + ' ', code, '.']),
  ]));
  root.classList.add('pw-failed');
}

class Player {
  constructor(root, book) {
    this.root = root;
    this.book = book;
    this.settings = readSettings(book.config, templateName());
    this.t = translator(this.settings.language);
    this.bus = new EventBus();
    this.sound = new TurnSound();
    this.links = new LinkLayer(this.bus, book);
    this.view = new FlipView(this.bus, book, this.settings, this.links);
    this.zoom = new ZoomView(this.bus, book, this.t);
    this.thumbs = new ThumbnailPanel(this.bus, book, this.t('thumbnails'));
    this.outline = new OutlinePanel(this.bus, book, this.t('outline'));
    this.stage = el('main', 'pw-stage', {}, [this.view.root]);
    this.buildToolbar();
    root.textContent = '';
    root.classList.add('pw-ready');
    root.append(this.toolbar, this.stage, this.thumbs.root, this.outline.root, this.zoom.root);
    this.applyLook();
    this.wire();
    this.layout();
    this.readerPage = clamp(pageFromHash(location.hash) || 1, 1, Math.max(1, book.pages.length));
    this.view.goToPage(this.readerPage, true);
  }

  applyLook() {
    const s = this.settings;
    const style = this.root.style;
    style.setProperty('--pw-bg', s.backgroundColor);
    style.setProperty('--pw-toolbar', s.toolbarColor);
    style.setProperty('--pw-text', s.textColor);
    style.setProperty('--pw-paper', s.paperColor);
    style.setProperty('--pw-accent', s.accentColor);
    if (s.backgroundImage) style.setProperty('--pw-bg-image', 'url("' + encodeURI(s.backgroundImage) + '")');
    this.root.classList.toggle('pw-rtl', s.rtl);
    this.root.classList.toggle('pw-no-shadow', !s.showShadow);
    this.root.classList.add('pw-template-' + s.template);
    if (s.title) document.title = s.title;
    document.documentElement.lang = { German: 'de', French: 'fr', Spanish: 'es', Chinese: 'zh' }[s.language] || 'en';
  }

  button(name, show) {
    const b = el('button', 'pw-btn pw-btn-' + name, { type: 'button', title: this.t(name), 'aria-label': this.t(name), 'data-action': name }, [icon(name)]);
    if (!show) b.hidden = true;
    return b;
  }

  buildToolbar() {
    const s = this.settings;
    const t = this.t;
    this.pageField = el('input', 'pw-page-field', { type: 'text', inputmode: 'numeric', 'aria-label': t('page'), title: t('page'), size: '5' });
    this.pageTotal = el('span', 'pw-page-total', {}, ['/ ' + this.book.pages.length]);
    const pageBox = el('span', 'pw-page-box', {}, [this.pageField, this.pageTotal]);
    if (!s.showPageNumbers) pageBox.hidden = true;
    const nav = [this.button('first', true), this.button('prev', true), pageBox,
      this.button('next', true), this.button('last', true)];
    if (s.rtl) nav.reverse();
    const tools = [
      this.button('thumbnails', s.showThumbnails),
      this.button('outline', s.showOutline && this.book.outline.length > 0),
      this.button('zoom', s.showZoom),
      this.button('fullscreen', s.showFullscreen && !!document.documentElement.requestFullscreen),
      this.button('sound', s.template === 'float' && s.showSound),
    ];
    const logo = s.logoImage ? el('img', 'pw-logo', { src: s.logoImage, alt: '' }) : null;
    const title = el('span', 'pw-title', {}, [s.title || document.title || '']);
    this.toolbar = el('header', 'pw-toolbar', {}, [
      el('div', 'pw-tb-left', {}, logo ? [logo, title] : [title]),
      el('nav', 'pw-tb-nav', {}, nav),
      el('div', 'pw-tb-tools', {}, tools)]);
    this.sound.enabled = s.template === 'float' && s.showSound;
    this.toolbar.querySelector('.pw-btn-sound').classList.toggle('pw-on', this.sound.enabled);
  }

  action(name) {
    const v = this.view;
    const last = this.book.pages.length;
    switch (name) {
      case 'first': v.goToPage(1); break;
      case 'last': v.goToPage(last); break;
      case 'prev': v.prev(); break;
      case 'next': v.next(); break;
      case 'thumbnails': this.togglePanel(this.thumbs, this.outline); break;
      case 'outline': this.togglePanel(this.outline, this.thumbs); break;
      case 'zoom': this.zoom.isOpen ? this.zoom.close() : this.zoom.open(this.readerPage); break;
      case 'fullscreen': this.toggleFullscreen(); break;
      case 'sound':
        this.sound.enabled = !this.sound.enabled;
        this.toolbar.querySelector('.pw-btn-sound').classList.toggle('pw-on', this.sound.enabled);
        break;
      default: break;
    }
  }

  togglePanel(panel, other) {
    other.toggle(false);
    panel.toggle(panel.root.hidden);
    this.layout();
  }

  toggleFullscreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else if (this.root.requestFullscreen) this.root.requestFullscreen().catch(() => {});
  }

  wire() {
    this.toolbar.addEventListener('click', (e) => {
      const b = e.target.closest('[data-action]');
      if (b) this.action(b.dataset.action);
    });
    this.pageField.addEventListener('keydown', (e) => {
      if (e.key !== 'Enter') return;
      const n = parseInt(this.pageField.value, 10);
      if (n >= 1) this.bus.emit('goto', { page: clamp(n, 1, this.book.pages.length) });
      else this.pageField.value = String(this.readerPage);
      this.pageField.blur();
    });
    this.bus.on('goto', ({ page }) => { this.zoom.close(); this.readerPage = page; this.view.goToPage(page); });
    this.bus.on('zoom', ({ open }) => this.root.classList.toggle('pw-zoomed', open));
    this.bus.on('turnstart', () => this.sound.play());
    this.bus.on('spread', ({ pages }) => this.onSpread(pages));
    document.addEventListener('keydown', (e) => this.onKey(e));
    window.addEventListener('hashchange', () => {
      const n = pageFromHash(location.hash);
      if (n && n !== this.readerPage) { this.readerPage = clamp(n, 1, this.book.pages.length); this.view.goToPage(n); }
    });
    window.addEventListener('resize', () => this.layout());
    this.stage.addEventListener('dblclick', (e) => {
      const slot = e.target.closest('.pw-slot');
      const n = slot ? parseInt(slot.dataset.page, 10) : 0;
      if (n && this.settings.showZoom) this.zoom.open(n);
    });
  }

  onKey(e) {
    if (e.target === this.pageField || e.altKey || e.ctrlKey || e.metaKey) return;
    if (this.zoom.isOpen) {
      if (e.key === 'Escape') this.zoom.close();
      return;
    }
    const fwd = this.settings.rtl ? 'ArrowLeft' : 'ArrowRight';
    const back = this.settings.rtl ? 'ArrowRight' : 'ArrowLeft';
    const map = { [fwd]: 'next', [back]: 'prev', PageDown: 'next', PageUp: 'prev', Home: 'first', End: 'last' };
    const name = map[e.key];
    if (!name) return;
    e.preventDefault();
    this.action(name);
  }

  /** Keeps the page field, the thumbnails and the address in step with the shown pages. */
  onSpread(pages) {
    if (!pages.length) return;
    if (pages.indexOf(this.readerPage) < 0) this.readerPage = pages[0];
    this.pageField.value = pages.length > 1 ? pages.join('-') : String(pages[0]);
    this.thumbs.mark(pages);
    const hash = '#page=' + this.readerPage;
    if (location.hash !== hash) history.replaceState(null, '', hash);
    this.root.dataset.pages = pages.join(',');
  }

  /** Fits the book into the stage: two pages side by side, or one on narrow screens. */
  layout() {
    const r = this.stage.getBoundingClientRect();
    const aspect = this.settings.pageWidth / this.settings.pageHeight;
    const single = r.width < 700 || r.width < r.height * 0.9;
    this.view.setSingle(single);
    const cols = single ? 1 : 2;
    const margin = Math.min(48, r.width * 0.04);
    const w = Math.max(100, r.width - 2 * margin);
    const h = Math.max(100, r.height - 2 * margin);
    const bookW = Math.min(w, h * aspect * cols);
    this.view.root.style.width = Math.floor(bookW) + 'px';
    this.view.root.style.height = Math.floor(bookW / (aspect * cols)) + 'px';
  }
}

/** Entry point: loads the book next to this page and starts the player in #pagewind. */
export function start() {
  const root = document.getElementById('pagewind') || document.body;
  const t = translator('English');
  loadBook().then((book) => {
    window.pagewindPlayer = new Player(root, book);
    root.dispatchEvent(new CustomEvent('pagewind-ready', { bubbles: true }));
  }, (error) => {
    showMessage(root, error, t);
    console.error(error);
  });
}
