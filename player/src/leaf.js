// Draws a page while it turns: the flat part of its front, its back folded over with a highlight
// along the fold, and shadows on what lies beneath. A turn is laid out once (sizes, pictures);
// each frame then changes only transforms, two clip paths (the front's, a shadow's) and opacity,
// so that the browser mostly moves layers it has already painted. The folded back is clipped by a large box with overflow
// hidden whose edge lies on the fold line, turned with it; the back inside it is turned back so
// that it lands where it belongs. The front stays put, square to the screen and sharp, and is
// cut along the fold by its clip path.
import { el } from './dom.js';
import { fold, progressOf } from './fold.js';

// The shades keep their size through a turn (frames only move them), so that they are painted once.
const HIGHLIGHT = 0.7;    // width of the highlight on the back, from the fold, as a share of the page's width
const UNDER = 0.45;       // width of the fold's shadow on the page beneath
const EDGE_SHADOW = 0.07; // width of the shadow beside the folded edge

// 2D affine maps as [a, b, c, d, e, f]: x' = a x + c y + e, y' = b x + d y + f.
function compose(m, n) {
  return [m[0] * n[0] + m[2] * n[1], m[1] * n[0] + m[3] * n[1], m[0] * n[2] + m[2] * n[3], m[1] * n[2] + m[3] * n[3],
    m[0] * n[4] + m[2] * n[5] + m[4], m[1] * n[4] + m[3] * n[5] + m[5]];
}

function invert(m) {
  const det = m[0] * m[3] - m[1] * m[2];
  return [m[3] / det, -m[1] / det, -m[2] / det, m[0] / det, (m[2] * m[5] - m[3] * m[4]) / det, (m[1] * m[4] - m[0] * m[5]) / det];
}

const translate = (x, y) => [1, 0, 0, 1, x, y];
const rotate = (a) => [Math.cos(a), Math.sin(a), -Math.sin(a), Math.cos(a), 0, 0];
const chain = (...maps) => maps.reduce(compose);

function css(m) {
  return 'matrix(' + m.map((v, i) => Math.round(v * (i < 4 ? 1e6 : 100)) / (i < 4 ? 1e6 : 100)).join(',') + ')';
}

function opacity(v) { return String(Math.round(v * 1000) / 1000); }

function polygon(points) {
  const px = (v) => Math.round(v * 100) / 100 + 'px';
  return points.length ? 'polygon(' + points.map((p) => px(p[0]) + ' ' + px(p[1])).join(', ') + ')' : 'polygon(0 0, 0 0, 0 0)';
}

export class Leaf {
  constructor() {
    this.underBand = el('div', 'pw-band pw-band-under');
    this.under = el('div', 'pw-half', {}, [this.underBand]);
    this.underBox = el('div', 'pw-under', {}, [this.under]);
    this.front = el('div', 'pw-face pw-face-front');
    this.backBand = el('div', 'pw-band pw-band-back');
    this.back = el('div', 'pw-face pw-face-back');
    this.edgeShadow = el('div', 'pw-edge-shadow');
    this.shade = el('div', 'pw-hard-shade');
    this.fold = el('div', 'pw-half pw-fold', {}, [this.edgeShadow, this.back]);
    // Inert: the pages carried through a turn keep their links, which are not to be reached then.
    this.root = el('div', 'pw-turn', { 'aria-hidden': 'true', inert: '', hidden: '' }, [this.underBox, this.front, this.fold]);
    this.geometry = null;
  }

  /**
   * Lays out a turn. `g`: {spineX, s (1 when the page lies right of the spine), w, h, corner,
   * hard}; `front` and `back` are page elements (a null back is plain paper), which end() takes out again.
   */
  begin(g, front, back) {
    this.geometry = Object.assign({ big: 2 * (2 * g.w + g.h) }, g);
    for (const face of [this.front, this.back]) {
      face.textContent = '';
      face.style.width = g.w + 'px';
      face.style.height = g.h + 'px';
    }
    for (const half of [this.fold, this.under]) {
      half.style.width = this.geometry.big + 'px';
      half.style.height = this.geometry.big + 'px';
    }
    const size = (e, width, height) => { e.style.width = width + 'px'; e.style.height = height + 'px'; };
    size(this.backBand, HIGHLIGHT * g.w, 2 * (g.w + g.h));
    size(this.underBand, UNDER * g.w, this.geometry.big);
    size(this.edgeShadow, EDGE_SHADOW * g.w, g.h);
    this.underBox.style.left = (g.s > 0 ? g.spineX : g.spineX - g.w) + 'px';
    this.underBox.style.width = g.w + 'px';
    this.underBox.style.height = g.h + 'px';
    this.front.style.transform = g.hard ? '' : 'translateX(' + (g.s > 0 ? g.spineX : g.spineX - g.w) + 'px)';
    this.front.appendChild(front);
    this.back.appendChild(back || el('div', 'pw-paper'));
    this.back.appendChild(this.backBand);
    (g.hard ? this.front : this.back).appendChild(this.shade);
    this.root.classList.toggle('pw-turn-hard', !!g.hard);
    this.root.classList.toggle('pw-turn-left', g.s < 0);
    this.root.hidden = false;
  }

