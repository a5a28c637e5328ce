// The text layer of a page: each word as transparent text on its printed place, so that a reader
// can select and copy it, a screen reader reads the page and the browser's find finds it. A word's
// font size is its line's height and a horizontal scale stretches it to the word's width; both are
// shares of the page, so a layer is laid out once and fits every size the page is shown at.
import { el, percent } from './dom.js';

const FONT = 'sans-serif';
let ruler = null;

/** The width of `text` in the layer's font at 100 pixels. */
function measure(text) {
  if (!ruler) {
    ruler = document.createElement('canvas').getContext('2d');
    ruler.font = '100px ' + FONT;
  }
  return ruler.measureText(text).width;
}

export class TextLayer {
  /** `text`: the BookText; `aspect`: the pages' width over height. */
  constructor(bus, text, aspect) {
    this.text = text;
    this.aspect = aspect;
    // The first page shows without its text: words are asked for once a picture has arrived.
    this.ready = new Promise((resolve) => {
      const off = bus.on('picture', () => { off(); resolve(); });
    });
  }

  decorate(target, n, interactive) {
    if (!interactive || !this.text.has(n)) return;
    const layer = el('div', 'pw-layer pw-text');
    target.appendChild(layer);
    this.ready.then(() => this.text.page(n)).then((page) => { if (page) this.fill(layer, page); })
      .catch((e) => console.warn(e));
  }

  fill(layer, page) {
    const words = page.words;
    const part = document.createDocumentFragment();
    words.forEach((w, i) => {
      const next = words[i + 1];
      const lineEnds = !next || next.y !== w.y;
      const natural = measure(w.text);
      const scale = natural > 0 && w.height > 0 ? 100 * w.width * this.aspect / (natural * w.height) : 1;
      // The space after a word belongs to its span, so that copied text keeps its spaces.
      part.appendChild(el('span', '', {
        style: 'left:' + percent(w.x) + ';top:' + percent(w.y) + ';font-size:calc(var(--pw-page-h) * ' + Math.round(w.height * 1e5) / 1e5
          + ');transform:scaleX(' + Math.round(scale * 1e4) / 1e4 + ')',
      }, [lineEnds ? w.text : w.text + ' ']));
      if (lineEnds && next) part.appendChild(el('br'));
    });
    layer.appendChild(part);
  }
}
