// SPDX-License-Identifier: GPL-3.0-or-later
// The page's host: starts the program, keeps its windows in step with the
// models after every event, runs the shared timer, answers the desktop
// port's questions with the page's dialogs, and moves files between the
// program and the user (picked or dropped files in, saved files out as
// downloads, the standard options kept in the browser's storage).
'use strict';

const params = new URLSearchParams(location.search);
const english = params.has('lang') ? params.get('lang') === 'en' : !(navigator.language || '').toLowerCase().startsWith('ja');
const colorDepth = params.get('depth') === '8' ? 8 : 32;
const pageStart = performance.now();

class Host {
  constructor() {
    this.desktop = document.getElementById('desktop');
    this.dialogs = new Dialogs(english);
    this.windows = [];
    this.suspended = false;
    this.zTop = 10;
    this.active = null;
    this.openMenu = null;
    this.modalWaits = new Map();
    this.timer = { handle: 0, interval: 0 };
    this.outbox = new FileOutbox('/data', this.dialogs.fileWords);
    this.files = this.fileAccess();
    // The size of the last JSON text the program handed over and how many
    // windows it described.
    this.stats = { snapshotBytes: 0, formsSent: 0 };
  }

  // Runs an entry point. When the program is not waiting for an answer, the
  // call may itself wait (it returns a promise); while it waits, events of
  // the modal window in front are run at once.
  call(fn, ...args) {
    const M = Module;
    if (this.suspended) {
      const strings = [];
      const c = args.map((a) => {
        if (typeof a !== 'string') return a;
        const p = M.allocateUTF8(a);
        strings.push(p);
        return p;
      });
      M['_' + fn](this.app, ...c);
      strings.forEach((p) => M._free(p));
      this.refresh();
      return this.askLeftQuestion(() => this.call(fn, ...args));
    }
    const types = ['number', ...args.map((a) => (typeof a === 'string' ? 'string' : 'number'))];
    this.suspended = true;
    let result;
    try {
      result = M.ccall(fn, null, types, [this.app, ...args], { async: true });
    } catch (e) {
      this.suspended = false;
      throw e;
    }
    return Promise.resolve(result).then(() => {
      this.suspended = false;
      this.refresh();
      return this.afterCommand();
    });
  }

  // A question the program could not wait for (another was open): asked
  // now; with an answer the same event runs again and gets it at once.
  async askLeftQuestion(again) {
    const text = Module.UTF8ToString(Module._vantor_left_question(this.app));
    // What the handler saved goes out first: a failed write is told instead
    // of the question, which may be a message of success.
    const error = await this.deliverFiles();
    if (error) {
      await this.dialogs.messageBox(error, 'Vantor for Win32', 3, 0);
      return;
    }
    if (!text) return;
    const q = JSON.parse(text);
    let answer = null;
    if (q.kind === 'message') {
      answer = await this.dialogs.messageBox(q.a, q.b, q.n, q.m);
      // The answer it was given already (OK alone, No, else Cancel) needs no second run.
      const given = q.m === 0 ? MsgAnswer.Ok : q.m === 2 ? MsgAnswer.No : MsgAnswer.Cancel;
      if (answer === given) answer = null;
    }
    else if (q.kind === 'input') answer = await this.dialogs.inputBox(q.a, q.b, q.c);
    else if (q.kind === 'color') { answer = await this.dialogs.colorDialog(q.n); if (answer < 0) answer = null; }
    else if (q.kind === 'file') {
      const a = await this.dialogs.fileDialog(JSON.parse(q.a), this.files);
      answer = a && a.filterIndex + '|' + a.fileName;
    }
    if (answer === null || answer === undefined) return;
    const question = Module.allocateUTF8(text), given = Module.allocateUTF8(String(answer));
    Module._vantor_prepare_answer(this.app, question, given);
    Module._free(question);
    Module._free(given);
    await again();
  }

