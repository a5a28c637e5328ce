// The geometry of a page folded over like paper. The turning page lies in its own space: x from
// 0 at the spine to w at the outer edge, y from 0 at the top to h at the bottom. A corner of the
// outer edge is carried to a target point; the fold line is the perpendicular bisector of the
// corner and the target, and the part of the page on the corner's side folds over.

const EPSILON = 1e-6;

function dot(a, b) { return a[0] * b[0] + a[1] * b[1]; }

/** The page rectangle cut by the half-plane sign * ((p - mid) . n) >= 0, as a polygon. */
function cut(w, h, mid, n, sign) {
  const corners = [[0, 0], [w, 0], [w, h], [0, h]];
  const side = (p) => sign * (dot(p, n) - dot(mid, n));
  const out = [];
  for (let i = 0; i < 4; i++) {
    const a = corners[i];
    const b = corners[(i + 1) % 4];
    const sa = side(a);
    const sb = side(b);
    if (sa >= 0) out.push(a);
    if ((sa >= 0) !== (sb >= 0)) {
      const k = sa / (sa - sb);
      out.push([a[0] + (b[0] - a[0]) * k, a[1] + (b[1] - a[1]) * k]);
    }
  }
  return out;
}

/**
 * The fold that carries `corner` ([w, 0] or [w, h]) to `target`: the line through `mid` with unit
 * normal `n` (pointing to the corner), the `folded` and `flat` parts of the page as polygons,
 * `depth` (how far the corner lies from the line) and `reflect`, which maps a point of the page to
 * where the fold puts it. A target on the corner folds nothing.
 */
export function fold(w, h, corner, target) {
  const dx = corner[0] - target[0];
  const dy = corner[1] - target[1];
  const length = Math.hypot(dx, dy);
  if (length < EPSILON) {
    const mid = [corner[0], corner[1]];
    return { mid, n: [1, 0], depth: 0, folded: [], flat: cut(w, h, [w, 0], [1, 0], -1), reflect: (p) => p };
  }
  const n = [dx / length, dy / length];
  const mid = [(corner[0] + target[0]) / 2, (corner[1] + target[1]) / 2];
  const reflect = (p) => {
    const d = 2 * (dot(p, n) - dot(mid, n));
    return [p[0] - d * n[0], p[1] - d * n[1]];
  };
  return { mid, n, depth: length / 2, folded: cut(w, h, mid, n, 1), flat: cut(w, h, mid, n, -1), reflect };
}

// How far a lifted page may rise past the top or bottom of the book, as a share of its height: a
// turned page lifts a little off the book, but never as a card that grows out of it.
export const RISE = 0.04;

/** True when the folded part, once folded over, stays within RISE of the page's top and bottom. */
function staysInside(w, h, corner, target) {
  const f = fold(w, h, corner, target);
  const slack = RISE * h + 0.5;
  return f.folded.every((p) => {
    const y = f.reflect(p)[1];
    return y >= -slack && y <= h + slack;
  });
}

/**
 * Where the corner may go when asked to go to `point`: the page stays joined to the spine (the
 * corner keeps within the page's width of the spine's end on its own edge, so the fold never
 * crosses the spine), and no folded part rises more than RISE above or below the page; a fold
 * that would is made more upright. A page carried straight across (the corner on its own edge)
 * folds upright and stays exactly within the page's height.
 */
export function foldTarget(w, h, corner, point) {
  let x = point[0];
  let y = Math.min(h, Math.max(0, point[1]));
  const sx = x;
  const sy = y - corner[1];
  const reach = Math.hypot(sx, sy);
  if (reach > w) {
    x = sx * w / reach;
    y = corner[1] + sy * w / reach;
  }
  if (staysInside(w, h, corner, [x, y])) return [x, y];
  // Upright folds (y on the corner's edge) always stay inside: search between the two.
  let good = corner[1];
  let bad = y;
  for (let i = 0; i < 18; i++) {
    const m = (good + bad) / 2;
    if (staysInside(w, h, corner, [x, m])) good = m;
    else bad = m;
  }
  return [x, good];
}

/** How far a fold with its corner at `target` has turned the page: 0 flat, 1 over on the other side. */
export function progressOf(w, target) {
  return Math.min(1, Math.max(0, (w - target[0]) / (2 * w)));
}

/**
 * The corner's natural path for a turn played without the pointer, at `k` from 0 (lying flat)
 * to 1 (turned over): it lifts, sweeps over the spine and lands.
 */
export function turnPath(w, h, corner, k) {
  const lift = 0.16 * h * Math.sin(Math.PI * k);
  const y = corner[1] === 0 ? lift : h - lift;
  return foldTarget(w, h, corner, [w - 2 * w * k, y]);
}

/** Ease-in-out for time shares 0..1. */
export function ease(k) {
  return k < 0.5 ? 2 * k * k : 1 - Math.pow(-2 * k + 2, 2) / 2;
}
