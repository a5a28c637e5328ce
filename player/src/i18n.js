// Toolbar labels, page texts and messages in the languages of the "languageSetting" list.
// "{n}", "{a}", "{b}" and "{total}" stand for numbers.

const TEXTS = {
  English: {
    first: 'First page', prev: 'Previous page', next: 'Next page', last: 'Last page',
    thumbnails: 'Thumbnails', outline: 'Contents', fullscreen: 'Full screen', sound: 'Sound', page: 'Page',
    zoomIn: 'Zoom in', zoomOut: 'Zoom out', more: 'More', navigation: 'Pages',
    pageN: 'Page {n}', pageFailed: 'Page {n} could not be loaded', shownPage: 'Page {n} of {total}',
    shownPages: 'Pages {a} and {b} of {total}',
    cannotOpen: 'This book could not be opened.',
    howToView: 'To view it, serve the folder over http, for example with',
  },
  German: {
    first: 'Erste Seite', prev: 'Vorherige Seite', next: 'Nächste Seite', last: 'Letzte Seite',
    thumbnails: 'Miniaturansichten', outline: 'Inhalt', fullscreen: 'Vollbild', sound: 'Ton', page: 'Seite',
    zoomIn: 'Vergrößern', zoomOut: 'Verkleinern', more: 'Mehr', navigation: 'Seiten',
    pageN: 'Seite {n}', pageFailed: 'Seite {n} konnte nicht geladen werden', shownPage: 'Seite {n} von {total}',
    shownPages: 'Seiten {a} und {b} von {total}',
    cannotOpen: 'Dieses Buch konnte nicht geöffnet werden.',
    howToView: 'Stellen Sie den Ordner über http bereit, zum Beispiel mit',
  },
  French: {
    first: 'Première page', prev: 'Page précédente', next: 'Page suivante', last: 'Dernière page',
    thumbnails: 'Miniatures', outline: 'Sommaire', fullscreen: 'Plein écran', sound: 'Son', page: 'Page',
    zoomIn: 'Agrandir', zoomOut: 'Réduire', more: 'Plus', navigation: 'Pages',
    pageN: 'Page {n}', pageFailed: "La page {n} n'a pas pu être chargée", shownPage: 'Page {n} sur {total}',
    shownPages: 'Pages {a} et {b} sur {total}',
    cannotOpen: "Ce livre n'a pas pu être ouvert.",
    howToView: 'Pour le lire, servez le dossier en http, par exemple avec',
  },
  Spanish: {
    first: 'Primera página', prev: 'Página anterior', next: 'Página siguiente', last: 'Última página',
    thumbnails: 'Miniaturas', outline: 'Índice', fullscreen: 'Pantalla completa', sound: 'Sonido', page: 'Página',
    zoomIn: 'Acercar', zoomOut: 'Alejar', more: 'Más', navigation: 'Páginas',
    pageN: 'Página {n}', pageFailed: 'No se pudo cargar la página {n}', shownPage: 'Página {n} de {total}',
    shownPages: 'Páginas {a} y {b} de {total}',
    cannotOpen: 'No se pudo abrir este libro.',
    howToView: 'Para verlo, sirva la carpeta por http, por ejemplo con',
  },
  Chinese: {
    first: '第一页', prev: '上一页', next: '下一页', last: '最后一页',
    thumbnails: '缩略图', outline: '目录', fullscreen: '全屏', sound: '声音', page: '页',
    zoomIn: '放大', zoomOut: '缩小', more: '更多', navigation: '页面',
    pageN: '第 {n} 页', pageFailed: '第 {n} 页无法加载', shownPage: '第 {n} 页，共 {total} 页',
    shownPages: '第 {a} 页和第 {b} 页，共 {total} 页',
    cannotOpen: '无法打开此书。',
    howToView: '请通过 http 提供该文件夹，例如使用',
  },
};

export const LANGUAGES = Object.keys(TEXTS);

/** The language code for the html element's lang attribute. */
export function languageCode(language) {
  return { German: 'de', French: 'fr', Spanish: 'es', Chinese: 'zh' }[language] || 'en';
}

/** Returns a lookup function for `language`; unknown languages and keys fall back to English. */
export function translator(language) {
  const table = TEXTS[language] || TEXTS.English;
  return (key) => table[key] || TEXTS.English[key] || key;
}
