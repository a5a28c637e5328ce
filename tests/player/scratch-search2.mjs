import { launch, serve } from './harness.mjs';
const server = await serve('/tmp/z22/bench/manuals/long');
const b = await launch();
const c = await b.newContext({ viewport: { width: 1280, height: 800 } });
const p = await c.newPage();
await p.goto(server.url + 'index.html');
await p.waitForSelector('#pagewind.pw-ready');
await p.waitForFunction(() => window.pagewindPlayer.search.text.index.complete && !window.pagewindPlayer.search.text.index.raw.size, null, { timeout: 60000 });
for (const w of ['certificate', 'structure', 'the']) {
  const r = await p.evaluate(async (w) => {
    const s = window.pagewindPlayer.search;
    const times = {};
    const wrap = (obj, name) => { const f = obj[name]; obj[name] = function (...a) { const t = performance.now(); const r = f.apply(this, a); times[name] = (times[name] || 0) + performance.now() - t; return r; }; return () => { obj[name] = f; }; };
    const undo = [wrap(s, 'more'), wrap(s, 'choose'), wrap(s.marks, 'show'), wrap(s.bus, 'emit'), wrap(s.text.index, 'search')];
    const t0 = performance.now();
    await s.search(w);
    times.total = performance.now() - t0;
    undo.forEach((u) => u());
    for (const k in times) times[k] = Math.round(times[k]);
    return times;
  }, w);
  console.log(w, JSON.stringify(r));
  await p.waitForTimeout(1500);
}
await b.close(); await server.close();
