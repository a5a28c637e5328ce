// The marks of a search on the page pictures: a box over every word of every hit on the shown
// pages, the current hit marked apart.
import { el, percent } from './dom.js';

export class HitLayer {
  constructor() {
    this.byPage = new Map(); // page -> [{boxes, hit}]
    this.current = null;
  }

  decorate(target, n, interactive) {
    if (!interactive) return;
    target.appendChild(el('div', 'pw-layer pw-hits', { 'aria-hidden': 'true' }));
    this.draw(target, n);
  }

  /**
   * Marks `hits` ([{page, boxes: [{x, y, width, height}]}], shares of the page) on the page elements
   * under `root` and on those made later; `current` is the hit marked apart.
   */
  show(hits, current, root) {
    this.byPage = new Map();
    for (const hit of hits) {
      if (!this.byPage.has(hit.page)) this.byPage.set(hit.page, []);
      this.byPage.get(hit.page).push(hit);
    }
    this.current = current;
    for (const page of root.querySelectorAll('.pw-page[data-page]')) this.draw(page, Number(page.dataset.page));
  }

  draw(page, n) {
    const layer = page.querySelector('.pw-hits');
    if (!layer) return;
    layer.textContent = '';
    for (const hit of this.byPage.get(n) || []) {
      for (const b of hit.boxes) {
        layer.appendChild(el('div', 'pw-hit' + (hit === this.current ? ' pw-hit-current' : ''), {
          style: 'left:' + percent(b.x) + ';top:' + percent(b.y) + ';width:' + percent(b.width) + ';height:' + percent(b.height),
        }));
      }
    }
  }
}
