// Shared pieces of the browser tests: books published and served by pagewind-cli, headless
// Chromium on a desktop and a touch phone, pointer and pixel helpers, and the screenshot folder.
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, mkdirSync, writeFileSync } from 'node:fs';
import { join, resolve, dirname } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';
import { samplePictures, COLOURS } from './fixture.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const SOURCE_DIR = resolve(here, '..', '..');
export const BUILD_DIR = resolve(process.env.PAGEWIND_BINARY_DIR || join(SOURCE_DIR, 'build'));
export const SHOTS_DIR = join(BUILD_DIR, 'player-screenshots');
export const CLI = process.env.PAGEWIND_CLI || join(BUILD_DIR, 'bin', 'pagewind-cli');

/** Runs pagewind-cli `command` with `options`, each of `config` as --set KEY=VALUE, then `inputs`; its output, or throws with its message. */
function runCli(command, options, config, inputs) {
  const sets = Object.entries(config).flatMap(([key, value]) => ['--set', key + '=' + value]);
  return execFileSync(CLI, [command, ...options, ...sets, ...inputs], { stdio: ['ignore', 'pipe', 'pipe'] }).toString();
}

/** Publishes a book of the pictures into `folder` with pagewind-cli; `config` maps property keys to values. */
export function publishBook(folder, pictures, { template = 'float', config = {}, title } = {}) {
  runCli('publish', ['--template', template, '-o', folder, ...(title ? ['--title', title] : [])], config, pictures);
  return folder;
}

/**
 * Imports a PDF into `folder` with pagewind-cli (links and bookmarks come along): `range` as the import option, `config` as --set;
 * with `embed`, host.html beside the folder embeds the book with the code that --print-embed gives.
 */
export function importBook(folder, pdf, { range = 'ALL', config = {}, embed = false } = {}) {
  const out = runCli('import', ['--range', range, '-o', folder, ...(embed ? ['--print-embed'] : [])], config, [pdf]);
  if (embed) {
    writeFileSync(join(dirname(folder), 'host.html'), '<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Host</title></head>'
      + '<body style="margin:0;background:#eee"><h1>A page that embeds a book</h1>' + out.split('\n')[1] + '</body></html>');
  }
  return folder;
}