  refresh() {
    // Only the windows that changed come over; the first time, all of them.
    const text = Module.UTF8ToString(Module._vantor_snapshot(this.app, this.state ? 0 : 1));
    this.stats.snapshotBytes = text.length;
    const state = JSON.parse(text);
    this.stats.formsSent = Object.keys(state.forms).length;
    const forms = this.state ? this.state.forms : [];
    forms.length = state.count;
    for (const [key, form] of Object.entries(state.forms)) {
      const i = Number(key);
      // A form without its menu kept the menu it had.
      if (!form.menu) form.menu = forms[i].menu;
      forms[i] = form;
      if (!this.windows[i]) this.windows[i] = new WindowView(this, i, form);
      this.windows[i].update(form);
    }
    state.forms = forms;
    this.state = state;
    for (const [name, resolve] of this.modalWaits) {
      const i = state.forms.findIndex((f) => f.name === name);
      if (Module._vantor_modal_done(this.app, i)) {
        this.modalWaits.delete(name);
        this.windows[i].veil?.remove();
        resolve();
      }
    }
    this.syncTimer(state.timer);
    if (this.firstWindowMs === undefined && state.forms.some((f) => f.visible)) {
      this.firstWindowMs = performance.now() - pageStart;
      document.body.dataset.firstWindowMs = this.firstWindowMs.toFixed(0);
    }
  }

  paint(win, c, view) {
    const canvas = view.canvas;
    if (!c.visible || win.root.style.display === 'none' && !win.form?.visible) return;
    // The canvas keeps its pixels until the program's picture changes.
    const shown = [c.picture, c.w, c.h, c.stretch].join(' ');
    if (view.shown === shown) return;
    view.shown = shown;
    const info = Module._vantor_picture(this.app, win.index, c.id) >> 2;
    const w = Module.HEAP32[info], h = Module.HEAP32[info + 1], ptr = Module.HEAP32[info + 2];
    if (canvas.width !== (w || c.w) || canvas.height !== (h || c.h)) {
      canvas.width = w || Math.max(1, c.w);
      canvas.height = h || Math.max(1, c.h);
    }
    canvas.style.width = (c.stretch ? c.w : canvas.width) + 'px';
    canvas.style.height = (c.stretch ? c.h : canvas.height) + 'px';
    const ctx = canvas.getContext('2d');
    if (!w || !h) {
      ctx.fillStyle = 'black';
      ctx.fillRect(0, 0, canvas.width, canvas.height);
      return;
    }
    // putImageData copies at once, so the program's own memory serves as the
    // image, except shared memory (threads), which ImageData refuses.
    const bytes = new Uint8ClampedArray(Module.HEAPU8.buffer, ptr, w * h * 4);
    const own = Module.HEAPU8.buffer instanceof ArrayBuffer ? bytes : new Uint8ClampedArray(bytes);
    ctx.putImageData(new ImageData(own, w, h), 0, 0);
  }

  // Mouse moves that come faster than the program draws are merged: only
  // the last one waiting is run.
  coalesceMove(id, run) {
    if (this.suspended) return;
    this.pendingMove = run;
    if (this.moveQueued) return;
    this.moveQueued = true;
    requestAnimationFrame(() => {
      this.moveQueued = false;
      const next = this.pendingMove;
      this.pendingMove = null;
      if (next && !this.suspended) next();
    });
  }

  raise(win) {
    win.root.style.zIndex = ++this.zTop;
  }

  focusWindow(win) {
    if (this.active === win) return;
    if (this.active) this.active.root.classList.remove('active');
    this.active = win;
    win.root.classList.add('active');
    this.raise(win);
    this.call('vantor_window', win.index, 1, 0, 0);
  }

  toggleMenu(node) {
    const open = node.classList.contains('open');
    this.closeMenus();
    if (!open) { node.classList.add('open'); this.openMenu = node; }
  }

  hoverMenu(node) {
    if (this.openMenu && this.openMenu !== node && this.openMenu.parentNode === node.parentNode) this.toggleMenu(node);
  }

  closeMenus() {
    document.querySelectorAll('.open').forEach((n) => n.classList.remove('open'));
    this.openMenu = null;
  }

  // The id of the menu item NAME in the window at INDEX (0 if it has none):
  // the page's tests and benchmarks choose menu items by name.
  menuItemId(index, name) {
    const find = (items) => {
      for (const m of items) {
        if (m.name === name) return m.id;
        const inner = m.items && find(m.items);
        if (inner) return inner;
      }
      return 0;
    };
    return find(this.state.forms[index].menu);
  }

