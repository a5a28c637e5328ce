// The published book in headless Chromium, as readers meet it: from a file and over http, on a
// desktop and a touch phone. Screenshots go to the build folder's player-screenshots/.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { writeFileSync, readFileSync, unlinkSync, cpSync, readdirSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { makePdf } from './pdf.mjs';
import {
  open, shown, settle, box, pixels, near, drag, line, sampleBook, served, closeAll, importBook, publishBook, scratch, shotPath,
  colourOf, fetchedOf, act, SOURCE_DIR, DEVICES,
} from './harness.mjs';

after(closeAll);

/**
 * A book imported from a PDF of 52 pages (two chunks of text), served: words on pages 1, 3, 4, 6 and 52,
 * "Café" among them in several cases and accents and "inter-national" over a line end; a link over
 * page 1's words to page 5, and two tiny ones (5 by 6 points, 8 apart) to pages 3 and 6 (TINY); bookmarks
 * to pages 1 and 7, the first holding one to page 5. `config` as --set.
 */
const TINY = [{ x: 500, y: 300, width: 5, height: 6, target: 2 }, { x: 513, y: 300, width: 5, height: 6, target: 5 }];
async function wordsBook(name, config, embed = false) {
  const pdfPages = Array.from({ length: 52 }, () => ({}));
  Object.assign(pdfPages[0], { lines: ['Hello Café world'], links: [{ x: 60, y: 640, width: 300, height: 50, target: 4 }, ...TINY] });
  pdfPages[2].lines = ['the inter-', 'national day'];
  pdfPages[3].lines = ['café au lait', 'CAFE noir'];
  pdfPages[5].lines = ['Cafés'];
  pdfPages[51].lines = ['Café at the end'];
  const dir = scratch(name);
  writeFileSync(join(dir, 'in.pdf'), makePdf(pdfPages, [{ title: 'Part one', page: 0, children: [{ title: 'Inner', page: 4 }] },
    { title: 'Part two', page: 6 }]));
  return served(importBook(join(dir, 'book'), join(dir, 'in.pdf'), { embed, config: { flipSpeed: '100', ...config } }));
}

/**
 * Zooms the shown page (the right one of a spread) to `scale` about the point `at` (shares of the page)
 * and waits for its detail tiles: the fewest picture pixels a device pixel among them, the pages whose
 * detail was fetched, and the tiles' pixels over the pixels of the detail that the stage shows.
 */
async function zoomedDetail(page, scale, at = [0.5, 0.5]) {
  await page.evaluate(([s, [x, y]]) => {
    const r = [...document.querySelectorAll('.pw-slot .pw-page:not(.pw-blank)')].pop().getBoundingClientRect();
    window.pagewindPlayer.zoom.zoomTo(s, r.left + r.width * x, r.top + r.height * y, false);
  }, [scale, at]);
  await page.waitForFunction(() => {
    const tiles = [...document.querySelectorAll('.pw-tile')];
    return tiles.length && tiles.every((t) => t.classList.contains('pw-tile-ready'));
  }, null, { timeout: 10000 });
  await page.waitForTimeout(100);
  const found = await page.evaluate(() => {
    const f = window.pagewindPlayer.zoom.focus;
    const d = window.pagewindPlayer.book.pages[f.page - 1].detail;
    const st = document.querySelector('.pw-stage').getBoundingClientRect();
    const r = f.element.querySelector('.pw-detail').getBoundingClientRect();
    const seen = (a, b, c, e) => Math.max(0, Math.min(b, e) - Math.max(a, c));
    const tiles = [...document.querySelectorAll('.pw-tile')];
    return { ratio: Math.min(...tiles.map((t) => t.naturalWidth / (t.getBoundingClientRect().width * devicePixelRatio))),
      area: tiles.reduce((n, t) => n + t.naturalWidth * t.naturalHeight, 0)
        / (seen(r.left, r.right, st.left, st.right) / r.width * d.width * seen(r.top, r.bottom, st.top, st.bottom) / r.height * d.height) };
  });
  found.pages = [...new Set(fetchedOf(page, '/files/large/').map((f) => f.url.replace(/.*\/large\/(\d+)\/.*/, '$1')))];
  return found;
}

