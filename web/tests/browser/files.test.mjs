// SPDX-License-Identifier: GPL-3.0-or-later
// Files leaving the page as a user expects: into a folder of the computer
// where the browser lets the page write (an origin-private folder stands in
// for the one a user picks: the same directory-handle API), a failed write
// said as failed and never as done, a scenario's frames as one archive, a
// 3MF mesh with the native writer's contents, and the windows handed over
// only when they changed.
//
// Environment as for page.test.mjs.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, readdirSync, existsSync } from 'node:fs';
import { join } from 'node:path';
import { describe, test } from 'node:test';
import { readBmp } from './bmp.mjs';
import { shareServerAndBrowser } from './launch.mjs';

const root = process.env.VANTOR_ROOT || join(import.meta.dirname, '../../..');
const web = process.env.VANTOR_WEB || join(root, 'build/web');
const cli = process.env.VANTOR_CLI || join(root, 'build/dev/cli/vantor-cli');
const out = join(process.env.VANTOR_OUT || join(root, 'build/web-test'), 'files');
const examples = join(root, 'examples');
const windowOf = (form) => `.window[data-form="${form}"]`;

const shared = shareServerAndBrowser(root, web, out);

// A page whose downloads land in a folder of their own.
async function open(query, name) {
  const page = await shared.chromium.browser.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  page.downloads = join(out, name);
  mkdirSync(page.downloads, { recursive: true });
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: page.downloads });
  await page.goto(shared.server.url + query);
  await page.waitForSelector('body[data-ready="1"]', { timeout: 30000 });
  return page;
}

const menu = (page, form, item) => page.evaluate((sel) => document.querySelector(sel).click(),
  `${windowOf(form)} .menubar [data-name="${item}"]`);
const press = (page, form, control) => page.click(`${windowOf(form)} [data-name="${control}"]`);

async function dialogText(page) {
  await page.waitForSelector('.dialog-veil', { timeout: 15000 });
  return page.$eval('.dialog-veil .body', (b) => b.textContent);
}

// Types a name into the file dialog and presses its first button.
async function answerFileDialog(page, name) {
  await page.waitForSelector('.dialog-veil input[type=text]', { timeout: 15000 });
  await page.$eval('.dialog-veil input[type=text]', (i, name) => { i.value = name; }, name);
  await page.evaluate(() => document.querySelector('.dialog-veil .buttons button').click());
}

async function answerMessage(page, label) {
  await page.waitForSelector('.dialog-veil .buttons button', { timeout: 15000 });
  await page.evaluate((label) => [...document.querySelectorAll('.dialog-veil .buttons button')]
    .find((b) => !label || b.dataset.answer === label).click(), label);
  await page.waitForFunction(() => !document.querySelector('.dialog-veil'));
}

// The program waits for nothing and the files it saved have gone out.
async function idle(page) {
  await page.waitForFunction(() => !window.vantorHost.suspended && !document.querySelector('.dialog-veil'));
  await page.evaluate(() => window.vantorHost.delivering);
}

async function downloaded(page, names) {
  for (let i = 0; i < 150 && !names.every((n) => existsSync(join(page.downloads, n))); ++i)
    await new Promise((r) => setTimeout(r, 100));
  // Chromium writes a download under a temporary name first.
  return readdirSync(page.downloads).filter((n) => !n.endsWith('.crdownload')).sort();
}

// The entries of a zip archive as {name: bytes (base64)}, read by Python's zipfile.
function zipEntries(file) {
  const script = 'import base64, json, sys, zipfile\n' +
    'z = zipfile.ZipFile(sys.argv[1])\n' +
    'print(json.dumps({i.filename: base64.b64encode(z.read(i)).decode() for i in z.infolist()}))';
  return JSON.parse(execFileSync('python3', ['-c', script, file], { maxBuffer: 1 << 28 }).toString());
}

function nativeConvert(name) {
  const folder = join(out, 'native-' + name);
  mkdirSync(folder, { recursive: true });
  execFileSync(cli, ['convert', join(examples, 'vase.va4'), join(folder, name + '.va4')]);
  return Object.fromEntries(readdirSync(folder).map((f) => [f, readFileSync(join(folder, f)).toString('base64')]));
}

