// Search: the field (in the toolbar, or its menu on small screens) and the results panel with the
// count of hits and, for each hit, its page and passage. Enter searches; once the results are in,
// Enter and Shift+Enter go to the next and the previous hit. Choosing a hit marks it on the page
// pictures (HitLayer) and emits 'goto' {page, from}. A search runs chunk by chunk of the book's
// text, as each is there, so the first hits are listed while the rest is still coming; the count
// shows before the book turns to the first hit. The list shows a hundred hits and more as it
// scrolls or on demand.
import { el } from './dom.js';
import { foldQuery } from './search.js';
import { Panel } from './panels.js';

const BATCH = 100; // results added to the list at a time, as it scrolls or on demand

export class SearchPanel extends Panel {
  /** `text`: the BookText; `marks`: the HitLayer; `book`: the element whose pages show the marks. */
  constructor(bus, text, t, marks, book) {
    super('search', t('searchResults'));
    this.bus = bus;
    this.text = text;
    this.t = t;
    this.marks = marks;
    this.book = book;
    this.field = el('input', 'pw-search-field', { type: 'search', 'aria-label': t('search'), placeholder: t('search'),
      enterkeyhint: 'search', autocomplete: 'off', spellcheck: 'false' });
    this.box = el('span', 'pw-search-box', { role: 'search' }, [this.field]);
    this.status = el('p', 'pw-search-count', { role: 'status' });
    this.list = el('ol', 'pw-results');
    this.moreHits = el('button', 'pw-more-hits', { type: 'button', hidden: '' }, [t('moreHits')]);
    this.moreHits.addEventListener('click', () => this.more(this.list.children.length + BATCH));
    this.root.append(this.status, this.list, this.moreHits);
    this.query = '';
    this.hits = [];
    this.at = -1;
    this.field.addEventListener('keydown', (e) => {
      if (e.key !== 'Enter') return;
      e.preventDefault();
      if (this.hits.length && foldQuery(this.field.value) === this.query) this.step(e.shiftKey ? -1 : 1);
      else this.search(this.field.value);
    });
    this.list.addEventListener('click', (e) => {
      const item = e.target.closest('[data-hit]');
      if (item) this.choose(Number(item.dataset.hit), 'panel');
    });
    this.root.addEventListener('scroll', () => {
      if (this.root.scrollTop + this.root.clientHeight > this.root.scrollHeight - 300) this.more(this.list.children.length + BATCH);
    });
  }

  /**
   * Searches the book for `query`, chunk by chunk of its text as each arrives, lists the hits and
   * then turns to the first one; the results panel opens unless `quietly`.
   */
  search(query, quietly = false) {
    const key = foldQuery(query);
    const run = {};
    this.run = run;
    this.field.value = query;
    this.query = key;
    this.hits = [];
    this.at = -1;
    this.list.textContent = '';
    this.moreHits.hidden = true;
    this.marks.show([], null, this.book);
    if (!key) {
      this.status.textContent = '';
      return Promise.resolve();
    }
    this.status.textContent = this.t('searching');
    if (!quietly) this.bus.emit('searchopen');
    const text = this.text;
    const index = text.index;
    let pages = 0;
    const stale = {};
    // Every chunk is asked for at once; each is searched, in order, as it is there.
    for (let k = 1; k <= index.chunkCount; k++) text.loadChunk(k);
    const chunk = (k) => (k > index.chunkCount ? null : text.loadChunk(k).then(() => {
      if (this.run !== run) throw stale; // a later search took over
      const [from, to] = text.chunkPages(k);
      const found = index.search(query, from, to);
      pages += found.pages;
      for (const hit of found.hits) {
        const words = index.page(hit.page).words;
        this.hits.push({ page: hit.page, boxes: hit.words.map((i) => words[i]), engine: hit });
      }
      this.more(BATCH);
      return chunk(k + 1);
    }));
    return Promise.resolve(chunk(1)).then(() => {
      this.status.textContent = this.hits.length ? this.count(this.hits.length, pages) : this.t('noHits').replace('{q}', query.trim());
      this.marks.show(this.hits, this.hits[this.at] || null, this.book);
      // The answer shows first; then the book turns to the first hit, unless the reader chose one meanwhile.
      if (this.hits.length && this.at < 0) {
        return new Promise((done) => requestAnimationFrame(() => {
          if (this.run === run && this.at < 0) this.choose(0, 'search');
          done();
        }));
      }
      return undefined;
    }, (e) => {
      if (e === stale) return;
      console.warn(e);
      if (this.run === run) this.status.textContent = this.t('textFailed');
    });
  }

  /** "12 hits on 5 pages", with the singular where a number is 1. */
  count(hits, pages) {
    const n = (one, many, v) => (v === 1 ? this.t(one) : this.t(many).replace('{n}', String(v)));
    return this.t('hitCount').replace('{hits}', n('hitOne', 'hitMany', hits)).replace('{pages}', n('pageOne', 'pageMany', pages));
  }

  /** Lists the hits up to `upTo`; the button under the list offers the rest. */
  more(upTo) {
    const index = this.text.index;
    const t = this.t;
    for (let i = this.list.children.length; i < Math.min(upTo, this.hits.length); i++) {
      const hit = this.hits[i];
      const p = index.passageOf(hit.engine);
      const item = el('button', 'pw-result', { type: 'button', 'data-hit': String(i), 'data-hit-page': String(hit.page) }, [
        el('span', 'pw-result-page', {}, [t('pageN').replace('{n}', String(hit.page))]),
        el('span', 'pw-result-text', {}, [p.before ? p.before + ' ' : '', el('mark', '', {}, [p.match]), p.after ? ' ' + p.after : '']),
      ]);
      this.list.appendChild(el('li', '', {}, [item]));
    }
    this.moreHits.hidden = this.list.children.length >= this.hits.length;
  }

  step(by) {
    const n = this.hits.length;
    this.choose((this.at + by + n) % n, 'field');
  }

  /** Makes hit i the current one: marked on its page, which the book turns to. */
  choose(i, from) {
    const hit = this.hits[i];
    if (!hit) return;
    this.more(i + 1);
    const old = this.list.querySelector('[aria-current]');
    if (old) old.removeAttribute('aria-current');
    const item = this.list.children[i].firstChild;
    item.setAttribute('aria-current', 'true');
    if (this.open) item.scrollIntoView({ block: 'nearest' });
    this.at = i;
    this.marks.show(this.hits, hit, this.book);
    this.bus.emit('goto', { page: hit.page, from });
  }
}
