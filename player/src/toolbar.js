// The toolbar: a start group (logo, title), the page navigation in the middle and the tools at
// the end. Controls that do not fit move, least needed first, into the menu behind the "More"
// button, so that no two controls ever overlap. Buttons and menu items emit 'action' {name} on
// the bus; any control can be added with a menu item that stands for it, or moving into the menu
// itself (a search field, say).
import { el } from './dom.js';
import { icon } from './icons.js';

export class Toolbar {
  constructor(bus, t) {
    this.bus = bus;
    this.t = t;
    this.controls = [];
    this.start = el('div', 'pw-tb-start');
    this.nav = el('nav', 'pw-tb-nav', { 'aria-label': t('navigation') });
    this.end = el('div', 'pw-tb-end');
    this.menu = el('div', 'pw-menu', { role: 'menu', hidden: '', id: 'pw-menu', 'aria-label': t('more') });
    this.more = this.makeButton('more', 'more', { 'aria-haspopup': 'menu', 'aria-expanded': 'false', 'aria-controls': 'pw-menu' });
    this.more.hidden = true;
    this.end.appendChild(this.more);
    this.root = el('header', 'pw-toolbar', {}, [this.start, this.nav, this.end, this.menu]);
    this.root.addEventListener('click', (e) => this.onClick(e));
    this.menu.addEventListener('keydown', (e) => this.onMenuKey(e));
    document.addEventListener('pointerdown', (e) => {
      if (!this.menu.hidden && !this.menu.contains(e.target) && !this.more.contains(e.target)) this.closeMenu();
    }, true);
  }

  makeButton(name, iconName, attrs) {
    return el('button', 'pw-btn pw-btn-' + name, Object.assign({ type: 'button', title: this.t(name), 'aria-label': this.t(name),
      'data-action': name }, attrs || {}), [icon(iconName)]);
  }

  /**
   * Adds a control to a group ('start', 'nav' or 'end'). `priority`: higher stays longer in the
   * bar; controls without one never move. `toggle` makes it say its state (aria-pressed). A
   * control given as `name` alone is a button with that icon and label. An `element` that
   * `moves` goes into the menu itself, where others leave a menu item.
   */
  add({ name, group = 'end', priority, toggle = false, element, iconName, shown = true, moves = false }) {
    const button = element || this.makeButton(name, iconName || name, toggle ? { 'aria-pressed': 'false' } : {});
    const control = { name, group, button, priority, toggle, shown, item: null, home: null };
    if (moves) {
      control.home = document.createTextNode(''); // its place in the bar, to come back to
    } else if (priority !== undefined) {
      control.item = el('button', 'pw-menu-item', { type: 'button', role: toggle ? 'menuitemcheckbox' : 'menuitem',
        'data-action': name, tabindex: '-1', hidden: '' }, [icon(iconName || name), el('span', '', {}, [this.t(name)])]);
      if (toggle) control.item.setAttribute('aria-checked', 'false');
      this.menu.appendChild(control.item);
    }
    const host = { start: this.start, nav: this.nav, end: this.end }[group];
    if (group === 'end') host.insertBefore(button, this.more);
    else host.appendChild(button);
    if (control.home) host.insertBefore(control.home, button);
    button.hidden = !shown;
    this.controls.push(control);
    return button;
  }

  control(name) { return this.controls.find((c) => c.name === name); }

  setPressed(name, pressed) {
    const c = this.control(name);
    if (!c) return;
    c.button.setAttribute('aria-pressed', String(!!pressed));
    if (c.item) c.item.setAttribute('aria-checked', String(!!pressed));
  }

  /** Gives the control `name` another label (its tip and its name for screen readers). */
  setLabel(name, label) {
    const c = this.control(name);
    if (!c) return;
    c.button.title = label;
    c.button.setAttribute('aria-label', label);
  }

  /** Shows another icon on the control `name` and its menu item. */
  setIcon(name, iconName) {
    const c = this.control(name);
    if (!c) return;
    for (const e of [c.button, c.item]) {
      const old = e && e.querySelector('svg');
      if (old) old.replaceWith(icon(iconName));
    }
  }