  syncTimer(t) {
    const interval = t.enabled ? Math.max(1, t.interval) : 0;
    if (interval === this.timer.interval) return;
    clearInterval(this.timer.handle);
    this.timer.interval = interval;
    this.timer.handle = interval ? setInterval(() => { if (!this.suspended) this.call('vantor_timer'); }, interval) : 0;
  }

  // Keys go to the active window as platform virtual-key codes.
  onKey(e) {
    if (!this.active || document.querySelector('.dialog-veil')) return;
    const typing = e.target.tagName === 'INPUT' && e.target.type === 'text';
    if (e.key === 'F1') {
      e.preventDefault();
      this.call('vantor_help', this.active.index);
      return;
    }
    const key = virtualKey(e);
    if (!key || (typing && key !== 13 && key !== 27)) return;
    if (key === 18 || (e.altKey && key >= 65 && key <= 90)) e.preventDefault();
    this.call('vantor_key', this.active.index, key, shiftOf(e, false));
  }

  // After a command: saved files go to the user, the standard options to
  // the browser's storage.
  async afterCommand() {
    Module.FS.syncfs(false, () => {});
    const error = await this.deliverFiles();
    if (error) await this.dialogs.messageBox(error, 'Vantor for Win32', 3, 0);
  }

  // One delivery at a time: a second waits for the first.
  deliverFiles() {
    this.delivering = (this.delivering || Promise.resolve()).then(() => this.outbox.deliver());
    return this.delivering;
  }

  fileAccess() {
    const host = this;
    return {
      current: '/data',
      list(folder) {
        try {
          return Module.FS.readdir(folder).filter((n) => n !== '.' && n !== '..' &&
            Module.FS.isFile(Module.FS.stat(folder + '/' + n).mode)).sort();
        } catch (e) { return []; }
      },
      // Copies files of the user into the current folder, where the program
      // reads them; answers the path of the data set among them.
      async take(fileList) {
        let dataSet = null;
        for (const f of fileList) {
          const path = '/data/' + f.name;
          Module.FS.writeFile(path, new Uint8Array(await f.arrayBuffer()));
          host.outbox.remember(path);
          if (/\.(va4|va2|csv|van)$/i.test(f.name) && (!dataSet || /\.va4$/i.test(f.name))) dataSet = path;
        }
        return dataSet;
      },
      // Where saves go: a folder of this computer, or downloads.
      savesInto() { return host.outbox.folder ? host.outbox.folder.name : ''; },
      // Asked while the user's click on Save still counts as theirs: the
      // browser asks for permission to write only then.
      askToWrite() {
        if (host.outbox.folder) host.outbox.allowWriting(host.outbox.folder).catch(() => {});
      },
      // A folder the browser lets the page write into; saves go there.
      canPickFolder: typeof showDirectoryPicker === 'function',
      async chooseSaveFolder() {
        try {
          host.outbox.folder = await showDirectoryPicker({ id: 'freevantor', mode: 'readwrite' });
        } catch (e) { /* cancelled */ }
        return this.savesInto();
      },
      async pick(folder) {
        if (folder && this.canPickFolder) {
          let dir;
          try { dir = await showDirectoryPicker({ id: 'freevantor' }); } catch (e) { return null; }
          const picked = [];
          for await (const handle of dir.values()) if (handle.kind === 'file') picked.push(await handle.getFile());
          // Saves go back into the opened folder.
          host.outbox.folder = dir;
          return this.take(picked);
        }
        const input = document.getElementById('pick-files');
        input.webkitdirectory = folder;
        input.value = '';
        return new Promise((resolve) => {
          input.onchange = async () => resolve(await this.take([...input.files]));
          input.click();
        });
      },
    };
  }

  async onDrop(e) {
    e.preventDefault();
    this.desktop.classList.remove('dropping');
    if (this.suspended) return;
    const dataSet = await this.files.take([...e.dataTransfer.files]);
    if (dataSet) await this.call('vantor_open', dataSet, 0);
  }

