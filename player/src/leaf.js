// Draws a page while it turns: the flat part of its front, its back folded over with a highlight
// along the fold, and a shadow on the page beneath. A turn is laid out once (sizes, pictures);
// each frame then changes only transforms, clip paths and opacity.
import { el } from './dom.js';
import { fold, progressOf } from './fold.js';

const BAND = 1000; // the shading bands' own width; frames scale them to the width they need
const EDGE_SHADOW = 0.07; // width of the folded edge's shadow, as a share of the page's width

function px(v) { return Math.round(v * 100) / 100; }

function polygon(points) {
  if (!points.length) return 'polygon(0 0, 0 0, 0 0)';
  return 'polygon(' + points.map((p) => px(p[0]) + 'px ' + px(p[1]) + 'px').join(', ') + ')';
}

function matrix(a, b, c, d, e, f) {
  return 'matrix(' + [a, b, c, d, e, f].map((v) => Math.round(v * 1e5) / 1e5).join(',') + ')';
}

/** A band's transform: its left edge on the line through `at`, its width along `dir`, `width` wide. */
function bandTransform(at, dir, width, reach) {
  const angle = Math.atan2(dir[1], dir[0]);
  return 'translate(' + px(at[0]) + 'px,' + px(at[1]) + 'px) rotate(' + Math.round(angle * 1e5) / 1e5
    + 'rad) scale(' + Math.round(width / BAND * 1e4) / 1e4 + ',' + Math.round(reach / 1000 * 1e4) / 1e4 + ') translateY(-50%)';
}

export class Leaf {
  constructor() {
    this.underBand = el('div', 'pw-band pw-band-under');
    this.under = el('div', 'pw-under', {}, [this.underBand]);
    this.front = el('div', 'pw-face pw-face-front');
    this.backBand = el('div', 'pw-band pw-band-back');
    this.back = el('div', 'pw-face pw-face-back');
    this.shade = el('div', 'pw-hard-shade');
    this.edgeShadow = el('div', 'pw-edge-shadow');
    // Inert: the pages carried through a turn keep their links, which are not to be reached then.
    this.root = el('div', 'pw-turn', { 'aria-hidden': 'true', inert: '', hidden: '' }, [this.under, this.front, this.edgeShadow, this.back]);
    this.geometry = null;
  }

  /**
   * Lays out a turn. `g`: {spineX, s (1 when the page lies right of the spine), w, h, corner,
   * hard}; `front` and `back` are page elements (a null back is plain paper), which end() takes out again.
   */
  begin(g, front, back) {
    this.geometry = g;
    for (const face of [this.front, this.back]) {
      face.textContent = '';
      face.style.width = g.w + 'px';
      face.style.height = g.h + 'px';
    }
    this.front.appendChild(front);
    this.back.appendChild(back || el('div', 'pw-paper'));
    this.back.appendChild(this.backBand);
    const shadeHost = g.hard ? this.front : this.back;
    shadeHost.appendChild(this.shade);
    this.root.classList.toggle('pw-turn-hard', !!g.hard);
    this.root.classList.toggle('pw-turn-left', g.s < 0);
    this.edgeShadow.style.height = g.h + 'px';
    this.root.hidden = false;
  }

  end() {
    this.root.hidden = true;
    this.front.textContent = '';
    this.back.textContent = '';
    for (const e of [this.front, this.back, this.under, this.underBand, this.backBand, this.shade, this.edgeShadow]) {
      e.style.transform = '';
      e.style.clipPath = '';
      e.style.opacity = '';
    }
    this.geometry = null;
  }

  /** Draws the frame whose corner lies at `target` (in the page's own space). */
  draw(target) {
    const g = this.geometry;
    if (!g) return;
    if (g.hard) this.drawBoard(target);
    else this.drawPaper(target);
  }