  end() {
    this.root.hidden = true;
    this.front.textContent = '';
    this.back.textContent = '';
    for (const e of [this.front, this.back, this.fold, this.under, this.underBand, this.backBand, this.shade, this.edgeShadow]) {
      e.style.transform = '';
      e.style.opacity = '';
      e.style.clipPath = '';
    }
    this.geometry = null;
  }

  /** Draws the frame whose corner lies at `target` (in the page's own space). */
  draw(target) {
    if (!this.geometry) return;
    if (this.geometry.hard) this.drawBoard(target);
    else this.drawPaper(target);
  }

  drawPaper(target) {
    const { spineX, s, w, h, corner, big } = this.geometry;
    const f = fold(w, h, corner, target);
    // Book space: x from the book's left edge. The page's own space maps to it by `book`.
    const book = [s, 0, 0, 1, spineX, 0];
    const mid = [spineX + s * f.mid[0], f.mid[1]];
    const angle = Math.atan2(f.n[1], s * f.n[0]); // the fold's normal, pointing to the corner, in book space
    // The box that keeps the spine's side of the fold: its right edge on the fold line.
    const keep = chain(translate(mid[0], mid[1]), rotate(angle), translate(-big, -big / 2));
    const inKeep = invert(keep);
    this.fold.style.transform = css(keep);
    this.front.style.clipPath = polygon(f.flat.map((p) => [s > 0 ? p[0] : w - p[0], p[1]]));
    // The back lies where it lands (the other side of the spine) and is folded over from there:
    // its own x maps to the page's x by x -> a x + b, then the fold reflects it.
    const a = s > 0 ? -1 : 1;
    const b = s > 0 ? w : 0;
    const [nx, ny] = f.n;
    const d = 2 * (f.mid[0] * nx + f.mid[1] * ny);
    const reflect = [1 - 2 * nx * nx, -2 * nx * ny, -2 * nx * ny, 1 - 2 * ny * ny, d * nx, d * ny];
    const back = chain(book, reflect, [a, 0, 0, 1, b, 0]);
    this.back.style.transform = css(compose(inKeep, back));
    const turned = progressOf(w, target);
    const strength = Math.min(1, f.depth / (0.08 * w)) * (0.35 + 0.65 * Math.sin(Math.PI * Math.min(1, turned * 1.6)));
    // The highlight along the fold, on the back.
    const backMid = [a * (f.mid[0] - b), f.mid[1]];
    this.backBand.style.transform = css(chain(translate(backMid[0], backMid[1]), rotate(Math.atan2(ny, a * nx)), translate(0, -(w + h))));
    this.backBand.style.opacity = opacity(strength);
    // The page's outer edge, as far as it is folded, shades what lies under it.
    const edge = f.folded.filter((p) => p[0] > w - 0.01).map((p) => p[1]);
    const top = edge.length ? Math.min(...edge) : 0;
    const bottom = edge.length ? Math.max(...edge) : 0;
    this.edgeShadow.style.transform = css(chain(inKeep, back, translate(s > 0 ? -EDGE_SHADOW * w : w, 0)));
    this.edgeShadow.style.clipPath = polygon([[0, top], [EDGE_SHADOW * w, top], [EDGE_SHADOW * w, bottom], [0, bottom]]);
    this.edgeShadow.style.opacity = opacity(strength);
    // The page beneath, in the shadow of the fold: the box beyond the fold line, within that page.
    const boxLeft = s > 0 ? spineX : spineX - w;
    this.under.style.transform = css(chain(translate(mid[0] - boxLeft, mid[1]), rotate(angle), translate(0, -big / 2)));
    this.underBand.style.opacity = opacity(strength * Math.min(1, f.depth / (UNDER * w)));
  }

  // A hard page turns as a rigid board about the spine: narrowed, shaded, never bent.
  drawBoard(target) {
    const { spineX, s, w } = this.geometry;
    const cos = 1 - 2 * progressOf(w, target);
    const showFront = cos >= 0;
    const c = Math.max(0.001, Math.abs(cos));
    const face = showFront ? this.front : this.back;
    const other = showFront ? this.back : this.front;
    // Both faces hang on the spine: the front on its own side, the back on the other side.
    const rightOfSpine = showFront ? s > 0 : s < 0;
    face.style.transform = css([c, 0, 0, 1, rightOfSpine ? spineX : spineX - w * c, 0]);
    face.style.opacity = '1';
    other.style.opacity = '0';
    if (this.shade.parentNode !== face) face.appendChild(this.shade);
    this.shade.style.opacity = opacity((1 - c) * 0.55);
    this.shade.classList.toggle('pw-edge-left', !rightOfSpine);
  }
}
