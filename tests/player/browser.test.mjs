// The player in headless Chromium against books served on 127.0.0.1.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { writeFileSync, unlinkSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { samplePictures } from './fixture.mjs';
import { makePdf } from './pdf.mjs';
import { serve, launch, publishBook, importBook, scratch, shotPath } from './harness.mjs';

let context;
const servers = [];

before(async () => { context = await launch(); });
after(async () => {
  await context.close();
  for (const s of servers) await s.close();
});

async function served(dir) {
  const server = await serve(dir);
  servers.push(server);
  return { dir, url: server.url + 'index.html' };
}

/** A book of `pages` sample pictures published by pagewind-cli. */
async function book(name, { pages, template, config, title }) {
  const dir = scratch(name);
  const samples = samplePictures(join(dir, '..', '.pictures'));
  const pictures = Array.from({ length: pages }, (_, i) => samples[i % samples.length]);
  publishBook(join(dir, 'book'), pictures, { template, config, title });
  return served(join(dir, 'book'));
}

/** A book imported by pagewind-cli from the PDF bytes. */
async function importedBook(name, pdfBytes, options) {
  const dir = scratch(name);
  writeFileSync(join(dir, 'in.pdf'), pdfBytes);
  importBook(join(dir, 'book'), join(dir, 'in.pdf'), options);
  return served(join(dir, 'book'));
}

async function open(url) {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  await page.goto(url);
  await page.waitForSelector('#pagewind.pw-ready, #pagewind.pw-failed', { timeout: 10000 });
  page.errors = errors;
  return page;
}

const shown = (page) => page.evaluate(() => document.getElementById('pagewind').dataset.pages);
const settle = (page, pages) => page.waitForFunction((want) => document.getElementById('pagewind').dataset.pages === want
  && !document.querySelector('.pw-leaf.pw-turning'), pages, { timeout: 5000 });