  drawPaper(target) {
    const { spineX, s, w, h, corner } = g(this);
    const f = fold(w, h, corner, target);
    const toBook = (p) => [spineX + s * p[0], p[1]];
    // The front lies flat where it is; its own x runs from its left edge.
    const frontLocal = (p) => [s > 0 ? p[0] : w - p[0], p[1]];
    this.front.style.transform = 'translateX(' + px(s > 0 ? spineX : spineX - w) + 'px)';
    this.front.style.clipPath = polygon(f.flat.map(frontLocal));
    // The back's own x runs over the other side, where it lands; `a`, `b` map it to the page's x.
    const a = s > 0 ? -1 : 1;
    const b = s > 0 ? w : 0;
    const [nx, ny] = f.n;
    const r11 = 1 - 2 * nx * nx;
    const r12 = -2 * nx * ny;
    const r22 = 1 - 2 * ny * ny;
    const t = 2 * (f.mid[0] * nx + f.mid[1] * ny);
    const tx = t * nx;
    const ty = t * ny;
    const backMatrix = matrix(s * r11 * a, r12 * a, s * r12, r22, spineX + s * (r11 * b + tx), r12 * b + ty);
    this.back.style.transform = backMatrix;
    this.back.style.clipPath = polygon(f.folded.map((p) => [a * (p[0] - b), p[1]]));
    const turned = progressOf(w, target);
    const strength = Math.min(1, f.depth / (0.08 * w)) * (0.35 + 0.65 * Math.sin(Math.PI * Math.min(1, turned * 1.6)));
    const reach = 2 * (w + h);
    // The highlight along the fold, on the back.
    const backMid = [a * (f.mid[0] - b), f.mid[1]];
    this.backBand.style.transform = bandTransform(backMid, [a * nx, ny], Math.max(1, f.depth * 1.2), reach);
    this.backBand.style.opacity = String(Math.round(strength * 1000) / 1000);
    // The folded page's outer edge casts a soft shadow on what lies under it; the edge is the
    // back's own left edge (right edge for pages left of the spine), as far as it is folded.
    const edge = f.folded.filter((p) => p[0] > w - 0.01).map((p) => p[1]);
    const top = edge.length ? Math.min(...edge) : 0;
    const bottom = edge.length ? Math.max(...edge) : 0;
    const sw = EDGE_SHADOW * w;
    this.edgeShadow.style.transform = backMatrix + ' translateX(' + px(s > 0 ? -sw : w) + 'px) scaleX(' + px(sw / BAND * 1000) / 1000 + ')';
    this.edgeShadow.style.clipPath = 'polygon(0 ' + px(top) + 'px, 100% ' + px(top) + 'px, 100% ' + px(bottom) + 'px, 0 ' + px(bottom) + 'px)';
    this.edgeShadow.style.opacity = String(Math.round(strength * 1000) / 1000);
    // The shadow that the fold casts on the page beneath.
    this.under.style.clipPath = polygon(f.folded.map(toBook));
    this.underBand.style.transform = bandTransform(toBook(f.mid), [s * nx, ny], Math.max(1, Math.min(f.depth, 0.45 * w)), reach);
    this.underBand.style.opacity = String(Math.round(strength * 1000) / 1000);
  }

  // A hard page turns as a rigid board about the spine: narrowed, shaded, never bent.
  drawBoard(target) {
    const { spineX, s, w } = g(this);
    const cos = 1 - 2 * progressOf(w, target);
    const showFront = cos >= 0;
    const c = Math.max(0.001, Math.abs(cos));
    const face = showFront ? this.front : this.back;
    const other = showFront ? this.back : this.front;
    // Both faces hang on the spine: the front on its own side, the back on the other side.
    const rightOfSpine = showFront ? s > 0 : s < 0;
    face.style.transform = matrix(c, 0, 0, 1, rightOfSpine ? spineX : spineX - w * c, 0);
    face.style.opacity = '1';
    other.style.opacity = '0';
    if (this.shade.parentNode !== face) face.appendChild(this.shade);
    this.shade.style.opacity = String(Math.round((1 - c) * 0.55 * 1000) / 1000);
    this.shade.classList.toggle('pw-edge-left', !rightOfSpine);
    this.under.style.clipPath = 'polygon(0 0, 0 0, 0 0)';
    this.edgeShadow.style.opacity = '0';
  }
}

function g(leaf) { return leaf.geometry; }
