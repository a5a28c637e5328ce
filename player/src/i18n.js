// Toolbar tooltips and messages in the languages of the "languageSetting" list.

const TEXTS = {
  English: {
    first: 'First page', prev: 'Previous page', next: 'Next page', last: 'Last page',
    thumbnails: 'Thumbnails', outline: 'Contents', zoom: 'Zoom', fullscreen: 'Full screen',
    sound: 'Sound', page: 'Page', close: 'Close', zoomIn: 'Zoom in', zoomOut: 'Zoom out',
    cannotOpen: 'This book could not be opened.',
    howToView: 'To view it, serve the folder over http, for example with',
  },
  German: {
    first: 'Erste Seite', prev: 'Vorherige Seite', next: 'Nächste Seite', last: 'Letzte Seite',
    thumbnails: 'Miniaturansichten', outline: 'Inhalt', zoom: 'Vergrößern', fullscreen: 'Vollbild',
    sound: 'Ton', page: 'Seite', close: 'Schließen', zoomIn: 'Vergrößern', zoomOut: 'Verkleinern',
    cannotOpen: 'Dieses Buch konnte nicht geöffnet werden.',
    howToView: 'Stellen Sie den Ordner über http bereit, zum Beispiel mit',
  },
  French: {
    first: 'Première page', prev: 'Page précédente', next: 'Page suivante', last: 'Dernière page',
    thumbnails: 'Miniatures', outline: 'Sommaire', zoom: 'Zoom', fullscreen: 'Plein écran',
    sound: 'Son', page: 'Page', close: 'Fermer', zoomIn: 'Agrandir', zoomOut: 'Réduire',
    cannotOpen: "Ce livre n'a pas pu être ouvert.",
    howToView: 'Pour le lire, servez le dossier en http, par exemple avec',
  },
  Spanish: {
    first: 'Primera página', prev: 'Página anterior', next: 'Página siguiente', last: 'Última página',
    thumbnails: 'Miniaturas', outline: 'Índice', zoom: 'Ampliar', fullscreen: 'Pantalla completa',
    sound: 'Sonido', page: 'Página', close: 'Cerrar', zoomIn: 'Acercar', zoomOut: 'Alejar',
    cannotOpen: 'No se pudo abrir este libro.',
    howToView: 'Para verlo, sirva la carpeta por http, por ejemplo con',
  },
  Chinese: {
    first: '第一页', prev: '上一页', next: '下一页', last: '最后一页',
    thumbnails: '缩略图', outline: '目录', zoom: '缩放', fullscreen: '全屏',
    sound: '声音', page: '页', close: '关闭', zoomIn: '放大', zoomOut: '缩小',
    cannotOpen: '无法打开此书。',
    howToView: '请通过 http 提供该文件夹，例如使用',
  },
};

export const LANGUAGES = Object.keys(TEXTS);

/** Returns a lookup function for `language`; unknown languages and keys fall back to English. */
export function translator(language) {
  const table = TEXTS[language] || TEXTS.English;
  return (key) => table[key] || TEXTS.English[key] || key;
}
