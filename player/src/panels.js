// Side panels: thumbnails (pictures loaded as they scroll into view) and the outline (nested
// entries with their page numbers, the current section marked). Choosing an entry emits 'goto'
// {page, from: 'panel'}.
import { el } from './dom.js';
import { bookPageForFile } from './model.js';

export class Panel {
  constructor(name, title) {
    this.root = el('aside', 'pw-panel pw-panel-' + name, { hidden: '', 'aria-label': title, tabindex: '-1' });
  }

  get open() { return !this.root.hidden; }

  toggle(show) { this.root.hidden = !show; }
}

export class ThumbnailPanel extends Panel {
  constructor(bus, book, t, aspect) {
    super('thumbs', t('thumbnails'));
    this.bus = bus;
    this.book = book;
    this.t = t;
    this.list = el('div', 'pw-thumbs');
    this.root.style.setProperty('--pw-aspect', String(aspect));
    this.root.appendChild(this.list);
    this.built = false;
    this.current = [];
  }

  /** Builds the entries on first use; each picture loads only when its entry comes into view. */
  build() {
    if (this.built) return;
    this.built = true;
    const observer = 'IntersectionObserver' in window
      ? new IntersectionObserver((entries) => {
        for (const e of entries) {
          if (!e.isIntersecting) continue;
          const img = e.target.querySelector('img');
          if (img && !img.getAttribute('src')) img.src = img.dataset.src;
          observer.unobserve(e.target);
        }
      }, { root: this.root, rootMargin: '120px 0px' })
      : null;
    for (const page of this.book.pages) {
      const label = this.t('pageN').replace('{n}', String(page.index));
      const img = el('img', '', { alt: '', 'data-src': page.thumbUrl, draggable: 'false' });
      img.addEventListener('error', () => img.classList.add('pw-thumb-failed'), { once: true });
      const item = el('button', 'pw-thumb', { type: 'button', 'data-page': String(page.index), 'aria-label': label },
        [img, el('span', 'pw-thumb-no', { 'aria-hidden': 'true' }, [String(page.index)])]);
      item.addEventListener('click', () => this.bus.emit('goto', { page: page.index, from: 'panel' }));
      this.list.appendChild(item);
      if (observer) observer.observe(item);
      else img.src = page.thumbUrl;
    }
    this.mark(this.current);
  }

  toggle(show) {
    if (show) this.build();
    super.toggle(show);
    if (show) {
      const item = this.list.querySelector('.pw-current');
      if (item) item.scrollIntoView({ block: 'nearest' });
    }
  }

  mark(pages) {
    this.current = pages;
    for (const item of this.list.children) {
      const on = pages.indexOf(Number(item.dataset.page)) >= 0;
      item.classList.toggle('pw-current', on);
      if (on) item.setAttribute('aria-current', 'page');
      else item.removeAttribute('aria-current');
    }
  }
}

export class OutlinePanel extends Panel {
  constructor(bus, book, t) {
    super('outline', t('outline'));
    this.bus = bus;
    this.book = book;
    this.entries = [];
    this.root.appendChild(this.buildList(book.outline, 1));
  }

  get empty() { return this.entries.length === 0; }

  buildList(items, level) {
    const ul = el('ul', 'pw-outline');
    for (const item of items) {
      const page = bookPageForFile(this.book, item.page);
      const link = el('button', 'pw-outline-entry', { type: 'button', 'data-page': String(page), style: '--pw-level:' + level }, [
        el('span', 'pw-outline-caption', {}, [item.caption || '\u2014']),
        el('span', 'pw-outline-page', {}, [page ? String(page) : '']),
      ]);
      if (page) link.addEventListener('click', () => this.bus.emit('goto', { page, from: 'panel' }));
      else link.disabled = true;
      const li = el('li', '', {}, [link]);
      this.entries.push({ page, link });
      if (item.children.length) li.appendChild(this.buildList(item.children, level + 1));
      ul.appendChild(li);
    }
    return ul;
  }

  /** Marks the section the reader is in: the last entry, in reading order, that starts at or before `page`. */
  mark(page) {
    let current = null;
    for (const entry of this.entries) {
      if (entry.page && entry.page <= page && (!current || entry.page >= current.page)) current = entry;
    }
    for (const entry of this.entries) {
      entry.link.classList.toggle('pw-current', entry === current);
      if (entry === current) entry.link.setAttribute('aria-current', 'location');
      else entry.link.removeAttribute('aria-current');
    }
  }
}
