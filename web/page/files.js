// SPDX-License-Identifier: GPL-3.0-or-later
// Files the program saved, on their way to the user. The program writes
// into its own folder (/data); after each command, and before each question
// it asks, what changed there goes out: into the folder the user opened or
// chose where the browser lets a page write into one (a directory handle,
// asked for write permission), else as downloads. A scenario's frames wait
// for its scenario file and then come with it as one zip archive, and so
// does any other burst of files that one command wrote.
'use strict';

// More files than this in one delivery come as one archive.
const MostSingleDownloads = 3;
// The files of a data set, in every format the program saves.
const DataSetFile = /\.(va4|va2|csv|van|zuk)$/i;

class FileOutbox {
  constructor(folder, words) {
    this.current = folder;
    this.words = words;
    // The directory handle saves go into; null: downloads.
    this.folder = null;
    this.known = new Map();
  }

  // The file is as the user has it: not to be handed out again.
  remember(path) {
    this.known.set(path, Module.FS.stat(path).mtime.getTime());
  }

  // Names in the program's folder saved since they were last handed out.
  changed() {
    const FS = Module.FS, names = [];
    for (const name of FS.readdir(this.current)) {
      const path = this.current + '/' + name;
      if (name === '.' || name === '..' || !FS.isFile(FS.stat(path).mode)) continue;
      if (this.known.get(path) === FS.stat(path).mtime.getTime()) continue;
      names.push(name);
    }
    return names.sort();
  }

  // Hands out what changed; answers the error's text, '' when all arrived.
  async deliver() {
    const names = this.changed();
    if (!names.length) return '';
    names.forEach((n) => this.remember(this.current + '/' + n));
    if (this.folder) return this.writeToFolder(names);
    this.download(names);
    return '';
  }

  async writeToFolder(names) {
    const dir = this.folder;
    try {
      await this.allowWriting(dir);
    } catch (e) {
      if (names.some((n) => DataSetFile.test(n))) this.dataNotSaved();
      return this.words.notSaved(dir.name, names, e.message || String(e));
    }
    const failed = [];
    for (const name of names) {
      try {
        const handle = await dir.getFileHandle(name, { create: true });
        // The browser writes beside the file and puts it in place on close,
        // so a failed write leaves the user's file as it was.
        const writable = await handle.createWritable();
        try {
          await writable.write(Module.FS.readFile(this.current + '/' + name));
          await writable.close();
        } catch (e) {
          await writable.abort?.().catch(() => {});
          throw e;
        }
      } catch (e) {
        failed.push(name + ': ' + (e.message || e.name || String(e)));
      }
    }
    if (!failed.length) return '';
    if (failed.some((f) => DataSetFile.test(f.slice(0, f.indexOf(':'))))) this.dataNotSaved();
    return this.words.notSaved(dir.name, failed, '');
  }

  // The program took the data set for saved; it is not.
  dataNotSaved() {
    Module._vantor_data_not_saved(window.vantorHost.app);
  }

  async allowWriting(dir) {
    const mode = { mode: 'readwrite' };
    if (!dir.queryPermission || (await dir.queryPermission(mode)) === 'granted') return;
    if ((await dir.requestPermission(mode)) !== 'granted') throw new Error(this.words.noPermission);
  }

  // A scenario's frames (its name and three digits, .bmp and .vop) while
  // its scenario file is here; they go out with the scenario file.
  framesOf(stem, names) {
    const frame = new RegExp('^' + stem.replace(/[.*+?^${}()|[\]\\]/g, '\\$&') + '[0-9]{3}\\.(bmp|vop)$', 'i');
    return names.filter((n) => frame.test(n));
  }

  download(names) {
    const all = Module.FS.readdir(this.current);
    const scenarios = all.filter((n) => /\.snr$/i.test(n)).map((n) => n.slice(0, -4));
    const waiting = new Set(scenarios.flatMap((stem) => this.framesOf(stem, names)));
    // A scenario without frames yet has nothing to hand out.
    let rest = names.filter((n) => !waiting.has(n) && !(/\.snr$/i.test(n) && !this.framesOf(n.slice(0, -4), all).length));
    for (const snr of rest.filter((n) => /\.snr$/i.test(n))) {
      const stem = snr.slice(0, -4);
      this.downloadZip(stem + '.zip', [snr, ...this.framesOf(stem, all)]);
      rest = rest.filter((n) => n !== snr);
    }
    if (rest.length > MostSingleDownloads) this.downloadZip(rest[0].replace(/\.[^.]*$/, '') + '.zip', rest);
    else rest.forEach((n) => this.offer(n, Module.FS.readFile(this.current + '/' + n)));
  }

  downloadZip(name, names) {
    const archive = '/tmp/' + name;
    // Called directly: the program may be waiting for an answer meanwhile.
    const texts = [archive, this.current, names.join('\n')].map((t) => Module.allocateUTF8(t));
    const error = Module.UTF8ToString(Module._vantor_zip(window.vantorHost.app, ...texts));
    texts.forEach((t) => Module._free(t));
    if (error) {
      // Without the archive the files still reach the user, one by one.
      names.forEach((n) => this.offer(n, Module.FS.readFile(this.current + '/' + n)));
      return;
    }
    this.offer(name, Module.FS.readFile(archive));
    Module.FS.unlink(archive);
  }

  offer(name, bytes) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  }
}