  setEnabled(name, enabled) {
    const c = this.control(name);
    if (!c) return;
    c.button.disabled = !enabled;
    if (c.item) c.item.disabled = !enabled;
  }

  /** Moves controls between the bar and the menu until nothing overlaps. Call after size changes. */
  fit() {
    // A height change alone (a phone's keyboard coming up) leaves an open menu, and the field being typed in, alone.
    const width = this.root.clientWidth;
    if (!this.menu.hidden && width === this.width && this.menu.contains(document.activeElement)) return;
    this.width = width;
    this.closeMenu();
    for (const c of this.controls) {
      c.button.hidden = !c.shown;
      if (c.item) c.item.hidden = true;
      if (c.home) c.home.after(c.button);
    }
    this.more.hidden = true;
    const movable = this.controls.filter((c) => c.shown && (c.item || c.home)).sort((a, b) => a.priority - b.priority);
    for (const c of movable) {
      if (!this.crowded()) break;
      if (c.item) {
        c.button.hidden = true;
        c.item.hidden = false;
      } else {
        this.menu.appendChild(c.button);
      }
      this.more.hidden = false;
    }
    // Last, the title and logo give way.
    for (const c of this.controls) {
      if (c.group === 'start' && this.crowded()) c.button.hidden = true;
    }
    // The menu lists its items in the order the bar shows them.
    for (const c of this.controls) {
      if (c.item) this.menu.appendChild(c.item);
      else if (c.home && this.menu.contains(c.button)) this.menu.appendChild(c.button);
    }
  }

  /** True when two visible controls overlap or one sticks out of the bar. */
  crowded() {
    const bar = this.root.getBoundingClientRect();
    const boxes = [];
    for (const group of [this.start, this.nav, this.end]) {
      for (const c of group.children) {
        if (c.hidden || c.offsetParent === null) continue;
        const r = c.getBoundingClientRect();
        if (r.width === 0) continue;
        // The title gives way by shrinking, down to a few letters.
        if (c.classList.contains('pw-title') && r.width < 48 && c.scrollWidth > r.width) return true;
        boxes.push(r);
      }
    }
    for (let i = 0; i < boxes.length; i++) {
      const a = boxes[i];
      if (a.left < bar.left - 0.5 || a.right > bar.right + 0.5) return true;
      for (let j = i + 1; j < boxes.length; j++) {
        const b = boxes[j];
        if (a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5) return true;
      }
    }
    return false;
  }

  onClick(e) {
    const b = e.target.closest('[data-action]');
    if (!b || b.disabled) return;
    const name = b.dataset.action;
    if (name === 'more') {
      if (this.menu.hidden) this.openMenu();
      else this.closeMenu();
      return;
    }
    if (this.menu.contains(b)) this.closeMenu(true);
    this.bus.emit('action', { name });
  }

  openMenu() {
    this.menu.hidden = false;
    this.more.setAttribute('aria-expanded', 'true');
    const first = this.menu.querySelector('.pw-menu-item:not([hidden]):not([disabled])');
    if (first) first.focus();
  }

  /** Closes the menu; `refocus` puts the focus back on the More button. */
  closeMenu(refocus) {
    if (this.menu.hidden) return false;
    this.menu.hidden = true;
    this.more.setAttribute('aria-expanded', 'false');
    if (refocus) this.more.focus();
    return true;
  }

  onMenuKey(e) {
    const items = [...this.menu.querySelectorAll('.pw-menu-item:not([hidden]):not([disabled])')];
    const at = items.indexOf(document.activeElement);
    const move = { ArrowDown: 1, ArrowUp: -1 }[e.key];
    if (move) {
      e.preventDefault();
      items[(at + move + items.length) % items.length].focus();
    } else if (e.key === 'Escape' || e.key === 'Tab') {
      if (e.key === 'Escape') e.preventDefault();
      e.stopPropagation();
      this.closeMenu(e.key === 'Escape');
    }
  }
}
