// Printing: the pages shown, the whole book or a range ("3-7", "1,4-6"), one page picture a
// sheet, fitted to it in the page's own shape, through the browser's print dialog. The sheets
// live outside the player, which the print style sheet leaves out; they go once printing ends.
import { el } from './dom.js';

/** The pages of a range text such as "3-7, 9" in 1..count, in order without repeats; null when it is not one. */
export function parsePrintRange(text, count) {
  const pages = new Set();
  const parts = String(text || '').split(',').map((p) => p.trim());
  if (!parts.some((p) => p)) return null;
  for (const part of parts) {
    if (!part) continue;
    const m = /^(\d+)\s*(?:[-\u2013]\s*(\d+))?$/.exec(part);
    if (!m) return null;
    const from = parseInt(m[1], 10);
    const to = m[2] === undefined ? from : parseInt(m[2], 10);
    if (from < 1 || to > count || from > to) return null;
    for (let n = from; n <= to; n++) pages.add(n);
  }
  return [...pages].sort((a, b) => a - b);
}

export class Printer {
  /** `shownPages()`: the book pages on screen; `aspect`: the pages' width over height. */
  constructor(book, t, shownPages, aspect) {
    this.book = book;
    this.t = t;
    this.shownPages = shownPages;
    this.aspect = aspect;
    this.sheets = null;
    this.dialog = this.buildDialog();
    window.addEventListener('beforeprint', () => { if (!this.sheets) this.prepare(this.shownPages()); });
    window.addEventListener('afterprint', () => this.clear());
    document.addEventListener('keydown', (e) => {
      // Ctrl+P (Cmd+P) prints the shown pages, not the screen.
      if ((e.ctrlKey || e.metaKey) && !e.altKey && !e.shiftKey && (e.key === 'p' || e.key === 'P')) {
        e.preventDefault();
        this.print(this.shownPages());
      }
    });
  }

  buildDialog() {
    const t = this.t;
    const choice = (value, label, extra) => el('label', 'pw-print-choice', {}, [
      el('input', '', { type: 'radio', name: 'pw-print', value }), label, ...(extra ? [extra] : [])]);
    this.range = el('input', 'pw-print-range', { type: 'text', inputmode: 'numeric', placeholder: t('printRangeHint'),
      'aria-label': t('printRange') + ' (' + t('printRangeHint') + ')' });
    this.error = el('p', 'pw-print-error', { role: 'alert' });
    const cancel = el('button', 'pw-print-cancel', { type: 'button' }, [t('cancel')]);
    this.form = el('form', 'pw-print-form', {}, [
      el('h2', 'pw-print-title', { id: 'pw-print-title' }, [t('printWhat')]),
      choice('shown', t('printShown')), choice('all', t('printAll')), choice('range', t('printRange') + ' ', this.range),
      this.error,
      el('div', 'pw-print-buttons', {}, [cancel, el('button', 'pw-print-go', { type: 'submit' }, [t('printGo')])]),
    ]);
    this.form.elements[0].checked = true;
    const dialog = el('div', 'pw-print-dialog', { role: 'dialog', 'aria-modal': 'true', 'aria-labelledby': 'pw-print-title', hidden: '' },
      [this.form]);
    this.range.addEventListener('focus', () => { this.form.querySelector('[value="range"]').checked = true; });
    cancel.addEventListener('click', () => this.close());
    dialog.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') {
        e.preventDefault();
        e.stopPropagation();
        this.close();
      }
    });
    this.form.addEventListener('submit', (e) => {
      e.preventDefault();
      this.submit();
    });
    return dialog;
  }

  get open() { return !this.dialog.hidden; }

  /** Opens the choice of pages; `opener` gets the focus back when it closes. */
  show(opener) {
    this.opener = opener;
    this.error.textContent = '';
    this.dialog.hidden = false;
    this.form.querySelector('input:checked').focus();
  }

  close() {
    if (!this.open) return false;
    this.dialog.hidden = true;
    if (this.opener && this.opener.isConnected && this.opener.offsetParent !== null) this.opener.focus();
    return true;
  }

  submit() {
    const what = this.form.querySelector('input:checked').value;
    const count = this.book.pages.length;
    let pages = what === 'all' ? this.book.pages.map((p) => p.index) : this.shownPages();
    if (what === 'range') {
      pages = parsePrintRange(this.range.value, count);
      if (!pages) {
        this.error.textContent = this.t('printBad').replace('{total}', String(count));
        this.range.focus();
        return;
      }
    }
    this.close();
    this.print(pages);
  }

  /** Lays out the sheets of `pages` and, once their pictures are there, opens the print dialog. */
  print(pages) {
    this.prepare(pages);
    const pictures = [...this.sheets.querySelectorAll('img')];
    return Promise.all(pictures.map((img) => (img.decode ? img.decode().catch(() => {}) : null))).then(() => window.print());
  }

  prepare(pages) {
    this.clear();
    // The sheet turns the way the page does: landscape pages on landscape sheets.
    const style = el('style', '', {}, ['@page { size: ' + (this.aspect > 1 ? 'landscape' : 'portrait') + '; margin: 10mm; }']);
    this.sheets = el('div', 'pw-print', { 'aria-hidden': 'true' }, [style]);
    for (const n of pages) {
      const page = this.book.pages[n - 1];
      if (!page) continue;
      const img = el('img', '', { src: page.largeUrl || page.normalUrl, alt: '' });
      this.sheets.appendChild(el('div', 'pw-sheet', { 'data-page': String(n) }, [img]));
    }
    document.body.appendChild(this.sheets);
  }

  clear() {
    if (this.sheets) this.sheets.remove();
    this.sheets = null;
  }
}