test('the book opens from a file and over http, on a desktop and a phone, turns within itself by button, key and drag, '
  + 'shares, prints, plays by itself and opens again where the reader left it', async () => {
  const book = await sampleBook('open', { pages: 11, config: { flipSpeed: '150', showAutoPlay: 'YES', autoPlayInterval: '1', showDownload: 'YES' } });
  for (const [origin, device] of [['file', 'desktop'], ['http', 'desktop'], ['http', 'phone']]) {
    const [first, second, third] = device === 'phone' ? ['3', '4', '5'] : ['2,3', '4,5', '6,7'];
    const name = origin + '-' + device;
    // Printing is caught where the browser's dialog would open; a phone's share sheet takes what it is given.
    const page = await open(book[origin] + '#page=3', { ...DEVICES[device], permissions: ['clipboard-read', 'clipboard-write'] }, (p) => p.addInitScript(() => {
      window.print = () => { window.printed = [...document.querySelectorAll('.pw-sheet')].map((e) => e.dataset.page).join(','); };
      navigator.share = (data) => { window.shared = data; return Promise.resolve(); };
    }));
    assert.equal(await shown(page), first, name + ': #page=3 opens there');
    assert.equal(await page.locator('.pw-search-field, .pw-number').count(), 0, name + ': no search in pictures, no numbers in float');
    await page.screenshot({ path: shotPath('open-' + name) });
    const next = await box(page, '.pw-btn-next');
    await drag(page, [[next.x + next.width / 2, next.y + next.height / 2]]); // a click, or a tap
    await settle(page, second);
    assert.match(page.url(), new RegExp('#page=' + second.split(',')[0] + '$'), name + ': the address follows');
    await page.keyboard.press('ArrowLeft');
    await settle(page, first);
    // Clicks, taps and flicks on the book itself: reader.test.mjs.
    const b = await box(page, '.pw-book');
    const y = b.y + b.height * 0.8;
    await drag(page, line([b.x + b.width - 4, y], [b.x + b.width * 0.8, y - 10], 4), { rest: true });
    await settle(page, first); // a short drag falls back
    // Dragged straight across, nothing rises above or below the book: the pixels there stay as they were.
    const outside = [0.1, 0.3, 0.5, 0.7, 0.9].map((k) => b.x + k * b.width).flatMap((x) => [[x, b.y - 3], [x, b.y + b.height + 3]]);
    const still = await pixels(page, outside);
    const letGo = await drag(page, line([b.x + b.width - 4, y], [b.x + b.width * 0.1, y], 12), { hold: true });
    await page.waitForTimeout(50);
    const during = await pixels(page, outside, 'drag-' + name);
    during.forEach((rgb, i) => assert.ok(Math.hypot(...rgb.map((v, k) => v - still[i][k])) < 8, name + ': ' + rgb + ' was ' + still[i]));
    await letGo();
    await settle(page, second);
    // A book of pictures asks for no text and no detail; nothing it asks for fails, nothing is logged as an error.
    assert.deepEqual(page.fetched.filter((f) => /files\/(search|large)\//.test(f.url) || f.status >= 400 || (f.status === 0 && origin === 'http'))
      .map((f) => f.url), [], name);
    assert.deepEqual(page.consoleErrors, [], name);

    // Share: a link to the shown page, copied with a note that fades, or handed to a phone's share sheet. (A tap
    // while the flick's fling goes on only stops it, with no click.)
    if (page.touch) await page.waitForTimeout(600);
    const link = book[origin] + '#page=' + second.split(',')[0];
    await act(page, 'share');
    if (device === 'phone') {
      assert.equal(await page.evaluate(() => window.shared.url), link, name);
    } else {
      await page.waitForSelector('.pw-notice:not([hidden]) >> text=Link copied');
      assert.equal(await page.evaluate(() => navigator.clipboard.readText()), link, name);
      await page.screenshot({ path: shotPath('share-' + name) });
    }
    // Print: Ctrl+P the shown pages; the button the pages chosen, a range refused until it names pages of the book.
    await page.keyboard.press('Control+P');
    await page.waitForFunction((want) => window.printed === want, second);
    await act(page, 'print');
    await page.check('.pw-print-dialog input[value="range"]');
    await page.fill('.pw-print-range', '9-99');
    await page.click('.pw-print-go');
    assert.match(await page.textContent('.pw-print-error'), /from 1 to 11/, name);
    await page.fill('.pw-print-range', '3-7');
    await page.click('.pw-print-go');
    await page.waitForFunction(() => window.printed === '3,4,5,6,7');
    assert.ok(await page.isHidden('.pw-print-dialog'), name);
    if (name === 'http-desktop') {
      const pdf = (await page.pdf({ preferCSSPageSize: true })).toString('latin1');
      assert.equal(pdf.match(/\/Type\s*\/Page\b/g).length, 5, 'one sheet a page');
      // Printed, the sheets go; Ctrl+P lays out the shown pages again for a look at them.
      await page.keyboard.press('Control+P');
      await page.emulateMedia({ media: 'print' });
      await page.screenshot({ path: shotPath('print-preview'), fullPage: true });
      assert.ok(await page.isHidden('#pagewind'), 'nothing of the player is printed');
      await page.emulateMedia({ media: 'screen' });
      const download = page.waitForEvent('download');
      await act(page, 'download');
      assert.equal((await download).suggestedFilename(), 'My-Flip-Book.pdf', 'the PDF that was built, under the title');
    }
    await page.waitForSelector('.pw-notice', { state: 'hidden' });
    // Auto-play turns on its own, says so, and a key or a touch stops it.
    await act(page, 'autoPlay');
    assert.equal(await page.getAttribute('.pw-btn-autoPlay', 'aria-pressed'), 'true', name);
    assert.equal(await page.textContent('.pw-live'), 'Auto-play started');
    await page.screenshot({ path: shotPath('autoplay-' + name) });
    await settle(page, third);
    if (device === 'phone') await drag(page, [[195, 300]]);
    else await page.keyboard.press('Shift');
    assert.equal(await page.textContent('.pw-live'), 'Auto-play stopped');
    assert.equal(await page.locator('.pw-play-bar').count(), 0, name);
    await page.waitForTimeout(1200);
    const left = await shown(page);
    assert.equal(left, third, name + ': no turn after the stop');

    // Opened again in the same browser, the book shows where it was left, and offers the start.
    const again = await page.context().newPage();
    await again.goto(book[origin]);
    await again.waitForSelector('.pw-notice:not([hidden]) .pw-notice-action');
    assert.equal(await shown(again), left, name);
    await again.screenshot({ path: shotPath('resume-' + name) });
    await again.click('.pw-notice-action');
    await settle(again, '1');
    await page.done();
  }
});

test('the page folds along the pointer, showing its back and the page beneath, without new layouts; hard covers; classic numbers', async () => {
  const book = await sampleBook('fold', { pages: 8, config: { flipSpeed: '300' } });
  const page = await open(book.http + '#page=2');
  const b = await box(page, '.pw-slot.pw-right');
  const corner = [b.x + b.width - 3, b.y + b.height - 3];
  const to = [b.x + b.width * 0.5, b.y + b.height * 0.7];
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Performance.enable');
  const layouts = async () => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'LayoutCount').value;
  const before = await layouts();
  const letGo = await drag(page, line(corner, to, 20), { hold: true });
  await page.waitForTimeout(50);
  assert.ok(await layouts() - before <= 4, 'frames change transforms, clip paths and opacity, not the layout');
  const toward = [(corner[0] - to[0]) * 0.1, (corner[1] - to[1]) * 0.1];
  const [beneath, back, front] = await pixels(page, [[corner[0] - 8, corner[1] - 8], [to[0] + toward[0], to[1] + toward[1]],
    [b.x + 20, b.y + 20]], 'fold-corner');
  // The page beneath shows at the corner, the folded part shows the back, the rest lies flat.
  assert.deepEqual([near(beneath, colourOf(5)), near(back, colourOf(4)), near(front, colourOf(3))], [true, true, true], [beneath, back, front].join(' / '));
  await letGo();
  await settle(page, '2,3'); // not past the middle: it falls back

  await page.done();

  // Hard covers turn as boards: narrowed, never bent.
  const hard = await sampleBook('hard', { pages: 6, template: 'classic', config: { isHardCover: 'YES', flipSpeed: '300' } });
  const cover = await open(hard.http);
  const c = await box(cover, '.pw-slot.pw-right');
  const release = await drag(cover, line([c.x + c.width - 3, c.y + c.height - 3], [c.x + c.width * 0.45, c.y + c.height * 0.75], 12), { hold: true });
  await cover.waitForTimeout(50);
  const [x1, x2] = [c.x + c.width * 0.15, c.x + c.width * 0.8];
  const board = await pixels(cover, [[x1, c.y + 4], [x1, c.y + c.height - 4], [x2, c.y + 4], [x2, c.y + c.height - 4]], 'hard-cover');
  assert.deepEqual(board.map((rgb, i) => near(rgb, colourOf(i < 2 ? 1 : 3))), [true, true, true, true], JSON.stringify(board));
  await release();
  await settle(cover, '1');

  // The classic template prints the page numbers it promises (the float template has none).
  await cover.keyboard.press('ArrowRight');
  await settle(cover, '2,3');
  assert.deepEqual(await cover.$$eval('.pw-slot .pw-number', (list) => list.map((e) => e.textContent)), ['2', '3']);
  await cover.screenshot({ path: shotPath('numbers-classic') });
  await cover.done();
});

