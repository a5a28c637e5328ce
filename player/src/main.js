// Starts the player: loads the book, builds the stage, toolbar and panels, and wires them
// together through the event bus.
import { EventBus } from './bus.js';
import { loadBook } from './bookfile.js';
import { readSettings } from './settings.js';
import { translator, languageCode } from './i18n.js';
import { el, clamp } from './dom.js';
import { FlipView } from './flipview.js';
import { PageFactory } from './pages.js';
import { LinkLayer, PageNumberLayer } from './links.js';
import { loadText } from './textfiles.js';
import { TextLayer } from './textlayer.js';
import { HitLayer } from './highlights.js';
import { SearchPanel } from './searchpanel.js';
import { Zoom } from './zoom.js';
import { ThumbnailPanel, OutlinePanel } from './panels.js';
import { Toolbar } from './toolbar.js';
import { TurnSound } from './sound.js';
import { navIcons, icon } from './icons.js';
import { Notice } from './notice.js';
import { Share } from './share.js';
import { Resume, resumedPage } from './resume.js';
import { AutoPlay } from './autoplay.js';
import { Printer } from './print.js';
import { RISE } from './fold.js';

const SERVE_HINT = 'pagewind-cli serve FOLDER';
const SPREAD_PAGE = 300; // a spread is shown only when each of its pages gets this many pixels

