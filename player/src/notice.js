// A short notice over the book ("Link copied", the offer to go back to the start): one at a
// time, read out by screen readers, fading after a while unless the pointer or the focus rests
// on it.
import { el } from './dom.js';

const FADE = 500; // milliseconds of the fade, as the style sheet has it

export class Notice {
  constructor() {
    this.root = el('div', 'pw-notice', { role: 'status', 'aria-live': 'polite', hidden: '' });
    this.timer = 0;
  }

  /**
   * Shows `text` for `ms` milliseconds; `action` {label, run} adds a button that runs it and
   * closes the notice, `extra` an element after the text.
   */
  show(text, { action, extra, ms = 2500 } = {}) {
    clearTimeout(this.timer);
    this.root.textContent = '';
    this.root.appendChild(el('span', 'pw-notice-text', {}, [text]));
    if (extra) this.root.appendChild(extra);
    if (action) {
      const button = el('button', 'pw-notice-action', { type: 'button' }, [action.label]);
      button.addEventListener('click', () => {
        this.hide();
        action.run();
      });
      this.root.appendChild(button);
    }
    this.root.classList.remove('pw-fading');
    this.root.hidden = false;
    this.timer = setTimeout(() => this.fade(), ms);
  }

  fade() {
    if (this.root.matches(':hover, :focus-within')) {
      this.timer = setTimeout(() => this.fade(), 1000);
      return;
    }
    this.root.classList.add('pw-fading');
    this.timer = setTimeout(() => this.hide(), FADE);
  }

  hide() {
    clearTimeout(this.timer);
    this.root.hidden = true;
    this.root.classList.remove('pw-fading');
  }
}
