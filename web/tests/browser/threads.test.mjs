// SPDX-License-Identifier: GPL-3.0-or-later
// The page picks its build when it loads: the threaded one where the server
// makes it cross-origin isolated, the one without threads on a plain static
// host. Both draw the still picture of a 10,000-vertex vase byte for byte as
// the native vantor-cli render does, and the time of each is printed beside
// the native program's.
//
// Environment as page.test.mjs; VANTOR_STILL_TIME (the native still_time)
// adds the native time.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { readBmp } from './bmp.mjs';
import { startBrowser, startServer } from './launch.mjs';

const root = process.env.VANTOR_ROOT || join(import.meta.dirname, '../../..');
const web = process.env.VANTOR_WEB || join(root, 'build/web');
const cli = process.env.VANTOR_CLI || join(root, 'build/dev/cli/vantor-cli');
const out = join(process.env.VANTOR_OUT || join(root, 'build/web-test'), 'threads');

// The vase of the benchmarks as comma-separated text, made into a data set
// and drawn by the native vantor-cli.
function nativeVase(n) {
  mkdirSync(out, { recursive: true });
  const lines = [];
  for (let i = 0; i < n; ++i) {
    const t = i / (n - 1);
    const x = i === 0 ? 0 : 60 + 35 * Math.sin(t * 5.5) + 20 * t;
    lines.push(`${x.toFixed(4)},${(-120 + 240 * t).toFixed(4)}`);
  }
  writeFileSync(join(out, 'vase.csv'), lines.join('\n') + '\n=\n');
  execFileSync(cli, ['convert', join(out, 'vase.csv'), join(out, 'vase.va4')]);
  execFileSync(cli, ['render', join(out, 'vase.va4'), '-o', join(out, 'vase.native.bmp')]);
  const files = {};
  for (const ext of ['va4', 'zuk', 'vop']) files[ext] = readFileSync(join(out, `vase.${ext}`)).toString('base64');
  return { files, picture: readBmp(join(out, 'vase.native.bmp')) };
}

// Opens the vase in the page, shows it again and again and returns the
// median times with the canvas's RGBA bytes.
async function drawInPage(page, files) {
  return page.evaluate(async (files) => {
    const host = window.vantorHost;
    for (const [ext, b64] of Object.entries(files))
      Module.FS.writeFile(`/data/vase.${ext}`, Uint8Array.from(atob(b64), (c) => c.charCodeAt(0)));
    await host.call('vantor_open', '/data/vase.va4', 1);
    const form = host.state.forms.findIndex((f) => f.name === 'DisplayWindow');
    const item = host.menuItemId(form, 'mnDispRun');
    const median = (xs) => xs.sort((a, b) => a - b)[xs.length >> 1];
    // The pass alone, called straight (it asks nothing), then as the page
    // calls it, with the window state and the canvas brought up to date.
    const pass = [], whole = [];
    for (let i = 0; i < 7; ++i) {
      const start = performance.now();
      Module._vantor_menu(host.app, form, item);
      pass.push(performance.now() - start);
    }
    for (let i = 0; i < 7; ++i) {
      const start = performance.now();
      await host.call('vantor_menu', form, item);
      whole.push(performance.now() - start);
    }
    const canvas = document.querySelector('.window[data-form="DisplayWindow"] canvas[data-name="imgSolid"]');
    const bytes = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let s = '';
    for (let i = 0; i < bytes.length; i += 0x8000) s += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return { passMs: median(pass), ms: median(whole), width: canvas.width, height: canvas.height, base64: btoa(s) };
  }, files);
}

let chromium, vase;
before(async () => {
  vase = nativeVase(10000);
  chromium = await startBrowser();
});
after(async () => {
  await chromium?.close();
});

for (const isolated of [true, false]) {
  describe(isolated ? 'A cross-origin isolated page' : 'A page from a plain static host', () => {
    let server;
    before(async () => { server = await startServer(root, web, isolated ? [] : ['--no-isolation']); });
    after(() => server?.close());

    test(`runs the build ${isolated ? 'with' : 'without'} threads and draws the native still picture`, async () => {
      const page = await chromium.browser.newPage();
      const errors = [];
      page.on('pageerror', (e) => errors.push(e.message));
      await page.goto(server.url);
      await page.waitForSelector('body[data-ready="1"]', { timeout: 30000 });
      const seen = await page.evaluate(() => ({
        isolated: self.crossOriginIsolated, build: document.body.dataset.build,
        shared: typeof SharedArrayBuffer !== 'undefined' && Module.HEAP8.buffer instanceof SharedArrayBuffer,
        cores: navigator.hardwareConcurrency, firstWindowMs: Number(document.body.dataset.firstWindowMs),
      }));
      console.log(`# first window after ${seen.firstWindowMs} ms (${isolated ? 'threads' : 'one thread'})`);
      assert.equal(seen.isolated, isolated);
      assert.equal(seen.build, isolated ? 'threads' : 'single');
      assert.equal(seen.shared, isolated, 'the program memory is shared exactly when threads run');

      const drawn = await drawInPage(page, vase.files);
      assert.equal(drawn.width, vase.picture.width);
      assert.equal(drawn.height, vase.picture.height);
      const rgba = Buffer.from(drawn.base64, 'base64');
      let differ = 0;
      for (let i = 0; i < vase.picture.rgba.length; ++i) if (rgba[i] !== vase.picture.rgba[i]) ++differ;
      assert.equal(differ, 0, `${differ} bytes differ from vantor-cli render`);
      console.log(`# still picture of 10,000 vertices, ${isolated ? `threads (${seen.cores} cores)` : 'one thread'}: ` +
        `pass ${drawn.passMs.toFixed(1)} ms, with the canvas ${drawn.ms.toFixed(1)} ms (medians of 7)`);
      const still = process.env.VANTOR_STILL_TIME;
      if (still && existsSync(still)) {
        const native = execFileSync(still, ['10000', '3', '15', isolated ? '0' : '1']).toString().split('\n')[0];
        console.log(`# native: ${native}`);
      }
      assert.deepEqual(errors, []);
      await page.close();
    });
  });
}