test('on every screen the toolbar controls stand apart, each in the bar or in its menu', async () => {
  const book = await wordsBook('bars', { showDownload: 'YES', showAutoPlay: 'YES' });
  const all = ['first', 'prev', 'next', 'last', 'zoomOut', 'zoomIn', 'thumbnails', 'outline', 'fullscreen', 'sound', 'search', 'print', 'share',
    'download', 'autoPlay'];
  for (const [width, height] of [[320, 640], [375, 667], [390, 844], [768, 1024], [1280, 800], [2560, 1400], [844, 390]]) {
    const touch = width < 1000;
    const page = await open(book.http, { viewport: { width, height }, isMobile: touch, hasTouch: touch });
    const found = await page.evaluate(() => {
      const bar = document.querySelector('.pw-toolbar').getBoundingClientRect();
      const visible = [...document.querySelectorAll('.pw-toolbar button, .pw-toolbar input, .pw-title, .pw-page-total')]
        .filter((e) => e.offsetParent !== null && !e.closest('.pw-menu') && e.getBoundingClientRect().width > 0);
      const rects = visible.map((e) => e.getBoundingClientRect());
      const clashes = [];
      rects.forEach((a, i) => {
        if (a.left < bar.left || a.right > bar.right) clashes.push(visible[i].className + ' sticks out');
        rects.slice(i + 1).forEach((r, j) => {
          if (a.left < r.right && r.left < a.right && a.top < r.bottom && r.top < a.bottom) clashes.push(visible[i].className + ' / ' + visible[i + 1 + j].className);
        });
      });
      const actions = [...document.querySelectorAll('.pw-toolbar [data-action]')].filter((e) => !e.hidden).map((e) => e.dataset.action)
        .concat(document.querySelector('.pw-toolbar .pw-search-field') ? ['search'] : []);
      return { clashes, actions };
    });
    assert.deepEqual(found.clashes, [], width + 'x' + height);
    assert.deepEqual(all.filter((a) => found.actions.indexOf(a) < 0), [], width + 'x' + height + ': every control in the bar or the menu');
    if (found.actions.indexOf('more') >= 0) await page.click('.pw-btn-more');
    await page.screenshot({ path: shotPath('toolbar-' + width + 'x' + height) });
    await page.done();
  }
});