/** Serves `root` with "pagewind-cli serve" on a free port; resolves to {url, close}. */
export function serve(root) {
  const child = spawn(CLI, ['serve', root, '--port', '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
  const close = () => new Promise((done) => { child.once('exit', done); child.kill('SIGINT'); });
  return new Promise((ok, fail) => {
    let text = '';
    child.once('error', fail);
    // Once the address is out, a settled promise ignores this.
    child.once('exit', (code) => fail(new Error('pagewind-cli serve exited with ' + code)));
    child.stdout.on('data', (chunk) => {
      text += chunk;
      const match = /http:\/\/127\.0\.0\.1:(\d+)\//.exec(text);
      if (match) ok({ url: 'http://127.0.0.1:' + match[1] + '/', close });
    });
  });
}

export function scratch(name) {
  const dir = join(BUILD_DIR, 'player-tests');
  mkdirSync(dir, { recursive: true });
  return mkdtempSync(join(dir, name + '-'));
}

export function shotPath(name) {
  mkdirSync(SHOTS_DIR, { recursive: true });
  return join(SHOTS_DIR, name + '.png');
}

const servers = [];

/**
 * A book of `pages` sample pictures (of `size` [w, h]) published into a scratch folder and
 * served: {dir, http, file} with the addresses of its index.html.
 */
export async function sampleBook(name, { pages, size = [300, 400], ...options }) {
  const samples = samplePictures(join(BUILD_DIR, 'player-tests', '.pictures'), size[0], size[1]);
  return served(publishBook(join(scratch(name), 'book'), Array.from({ length: pages }, (_, i) => samples[i % samples.length]), options));
}

export async function served(dir) {
  const server = await serve(dir);
  servers.push(server);
  return { dir, http: server.url + 'index.html', file: pathToFileURL(join(dir, 'index.html')).href };
}

/** Stops the servers and the browser. */
export async function closeAll() {
  while (servers.length) await servers.pop().close();
  if (browser) await browser.close();
}

/** The colour of book page n in a sample book. */
export const colourOf = (n) => COLOURS[(n - 1) % COLOURS.length];

export const DEVICES = {
  desktop: { viewport: { width: 1280, height: 800 } },
  phone: { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 },
  // The phone with three device pixels a CSS pixel, for what must be sharp there.
  phone3: { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 },
};

export function launch(args = []) {
  return chromium.launch({
    executablePath: process.env.PAGEWIND_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', ...args],
  });
}

let browser;

/**
 * Opens `url` in a fresh context of `device` (a DEVICES name or options) of the tests' one browser;
 * page.errors collects page errors, and page.done() closes the page and refuses them.
 */
export async function open(url, device = 'desktop', before, ready = '#pagewind.pw-ready, #pagewind.pw-failed') {
  browser ||= await launch();
  const options = typeof device === 'string' ? DEVICES[device] : device;
  const context = await browser.newContext(options);
  const page = await context.newPage();
  page.touch = !!options.hasTouch;
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  page.consoleErrors = [];
  page.on('console', (m) => { if (m.type() === 'error') page.consoleErrors.push(m.text()); });
  // Every file asked for, with its size once it has come ({url, bytes, status}); a failed one counts as status 0.
  page.fetched = [];
  // A request may finish while its page is being closed: its response is then gone, not an error.
  page.on('requestfinished', async (r) => {
    const response = await r.response().catch(() => null);
    const sizes = await r.sizes().catch(() => ({ responseBodySize: 0 }));
    page.fetched.push({ url: r.url(), bytes: sizes.responseBodySize, status: response ? response.status() : 0 });
  });
  page.on('requestfailed', (r) => page.fetched.push({ url: r.url(), bytes: 0, status: 0 }));
  if (before) await before(page);
  // Not the load event: the book's scripts hold it until the shown pictures have arrived.
  await page.goto(url, { waitUntil: 'domcontentloaded' });
  await page.waitForSelector(ready, { timeout: 15000 });
  page.done = async () => {
    await context.close();
    assert.deepEqual(page.errors, [], url);
  };
  return page;
}

/** The files of page.fetched whose address holds `part`, each as {url, bytes, status}. */
export const fetchedOf = (page, part) => page.fetched.filter((f) => f.url.includes(part));

/** Clicks or taps the toolbar control `name`, through the "More" menu when it waits there. */
export async function act(page, name) {
  const tap = (selector) => (page.touch ? page.tap(selector) : page.click(selector));
  if (await page.isVisible('.pw-toolbar .pw-btn-' + name)) return tap('.pw-toolbar .pw-btn-' + name);
  // A tap that only stops the browser's fling after a flick opens nothing (it lasts longer on a busy machine): again.
  for (let i = 0; i < 3 && !(await page.isVisible('.pw-menu')); i++) {
    await tap('.pw-btn-more');
    await page.waitForSelector('.pw-menu', { state: 'visible', timeout: 1000 }).catch(() => {});
  }
  return tap('.pw-menu [data-action="' + name + '"]');
}

export const shown = (page) => page.evaluate(() => document.getElementById('pagewind').dataset.pages);

/** Waits until the book shows `pages` ("2,3"), no page is turning and the book no longer slides. */
export const settle = (page, pages) => page.waitForFunction((want) => document.getElementById('pagewind').dataset.pages === want
  && document.querySelector('.pw-turn').hidden && !document.querySelector('.pw-book').getAnimations().length, pages, { timeout: 5000 });

export const box = (page, selector) => page.locator(selector).first().boundingBox();

/** The colours [r, g, b] at CSS pixel points of the page as a screenshot shows them. */
export async function pixels(page, points, shot) {
  const png = await page.screenshot(shot ? { path: shotPath(shot) } : {});
  return page.evaluate(async ({ data, points: list }) => {
    const img = new Image();
    img.src = 'data:image/png;base64,' + data;
    await img.decode();
    const g = new OffscreenCanvas(img.width, img.height).getContext('2d');
    g.drawImage(img, 0, 0);
    const k = img.width / innerWidth;
    return list.map(([x, y]) => [...g.getImageData(Math.round(x * k), Math.round(y * k), 1, 1).data.slice(0, 3)]);
  }, { data: png.toString('base64'), points });
}

/** True when an [r, g, b] colour is within `tolerance` of the "#rrggbb" colour. */
export function near(rgb, hex, tolerance = 45) {
  const want = [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16));
  return Math.hypot(...rgb.map((v, i) => v - want[i])) < tolerance;
}

/**
 * Drags with the mouse, or a finger on a touch screen, along the points ([x, y] in CSS pixels), one move
 * a frame; one point alone is a click or a tap. `rest` pauses before letting go (so that the drag
 * is no flick); with `hold` it lets go only when the function it returns is called.
 */
export async function drag(page, points, { hold = false, rest = false } = {}) {
  const touch = page.touch;
  const cdp = touch && (page.cdp || (page.cdp = await page.context().newCDPSession(page)));
  const finger = (type, p) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: p ? [{ x: p[0], y: p[1] }] : [] });
  await (touch ? finger('touchStart', points[0]) : page.mouse.move(...points[0]));
  if (!touch) await page.mouse.down();
  for (const p of points.slice(1)) {
    await (touch ? finger('touchMove', p) : page.mouse.move(...p));
    await page.waitForTimeout(16);
  }
  if (rest) await page.waitForTimeout(150);
  const up = () => (touch ? finger('touchEnd') : page.mouse.up());
  return hold ? up : up();
}

/** `steps` points from `a` to `b`. */
export function line(a, b, steps = 10) {
  return Array.from({ length: steps + 1 }, (_, i) => [a[0] + (b[0] - a[0]) * i / steps, a[1] + (b[1] - a[1]) * i / steps]);
}