// An origin-private folder stands in for the one the user picks: the
// picker answers it. `files` are put into it first.
async function pickerAnswers(page, folder, files = {}) {
  await page.evaluate(async (folder, files) => {
    const root = await navigator.storage.getDirectory();
    await root.removeEntry(folder, { recursive: true }).catch(() => {});
    const dir = await root.getDirectoryHandle(folder, { create: true });
    for (const [name, b64] of Object.entries(files)) {
      const w = await (await dir.getFileHandle(name, { create: true })).createWritable();
      await w.write(Uint8Array.from(atob(b64), (c) => c.charCodeAt(0)));
      await w.close();
    }
    window.showDirectoryPicker = async () => dir;
    window.vantorHost.files.canPickFolder = true;
  }, folder, files);
}

const folderFiles = (page, folder) => page.evaluate(async (folder) => {
  const dir = await (await navigator.storage.getDirectory()).getDirectoryHandle(folder);
  const files = {};
  for await (const h of dir.values()) {
    const bytes = new Uint8Array(await (await h.getFile()).arrayBuffer());
    let s = '';
    for (let i = 0; i < bytes.length; i += 0x8000) s += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    files[h.name] = btoa(s);
  }
  return files;
}, folder);

const exampleFiles = () => Object.fromEntries(['va4', 'zuk', 'vop'].map((e) =>
  [`vase.${e}`, readFileSync(join(examples, `vase.${e}`)).toString('base64')]));

