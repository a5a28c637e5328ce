// Shared pieces of the browser tests: a static file server on 127.0.0.1, a headless Chromium,
// and the folder where screenshots go.
import { createServer } from 'node:http';
import { createReadStream, statSync, mkdtempSync, mkdirSync, readFileSync } from 'node:fs';
import { join, extname, resolve, sep, dirname } from 'node:path';
import { tmpdir } from 'node:os';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const here = dirname(fileURLToPath(import.meta.url));
export const SOURCE_DIR = resolve(here, '..', '..');
export const TEMPLATES_DIR = join(SOURCE_DIR, 'resources', 'AppFiles', 'Templates');
export const BUILD_DIR = resolve(process.env.PAGEWIND_BINARY_DIR || join(SOURCE_DIR, 'build'));
export const SHOTS_DIR = join(BUILD_DIR, 'player-screenshots');

const TYPES = { '.html': 'text/html; charset=utf-8', '.jpg': 'image/jpeg', '.png': 'image/png', '.bin': 'application/octet-stream',
  '.js': 'text/javascript', '.css': 'text/css' };

export function templatePage(template) {
  return readFileSync(join(TEMPLATES_DIR, template, 'html', 'index.html'), 'utf8');
}

/** Serves `root` on 127.0.0.1 at a free port; resolves to {url, close}. */
export function serve(root) {
  const base = resolve(root);
  const server = createServer((req, res) => {
    const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = resolve(join(base, path.endsWith('/') ? path + 'index.html' : path));
    if (!file.startsWith(base + sep)) { res.writeHead(403).end(); return; }
    let st;
    try { st = statSync(file); } catch { res.writeHead(404).end('not found'); return; }
    if (!st.isFile()) { res.writeHead(404).end(); return; }
    res.writeHead(200, { 'Content-Type': TYPES[extname(file)] || 'application/octet-stream', 'Content-Length': st.size });
    createReadStream(file).pipe(res);
  });
  return new Promise((ok) => server.listen(0, '127.0.0.1', () => ok({
    url: 'http://127.0.0.1:' + server.address().port + '/',
    close: () => new Promise((done) => { server.closeAllConnections(); server.close(done); }),
  })));
}

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'pw-player-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.PAGEWIND_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    viewport: { width: 1280, height: 800 },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  return context;
}

export function shotPath(name) {
  mkdirSync(SHOTS_DIR, { recursive: true });
  return join(SHOTS_DIR, name + '.png');
}

export function scratch(name) {
  const dir = join(BUILD_DIR, 'player-tests');
  mkdirSync(dir, { recursive: true });
  return mkdtempSync(join(dir, name + '-'));
}
