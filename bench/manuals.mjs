// Real manuals as readers meet them: each imported by pagewind-cli with its defaults, then
//   sizes      the book on disk by folder (page pictures, thumbnails, detail tiles, text), per page
//   detail     the forms of zoom detail measured on the same pages: our tiles, one larger picture
//              (pdftoppm, 360 dpi, JPEG 85), MuPDF's SVG (mutool draw -F svg); bytes on disk a page,
//              and bytes fetched by a zoom over the bytes of what the screen shows of that form
//   zoom       in headless Chromium over http: a 3x phone (390x844) at three times the fitted
//              width and a desktop (1280x800) at four times, page 3: picture pixels a device pixel
//              of the tiles, bytes fetched, and fetched over shown
//   search     the long book: the first search at once after opening, the first after the text
//              has come in the background, a later one, and a word with thousands of hits
// Usage: node bench/manuals.mjs PAGEWIND_CLI WORK_FOLDER MANUAL.pdf... LONG.pdf, or
// node bench/manuals.mjs PAGEWIND_CLI WORK_FOLDER --search BOOK_FOLDER for the search alone. Prints JSON.
import { execFileSync } from 'node:child_process';
import { readdirSync, statSync, mkdirSync, rmSync } from 'node:fs';
import { join, basename } from 'node:path';
import { launch, serve } from '../tests/player/harness.mjs';

const [cli, work, ...pdfs] = process.argv.slice(2);
const long = pdfs.pop();
const sizeOf = (dir) => readdirSync(dir, { withFileTypes: true })
  .reduce((n, e) => n + (e.isDirectory() ? sizeOf(join(dir, e.name)) : statSync(join(dir, e.name)).size), 0);
const kb = (bytes) => Math.round(bytes / 1024);

function importBook(pdf, name) {
  const folder = join(work, name);
  rmSync(folder, { recursive: true, force: true });
  const t0 = performance.now();
  execFileSync(cli, ['import', '-o', folder, pdf], { stdio: 'ignore' });
  return { folder, seconds: Math.round(performance.now() - t0) / 1000 };
}

function sizes(folder) {
  const files = join(folder, 'files');
  const count = readdirSync(join(files, 'page')).length;
  const part = (name) => { try { return sizeOf(join(files, name)); } catch (e) { return 0; } };
  const total = sizeOf(files);
  const before = total - part('thumb') - part('large');
  return { pages: count, pageKB: kb(part('page') / count), thumbKB: Math.round(part('thumb') / count / 102.4) / 10,
    largeKB: kb(part('large') / count), textKB: kb(part('search')), bookKB: kb(total), withoutThumbsAndDetailKB: kb(before),
    growth: Math.round(total / before * 100) / 100 };
}

function otherForms(pdf, pages) {
  const dir = join(work, 'forms-' + basename(pdf, '.pdf'));
  rmSync(dir, { recursive: true, force: true });
  mkdirSync(dir, { recursive: true });
  execFileSync('pdftoppm', ['-r', '360', '-jpeg', '-jpegopt', 'quality=85', pdf, join(dir, 'large')]);
  execFileSync('mutool', ['draw', '-q', '-F', 'svg', '-o', join(dir, 'page%d.svg'), pdf], { stdio: 'ignore' });
  const sum = (suffix) => readdirSync(dir).filter((f) => f.endsWith(suffix)).reduce((n, f) => n + statSync(join(dir, f)).size, 0);
  return { largerPictureKB: kb(sum('.jpg') / pages), svgKB: kb(sum('.svg') / pages) };
}

const browser = await launch();