/** The page named by an address fragment such as #page=7, or 0. */
export function pageFromHash(hash) {
  const m = /(?:^#|&)page=(\d+)/.exec(hash || '');
  return m ? parseInt(m[1], 10) : 0;
}

/** The words of an address fragment such as #search=caf%C3%A9+au+lait, or ''. */
export function searchFromHash(hash) {
  const m = /(?:^#|&)search=([^&]*)/.exec(hash || '');
  if (!m) return '';
  try {
    return decodeURIComponent(m[1].replace(/\+/g, ' '));
  } catch (e) {
    return m[1];
  }
}

/**
 * How the book fits a stage of `width` x `height` pixels for pages of `aspect` (width / height):
 * {single, pageW, pageH}. Spreads need a stage wider than tall and SPREAD_PAGE pixels a page.
 */
export function fitBook(width, height, aspect) {
  // Above and below, room for a turning page that lifts a little (RISE).
  const w = Math.max(60, width - 2 * Math.min(40, Math.max(6, width * 0.03)));
  const h = Math.max(60, height - 2 * Math.min(48, Math.max(6, height * (RISE + 0.01))));
  const spreadW = Math.min(w / 2, h * aspect);
  const single = spreadW < SPREAD_PAGE || width < height * 0.9;
  const pageW = Math.floor(single ? Math.min(w, h * aspect) : spreadW);
  return { single, pageW, pageH: Math.floor(pageW / aspect) };
}

function templateName() {
  return (document.body.getAttribute('data-template') || 'float').toLowerCase();
}

/** A file size for people: "850 KB", "2.4 MB" (in the book's language). */
export function sizeText(bytes, lang) {
  const mb = bytes >= 1e6;
  const value = mb ? bytes / 1e6 : Math.max(1, Math.round(bytes / 1e3));
  return new Intl.NumberFormat(lang, { maximumFractionDigits: mb ? 1 : 0 }).format(value) + (mb ? ' MB' : ' KB');
}

function showMessage(root, error, t) {
  root.textContent = '';
  const parts = [el('h1', '', {}, [t('cannotOpen')]), el('p', 'pw-reason', {}, [error.message || String(error)])];
  // Serving the folder helps only a page opened from a file; a broken book over http needs the file itself.
  if (error.kind === 'blocked') parts.push(el('p', 'pw-hint', {}, [t('howToView') + ' ', el('code', '', {}, [SERVE_HINT]), '.']));
  root.appendChild(el('div', 'pw-message', { role: 'alert' }, parts));
  root.classList.add('pw-failed');
}

class Player {
  /** `text`: the book's words (BookText), or null for a book without them. */
  constructor(root, book, text) {
    this.root = root;
    this.book = book;
    this.settings = readSettings(book.config, templateName());
    const s = this.settings;
    this.t = translator(s.language);
    this.bus = new EventBus();
    this.sound = new TurnSound();
    this.sound.enabled = s.template === 'float' && s.showSound;
    this.count = book.pages.length;
    this.aspect = s.pageWidth / s.pageHeight;
    // The links lie above the text, so that they stay clickable.
    const layers = [new LinkLayer(this.bus, book, this.t)];
    if (text) {
      this.marks = new HitLayer();
      layers.unshift(this.marks, new TextLayer(this.bus, text, this.aspect));
    }
    if (s.showPageNumbers) layers.push(new PageNumberLayer(s.rtl));
    this.pages = new PageFactory(this.bus, book, this.t, layers, this.aspect);
    // The address is read before anything is shown, so the first layout keeps its page; one that
    // names no page or search opens where this browser's reader left the book.
    const words = searchFromHash(location.hash);
    this.resume = s.resumeReading ? new Resume() : null;
    this.resumed = this.resume ? resumedPage(pageFromHash(location.hash) > 0 || !!words, this.resume.saved(), this.count) : 0;
    this.readerPage = clamp(pageFromHash(location.hash) || this.resumed || 1, 1, Math.max(1, this.count));
    this.view = new FlipView(this.bus, book, s, this.pages, this.readerPage);
    this.camera = el('div', 'pw-camera', {}, [this.view.root]);
    this.stage = el('main', 'pw-stage', {}, [this.camera]);
    this.zoom = new Zoom(this.bus, book, this.view, this.stage, this.camera);
    this.thumbs = new ThumbnailPanel(this.bus, book, this.t, this.aspect);
    this.outline = new OutlinePanel(this.bus, book, this.t);
    this.search = text ? new SearchPanel(this.bus, text, this.t, this.marks, this.view.root) : null;
    this.panels = [this.thumbs, this.outline, this.search].filter((p) => p);
    this.live = el('div', 'pw-live', { role: 'status', 'aria-live': 'polite' });
    this.notice = new Notice();
    this.sharing = s.showShare ? new Share(this.t, this.notice) : null;
    this.printer = s.showPrint ? new Printer(book, this.t, () => this.view.visiblePages(), this.aspect) : null;
    this.autoplay = s.showAutoPlay ? this.makeAutoPlay() : null;
    this.buildToolbar();
    root.textContent = '';
    root.classList.add('pw-ready');
    root.append(this.toolbar.root, this.stage, ...this.panels.map((p) => p.root), this.notice.root, this.live);
    if (this.printer) root.appendChild(this.printer.dialog);
    this.applyLook();
    this.wire();
    this.layout();
    // A link into the book with a search shows the first hit; a small screen keeps the results for later.
    if (words && this.search) this.search.search(words, this.view.single);
    // Once the first pages are shown, the words come in the background, for a quick first search.
    if (text) {
      const off = this.bus.on('picture', () => { off(); text.preload(); });
    }
    if (this.resumed) {
      this.notice.show(this.t('resumed').replace('{n}', String(this.resumed)), { ms: 6000,
        action: { label: this.t('backToStart'), run: () => this.bus.emit('goto', { page: 1 }) } });
    }
    if (document.fonts && document.fonts.ready) document.fonts.ready.then(() => this.toolbar.fit());
  }

  makeAutoPlay() {
    const v = () => this.view;
    const turns = {
      next: () => this.action('next'),
      first: () => this.action('first'),
      atEnd: () => v().heading() >= v().spreadRange()[1],
      turning: () => !!v().turn,
    };
    const own = (target) => !!(target && target.closest && target.closest('[data-action="autoPlay"], .pw-btn-more'));
    this.playBar = el('div', 'pw-play-bar', { 'aria-hidden': 'true' });
    return new AutoPlay(this.bus, turns, { interval: this.settings.autoPlayInterval, loop: this.settings.autoPlayLoop }, own);
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
    document.documentElement.lang = languageCode(s.language);
  }

  buildToolbar() {
    const s = this.settings;
    const t = this.t;
    const bar = new Toolbar(this.bus, t);
    this.toolbar = bar;
    if (s.logoImage) bar.add({ name: 'logo', group: 'start', element: el('img', 'pw-logo', { src: s.logoImage, alt: '' }) });
    bar.add({ name: 'title', group: 'start', element: el('span', 'pw-title', {}, [s.title || document.title || '']) });
    this.pageField = el('input', 'pw-page-field', { type: 'text', inputmode: 'numeric', 'aria-label': t('page'), title: t('page'),
      size: '4', enterkeyhint: 'go' });
    const pageBox = el('span', 'pw-page-box', {}, [this.pageField, el('span', 'pw-page-total', {}, ['/ ' + this.count])]);
    const icons = navIcons(s.rtl);
    const nav = [
      { name: 'first', priority: 25, iconName: icons.first },
      { name: 'prev', iconName: icons.prev },
      { name: 'page', element: pageBox },
      { name: 'next', iconName: icons.next },
      { name: 'last', priority: 26, iconName: icons.last },
    ];
    // Right-to-left books turn forward to the left: their forward buttons stand on the left.
    if (s.rtl) nav.reverse();
    for (const c of nav) bar.add(Object.assign({ group: 'nav' }, c));
    if (this.search) bar.add({ name: 'search', priority: 35, element: this.search.box, moves: true });
    const tools = [
      { name: 'zoomOut', priority: 20, shown: s.showZoom },
      { name: 'zoomIn', priority: 30, shown: s.showZoom },
      { name: 'thumbnails', priority: 50, toggle: true, shown: s.showThumbnails },
      { name: 'outline', priority: 40, toggle: true, shown: s.showOutline && !this.outline.empty },
      { name: 'autoPlay', priority: 17, toggle: true, shown: !!this.autoplay },
      { name: 'print', priority: 11, shown: !!this.printer },
      { name: 'download', priority: 5, shown: s.showDownload && !!this.book.download },
      { name: 'share', priority: 13, shown: !!this.sharing },
      { name: 'fullscreen', priority: 15, toggle: true, shown: s.showFullscreen && !!document.fullscreenEnabled },
      { name: 'sound', priority: 10, toggle: true, shown: s.template === 'float' && s.showSound },
    ];
    for (const c of tools) bar.add(c);
    bar.setPressed('sound', this.sound.enabled);
    if (this.book.download && this.book.download.size) {
      bar.setLabel('download', t('download') + ' (' + sizeText(this.book.download.size, languageCode(s.language)) + ')');
    }
    bar.setEnabled('zoomOut', false);
  }

  action(name) {
    const v = this.view;
    if (['first', 'last', 'prev', 'next'].indexOf(name) >= 0) this.zoom.reset(false);
    switch (name) {
      case 'first': v.goToPage(1); break;
      case 'last': v.goToPage(this.count); break;
      case 'prev': v.prev(); break;
      case 'next': v.next(); break;
      case 'thumbnails': this.togglePanel(this.thumbs); break;
      case 'outline': this.togglePanel(this.outline); break;
      case 'zoomIn': this.zoom.zoomIn(); break;
      case 'zoomOut': this.zoom.zoomOut(); break;
      case 'fullscreen': this.toggleFullscreen(); break;
      case 'autoPlay': this.autoplay.toggle(); break;
      case 'print': this.printer.show(this.toolbar.more.hidden ? this.toolbar.control('print').button : this.toolbar.more); break;
      case 'share': this.sharing.share(this.readerPage, this.settings.title); break;
      case 'download': this.download(); break;
      case 'sound':
        this.sound.enabled = !this.sound.enabled;
        this.toolbar.setPressed('sound', this.sound.enabled);
        break;
      default: break;
    }
  }

  /** Opens or closes `panel` (toggles without `show`), closing the others; `focus` moves the focus into it. */
  togglePanel(panel, show, focus = true) {
    const open = show === undefined ? !panel.open : show;
    for (const p of this.panels) if (p !== panel) p.toggle(false);
    panel.toggle(open);
    this.toolbar.setPressed('thumbnails', this.thumbs.open);
    this.toolbar.setPressed('outline', this.outline.open);
    if (open && focus) panel.root.focus({ preventScroll: true });
  }

  closePanels() {
    const open = this.panels.find((p) => p.open);
    if (!open) return false;
    this.togglePanel(open, false);
    return true;
  }

  download() {
    const file = this.book.download.file;
    const link = el('a', '', { href: 'files/download/' + encodeURIComponent(file), download: file, target: '_blank', rel: 'noopener' });
    document.body.appendChild(link);
    link.click();
    link.remove();
  }

  toggleFullscreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else if (this.root.requestFullscreen) this.root.requestFullscreen().catch(() => {});
  }

  wire() {
    this.bus.on('action', ({ name }) => this.action(name));
    this.pageField.addEventListener('keydown', (e) => {
      if (e.key !== 'Enter') return;
      const n = parseInt(this.pageField.value, 10);
      if (n >= 1) this.bus.emit('goto', { page: clamp(n, 1, this.count) });
      else this.pageField.value = String(this.readerPage);
      this.pageField.blur();
    });
    this.bus.on('goto', ({ page, from }) => {
      this.zoom.reset(false);
      this.readerPage = page;
      this.view.goToPage(page);
      // On a small screen the panel covers the book: it makes way once a page is chosen.
      if (from === 'panel' && this.view.single) this.closePanels();
    });
    this.bus.on('zoom', ({ scale, limit }) => {
      const zoomed = scale > 1.001;
      this.root.classList.toggle('pw-zoomed', zoomed);
      this.view.enabled = !zoomed;
      if (zoomed) this.view.abandonPress();
      this.toolbar.setEnabled('zoomOut', zoomed);
      this.toolbar.setEnabled('zoomIn', scale < limit - 0.001);
    });
    this.bus.on('turnstart', () => this.sound.play());
    this.bus.on('autoplay', ({ playing }) => {
      this.toolbar.setPressed('autoPlay', playing);
      this.toolbar.setIcon('autoPlay', playing ? 'pause' : 'autoPlay');
      this.root.classList.toggle('pw-playing', playing);
      this.live.textContent = this.t(playing ? 'autoPlayOn' : 'autoPlayOff');
      if (playing) this.stage.appendChild(this.playBar);
      else this.playBar.remove();
    });
    // The bar fills while a spread waits for its turn.
    this.bus.on('autoplaystep', ({ ms }) => {
      this.playBar.style.animation = 'none';
      void this.playBar.offsetWidth;
      this.playBar.style.animation = 'pw-play ' + ms + 'ms linear forwards';
    });
    // A search shows its results; the focus stays in the field, for Enter to go on to the next hit.
    this.bus.on('searchopen', () => {
      this.toolbar.closeMenu();
      this.togglePanel(this.search, true, false);
    });
    this.bus.on('spread', ({ pages }) => this.onSpread(pages));
    document.addEventListener('keydown', (e) => this.onKey(e));
    document.addEventListener('fullscreenchange', () => this.toolbar.setPressed('fullscreen', !!document.fullscreenElement));
    window.addEventListener('hashchange', () => {
      const words = searchFromHash(location.hash);
      if (words && this.search) {
        this.search.search(words);
        return;
      }
      const n = pageFromHash(location.hash);
      if (n && n !== this.readerPage) this.bus.emit('goto', { page: clamp(n, 1, this.count) });
    });
    // The stage's own size, not the window's: a frame that is shown late or a page back from printing has no
    // resize of its window to tell.
    if (window.ResizeObserver) new ResizeObserver(() => this.layout()).observe(this.stage);
    else window.addEventListener('resize', () => this.layout());
  }

  onKey(e) {
    if ((e.target.closest && e.target.closest('input')) || e.altKey || e.metaKey || e.ctrlKey) return;
    if (e.key === 'Escape') {
      if (this.toolbar.closeMenu(true) || (this.printer && this.printer.close()) || this.closePanels()) e.preventDefault();
      else if (this.zoom.zoomed) this.zoom.reset();
      return;
    }
    const zoomKeys = { '+': 'zoomIn', '=': 'zoomIn', '-': 'zoomOut', 0: 'reset' };
    if (this.settings.showZoom && zoomKeys[e.key]) {
      e.preventDefault();
      if (zoomKeys[e.key] === 'reset') this.zoom.reset();
      else this.action(zoomKeys[e.key]);
      return;
    }
    const fwd = this.settings.rtl ? 'ArrowLeft' : 'ArrowRight';
    const back = this.settings.rtl ? 'ArrowRight' : 'ArrowLeft';
    const name = { [fwd]: 'next', [back]: 'prev', PageDown: 'next', PageUp: 'prev', Home: 'first', End: 'last' }[e.key];
    if (!name || (e.target.closest && e.target.closest('.pw-menu'))) return;
    e.preventDefault();
    this.action(name);
  }

  /** Keeps the page field, the panels, the address and the announcement in step with the shown pages. */
  onSpread(pages) {
    if (!pages.length) return;
    if (pages.indexOf(this.readerPage) < 0) this.readerPage = pages[0];
    this.pageField.value = pages.length > 1 ? pages.join('-') : String(pages[0]);
    this.thumbs.mark(pages);
    this.outline.mark(pages[pages.length - 1]);
    const hash = '#page=' + this.readerPage;
    if (location.hash !== hash) history.replaceState(null, '', hash);
    if (this.resume) this.resume.save(this.readerPage);
    const said = pages.length > 1
      ? this.t('shownPages').replace('{a}', pages[0]).replace('{b}', pages[1])
      : this.t('shownPage').replace('{n}', pages[0]);
    const text = said.replace('{total}', String(this.count));
    if (this.root.dataset.pages && this.live.textContent !== text) this.live.textContent = text;
    this.root.dataset.pages = pages.join(',');
  }

  /** Fits the toolbar's controls and the book into the window. */
  layout() {
    const r = this.stage.getBoundingClientRect();
    // A stage without a size (the page being printed, a frame not shown) has nothing to fit the book to.
    if (!r.width || !r.height) return;
    this.toolbar.fit();
    this.zoom.reset(false);
    const fit = fitBook(r.width, r.height, this.aspect);
    this.view.setLayout(fit.single, fit.pageW, fit.pageH, this.readerPage);
  }
}

/** Entry point: loads the book next to this page and starts the player in #pagewind. */
export function start() {
  const root = document.getElementById('pagewind') || document.body;
  const t = translator('English');
  // The book says whether it has words; only their index, which is small, loads before it shows.
  loadBook().then((book) => Promise.all([book, book.hasText === false ? null : loadText()])).then(([book, text]) => {
    window.pagewindPlayer = new Player(root, book, text);
    root.dispatchEvent(new CustomEvent('pagewind-ready', { bubbles: true }));
  }, (error) => {
    showMessage(root, error, t);
    console.error(error);
  });
}
