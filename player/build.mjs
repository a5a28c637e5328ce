// Bundles the player and inlines it, with each template's style sheet, into the template's HTML page.
// Usage: node build.mjs [resources folder]   (default: ../resources beside this folder)
import { build } from 'esbuild';
import { readFileSync, writeFileSync, mkdirSync, renameSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const resources = resolve(process.argv[2] || join(here, '..', 'resources'));
const TEMPLATES = ['float', 'classic'];
export const PLACEHOLDERS = ['index.title', 'meta.keywords', 'meta.description', 'head.meta', 'noscript.text', 'script.bottom', 'script.other'];

/** Every "${...}" key in `text`, in order. */
export function placeholderKeys(text) {
  const keys = [];
  let at = text.indexOf('${');
  while (at >= 0) {
    const end = text.indexOf('}', at + 2);
    keys.push(end < 0 ? text.slice(at + 2) : text.slice(at + 2, end));
    at = text.indexOf('${', end < 0 ? text.length : end + 1);
  }
  return keys;
}

async function bundle() {
  const options = {
    entryPoints: [join(here, 'src', 'entry.js')],
    bundle: true,
    format: 'iife',
    target: ['chrome102', 'es2020'],
    // Template literals would bring "${" into the page, where the HTML page writer substitutes.
    supported: { 'template-literal': false },
    minify: true,
    legalComments: 'none',
    write: false,
    charset: 'utf8',
  };
  let js = (await build(options)).outputFiles[0].text;
  // A shortened name may be "$" before a "{" ("class extends ${"), which the page writer would take
  // for a key too. When the code with its own names holds no "${" (no string or pattern does), every
  // one is such a name and a brace, and a space between the two changes nothing.
  const ownNames = { ...options, minify: false, minifyWhitespace: true, minifySyntax: true };
  if (js.includes('${') && !(await build(ownNames)).outputFiles[0].text.includes('${')) js = js.replaceAll('${', '$ {');
  return js.replace(/<\/(script)/gi, '<\\/$1');
}

function page(template, js) {
  const css = ['player.css', template + '.css'].map((f) => readFileSync(join(here, 'css', f), 'utf8')).join('\n');
  const html = readFileSync(join(here, 'templates', 'page.html'), 'utf8')
    .replace('@TEMPLATE@', template)
    .replace('/*@PLAYER_CSS@*/', () => css.trim())
    .replace('/*@PLAYER_JS@*/', () => js.trim());
  const keys = placeholderKeys(html);
  if (keys.length !== PLACEHOLDERS.length || !PLACEHOLDERS.every((k) => keys.includes(k))) {
    throw new Error(template + ': the page holds the placeholders ' + JSON.stringify(keys) + ', expected only ' + JSON.stringify(PLACEHOLDERS));
  }
  return html;
}

const js = await bundle();
for (const template of TEMPLATES) {
  const target = join(resources, 'AppFiles', 'Templates', template, 'html', 'index.html');
  mkdirSync(dirname(target), { recursive: true });
  writeFileSync(target + '.tmp', page(template, js));
  renameSync(target + '.tmp', target);
  console.log('wrote ' + target);
}