test('opens with the right page count and turns by key to the last page and back', async () => {
  const { url } = await book('keys', { pages: 11, config: { flipSpeed: '80', pageWidth: '300', pageHeight: '400' } });
  const page = await open(url);
  assert.equal(await page.textContent('.pw-page-total'), '/ 11');
  assert.equal(await shown(page), '1');
  await page.screenshot({ path: shotPath('opened-book') });
  const spreads = ['2,3', '4,5', '6,7', '8,9', '10,11'];
  for (const want of spreads) {
    await page.keyboard.press('ArrowRight');
    await settle(page, want);
  }
  await page.keyboard.press('ArrowRight');
  await settle(page, '10,11');
  await page.keyboard.press('Home');
  await settle(page, '1');
  await page.keyboard.press('End');
  await settle(page, '10,11');
  await page.keyboard.press('PageUp');
  await settle(page, '8,9');
  await page.keyboard.press('ArrowLeft');
  await settle(page, '6,7');
  assert.match(page.url(), /#page=6$/);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('edge clicks and corner drags turn; a short drag falls back', async () => {
  const { url } = await book('pointer', { pages: 6, config: { flipSpeed: '300', pageWidth: '300', pageHeight: '400' } });
  const page = await open(url);
  const box = await page.locator('.pw-slot.pw-right').boundingBox();
  const y = box.y + box.height * 0.9;
  await page.mouse.click(box.x + box.width - 8, y);
  await settle(page, '2,3');
  // Corner drag: the leaf follows the pointer; a screenshot is taken mid-turn.
  await page.mouse.move(box.x + box.width - 5, y);
  await page.mouse.down();
  await page.mouse.move(box.x + box.width * 0.6, y, { steps: 5 });
  await page.mouse.move(box.x + box.width * 0.1, y, { steps: 5 });
  const angle = await page.evaluate(() => document.querySelector('.pw-leaf').style.transform);
  assert.match(angle, /rotateY\(-\d+/);
  await page.screenshot({ path: shotPath('mid-turn') });
  await page.mouse.move(box.x - box.width * 0.7, y, { steps: 5 });
  await page.mouse.up();
  await settle(page, '4,5');
  await page.mouse.move(box.x + box.width - 5, y);
  await page.mouse.down();
  await page.mouse.move(box.x + box.width * 0.8, y, { steps: 3 });
  await page.mouse.up();
  await settle(page, '4,5');
  await page.mouse.move(box.x + box.width - 5, y);
  await page.mouse.down();
  await page.mouse.move(box.x - box.width * 0.8, y, { steps: 8 });
  await page.mouse.up();
  await settle(page, '6');
  const left = await page.locator('.pw-slot.pw-left').boundingBox();
  await page.mouse.click(left.x + 8, y);
  await settle(page, '4,5');
  await page.close();
});

test('#page=N opens there, the outline turns, hot spots open web links and turn pages', async () => {
  // Document pages 3 to 10 of a PDF with links on page 5 (the book's third) and two bookmarks.
  const pdfPages = Array.from({ length: 10 }, () => ({}));
  pdfPages[4].links = [
    { x: 61, y: 700, width: 306, height: 60, uri: 'https://example.org/target' },
    { x: 61, y: 550, width: 306, height: 60, uri: 'javascript:alert(1)' },
    { x: 61, y: 400, width: 306, height: 60, target: 8 },
  ];
  const { url } = await importedBook('links', makePdf(pdfPages, [
    { title: 'Chapter', page: 2, children: [{ title: 'Section', page: 7 }] }]), {
    range: '3-10', links: true, bookmarks: true, config: { flipSpeed: '60', pageWidth: '300', pageHeight: '400' },
  });
  const page = await open(url + '#page=3');
  assert.equal(await shown(page), '2,3');
  const spots = page.locator('.pw-slot[data-page="3"] .pw-link');
  assert.equal(await spots.count(), 3);
  assert.equal(await spots.nth(0).getAttribute('href'), 'https://example.org/target');
  assert.equal(await spots.nth(1).getAttribute('href'), null, 'javascript: is never opened');
  await context.route('https://example.org/**', (r) => r.fulfill({ body: 'ok', contentType: 'text/plain' }));
  const [popup] = await Promise.all([context.waitForEvent('page'), spots.nth(0).click()]);
  await popup.waitForLoadState();
  assert.equal(popup.url(), 'https://example.org/target');
  await popup.close();
  await spots.nth(1).click();
  assert.equal(await shown(page), '2,3', 'unsafe targets do nothing');
  await spots.nth(2).click();
  await settle(page, '6,7'); // document page 9 is book page 7
  await page.click('.pw-btn-outline');
  await page.click('.pw-outline-entry >> text=Chapter');
  await settle(page, '1');
  await page.click('.pw-outline-entry >> text=Section');
  await settle(page, '6,7');
  await page.fill('.pw-page-field', '5');
  await page.press('.pw-page-field', 'Enter');
  await settle(page, '4,5');
  assert.match(page.url(), /#page=5$/);
  await page.evaluate(() => { location.hash = '#page=8'; });
  await settle(page, '8');
  await page.close();
});

test('zoom shows the large picture, wheel zooms and drags pan', async () => {
  const { url } = await book('zoom', { pages: 4, template: 'classic', config: { pageWidth: '300', pageHeight: '400', bookTitle: 'Classic' } });
  const page = await open(url + '#page=2');
  await page.dblclick('.pw-slot[data-page="2"]');
  await page.waitForSelector('.pw-zoom:not([hidden])');
  assert.equal(await page.getAttribute('.pw-zoom-img', 'src'), './files/page/2.jpg');
  await page.waitForFunction(() => document.querySelector('.pw-zoom-img').complete);
  const before = await page.evaluate(() => document.querySelector('.pw-zoom-img').style.transform);
  await page.mouse.move(640, 400);
  await page.mouse.wheel(0, -300);
  await page.mouse.down();
  await page.mouse.move(700, 450, { steps: 3 });
  await page.mouse.up();
  const afterZoom = await page.evaluate(() => document.querySelector('.pw-zoom-img').style.transform);
  assert.notEqual(afterZoom, before);
  await page.screenshot({ path: shotPath('zoom') });
  await page.keyboard.press('Escape');
  await page.waitForSelector('.pw-zoom[hidden]', { state: 'attached' });
  assert.equal(await page.title(), 'Classic');
  await page.close();
});

test('narrow screens show one page at a time; right-to-left books turn the other way', async () => {
  const { url } = await book('rtl', { pages: 5, config: { flipSpeed: '60', readingDirection: 'right-to-left', languageSetting: 'German' } });
  const page = await open(url);
  assert.equal(await page.getAttribute('.pw-btn-next', 'title'), 'Nächste Seite');
  await page.keyboard.press('ArrowLeft');
  await settle(page, '2,3');
  assert.equal(await page.getAttribute('.pw-slot.pw-left', 'data-page'), '3');
  await page.setViewportSize({ width: 420, height: 800 });
  await settle(page, '2');
  await page.keyboard.press('ArrowLeft');
  await settle(page, '3');
  await page.keyboard.press('ArrowRight');
  await settle(page, '2');
  await page.close();
});

test('a missing or corrupt book.bin, and a file: page in plain Chromium, show the message', async () => {
  const corrupt = await book('corrupt', { pages: 2 });
  writeFileSync(join(corrupt.dir, 'files', 'book.bin'), 'garbage that is not a book');
  const missing = await book('missing', { pages: 2 });
  unlinkSync(join(missing.dir, 'files', 'book.bin'));
  const local = await book('local', { pages: 2 });
  for (const [name, url, reason] of [['corrupt', corrupt.url, /damaged/], ['missing', missing.url, /missing/],
    ['file', pathToFileURL(join(local.dir, 'index.html')).href, /file|missing/]]) {
    const page = await open(url);
    const text = await page.textContent('.pw-message');
    assert.match(text, /serve the folder over http, for example with pagewind-cli serve FOLDER/, name);
    assert.match(text, reason, name);
    await page.close();
  }
});

test('a 500-page book opens about as fast as a 10-page one and loads only nearby pages', async () => {
  const times = {};
  for (const pages of [10, 500]) {
    const { url } = await book('size' + pages, { pages });
    const page = await context.newPage();
    const requested = [];
    page.on('request', (r) => { if (r.url().includes('/files/page/')) requested.push(r.url()); });
    const t0 = Date.now();
    await page.goto(url + '#page=1');
    await page.waitForSelector('#pagewind.pw-ready');
    times[pages] = Date.now() - t0;
    assert.ok(requested.length <= 16, pages + ' pages: ' + requested.length + ' pictures requested');
    await page.close();
  }
  console.log('open time (ms): ' + JSON.stringify(times));
  assert.ok(times[500] < times[10] * 3 + 500, JSON.stringify(times));
});