  // The desktop port, as the program's WebDesktop asks it.
  messageBox(text, caption, icon, buttons) { return this.later(() => this.dialogs.messageBox(text, caption, icon, buttons)); }
  inputBox(caption, prompt, initial) { return this.later(() => this.dialogs.inputBox(caption, prompt, initial)); }
  fileDialog(d) { return this.later(() => this.dialogs.fileDialog(d, this.files)); }
  colorDialog(colour) { return this.later(() => this.dialogs.colorDialog(colour)); }
  reportError(text) { return this.later(() => this.dialogs.reportError(text)); }
  waitModal(name) {
    return this.later(() => new Promise((resolve) => {
      const i = this.state.forms.findIndex((f) => f.name === name);
      const win = this.windows[i];
      if (win) {
        win.veil = el('div', 'modal-veil', this.desktop);
        win.veil.style.zIndex = ++this.zTop;
        this.raise(win);
        this.active = null;
        this.focusWindow(win);
      }
      this.modalWaits.set(name, resolve);
      this.refresh();
    }));
  }
  showHelp(keyword) {
    const url = 'help/' + (english ? 'en' : 'ja') + '/index.html' + (keyword ? '#' + keyword : '');
    window.open(url, '_blank', 'noopener');
  }
  quit() {
    clearInterval(this.timer.handle);
    document.body.dataset.quit = '1';
  }
  // Shows the windows as they are now, then asks: the program has unwound
  // its stack by the time the dialog opens.
  async later(ask) {
    await new Promise((r) => setTimeout(r, 0));
    this.refresh();
    return ask();
  }

  async start() {
    const FS = Module.FS;
    for (const d of ['/data', '/app', '/config']) try { FS.mkdir(d); } catch (e) { /* exists */ }
    FS.mount(Module.IDBFS, {}, '/config');
    await new Promise((r) => FS.syncfs(true, () => r()));
    FS.chdir('/data');
    this.app = Module._vantor_create(english ? 1 : 0, colorDepth);
    document.getElementById('loading').remove();
    await this.call('vantor_start');
    addEventListener('keydown', (e) => this.onKey(e));
    addEventListener('mousedown', (e) => { if (!e.target.closest('.menubar')) this.closeMenus(); });
    this.desktop.addEventListener('dragover', (e) => { e.preventDefault(); this.desktop.classList.add('dropping'); });
    this.desktop.addEventListener('dragleave', () => this.desktop.classList.remove('dropping'));
    this.desktop.addEventListener('drop', (e) => this.onDrop(e));
    const name = params.get('open');
    if (name && /^[A-Za-z0-9_-]+$/.test(name)) {
      await this.call('vantor_open', '/examples/' + name + '.va4', params.get('show') === 'solid' ? 1 : 0);
    }
    document.body.dataset.ready = '1';
  }
}

// Platform virtual-key codes of the keys whose code does not depend on the
// keyboard layout; 0 for the others.
function virtualKey(e) {
  const named = { Backspace: 8, Tab: 9, Enter: 13, Shift: 16, Control: 17, Alt: 18, Pause: 19, CapsLock: 20,
    Escape: 27, ' ': 32, PageUp: 33, PageDown: 34, End: 35, Home: 36, ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39,
    ArrowDown: 40, PrintScreen: 44, Insert: 45, Delete: 46, Help: 47, ContextMenu: 93, NumLock: 144, ScrollLock: 145 };
  if (named[e.key]) return named[e.key];
  if (/^Digit[0-9]$/.test(e.code)) return 48 + Number(e.code[5]);
  if (/^Key[A-Z]$/.test(e.code)) return e.code.charCodeAt(3);
  const f = /^F([0-9]{1,2})$/.exec(e.key);
  if (f && Number(f[1]) >= 1 && Number(f[1]) <= 24) return 111 + Number(f[1]);
  return 0;
}

const host = new Host();
var Module = {
  host,
  noInitialRun: true,
  onRuntimeInitialized: () => host.start(),
};
window.vantorHost = host;
// A cross-origin isolated page may share memory between workers: it runs the
// threaded build, which draws with a thread a core. Elsewhere the build
// without threads runs.
(() => {
  const threads = self.crossOriginIsolated === true;
  document.body.dataset.build = threads ? 'threads' : 'single';
  const script = document.createElement('script');
  script.src = threads ? 'vantor-mt.js' : 'vantor.js';
  document.body.appendChild(script);
})();
