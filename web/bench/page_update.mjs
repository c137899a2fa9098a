// SPDX-License-Identifier: GPL-3.0-or-later
// What the page spends keeping its windows in step with the program: for a
// drag on the solid and for a menu click (the display's redraw), the time
// of the whole event (program, snapshot, windows, canvas) and the JSON text
// the program hands the page, per event, as medians in headless chromium;
// and the time of bringing the windows in step when nothing changed.
//   node page_update.mjs [BUILD/web]
import { join } from 'node:path';
import { startBrowser, startServer } from '../tests/browser/launch.mjs';

const root = join(import.meta.dirname, '../..');
const web = process.argv[2] || join(root, 'build/web');
const server = await startServer(root, web);
const chromium = await startBrowser();
try {
  const page = await chromium.browser.newPage();
  await page.goto(server.url + '?open=vase&show=solid&lang=en');
  await page.waitForSelector('body[data-ready="1"]', { timeout: 30000 });
  const result = await page.evaluate(async () => {
    const host = window.vantorHost;
    const median = (xs) => [...xs].sort((a, b) => a - b)[xs.length >> 1];
    const form = host.state.forms.findIndex((f) => f.name === 'DisplayWindow');
    const image = host.state.forms[form].controls.find((c) => c.name === 'imgSolid').id;
    const redraw = host.menuItemId(form, 'mnDispRun');
    const measure = async (runs, event) => {
      const ms = [], bytes = [];
      for (let i = 0; i < runs; ++i) {
        const start = performance.now();
        await event(i);
        ms.push(performance.now() - start);
        bytes.push(host.stats.snapshotBytes);
      }
      return { ms: median(ms), bytes: median(bytes) };
    };
    await host.call('vantor_control', form, image, 0, 0, 8, 300, 200, 0);
    const drag = await measure(40, (i) => host.call('vantor_control', form, image, 1, 0, 8, 302 + 2 * i, 201 + i, 0));
    await host.call('vantor_control', form, image, 2, 0, 0, 382, 240, 0);
    const menu = await measure(9, () => host.call('vantor_menu', form, redraw));
    // The page's own share: the windows brought in step when nothing changed.
    const refresh = await measure(21, async () => host.refresh());
    return { drag, menu, refresh };
  });
  for (const [what, r] of Object.entries(result))
    console.log(`${what}: ${r.ms.toFixed(1)} ms an event, ${r.bytes} bytes of JSON`);
} finally {
  await chromium.close();
  server.close();
}