describe('Saving into a folder of the computer', () => {
  test('A data set saved into a chosen folder has every file of a native convert there, and nothing downloads', async () => {
    const page = await open('?open=vase&lang=en', 'chosen');
    await pickerAnswers(page, 'chosen');
    await menu(page, 'ControlWindow', 'mnSave');
    assert.match(await dialogText(page), /downloads/);
    await page.evaluate(() => [...document.querySelectorAll('.dialog-veil button')].find((b) => /folder/.test(b.textContent)).click());
    await page.waitForFunction(() => /folder chosen/.test(document.querySelector('.dialog-veil .saves-into').textContent));
    await answerFileDialog(page, 'copy');
    await idle(page);
    assert.deepEqual(await folderFiles(page, 'chosen'), nativeConvert('copy'));
    assert.deepEqual(await downloaded(page, []), []);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('A data set opened from a folder is saved back into it', async () => {
    const page = await open('?lang=en', 'opened');
    await pickerAnswers(page, 'opened', exampleFiles());
    await press(page, 'ControlWindow', 'spbLoad');
    await dialogText(page);
    await page.evaluate(() => [...document.querySelectorAll('.dialog-veil button')].find((b) => /folder/i.test(b.textContent)).click());
    await page.waitForSelector('.dialog-veil .files [data-path="/data/vase.va4"]');
    await page.evaluate(() => document.querySelector('.dialog-veil .files [data-path="/data/vase.va4"]')
      .dispatchEvent(new MouseEvent('dblclick', { bubbles: true })));
    await idle(page);
    await menu(page, 'ControlWindow', 'mnSave');
    assert.match(await dialogText(page), /folder opened/);
    await answerFileDialog(page, 'again');
    await idle(page);
    const files = await folderFiles(page, 'opened');
    assert.deepEqual(Object.keys(files).sort(), ['again.va4', 'again.vop', 'again.zuk', 'vase.va4', 'vase.vop', 'vase.zuk']);
    const expected = nativeConvert('again');
    for (const name of Object.keys(expected)) assert.equal(files[name], expected[name], name);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

// The mesh export ends in a message that it was written (the vase's
// figures overlap, which it also says): with a failed write that message
// must not come.
async function export3mf(page) {
  await menu(page, 'DisplayWindow', 'mnExportMesh');
  const dialog = windowOf('ExportDialog');
  await page.waitForSelector(`${dialog}:not([style*="display: none"])`, { timeout: 15000 });
  await page.click(`${dialog} [data-name="rdb3mf"]`);
  for (const [name, value] of [['edtSegments', '64'], ['edtThickness', '2']]) {
    await page.$eval(`${dialog} [data-name="${name}"]`, (i, v) => {
      i.value = v;
      i.dispatchEvent(new Event('input'));
    }, value);
  }
  await page.click(`${dialog} [data-name="btnOK"]`);
  await answerFileDialog(page, 'vase.3mf');
}

// Regression: the data set whose files never reached the folder counted
// as saved, so loading another one dropped the edits without a question.
test('A data set whose write into the folder fails stays edited: loading another asks to save it first', async () => {
  const page = await open('?open=vase&lang=en', 'unsaved');
  await page.evaluate(() => {
    window.vantorHost.outbox.folder = {
      name: 'gone',
      queryPermission: async () => 'prompt',
      requestPermission: async () => 'denied',
    };
  });
  await menu(page, 'ControlWindow', 'mnSave');
  await answerFileDialog(page, 'copy');
  const said = await dialogText(page);
  assert.match(said, /could not be saved into the folder gone \(the browser did not allow writing there\)/);
  assert.match(said, /copy\.va4\ncopy\.vop\ncopy\.zuk/);
  await answerMessage(page);
  await idle(page);
  await press(page, 'ControlWindow', 'spbLoad');
  assert.match(await dialogText(page), /edited/i);
  assert.deepEqual(page.errors, []);
  await page.close();
});

describe('A 3MF mesh', () => {
  test('downloads the entries of the native vantor-cli export before the page says it was written', async () => {
    const page = await open('?open=vase&show=solid&lang=en', 'mesh');
    await export3mf(page);
    const said = await dialogText(page);
    assert.match(said, /overlap/);
    // Delivered before the message: it is on disk while the message shows.
    assert.deepEqual(await downloaded(page, ['vase.3mf']), ['vase.3mf']);
    await answerMessage(page);
    const native = join(out, 'native.3mf');
    execFileSync(cli, ['export', join(examples, 'vase.va4'), '-o', native, '--segments', '64', '--thickness', '2']);
    // The entries' times are those of the moment of writing; their names and bytes are the same.
    assert.deepEqual(zipEntries(join(page.downloads, 'vase.3mf')), zipEntries(native));
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('whose write into the folder fails is said to have failed, and never to have been written', async () => {
    const page = await open('?open=vase&show=solid&lang=en', 'failing');
    await page.evaluate(() => {
      window.vantorHost.outbox.folder = {
        name: 'full',
        getFileHandle: async () => ({
          createWritable: async () => ({
            write: async () => { throw new DOMException('There is no space left', 'QuotaExceededError'); },
            abort: async () => {},
          }),
        }),
      };
    });
    await export3mf(page);
    const said = await dialogText(page);
    assert.match(said, /could not be saved into the folder full/);
    assert.match(said, /vase\.3mf: There is no space left/);
    assert.doesNotMatch(said, /overlap|written/i);
    await answerMessage(page);
    await idle(page);
    assert.equal(await page.$('.dialog-veil'), null, 'no message of success follows');
    assert.deepEqual(await downloaded(page, []), []);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

describe('Many files at once', () => {
  test("A scenario's frames arrive with its scenario file as one archive, not one by one", async () => {
    const page = await open('?open=vase&show=solid&lang=en', 'scenario');
    await menu(page, 'DisplayWindow', 'mnAnimation');
    const scenario = windowOf('ScenarioWindow');
    await page.waitForSelector(`${scenario}:not([style*="display: none"])`);
    await press(page, 'ScenarioWindow', 'btnNewScenario');
    await answerFileDialog(page, 'anim');
    await answerMessage(page, '&No');  // not the data set under the scenario's name
    await idle(page);
    for (let i = 0; i < 2; ++i) {
      await press(page, 'ScenarioWindow', 'btnAdd');
      await idle(page);
    }
    assert.deepEqual(await downloaded(page, []), [], 'the frames wait for the scenario');
    await press(page, 'ScenarioWindow', 'btnSnrSave');
    await answerFileDialog(page, 'anim.snr');
    await idle(page);
    assert.deepEqual(await downloaded(page, ['anim.zip']), ['anim.zip']);
    const entries = zipEntries(join(page.downloads, 'anim.zip'));
    assert.deepEqual(Object.keys(entries).sort(),
      ['anim.snr', 'anim001.bmp', 'anim001.vop', 'anim002.bmp', 'anim002.vop']);
    assert.equal(Buffer.from(entries['anim.snr'], 'base64').toString(), 'anim001\r\nanim002\r\n');
    const frame = join(out, 'anim001.bmp');
    execFileSync('sh', ['-c', `base64 -d > "${frame}"`], { input: entries['anim001.bmp'] });
    const nativeFile = join(out, 'vase.native.bmp');
    execFileSync(cli, ['render', join(examples, 'vase.va4'), '-o', nativeFile]);
    const [a, b] = [readBmp(frame), readBmp(nativeFile)];
    assert.deepEqual([a.width, a.height], [b.width, b.height]);
    assert.ok(Buffer.from(a.rgba).equals(Buffer.from(b.rgba)), 'the frame is the picture of vantor-cli render');
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  // Files written by one command: up to three come one by one (a data set
  // and its options), a fourth makes them one archive.
  const bursts = [
    { name: 'three files come one by one', files: ['a.txt', 'b.txt', 'c.txt'], expected: ['a.txt', 'b.txt', 'c.txt'] },
    { name: 'four files come as one archive', files: ['a.txt', 'b.txt', 'c.txt', 'd.txt'], expected: ['a.zip'] },
  ];
  for (const { name, files, expected } of bursts) {
    test(`Of a burst of files, ${name}`, async () => {
      const page = await open('?lang=en', 'burst-' + files.length);
      await page.evaluate(async (files) => {
        for (const f of files) Module.FS.writeFile('/data/' + f, f + '\n');
        await window.vantorHost.deliverFiles();
      }, files);
      assert.deepEqual(await downloaded(page, expected), expected);
      if (expected[0].endsWith('.zip')) {
        const entries = zipEntries(join(page.downloads, expected[0]));
        assert.deepEqual(Object.keys(entries).sort(), files);
        for (const f of files) assert.equal(Buffer.from(entries[f], 'base64').toString(), f + '\n');
      }
      await page.close();
    });
  }
});

describe('The windows handed to the page', () => {
  test('A drag on the solid hands over the display window alone, without its menu, and the canvas follows', async () => {
    const page = await open('?open=vase&show=solid', 'drag');
    const sent = await page.evaluate(async () => {
      const host = window.vantorHost;
      const form = host.state.forms.findIndex((f) => f.name === 'DisplayWindow');
      const image = host.state.forms[form].controls.find((c) => c.name === 'imgSolid').id;
      await host.call('vantor_control', form, image, 0, 0, 8, 300, 200, 0);
      await host.call('vantor_control', form, image, 1, 0, 8, 340, 230, 0);
      const text = Module.UTF8ToString(Module._vantor_snapshot(host.app, 0));
      return { forms: host.stats.formsSent, bytes: host.stats.snapshotBytes, again: JSON.parse(text) };
    });
    assert.equal(sent.forms, 1);
    assert.ok(sent.bytes < 10000, `${sent.bytes} bytes`);
    assert.deepEqual(sent.again.forms, {}, 'nothing changed since: nothing is sent');
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  // On a 256-colour screen a new brightness only rewrites the palette: the
  // canvas must still be repainted although no pixel index changed.
  test('A brightness chosen on a 256-colour screen recolours the canvas as the program shows it', async () => {
    const page = await open('?open=vase&show=solid&depth=8', 'palette');
    const pixels = () => page.evaluate(() => {
      const canvas = document.querySelector('.window[data-form="DisplayWindow"] canvas[data-name="imgSolid"]');
      return Array.from(canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data.filter((_, i) => i % 97 === 0));
    });
    const program = () => page.evaluate(() => {
      const host = window.vantorHost;
      const form = host.state.forms.findIndex((f) => f.name === 'DisplayWindow');
      const id = host.state.forms[form].controls.find((c) => c.name === 'imgSolid').id;
      const info = Module._vantor_picture(host.app, form, id) >> 2;
      const [w, h, at] = [Module.HEAP32[info], Module.HEAP32[info + 1], Module.HEAP32[info + 2]];
      return Array.from(Module.HEAPU8.subarray(at, at + w * h * 4).filter((_, i) => i % 97 === 0));
    });
    const before_ = await pixels();
    await menu(page, 'DisplayWindow', 'mnBR2');
    await idle(page);
    const after_ = await pixels();
    assert.notDeepEqual(after_, before_, 'the picture changed');
    assert.deepEqual(after_, await program(), 'the canvas shows the program\'s picture');
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});
