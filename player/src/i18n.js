// Toolbar labels, page texts and messages in the languages of the "languageSetting" list.
// "{n}", "{a}", "{b}" and "{total}" stand for numbers, "{q}" for the words searched, "{hits}" and
// "{pages}" for the counts of hits and pages.

const TEXTS = {
  English: {
    moreHits: 'Show more', search: 'Search', searchResults: 'Search results', searching: 'Searching…', noHits: 'No hits for “{q}”',
    hitCount: '{hits} on {pages}', hitOne: '1 hit', hitMany: '{n} hits', pageOne: '1 page', pageMany: '{n} pages',
    textFailed: 'The text of this book could not be loaded.',
    first: 'First page', prev: 'Previous page', next: 'Next page', last: 'Last page',
    thumbnails: 'Thumbnails', outline: 'Contents', fullscreen: 'Full screen', sound: 'Sound', page: 'Page',
    zoomIn: 'Zoom in', zoomOut: 'Zoom out', more: 'More', navigation: 'Pages',
    pageN: 'Page {n}', pageFailed: 'Page {n} could not be loaded', shownPage: 'Page {n} of {total}',
    shownPages: 'Pages {a} and {b} of {total}',
    cannotOpen: 'This book could not be opened.',
    howToView: 'To view it, serve the folder over http, for example with',
    print: 'Print', printWhat: 'Print pages', printShown: 'The pages shown', printAll: 'The whole book', printRange: 'Pages',
    printRangeHint: 'such as 3-7', printBad: 'Choose pages from 1 to {total}, such as 3-7.', printGo: 'Print', cancel: 'Cancel',
    download: 'Download PDF', share: 'Share', linkCopied: 'Link copied', copyThis: 'Copy this link:',
    resumed: 'Opened at page {n}, where you left off.', backToStart: 'Back to the start',
    autoPlay: 'Auto-play', autoPlayOn: 'Auto-play started', autoPlayOff: 'Auto-play stopped',
  },
  German: {
    moreHits: 'Mehr zeigen', search: 'Suchen', searchResults: 'Suchergebnisse', searching: 'Suche läuft…', noHits: 'Keine Treffer für „{q}“',
    hitCount: '{hits} auf {pages}', hitOne: '1 Treffer', hitMany: '{n} Treffer', pageOne: '1 Seite', pageMany: '{n} Seiten',
    textFailed: 'Der Text dieses Buches konnte nicht geladen werden.',
    first: 'Erste Seite', prev: 'Vorherige Seite', next: 'Nächste Seite', last: 'Letzte Seite',
    thumbnails: 'Miniaturansichten', outline: 'Inhalt', fullscreen: 'Vollbild', sound: 'Ton', page: 'Seite',
    zoomIn: 'Vergrößern', zoomOut: 'Verkleinern', more: 'Mehr', navigation: 'Seiten',
    pageN: 'Seite {n}', pageFailed: 'Seite {n} konnte nicht geladen werden', shownPage: 'Seite {n} von {total}',
    shownPages: 'Seiten {a} und {b} von {total}',
    cannotOpen: 'Dieses Buch konnte nicht geöffnet werden.',
    howToView: 'Stellen Sie den Ordner über http bereit, zum Beispiel mit',
    print: 'Drucken', printWhat: 'Seiten drucken', printShown: 'Die angezeigten Seiten', printAll: 'Das ganze Buch', printRange: 'Seiten',
    printRangeHint: 'etwa 3-7', printBad: 'Wählen Sie Seiten von 1 bis {total}, etwa 3-7.', printGo: 'Drucken', cancel: 'Abbrechen',
    download: 'PDF herunterladen', share: 'Teilen', linkCopied: 'Link kopiert', copyThis: 'Diesen Link kopieren:',
    resumed: 'Auf Seite {n} geöffnet, wo Sie aufgehört haben.', backToStart: 'Zurück zum Anfang',
    autoPlay: 'Automatisch blättern', autoPlayOn: 'Automatisches Blättern gestartet', autoPlayOff: 'Automatisches Blättern angehalten',
  },
  French: {
    moreHits: 'Afficher plus', search: 'Rechercher', searchResults: 'Résultats de la recherche', searching: 'Recherche…', noHits: 'Aucun résultat pour « {q} »',
    hitCount: '{hits} sur {pages}', hitOne: '1 résultat', hitMany: '{n} résultats', pageOne: '1 page', pageMany: '{n} pages',
    textFailed: "Le texte de ce livre n'a pas pu être chargé.",
    first: 'Première page', prev: 'Page précédente', next: 'Page suivante', last: 'Dernière page',
    thumbnails: 'Miniatures', outline: 'Sommaire', fullscreen: 'Plein écran', sound: 'Son', page: 'Page',
    zoomIn: 'Agrandir', zoomOut: 'Réduire', more: 'Plus', navigation: 'Pages',
    pageN: 'Page {n}', pageFailed: "La page {n} n'a pas pu être chargée", shownPage: 'Page {n} sur {total}',
    shownPages: 'Pages {a} et {b} sur {total}',
    cannotOpen: "Ce livre n'a pas pu être ouvert.",
    howToView: 'Pour le lire, servez le dossier en http, par exemple avec',
    print: 'Imprimer', printWhat: 'Imprimer des pages', printShown: 'Les pages affichées', printAll: 'Le livre entier', printRange: 'Pages',
    printRangeHint: 'par exemple 3-7', printBad: 'Choisissez des pages de 1 à {total}, par exemple 3-7.', printGo: 'Imprimer', cancel: 'Annuler',
    download: 'Télécharger le PDF', share: 'Partager', linkCopied: 'Lien copié', copyThis: 'Copiez ce lien :',
    resumed: 'Ouvert à la page {n}, là où vous vous étiez arrêté.', backToStart: 'Revenir au début',
    autoPlay: 'Lecture automatique', autoPlayOn: 'Lecture automatique lancée', autoPlayOff: 'Lecture automatique arrêtée',
  },
  Spanish: {
    moreHits: 'Mostrar más', search: 'Buscar', searchResults: 'Resultados de la búsqueda', searching: 'Buscando…', noHits: 'No hay resultados para «{q}»',
    hitCount: '{hits} en {pages}', hitOne: '1 resultado', hitMany: '{n} resultados', pageOne: '1 página', pageMany: '{n} páginas',
    textFailed: 'No se pudo cargar el texto de este libro.',
    first: 'Primera página', prev: 'Página anterior', next: 'Página siguiente', last: 'Última página',
    thumbnails: 'Miniaturas', outline: 'Índice', fullscreen: 'Pantalla completa', sound: 'Sonido', page: 'Página',
    zoomIn: 'Acercar', zoomOut: 'Alejar', more: 'Más', navigation: 'Páginas',
    pageN: 'Página {n}', pageFailed: 'No se pudo cargar la página {n}', shownPage: 'Página {n} de {total}',
    shownPages: 'Páginas {a} y {b} de {total}',
    cannotOpen: 'No se pudo abrir este libro.',
    howToView: 'Para verlo, sirva la carpeta por http, por ejemplo con',
    print: 'Imprimir', printWhat: 'Imprimir páginas', printShown: 'Las páginas mostradas', printAll: 'Todo el libro', printRange: 'Páginas',
    printRangeHint: 'por ejemplo 3-7', printBad: 'Elija páginas del 1 al {total}, por ejemplo 3-7.', printGo: 'Imprimir', cancel: 'Cancelar',
    download: 'Descargar PDF', share: 'Compartir', linkCopied: 'Enlace copiado', copyThis: 'Copie este enlace:',
    resumed: 'Abierto en la página {n}, donde lo dejó.', backToStart: 'Volver al principio',
    autoPlay: 'Reproducción automática', autoPlayOn: 'Reproducción automática iniciada', autoPlayOff: 'Reproducción automática detenida',
  },
  Chinese: {
    moreHits: '显示更多', search: '搜索', searchResults: '搜索结果', searching: '正在搜索…', noHits: '未找到“{q}”',
    hitCount: '{pages}中有 {hits}', hitOne: '1 处结果', hitMany: '{n} 处结果', pageOne: '1 页', pageMany: '{n} 页',
    textFailed: '无法加载此书的文字。',
    first: '第一页', prev: '上一页', next: '下一页', last: '最后一页',
    thumbnails: '缩略图', outline: '目录', fullscreen: '全屏', sound: '声音', page: '页',
    zoomIn: '放大', zoomOut: '缩小', more: '更多', navigation: '页面',
    pageN: '第 {n} 页', pageFailed: '第 {n} 页无法加载', shownPage: '第 {n} 页，共 {total} 页',
    shownPages: '第 {a} 页和第 {b} 页，共 {total} 页',
    cannotOpen: '无法打开此书。',
    howToView: '请通过 http 提供该文件夹，例如使用',
    print: '打印', printWhat: '打印页面', printShown: '当前显示的页面', printAll: '整本书', printRange: '页码',
    printRangeHint: '例如 3-7', printBad: '请选择 1 到 {total} 之间的页码，例如 3-7。', printGo: '打印', cancel: '取消',
    download: '下载 PDF', share: '分享', linkCopied: '链接已复制', copyThis: '复制此链接：',
    resumed: '已在您上次读到的第 {n} 页打开。', backToStart: '回到开头',
    autoPlay: '自动翻页', autoPlayOn: '自动翻页已开始', autoPlayOff: '自动翻页已停止',
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