test('zoom goes into the page under the pointer as far as its picture has detail, pans within it and returns', async () => {
  const book = await sampleBook('zoom', { pages: 10, config: { flipSpeed: '120' } });
  const page = await open(book.http + '#page=2');
  // What the stage shows: the page at its centre; whether the book stands in its middle; whether along
  // each side the right page covers it or, when smaller, stands in its middle; CSS pixels a picture pixel.
  const view = () => page.evaluate(() => {
    const s = document.querySelector('.pw-stage').getBoundingClientRect();
    const book = document.querySelector('.pw-book').getBoundingClientRect();
    const p = document.querySelector('.pw-slot.pw-right .pw-page').getBoundingClientRect();
    const img = document.querySelector('.pw-slot.pw-right .pw-img');
    const e = document.elementFromPoint(s.left + s.width / 2, s.top + s.height / 2);
    const fits = (a, b, c, d) => (b - a >= d - c ? a <= c + 1 && b >= d - 1 : Math.abs(a + b - c - d) < 3);
    return { centre: e && e.closest('.pw-page') ? e.closest('.pw-page').dataset.page : '', centred: Math.abs(book.left + book.right - s.left - s.right) < 4,
      bounded: fits(p.left, p.right, s.left, s.right) && fits(p.top, p.bottom, s.top, s.bottom), detail: img.getBoundingClientRect().width / img.naturalWidth };
  });
  const right = await box(page, '.pw-slot.pw-right');
  await page.mouse.dblclick(right.x + right.width / 2, right.y + right.height / 2);
  await page.waitForSelector('#pagewind.pw-zoomed');
  await page.waitForTimeout(350);
  assert.equal((await view()).centre, '3', 'the right page, under the pointer');
  for (let i = 0; i < 8; i++) await page.keyboard.press('+');
  await page.mouse.move(640, 400);
  await page.mouse.wheel(0, -400);
  await page.keyboard.down('Control');
  await page.mouse.wheel(0, -600);
  await page.keyboard.up('Control');
  await page.waitForTimeout(350);
  const { detail } = await view();
  assert.ok(detail > 1.9 && detail < 2.05, 'picture pixels shown at two CSS pixels at most: ' + detail);
  assert.ok(await page.isDisabled('.pw-btn-zoomIn'), 'zoom-in is off at the deepest zoom');
  await page.screenshot({ path: shotPath('zoom-deepest') });
  await drag(page, line([600, 400], [2600, 2400], 6));
  assert.ok((await view()).bounded, 'panning stops at the page edges');
  await page.keyboard.press('0');
  await page.waitForSelector('#pagewind:not(.pw-zoomed)');
  await page.click('.pw-btn-zoomIn');
  await page.waitForSelector('#pagewind.pw-zoomed');
  await page.click('.pw-btn-zoomOut');
  await page.waitForSelector('#pagewind:not(.pw-zoomed)');
  await page.waitForTimeout(350);
  assert.ok((await view()).centred, 'zoomed out, the book is centred again');
  assert.ok(await page.isEnabled('.pw-btn-zoomIn'));

  // Two quick clicks on a corner turn two pages and never zoom.
  await page.evaluate(() => { window.zoomed = false; new MutationObserver(() => { window.zoomed ||= document.getElementById('pagewind').classList.contains('pw-zoomed'); }).observe(document.getElementById('pagewind'), { attributes: true }); });
  await page.mouse.dblclick(right.x + right.width - 5, right.y + right.height - 5);
  await settle(page, '6,7');
  assert.equal(await page.evaluate(() => window.zoomed), false);
  await page.done();

  // On a phone: a double tap zooms in and out, two fingers pinch.
  const phone = await open(book.http + '#page=4', 'phone');
  const p = await box(phone, '.pw-book');
  const [cx, cy] = [p.x + p.width / 2, p.y + p.height / 2];
  for (const zoomed of [true, false]) {
    await phone.touchscreen.tap(cx, cy);
    await phone.waitForTimeout(60);
    await phone.touchscreen.tap(cx, cy);
    await phone.waitForSelector(zoomed ? '#pagewind.pw-zoomed' : '#pagewind:not(.pw-zoomed)');
  }
  const cdp = await phone.context().newCDPSession(phone);
  const fingers = (type, d) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x: cx - d, y: cy, id: 1 }, { x: cx + d, y: cy, id: 2 }] });
  await fingers('touchStart', 30);
  for (const d of [50, 80, 110, 140]) await fingers('touchMove', d);
  await fingers('touchEnd');
  await phone.waitForSelector('#pagewind.pw-zoomed');
  await phone.screenshot({ path: shotPath('phone-pinch') });
  assert.equal(await shown(phone), '4', 'a pinch turns no page');
  await phone.done();
});