/** Zooms page 3 to `scale` on `device` and measures what its tiles bring. */
async function zoom(folder, device, scale) {
  const server = await serve(folder);
  const context = await browser.newContext(device);
  const page = await context.newPage();
  const fetched = new Map();
  page.on('requestfinished', async (r) => {
    if (r.url().includes('/files/large/')) fetched.set(r.url().replace(/.*\//, ''), (await r.sizes()).responseBodySize);
  });
  await page.goto(server.url + 'index.html#page=3');
  await page.waitForSelector('#pagewind.pw-ready');
  await page.waitForTimeout(800);
  const opening = fetched.size;
  await page.evaluate((s) => {
    const r = document.querySelector('.pw-slot .pw-page[data-page="3"]').getBoundingClientRect();
    window.pagewindPlayer.zoom.zoomTo(s, r.left + r.width / 2, r.top + r.height / 2, false);
  }, scale);
  await page.waitForFunction(() => [...document.querySelectorAll('.pw-tile')].every((t) => t.classList.contains('pw-tile-ready'))
    && document.querySelectorAll('.pw-tile').length, null, { timeout: 20000 });
  await page.waitForTimeout(300);
  // Each tile's share on the stage, its picture pixels a device pixel.
  const tiles = await page.evaluate(() => {
    const st = document.querySelector('.pw-stage').getBoundingClientRect();
    const seen = (a, b, c, d) => Math.max(0, Math.min(b, d) - Math.max(a, c));
    return [...document.querySelectorAll('.pw-tile')].map((t) => {
      const r = t.getBoundingClientRect();
      return { name: t.dataset.tile, shown: seen(r.left, r.right, st.left, st.right) * seen(r.top, r.bottom, st.top, st.bottom) / (r.width * r.height),
        ratio: t.naturalWidth / (r.width * devicePixelRatio) };
    });
  });
  const shareOfPage = await page.evaluate(() => {
    const st = document.querySelector('.pw-stage').getBoundingClientRect();
    const r = document.querySelector('.pw-slot .pw-page[data-page="3"]').getBoundingClientRect();
    const seen = (a, b, c, d) => Math.max(0, Math.min(b, d) - Math.max(a, c));
    return seen(r.left, r.right, st.left, st.right) * seen(r.top, r.bottom, st.top, st.bottom) / (r.width * r.height);
  });
  await context.close();
  await server.close();
  const bytes = tiles.reduce((n, t) => n + (fetched.get(t.name) || 0), 0);
  const shownBytes = tiles.reduce((n, t) => n + (fetched.get(t.name) || 0) * t.shown, 0);
  return { openingFetches: opening, tiles: tiles.length, fetchedKB: kb(bytes), fetchedOverShown: Math.round(bytes / shownBytes * 100) / 100,
    pictureOverDevicePixels: Math.round(Math.min(...tiles.map((t) => t.ratio)) * 100) / 100, shareOfPage: Math.round(shareOfPage * 1000) / 1000 };
}

const PHONE = { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 };
const DESKTOP = { viewport: { width: 1280, height: 800 } };

/**
 * Search times in ms over http, measured in the page from the Enter key to the first hit listed
 * and to the count of hits (no round trips of the test driver in them).
 */
async function search(folder) {
  const server = await serve(folder);
  const times = {};
  const context = await browser.newContext(DESKTOP);
  const run = async (page, words) => {
    await page.fill('.pw-search-field', words);
    await page.evaluate(() => {
      const field = document.querySelector('.pw-search-field');
      const list = document.querySelector('.pw-results');
      const count = document.querySelector('.pw-search-count');
      window.pwTimes = {};
      field.addEventListener('keydown', () => { window.pwTimes.start = performance.now(); }, { capture: true, once: true });
      const seen = new MutationObserver(() => {
        const t = window.pwTimes;
        if (!t.firstHit && list.children.length) t.firstHit = performance.now() - t.start;
        if (/hits? on|No hits/.test(count.textContent)) { t.count = performance.now() - t.start; seen.disconnect(); }
      });
      seen.observe(document.querySelector('.pw-panel-search'), { childList: true, subtree: true, characterData: true });
    });
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => window.pwTimes.count !== undefined, null, { timeout: 30000 });
    const t = await page.evaluate(() => window.pwTimes);
    return { firstHit: Math.round(t.firstHit || t.count), count: Math.round(t.count) };
  };
  const open = async () => {
    const page = await context.newPage();
    await page.goto(server.url + 'index.html');
    await page.waitForSelector('#pagewind.pw-ready');
    return page;
  };
  let page = await open();
  times.firstAtOnce = await run(page, 'certificate');
  await page.close();
  page = await open();
  const t0 = performance.now();
  await page.waitForFunction(() => window.pagewindPlayer.search.text.index.complete && !window.pagewindPlayer.search.text.index.raw.size,
    null, { timeout: 30000 });
  times.textInBackground = Math.round(performance.now() - t0);
  times.firstAfterBackground = await run(page, 'certificate');
  await page.waitForTimeout(1000);
  times.later = await run(page, 'structure');
  await page.waitForTimeout(1000);
  times.thousandsOfHits = await run(page, 'the');
  times.hits = await page.textContent('.pw-search-count');
  times.listed = await page.$$eval('.pw-result', (l) => l.length);
  await context.close();
  await server.close();
  return times;
}

if (pdfs[0] === '--search') {
  console.log(JSON.stringify(await search(long)));
  await browser.close();
  process.exit(0);
}

const result = { manuals: {} };
for (const pdf of pdfs) {
  const name = basename(pdf, '.pdf');
  const { folder, seconds } = importBook(pdf, name);
  const s = sizes(folder);
  result.manuals[name] = { importSeconds: seconds, ...s, ...otherForms(pdf, s.pages),
    phone3x: await zoom(folder, PHONE, 3), desktop4x: await zoom(folder, DESKTOP, 4) };
}
const { folder, seconds } = importBook(long, 'long');
result.long = { importSeconds: seconds, ...sizes(folder), search: await search(folder) };
await browser.close();
console.log(JSON.stringify(result, null, 1));
