// Toolbar icons as inline SVG paths (24 x 24), so that the page needs no icon font. The arrows
// are named by the way they point; the toolbar picks them by reading direction.
const PATHS = {
  toLeftEnd: 'M6 5h2v14H6zM20 5v14L9 12z',
  left: 'M16 5v14L5 12z',
  right: 'M8 5v14l11-7z',
  toRightEnd: 'M16 5h2v14h-2zM4 5v14l11-7z',
  thumbnails: 'M4 4h7v7H4zM13 4h7v7h-7zM4 13h7v7H4zM13 13h7v7h-7z',
  outline: 'M4 5h16v2H4zM7 11h13v2H7zM7 17h13v2H7zM4 11h2v2H4zM4 17h2v2H4z',
  zoomIn: 'M10 3a7 7 0 0 1 5.6 11.2l5.1 5.1-1.4 1.4-5.1-5.1A7 7 0 1 1 10 3zm0 2a5 5 0 1 0 0 10 5 5 0 0 0 0-10zM9 7h2v2h2v2h-2v2H9v-2H7V9h2z',
  zoomOut: 'M10 3a7 7 0 0 1 5.6 11.2l5.1 5.1-1.4 1.4-5.1-5.1A7 7 0 1 1 10 3zm0 2a5 5 0 1 0 0 10 5 5 0 0 0 0-10zM7 9h6v2H7z',
  fullscreen: 'M4 4h6v2H6v4H4zM14 4h6v6h-2V6h-4zM4 14h2v4h4v2H4zM18 14h2v6h-6v-2h4z',
  sound: 'M4 9h4l5-4v14l-5-4H4zM16 8.5a5 5 0 0 1 0 7l-1.4-1.4a3 3 0 0 0 0-4.2zM18.4 6a8.5 8.5 0 0 1 0 12L17 16.6a6.5 6.5 0 0 0 0-9.2z',
  print: 'M7 3h10v5H7zM5 9h14a2 2 0 0 1 2 2v6h-4v4H7v-4H3v-6a2 2 0 0 1 2-2zm4 7v3h6v-3zm8-5a1 1 0 1 0 0 2 1 1 0 0 0 0-2z',
  download: 'M11 4h2v8.2l3.3-3.3 1.4 1.4-5.7 5.7-5.7-5.7 1.4-1.4 3.3 3.3zM5 18h14v2H5z',
  share: 'M17 3a3 3 0 1 1-2.4 4.8L9.9 10.6a3 3 0 0 1 0 2.8l4.7 2.8A3 3 0 1 1 14 18a3 3 0 0 1 .1-.8l-4.8-2.8a3 3 0 1 1 0-4.8l4.8-2.8A3 3 0 0 1 17 3z',
  autoPlay: 'M7 4.5v15L19.5 12z',
  pause: 'M7 5h4v14H7zM13 5h4v14h-4z',
  more: 'M5 10a2 2 0 1 1 0 4 2 2 0 0 1 0-4zm7 0a2 2 0 1 1 0 4 2 2 0 0 1 0-4zm7 0a2 2 0 1 1 0 4 2 2 0 0 1 0-4z',
};

const NS = 'http://www.w3.org/2000/svg';

/** The arrow icons of the page buttons for a reading direction: forward points the way pages go. */
export function navIcons(rtl) {
  return rtl ? { first: 'toRightEnd', prev: 'right', next: 'left', last: 'toLeftEnd' }
    : { first: 'toLeftEnd', prev: 'left', next: 'right', last: 'toRightEnd' };
}

/** An SVG element for the named icon; unknown names give an empty icon. */
export function icon(name) {
  const svg = document.createElementNS(NS, 'svg');
  svg.setAttribute('viewBox', '0 0 24 24');
  svg.setAttribute('width', '20');
  svg.setAttribute('height', '20');
  svg.setAttribute('aria-hidden', 'true');
  svg.setAttribute('data-icon', name);
  const path = document.createElementNS(NS, 'path');
  path.setAttribute('d', PATHS[name] || '');
  path.setAttribute('fill', 'currentColor');
  svg.appendChild(path);
  return svg;
}

