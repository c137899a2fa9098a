// SPDX-License-Identifier: GPL-3.0-or-later
// Times the page's program without the page: a data set opened and shown as
// a solid, then the display's redraw run again and again, and the picture
// made into canvas bytes. Dialogs are answered at once (none is expected).
//   node page_still.mjs BUILD/vantor-measure-VARIANT.js DATA.va4 [runs]
// The .zuk and .vop beside DATA.va4 are read too.
import { createRequire } from 'node:module';
import { readFileSync, existsSync, statSync } from 'node:fs';
import { basename, dirname, join } from 'node:path';

const [script, data, runsText] = process.argv.slice(2);
const runs = Number(runsText || 15);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

globalThis.vantorModule = {
  noInitialRun: true,
  host: {
    messageBox: async () => 0, inputBox: async () => null, fileDialog: async () => null,
    colorDialog: async () => -1, waitModal: async () => {}, reportError: async (t) => console.error(t),
    showHelp: () => {}, quit: () => {}, deliverFiles: async () => '',
  },
  onRuntimeInitialized() {
    const M = this;
    for (const d of ['/data', '/app', '/config']) M.FS.mkdir(d);
    const stem = basename(data, '.va4');
    for (const ext of ['va4', 'zuk', 'vop']) {
      const file = join(dirname(data), `${stem}.${ext}`);
      if (existsSync(file)) M.FS.writeFile(`/data/${stem}.${ext}`, readFileSync(file));
    }
    const app = M._vantor_create(1, 32);
    M.ccall('vantor_start', null, ['number'], [app]);
    M.ccall('vantor_open', null, ['number', 'string', 'number'], [app, `/data/${stem}.va4`, 1]);
    const state = JSON.parse(M.UTF8ToString(M._vantor_snapshot(app, 1)));
    const form = Number(Object.keys(state.forms).find((i) => state.forms[i].controls.some((c) => c.name === 'imgSolid')));
    const find = (items) => {
      for (const m of items) {
        if (m.name === 'mnDispRun') return m.id;
        const inner = m.items && find(m.items);
        if (inner) return inner;
      }
      return 0;
    };
    const item = find(state.forms[form].menu);
    const image = state.forms[form].controls.find((c) => c.name === 'imgSolid').id;
    // CPU time of this process: on a busy machine it varies far less than
    // the wall time.
    const cpuMs = () => { const u = process.cpuUsage(); return (u.user + u.system) / 1000; };
    const redraw = [], redrawCpu = [], picture = [], snapshot = [];
    for (let i = 0; i < runs; ++i) {
      let t = performance.now();
      const c = cpuMs();
      M._vantor_menu(app, form, item);
      redraw.push(performance.now() - t);
      redrawCpu.push(cpuMs() - c);
      t = performance.now();
      M._vantor_picture(app, form, image);
      picture.push(performance.now() - t);
      t = performance.now();
      JSON.parse(M.UTF8ToString(M._vantor_snapshot(app, 0)));
      snapshot.push(performance.now() - t);
    }
    const wasm = script.replace(/\.js$/, '.wasm');
    console.log(`${basename(script, '.js')}: wasm ${statSync(wasm).size} bytes; redraw median ${median(redraw).toFixed(1)} ms ` +
      `(fastest ${Math.min(...redraw).toFixed(1)}, CPU median ${median(redrawCpu).toFixed(1)}), canvas bytes ${median(picture).toFixed(1)} ms, ` +
      `window state ${median(snapshot).toFixed(1)} ms`);
  },
};
createRequire(import.meta.url)(script);
