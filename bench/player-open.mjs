// Player opening time in headless Chromium: a 10- and a 500-page book published by pagewind-cli,
// served on 127.0.0.1, timed from navigation to the ready book (best of five). Prints JSON.
import { join } from 'node:path';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { launch, serve, publishBook } from '../tests/player/harness.mjs';
import { samplePictures } from '../tests/player/fixture.mjs';

const work = mkdtempSync(join(tmpdir(), 'pw-bench-player-'));
const samples = samplePictures(join(work, 'pictures'));
const browser = await launch();
const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
const result = {};
for (const pages of [10, 500]) {
  const folder = publishBook(join(work, 'book' + pages), Array.from({ length: pages }, (_, i) => samples[i % samples.length]));
  const server = await serve(folder);
  let best = Infinity;
  for (let run = 0; run < 5; run++) {
    const page = await context.newPage();
    const t0 = performance.now();
    await page.goto(server.url + 'index.html#page=1');
    await page.waitForSelector('#pagewind.pw-ready', { timeout: 20000 });
    best = Math.min(best, performance.now() - t0);
    await page.close();
  }
  result[pages] = Math.round(best);
  await server.close();
}
await browser.close();
console.log(JSON.stringify(result));
