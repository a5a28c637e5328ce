// Side panels: thumbnails (pictures loaded when they scroll into view) and the outline.
import { el } from './dom.js';
import { bookPageForFile } from './model.js';

export class ThumbnailPanel {
  constructor(bus, book, title) {
    this.bus = bus;
    this.book = book;
    this.list = el('div', 'pw-thumbs');
    this.root = el('aside', 'pw-panel pw-panel-thumbs', { hidden: '', 'aria-label': title }, [this.list]);
    this.built = false;
  }

  /** Builds the entries on first use; each picture loads only when its entry becomes visible. */
  build() {
    if (this.built) return;
    this.built = true;
    const observer = 'IntersectionObserver' in window
      ? new IntersectionObserver((entries) => {
        for (const e of entries) {
          if (!e.isIntersecting) continue;
          const img = e.target.querySelector('img');
          if (img && !img.src) img.src = img.dataset.src;
          observer.unobserve(e.target);
        }
      }, { root: this.root, rootMargin: '200px' })
      : null;
    for (const page of this.book.pages) {
      const img = el('img', '', { alt: '', 'data-src': page.thumbUrl, draggable: 'false' });
      const item = el('button', 'pw-thumb', { type: 'button', 'data-page': String(page.index) },
        [img, el('span', 'pw-thumb-no', {}, [String(page.index)])]);
      item.addEventListener('click', () => this.bus.emit('goto', { page: page.index }));
      this.list.appendChild(item);
      if (observer) observer.observe(item);
      else img.src = page.thumbUrl;
    }
  }

  toggle(show) {
    this.build();
    this.root.hidden = !show;
  }

  mark(pages) {
    for (const item of this.list.children) {
      item.classList.toggle('pw-current', pages.indexOf(Number(item.dataset.page)) >= 0);
    }
  }
}

export class OutlinePanel {
  constructor(bus, book, title) {
    this.bus = bus;
    this.book = book;
    this.root = el('aside', 'pw-panel pw-panel-outline', { hidden: '', 'aria-label': title });
    this.root.appendChild(this.buildList(book.outline));
  }

  buildList(entries) {
    const ul = el('ul', 'pw-outline');
    for (const entry of entries) {
      const page = bookPageForFile(this.book, entry.page);
      const link = el('button', 'pw-outline-entry', { type: 'button', 'data-page': String(page) }, [entry.caption || '\u2014']);
      if (page) link.addEventListener('click', () => this.bus.emit('goto', { page }));
      else link.disabled = true;
      const li = el('li', '', {}, [link]);
      if (entry.children.length) li.appendChild(this.buildList(entry.children));
      ul.appendChild(li);
    }
    return ul;
  }

  toggle(show) { this.root.hidden = !show; }
}
