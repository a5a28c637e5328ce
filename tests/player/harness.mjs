// Shared pieces of the browser tests: books published and served by pagewind-cli, a headless
// Chromium, and the folder where screenshots go.
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, mkdirSync, readFileSync } from 'node:fs';
import { join, resolve, dirname } from 'node:path';
import { tmpdir } from 'node:os';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const here = dirname(fileURLToPath(import.meta.url));
export const SOURCE_DIR = resolve(here, '..', '..');
export const TEMPLATES_DIR = join(SOURCE_DIR, 'resources', 'AppFiles', 'Templates');
export const BUILD_DIR = resolve(process.env.PAGEWIND_BINARY_DIR || join(SOURCE_DIR, 'build'));
export const SHOTS_DIR = join(BUILD_DIR, 'player-screenshots');

export const CLI = process.env.PAGEWIND_CLI || join(BUILD_DIR, 'bin', 'pagewind-cli');

export function templatePage(template) {
  return readFileSync(join(TEMPLATES_DIR, template, 'html', 'index.html'), 'utf8');
}

/**
 * Publishes a book of the pictures with pagewind-cli: `config` maps property keys to values
 * (each becomes --set KEY=VALUE). Throws with the CLI's message when it fails.
 */
export function publishBook(folder, pictures, { template = 'float', config = {}, title } = {}) {
  const args = ['publish', '--template', template, '-o', folder];
  for (const [key, value] of Object.entries(config)) args.push('--set', key + '=' + value);
  if (title) args.push('--title', title);
  execFileSync(CLI, [...args, ...pictures], { stdio: ['ignore', 'ignore', 'pipe'] });
  return folder;
}

/**
 * Imports a PDF with pagewind-cli: `range`, `links`, `bookmarks` as the import options, `config`
 * as --set assignments.
 */
export function importBook(folder, pdf, { range = 'ALL', links = false, bookmarks = false, config = {} } = {}) {
  const args = ['import', '--range', range, '-o', folder];
  if (links) args.push('--links');
  if (bookmarks) args.push('--bookmarks');
  for (const [key, value] of Object.entries(config)) args.push('--set', key + '=' + value);
  execFileSync(CLI, [...args, pdf], { stdio: ['ignore', 'ignore', 'pipe'] });
  return folder;
}

/** Serves `root` with "pagewind-cli serve" on a free port; resolves to {url, close}. */
export function serve(root) {
  const child = spawn(CLI, ['serve', root, '--port', '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
  return new Promise((ok, fail) => {
    let text = '';
    let started = false;
    child.once('error', fail);
    child.once('exit', (code) => fail(new Error('pagewind-cli serve exited with ' + code)));
    child.stdout.on('data', (chunk) => {
      if (started) return;
      text += chunk;
      const match = /http:\/\/127\.0\.0\.1:(\d+)\//.exec(text);
      if (!match) return;
      started = true;
      child.removeAllListeners('exit');
      ok({
        url: 'http://127.0.0.1:' + match[1] + '/',
        close: () => new Promise((done) => { child.once('exit', done); child.kill('SIGINT'); }),
      });
    });
  });
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
