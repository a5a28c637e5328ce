// The detail of a zoomed page: the tiles of its larger picture (docs/book-pictures.md) that meet
// the screen, laid over the page picture, which stays beneath: the reader sees the page at once
// and each tile sharpens its part as it arrives. Nothing is fetched but for the zoomed page.
import { el, percent } from './dom.js';

const NEEDED = 0.9; // below this many picture pixels a device pixel, the page picture looks soft

/** The tiles of `detail` ({columns, rows, tileSize, width, height, codes}) that meet the share x0..x1, y0..y1 of the page. */
export function tilesIn(detail, x0, y0, x1, y1) {
  const { tileSize: t, width, height, columns, rows, codes } = detail;
  const out = [];
  const first = (v, size, count) => Math.max(0, Math.min(count - 1, Math.floor(v * size / t)));
  const [c0, c1] = [first(x0, width, columns), first(x1, width, columns)];
  const [r0, r1] = [first(y0, height, rows), first(y1, height, rows)];
  for (let r = r0; r <= r1; r++) {
    for (let c = c0; c <= c1; c++) {
      const code = codes[r * columns + c];
      if (code === 'p' || code === 'j') out.push({ column: c, row: r, name: c + '_' + r + (code === 'p' ? '.png' : '.jpg') });
    }
  }
  return out;
}

/** Whether a page picture `natural` pixels wide, shown `shownWidth` CSS pixels wide, is soft on this screen. */
export function needsDetail(natural, shownWidth, ratio = window.devicePixelRatio || 1) {
  return natural > 0 && natural / (shownWidth * ratio) < NEEDED;
}

/** Where the picture lies on its page, as CSS: all of it, or centred in its own shape (object-fit: contain). */
function pictureBox(img, page) {
  const shape = img.naturalWidth && img.naturalHeight && page.offsetHeight
    ? (img.naturalWidth / img.naturalHeight) / (page.offsetWidth / page.offsetHeight) : 1;
  if (img.classList.contains('pw-fill') || Math.abs(shape - 1) < 1e-3) return null;
  const [w, h] = shape > 1 ? [1, 1 / shape] : [shape, 1];
  return 'left:' + percent((1 - w) / 2) + ';top:' + percent((1 - h) / 2) + ';width:' + percent(w) + ';height:' + percent(h);
}

export class DetailLayer {
  /**
   * Lays the tiles of book page n that meet the visible share {x0, y0, x1, y1} of the page over
   * its element `page`; tiles already there stay.
   */
  show(page, detail, visible) {
    let layer = page.querySelector('.pw-detail');
    if (!layer) {
      const img = page.querySelector('.pw-img');
      layer = el('div', 'pw-layer pw-detail', { 'aria-hidden': 'true', style: pictureBox(img, page) });
      img.after(layer);
    }
    const { tileSize: t, width, height } = detail;
    for (const tile of tilesIn(detail, visible.x0, visible.y0, visible.x1, visible.y1)) {
      if (layer.querySelector('[data-tile="' + tile.name + '"]')) continue;
      const x = tile.column * t;
      const y = tile.row * t;
      const img = el('img', 'pw-tile', { alt: '', draggable: 'false', 'data-tile': tile.name, style: 'left:' + percent(x / width)
        + ';top:' + percent(y / height) + ';width:' + percent(Math.min(t + 1, width - x) / width) + ';height:'
        + percent(Math.min(t + 1, height - y) / height) });
      img.decoding = 'async';
      img.addEventListener('load', () => img.classList.add('pw-tile-ready'), { once: true });
      img.src = detail.url + tile.name;
      layer.appendChild(img);
    }
  }

  /** Takes the tiles off the page element (the zoom has ended): their memory goes with them. */
  clear(page) {
    const layer = page && page.querySelector('.pw-detail');
    if (layer) layer.remove();
  }
}