test('the shown page loads first, a late picture shows a placeholder, a missing one says so; thumbnails load, close and keep the shape', async () => {
  // Page 250 cannot be fetched and 251 comes late.
  const big = await sampleBook('big', { pages: 500 });
  const requests = [];
  const page = await open(big.http + '#page=250', 'desktop', async (p) => {
    p.on('request', (r) => { if (r.url().includes('/files/page/')) requests.push(r.url()); });
    await p.route('**/files/page/250.jpg', (r) => r.abort());
    await p.route('**/files/page/251.jpg', async (r) => { await new Promise((ok) => setTimeout(ok, 1200)); await r.continue(); });
  });
  await page.waitForSelector('.pw-slot .pw-page[data-page="251"].pw-waiting .pw-spinner', { state: 'visible' });
  assert.equal(await page.textContent('.pw-slot .pw-page[data-page="250"] .pw-page-error'), 'Page 250 could not be loaded');
  assert.equal(await page.$eval('.pw-slot .pw-page[data-page="250"] .pw-img', (i) => getComputedStyle(i).visibility), 'hidden');
  await page.screenshot({ path: shotPath('page-loading-and-failed') });
  await page.waitForSelector('.pw-slot .pw-page[data-page="251"]:not(.pw-waiting)');
  assert.ok(requests.length <= 12, requests.length + ' pictures asked for by the time the shown pages showed');
  await page.click('.pw-btn-thumbnails');
  assert.equal(await page.getAttribute('.pw-btn-thumbnails', 'aria-pressed'), 'true');
  await page.waitForTimeout(300);
  const loaded = await page.$$eval('.pw-thumb img[src]', (list) => list.length);
  assert.ok(loaded > 0 && loaded < 40, loaded + ' thumbnails loaded of 500');
  await page.$eval('.pw-panel-thumbs', (e) => { e.scrollTop = e.scrollHeight; });
  await page.waitForSelector('.pw-thumb[data-page="500"] img[src]');
  await page.keyboard.press('Escape');
  await page.waitForSelector('.pw-panel-thumbs', { state: 'hidden' });
  await page.done();

  // Picture books take the pictures' shape (the landscape demonstration pictures fill their pages and
  // thumbnails), a landscape phone shows spreads of them, and on a phone the panel makes way once a page is chosen.
  const pictures = readdirSync(join(SOURCE_DIR, 'resources', 'DemoImgs')).sort().map((f) => join(SOURCE_DIR, 'resources', 'DemoImgs', f));
  const demo = await served(publishBook(join(scratch('demo'), 'book'), pictures, { title: 'Demonstration' }));
  const landscape = { viewport: { width: 844, height: 390 }, isMobile: true, hasTouch: true };
  for (const [device, name, single] of [['desktop', 'desktop', false], ['phone', 'phone', true], [landscape, 'landscape', false]]) {
    const p = await open(demo.http, device);
    await p.waitForSelector('.pw-slot .pw-page:not(.pw-waiting):not(.pw-blank)');
    const bars = await p.$eval('.pw-slot .pw-page:not(.pw-blank) .pw-img', (i) => {
      const r = i.getBoundingClientRect();
      return Math.abs(r.width / r.height - i.naturalWidth / i.naturalHeight) * r.height;
    });
    assert.ok(bars < 1.5, name + ': ' + bars + ' pixels of white bars');
    assert.equal(await p.evaluate(() => window.pagewindPlayer.view.single), single, name);
    await p.screenshot({ path: shotPath('demo-' + name) });
    const choose = (selector) => (device === 'desktop' ? p.click(selector) : p.tap(selector));
    await choose('.pw-btn-thumbnails');
    const shape = await p.$eval('.pw-thumb img', (i) => i.getBoundingClientRect().width / i.getBoundingClientRect().height);
    assert.ok(Math.abs(shape - 1.6) < 0.05, name + ': thumbnail shape ' + shape);
    await p.screenshot({ path: shotPath('thumbnails-' + name) });
    await choose('.pw-thumb[data-page="4"]');
    await settle(p, single ? '4' : '4,5');
    assert.equal(await p.isVisible('.pw-panel-thumbs'), !single, name);
    await p.done();
  }
});

