// PDF files written byte by byte for the player tests: plain pages with link annotations
// (web links and links to other pages), lines of text and nested bookmarks, to import with pagewind-cli.

const rect = (r) => '[' + r.x + ' ' + r.y + ' ' + (r.x + r.width) + ' ' + (r.y + r.height) + ']';
const ref = (n) => n + ' 0 R';

/**
 * `pages`: [{ width, height, links: [{ x, y, width, height, uri } | { ..., target }], lines: ['text', ...] }]
 * (target from 0; lines in 24-point Helvetica from the top left, Latin-1 letters);
 * `bookmarks`: [{ title, page, children }] (page from 0). Returns the file as a Buffer.
 */
export function makePdf(pages, bookmarks = []) {
  const bodies = new Map();
  let last = 0;
  const reserve = () => ++last;
  const catalog = reserve();
  const tree = reserve();
  const pageObjects = pages.map(() => [reserve(), reserve()]);
  pages.forEach((page, i) => {
    const [pageObject, contentObject] = pageObjects[i];
    const [w, h] = [page.width || 612, page.height || 792];
    const annots = (page.links || []).map((l) => {
      const action = l.uri !== undefined
        ? '/A << /S /URI /URI (' + l.uri + ') >>'
        : '/A << /S /GoTo /D [' + ref(pageObjects[l.target][0]) + ' /Fit] >>';
      return '<< /Type /Annot /Subtype /Link /Rect ' + rect(l) + ' /Border [0 0 0] ' + action + ' >>';
    }).join(' ');
    bodies.set(pageObject, '<< /Type /Page /Parent ' + ref(tree) + ' /MediaBox [0 0 ' + w + ' ' + h + '] /Contents '
      + ref(contentObject) + (annots ? ' /Annots [' + annots + ']' : '')
      + (page.lines ? ' /Resources << /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >> >> >>' : '')
      + ' >>');
    // A band whose height tells the pages apart, as in the picture books.
    let content = '0.2 0.4 0.8 rg 40 ' + (h - 80 - i * 20) + ' ' + (w - 80) + ' 20 re f';
    if (page.lines) {
      const quoted = page.lines.map((l) => '(' + l.replace(/[()\\]/g, '\\$&') + ") '").join(' ');
      content += ' 0 g BT /F1 24 Tf 30 TL 60 ' + (h - 100) + ' Td ' + quoted + ' ET';
    }
    bodies.set(contentObject, '<< /Length ' + content.length + ' >>\nstream\n' + content + '\nendstream');
  });
  bodies.set(tree, '<< /Type /Pages /Kids [' + pageObjects.map(([p]) => ref(p)).join(' ') + '] /Count ' + pages.length + ' >>');

  const writeLevel = (items, parent) => {
    const objects = items.map(() => reserve());
    let count = 0;
    items.forEach((item, i) => {
      const children = writeLevel(item.children || [], objects[i]);
      let body = '<< /Title (' + item.title + ') /Parent ' + ref(parent) + ' /Dest [' + ref(pageObjects[item.page][0]) + ' /Fit]';
      if (i > 0) body += ' /Prev ' + ref(objects[i - 1]);
      if (i + 1 < items.length) body += ' /Next ' + ref(objects[i + 1]);
      if (children.count) body += ' /First ' + ref(children.first) + ' /Last ' + ref(children.last) + ' /Count ' + children.count;
      bodies.set(objects[i], body + ' >>');
      count += 1 + children.count;
    });
    return { first: objects[0], last: objects[objects.length - 1], count };
  };
  let catalogBody = '<< /Type /Catalog /Pages ' + ref(tree);
  if (bookmarks.length) {
    const outlines = reserve();
    const top = writeLevel(bookmarks, outlines);
    bodies.set(outlines, '<< /Type /Outlines /First ' + ref(top.first) + ' /Last ' + ref(top.last) + ' /Count ' + top.count + ' >>');
    catalogBody += ' /Outlines ' + ref(outlines);
  }
  bodies.set(catalog, catalogBody + ' >>');

  let out = '%PDF-1.7\n';
  const offsets = [];
  for (let n = 1; n <= last; n++) {
    offsets[n] = out.length;
    out += n + ' 0 obj\n' + bodies.get(n) + '\nendobj\n';
  }
  const xref = out.length;
  out += 'xref\n0 ' + (last + 1) + '\n0000000000 65535 f \n';
  for (let n = 1; n <= last; n++) out += String(offsets[n]).padStart(10, '0') + ' 00000 n \n';
  out += 'trailer\n<< /Size ' + (last + 1) + ' /Root ' + ref(catalog) + ' >>\nstartxref\n' + xref + '\n%%EOF\n';
  return Buffer.from(out, 'latin1');
}
