// Sharing the shown page: the system's share sheet on touch screens that have one, elsewhere the
// link copied, with a short notice; where nothing may copy, the link stands selected in a field
// for the reader to copy.
import { el } from './dom.js';

/** The book's address `href` pointing at `page`: any fragment it had is replaced by #page=N. */
export function pageLink(href, page) {
  return href.replace(/#.*$/, '') + '#page=' + page;
}

function copyBySelection(text) {
  const area = el('textarea', 'pw-copy', { readonly: '', 'aria-hidden': 'true' });
  area.value = text;
  document.body.appendChild(area);
  area.select();
  let ok = false;
  try {
    ok = document.execCommand('copy');
  } catch (e) {
    ok = false;
  }
  area.remove();
  return ok;
}

export class Share {
  constructor(t, notice) {
    this.t = t;
    this.notice = notice;
  }

  /** Shares book page `page` of the book called `title`; resolves once it is done. */
  share(page, title) {
    const url = pageLink(location.href, page);
    const touch = window.matchMedia && window.matchMedia('(pointer: coarse)').matches;
    if (touch && navigator.share) {
      // A reader who closes the sheet meant to; anything else falls back to copying.
      return navigator.share({ title: title || document.title, url }).catch((e) => (e && e.name === 'AbortError' ? null : this.copy(url)));
    }
    return this.copy(url);
  }

  copy(url) {
    const copied = () => this.notice.show(this.t('linkCopied'));
    const fallback = () => (copyBySelection(url) ? copied() : this.offer(url));
    if (navigator.clipboard && navigator.clipboard.writeText) return navigator.clipboard.writeText(url).then(copied, fallback);
    fallback();
    return Promise.resolve();
  }

  offer(url) {
    const field = el('input', 'pw-notice-field', { type: 'text', readonly: '', value: url, 'aria-label': this.t('copyThis') });
    this.notice.show(this.t('copyThis'), { extra: field, ms: 8000 });
    field.focus();
    field.select();
  }
}