test('every reader is served: alt texts, announcements, focus, keyboard links, toggles, the outline, the icon, text on demand, '
  + 'a page that embeds the book, the plain reading version', async () => {
  const book = await wordsBook('readers', { languageSetting: 'German', bookTitle: 'Café & Co' }, true);
  const requests = [];
  const page = await open(book.http + '#page=2', 'desktop', (p) => {
    p.on('request', (r) => requests.push(r.url().replace(/.*\//, '')));
    p.on('requestfinished', (r) => { if (r.url().includes('/files/page/')) requests.push('picture'); });
  });
  assert.deepEqual(await page.$$eval('.pw-slot .pw-img', (list) => list.map((i) => i.alt)), ['Seite 2', 'Seite 3']);
  assert.ok(!requests.some((u) => u.includes('favicon')), 'the page brings its own icon');
  // The text of the shown pages loads first, after their pictures; the rest follows in the background, each file once.
  await page.waitForSelector('.pw-slot .pw-page[data-page="3"] .pw-text span');
  assert.equal(requests.find((u) => u.startsWith('text-')), 'text-1.js');
  await page.waitForFunction(() => window.pagewindPlayer.search.text.index.complete);
  assert.deepEqual(requests.filter((u) => u.startsWith('text-')), ['text-1.js', 'text-2.js']);
  assert.ok(requests.indexOf('picture') < requests.indexOf('text-1.js'), requests.join(' '));
  await page.keyboard.press('ArrowLeft');
  await settle(page, '1');
  assert.equal(await page.textContent('.pw-live'), 'Seite 1 von 52');
  await page.keyboard.press('Tab');
  assert.notEqual(await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle), 'none', 'focus is visible');
  let onLink = false;
  for (let i = 0; i < 20 && !onLink; i++) {
    await page.keyboard.press('Tab');
    onLink = await page.evaluate(() => document.activeElement.classList.contains('pw-link-goto'));
  }
  assert.ok(onLink, 'Tab reaches the link on page 1');
  await page.keyboard.press('Enter');
  await settle(page, '4,5');
  assert.equal(await page.textContent('.pw-live'), 'Seiten 4 und 5 von 52');
  assert.equal(await page.getAttribute('.pw-btn-sound', 'aria-pressed'), 'true');
  await act(page, 'sound');
  assert.equal(await page.getAttribute('.pw-btn-sound', 'aria-pressed'), 'false');

  // The outline shows its nesting and page numbers and marks the section being read.
  await page.click('.pw-btn-outline');
  const entries = await page.$$eval('.pw-outline-entry', (list) => list.map((e) => [e.textContent, e.closest('ul').parentElement.tagName,
    e.getAttribute('aria-current')]));
  assert.deepEqual(entries, [['Part one1', 'ASIDE', null], ['Inner5', 'LI', 'location'], ['Part two7', 'ASIDE', null]]);
  await page.screenshot({ path: shotPath('outline') });
  await page.click('.pw-outline-entry >> text=Part two');
  await settle(page, '6,7');
  assert.equal(await page.getAttribute('.pw-outline-entry >> nth=2', 'aria-current'), 'location');

  // Thumbnails come from files/thumb, small; no page picture is fetched for them.
  await page.waitForFunction(() => { const f = window.pagewindPlayer.pages; return !f.running && !f.queue.length && !f.later.length; });
  const pagePictures = fetchedOf(page, '/files/page/').length;
  await page.click('.pw-btn-thumbnails');
  await page.waitForFunction(() => document.querySelectorAll('.pw-thumb img[src]').length > 4
    && [...document.querySelectorAll('.pw-thumb img[src]')].every((i) => i.complete && i.naturalWidth === 320));
  await page.screenshot({ path: shotPath('thumbnails-pdf') });
  const thumbs = fetchedOf(page, '/files/thumb/');
  const average = thumbs.reduce((n, f) => n + f.bytes, 0) / thumbs.length;
  console.log('thumbnails: ' + thumbs.length + ' fetched, ' + Math.round(average) + ' bytes a page on average');
  assert.ok(thumbs.length > 4 && average < 20000, thumbs.length + ' thumbnails of ' + average + ' bytes');
  assert.equal(fetchedOf(page, '/files/page/').length, pagePictures, 'no page picture fetched for the thumbnails');
  await page.keyboard.press('Escape');

  // No detail was fetched on opening or turning; a zoom fetches the zoomed page's tiles on the stage, sharp at 4 times.
  assert.deepEqual(fetchedOf(page, '/files/large/'), []);
  const detail = await zoomedDetail(page, 4, [0.5, 0.27]);
  console.log('detail at 4x on a desktop: ' + detail.ratio.toFixed(2) + ' picture pixels a device pixel, tiles '
    + detail.area.toFixed(2) + ' times the pixels shown');
  assert.deepEqual(detail.pages, ['7']);
  assert.ok(detail.ratio >= 0.9 && detail.area < 2.6, JSON.stringify(detail));
  await page.screenshot({ path: shotPath('zoom-detail-desktop') });
  await page.keyboard.press('0');
  await page.waitForSelector('#pagewind:not(.pw-zoomed)');

  // The first search and a later one, timed from Enter to the count of hits.
  for (const [words, which, bound] of [['Café', 'first', 3000], ['national', 'later', 1500]]) {
    await page.fill('.pw-search-field', words);
    const t0 = Date.now();
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => / auf /.test(document.querySelector('.pw-search-count').textContent));
    const ms = Date.now() - t0;
    console.log(which + ' search over http: ' + ms + ' ms');
    assert.ok(ms < bound, which + ' search took ' + ms + ' ms');
  }
  assert.deepEqual(await page.$$eval('.pw-btn-print, .pw-btn-share', (list) => list.map((b) => b.getAttribute('aria-label'))), ['Drucken', 'Teilen']);
  await page.done();

  // Another page embeds the book with the code the command line gave: it plays there, full screen too.
  const host = await served(dirname(book.dir));
  const embedding = await open(host.http.replace(/index\.html$/, 'host.html'), { viewport: { width: 1280, height: 1000 } }, undefined, 'iframe');
  const frame = await (await embedding.waitForSelector('iframe[title="Café & Co"]')).contentFrame();
  await frame.waitForSelector('#pagewind.pw-ready');
  await act(frame, 'fullscreen');
  await frame.waitForSelector('.pw-btn-fullscreen[aria-pressed="true"]', { state: 'attached' });
  await embedding.screenshot({ path: shotPath('embedded-full-screen') });
  await embedding.done();

  // Without scripts the page leads to its plain reading version: each page's picture, to load as it comes into view, then its words.
  const plain = await open(book.http, { ...DEVICES.desktop, javaScriptEnabled: false }, undefined, 'noscript a[href="text.html"]');
  await plain.click('a[href="text.html"]');
  // The load event waits for the pictures; polling a page without scripts can stall on a busy machine.
  await plain.waitForURL(/text\.html$/, { waitUntil: 'load' });
  assert.ok(await plain.$eval('main img', (i) => i.naturalWidth > 0));
  assert.equal(await plain.textContent('h1'), 'Café & Co');
  // (Browsers load lazily only where scripts run; here they take the pictures all at once.)
  const pictures = await plain.$$eval('main img', (list) => list.map((i) => i.alt + ' ' + i.loading));
  assert.deepEqual([pictures.length, pictures[0], pictures[51]], [52, 'Seite 1 lazy', 'Seite 52 lazy']);
  assert.equal(await plain.textContent('#page-3 p'), 'the international day');
  await plain.screenshot({ path: shotPath('text-version') });
  await plain.click('nav a >> text=Inner');
  assert.match(plain.url(), /#page-5$/);
  await plain.done();
});

test('a book that cannot be read names its file; only a file page that could read neither file hints at serving it', async () => {
  const book = await sampleBook('messages', { pages: 3 });
  const cases = [
    ['http, both missing', ['book.bin', 'book.js'], null, 'http', /files\/book\.bin is missing/, false],
    ['http, book.bin damaged', [], 'book.bin', 'http', /files\/book\.bin is damaged/, false],
    ['http, book.js stands in', ['book.bin'], null, 'http', /^1$/, false],
    ['file, both missing', ['book.bin', 'book.js'], null, 'file', /opened from a file/, true],
    ['file, book.js damaged', [], 'book.js', 'file', /files\/book\.js is damaged/, false],
  ];
  for (const [name, remove, damage, origin, reason, hint] of cases) {
    const dir = scratch('case');
    cpSync(book.dir, dir, { recursive: true });
    for (const f of remove) unlinkSync(join(dir, 'files', f));
    if (damage) writeFileSync(join(dir, 'files', damage), 'garbage that is not a book');
    const page = await open((await served(dir))[origin]);
    // The message, or the pages shown when the book opens after all.
    const text = await page.evaluate(() => document.querySelector('.pw-message')?.textContent ?? document.getElementById('pagewind').dataset.pages);
    assert.match(text, reason, name);
    assert.equal(/serve the folder/.test(text), hint, name);
    if (damage === 'book.js') page.errors.length = 0; // the damaged script fails as it runs
    await page.done();
  }
});

/** The words of book page n as the import wrote them (files/search), boxes in shares of the page. */
function wordsOf(dir, n) {
  const text = readFileSync(join(dir, 'files', 'search', 'text-' + Math.ceil(n / 50) + '.js'), 'utf8');
  const chunk = JSON.parse(text.slice(text.indexOf('pagewindText(') + 13, text.lastIndexOf(')')));
  return chunk.pages.find((p) => p.page === n).lines.flatMap((l) => l.w.map(([word, x, width]) => ({ word, x: x / 1e4, y: l.y / 1e4,
    width: width / 1e4, height: l.h / 1e4 })));
}

/** Page n's box, its hit marks' boxes and its text layer's words with their boxes, as [left, top, width, height]. */
const drawn = (page, n) => page.evaluate((n) => {
  const e = document.querySelector('.pw-slot .pw-page[data-page="' + n + '"]');
  const r = (b) => [b.left, b.top, b.width, b.height];
  return { page: r(e.getBoundingClientRect()), hits: [...e.querySelectorAll('.pw-hit')].map((h) => r(h.getBoundingClientRect())),
    words: [...e.querySelectorAll('.pw-text span')].map((s) => {
      // The printed word: the span's text without the space that follows it, the span's line.
      const range = document.createRange();
      range.setStart(s.firstChild, 0);
      range.setEnd(s.firstChild, s.textContent.trimEnd().length);
      const b = range.getBoundingClientRect();
      const line = s.getBoundingClientRect();
      return [s.textContent.trimEnd(), b.left, line.top, b.width, line.height];
    }) };
}, n);

const placed = (p, w) => [p[0] + w.x * p[2], p[1] + w.y * p[3], w.width * p[2], w.height * p[3]];
/** Asserts that the boxes lie within a pixel of the word boxes `want` on the page box `p`. */
function onWords(boxes, want, p, name) {
  const off = boxes.length === want.length ? Math.max(0, ...boxes.flatMap((b, i) => b.map((v, k) => Math.abs(v - placed(p, want[i])[k])))) : Infinity;
  assert.ok(off < 1, name + ': ' + JSON.stringify(boxes) + ' against ' + JSON.stringify(want.map((w) => placed(p, w))));
}

test('search finds words whatever their case and accents, across line ends; the text layer selects, copies and keeps links; RTL buttons', async () => {
  const folders = { ltr: await wordsBook('words', {}), rtl: await wordsBook('words-rtl', { readingDirection: 'right-to-left' }) };
  for (const [device, direction] of [['desktop', 'ltr'], ['phone3', 'ltr'], ['desktop', 'rtl']]) {
    const name = device + '-' + direction;
    const spreadOf = (n) => (device === 'phone3' || n === 1 ? String(n) : [n - n % 2, n - n % 2 + 1].join(','));
    const book = folders[direction];
    const page = await open(book.http + '#search=caf%C3%A9', device);
    await page.waitForFunction(() => /hits? on/.test(document.querySelector('.pw-search-count').textContent));
    assert.equal(await page.textContent('.pw-search-count'), '5 hits on 4 pages', name);
    assert.deepEqual(await page.$$eval('[data-hit-page]', (list) => list.map((e) => e.dataset.hitPage)), ['1', '4', '4', '6', '52'], name);
    // The buttons that turn forward stand on the side that pages turn to, their arrows pointing there.
    const nav = await page.$$eval('.pw-tb-nav button', (list) => list.map((b) => b.dataset.action + ' ' + b.querySelector('svg').dataset.icon));
    assert.deepEqual(nav, direction === 'rtl' ? ['last toLeftEnd', 'next left', 'prev right', 'first toRightEnd']
      : ['first toLeftEnd', 'prev left', 'next right', 'last toRightEnd'], name);
    await settle(page, spreadOf(1));
    await page.waitForSelector('.pw-slot .pw-page[data-page="1"] .pw-text span');
    await page.screenshot({ path: shotPath('search-' + name) });
    // The marks and the text layer's words lie on the words' boxes.
    const words = wordsOf(book.dir, 1);
    let on = await drawn(page, 1);
    onWords(on.hits, [words[1]], on.page, name + ': the mark covers Café');
    onWords(on.words.map((w) => w.slice(1)), words, on.page, name + ': the text layer on the words');
    assert.deepEqual(on.words.map((w) => w[0]), words.map((w) => w.word), name);
    const [lx, ly, lw, lh] = placed(on.page, { x: 60 / 612, y: 102 / 792, width: 300 / 612, height: 50 / 792 });
    assert.ok(await page.evaluate(([x, y]) => !!document.elementFromPoint(x, y).closest('.pw-link'), [lx + lw / 2, ly + lh / 2]),
      name + ': the link lies above the words');

    // Enter and Shift+Enter go to the next and the previous hit; a new search replaces the results.
    const inMenu = await page.isHidden('.pw-search-field');
    if (inMenu) await page.tap('.pw-btn-more');
    await page.focus('.pw-search-field');
    await page.keyboard.press('Enter');
    await settle(page, spreadOf(4));
    // The later page of a spread, or the one page shown, lies on the side that pages turn to.
    const slots = await page.$$eval('.pw-slot', (list) => list.map((e) => (e.hidden ? '-' : e.dataset.page)));
    assert.deepEqual(slots, { 'desktop-ltr': ['4', '5'], 'phone3-ltr': ['-', '4'], 'desktop-rtl': ['5', '4'] }[name], name);
    await page.keyboard.press('Shift+Enter');
    await settle(page, spreadOf(1));
    await page.fill('.pw-search-field', 'International');
    await page.keyboard.press('Enter');
    await page.waitForSelector('[data-hit-page="3"]');
    assert.equal(await page.textContent('.pw-search-count'), '1 hit on 1 page', name);
    if (inMenu) await page.tap('[data-hit-page="3"]'); // on a phone the results cover the book until one is chosen
    await settle(page, spreadOf(3));
    await page.waitForSelector('.pw-slot .pw-page[data-page="3"] .pw-text span');
    on = await drawn(page, 3);
    onWords(on.hits, wordsOf(book.dir, 3).slice(1, 3), on.page, name + ': "inter-" and "national" marked');

    // A mouse drag on the words selects them (and turns no page); on a phone the selection is made for it.
    const [first, last] = [on.words[0], on.words[on.words.length - 1]];
    if (device === 'desktop') {
      await drag(page, line([first[1] + 1, first[2] + first[4] / 2], [last[1] + last[3] - 0.5, last[2] + last[4] / 2], 6));
    } else {
      await page.$eval('.pw-slot .pw-page[data-page="3"] .pw-text', (e) => getSelection().selectAllChildren(e));
    }
    assert.equal(await page.evaluate(() => getSelection().toString()), 'the inter-\nnational day', name);
    await settle(page, spreadOf(3));
    await page.screenshot({ path: shotPath('search-selected-' + name) });

    if (inMenu) await page.tap('.pw-btn-more');
    await page.fill('.pw-search-field', 'zebra');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.querySelector('.pw-search-count').textContent.startsWith('No'));
    assert.equal(await page.textContent('.pw-search-count'), 'No hits for “zebra”', name);
    assert.equal(await page.locator('.pw-hit, [data-hit-page]').count(), 0, name);
    if (device === 'phone3') await phoneLinksAndDetail(page);
    await page.done();
  }
});

/** On a phone: tiny links take taps from their margins, the nearest winning; the thumbnails and, at three times, the detail are sharp. */
async function phoneLinksAndDetail(page) {
  await page.evaluate(() => { document.activeElement.blur(); location.hash = '#page=1'; });
  await page.keyboard.press('Escape');
  await settle(page, '1');
  const spot = (i) => page.$$eval('.pw-slot .pw-page[data-page="1"] .pw-link', (list, k) => {
    const r = list[list.length - 2 + k].getBoundingClientRect();
    return { left: r.left, right: r.right, top: r.top, x: r.left + r.width / 2, y: r.top + r.height / 2, w: r.width };
  }, i);
  const [a, b] = [await spot(0), await spot(1)];
  assert.ok(a.w < 5 && b.left - a.right < 6, 'links smaller than a finger, close together: ' + JSON.stringify([a, b]));
  // 9 pixels off a tiny link is still on it; beside the first, under the second one's margin too, the nearer
  // (the first) takes the tap. Clicked, not tapped: the browser's own touch adjustment would hide a fault.
  const hits = await page.evaluate((points) => points.map(([x, y]) => {
    const all = [...document.querySelectorAll('.pw-slot .pw-page[data-page="1"] .pw-link')];
    return all.length - all.indexOf(document.elementFromPoint(x, y).closest('.pw-link'));
  }), [[a.x - 9, a.y], [b.x + 9, b.y + 9]]);
  assert.deepEqual(hits, [2, 1], 'the tiny links, second and first from the end, take points beside them');
  for (const [x, y, to] of [[a.right + (b.left - a.right) * 0.3, a.y, '3'], [b.x, b.top - 9, '6']]) {
    await page.mouse.click(x, y);
    await settle(page, to);
    await page.evaluate(() => { location.hash = '#page=1'; });
    await settle(page, '1');
  }
  await page.screenshot({ path: shotPath('links-phone') });
  await page.tap('.pw-btn-thumbnails');
  await page.waitForFunction(() => { const i = document.querySelector('.pw-thumb img'); return i.complete && i.naturalWidth; });
  const thumb = await page.$eval('.pw-thumb img', (i) => i.naturalWidth / (i.getBoundingClientRect().width * devicePixelRatio));
  assert.ok(thumb >= 0.9, 'thumbnail picture pixels a device pixel: ' + thumb);
  await page.tap('.pw-thumb[data-page="1"]');
  await settle(page, '1');
  const detail = await zoomedDetail(page, 3);
  console.log('detail at 3x on a 3x phone: ' + detail.ratio.toFixed(2) + ' picture pixels a device pixel, tiles '
    + detail.area.toFixed(2) + ' times the pixels shown');
  assert.ok(detail.ratio >= 0.9 && detail.area < 2.6 && detail.pages.join() === '1', JSON.stringify(detail));
  await page.screenshot({ path: shotPath('zoom-detail-phone') });
}
