// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop port's dialogs in the page: message and input boxes, the
// colour dialog, the file dialogs and the error box. Each returns a promise
// of the user's answer; the program waits for it.
'use strict';

const MsgAnswer = { Ok: 0, Cancel: 1, Yes: 2, No: 3 };
const MsgButtons = [['Ok'], ['Ok', 'Cancel'], ['Yes', 'No'], ['Yes', 'No', 'Cancel']];
const MsgIcons = ['', 'ℹ️', '⚠️', '⛔', '❓'];

class Dialogs {
  constructor(english) {
    this.english = english;
    this.words = english
      ? { Ok: 'OK', Cancel: 'Cancel', Yes: '&Yes', No: '&No', open: 'Open', save: 'Save', name: 'File name:',
          type: 'Files of type:', pick: 'Files from this computer…', folder: 'A folder…', examples: 'Examples',
          drop: 'or drop the files (.va4 with its .zuk and .vop) on the page', colour: 'Colour' }
      : { Ok: 'OK', Cancel: 'キャンセル', Yes: 'はい(&Y)', No: 'いいえ(&N)', open: '開く', save: '保存',
          name: 'ファイル名:', type: 'ファイルの種類:', pick: 'このコンピュータのファイル…', folder: 'フォルダ…',
          examples: '作例', drop: '(.va4 と .zuk、.vop を)ページにドロップしても開けます', colour: '色の設定' };
    Object.assign(this.words, english
      ? { saveFolder: 'Save into a folder…', savesInto: (f) => `Saved files go into the folder ${f}.`,
          downloads: 'Saved files arrive as downloads.' }
      : { saveFolder: 'フォルダに保存…', savesInto: (f) => `保存したファイルはフォルダ ${f} に書き込まれます。`,
          downloads: '保存したファイルはダウンロードとして届きます。' });
    // The texts of a failed write into the user's folder.
    this.fileWords = english
      ? { noPermission: 'the browser did not allow writing there',
          notSaved: (folder, names, why) => `These files could not be saved into the folder ${folder}` +
            (why ? ` (${why})` : '') + ':\n' + names.join('\n') }
      : { noPermission: 'ブラウザがこのフォルダへの書き込みを許可しませんでした',
          notSaved: (folder, names, why) => `次のファイルをフォルダ ${folder} に保存できませんでした` +
            (why ? `（${why}）` : '') + ':\n' + names.join('\n') };
  }

  // A dialog box over the page: caption, body, and buttons that each resolve
  // the promise with their value. Enter presses the first, Escape the last.
  box(caption, fill, buttons) {
    return new Promise((resolve) => {
      const veil = el('div', 'dialog-veil', document.body);
      const dialog = el('div', 'dialog window active', veil);
      dialog.style.position = 'relative';
      const cap = el('div', 'caption', dialog);
      el('span', 'title', cap).textContent = caption;
      const body = el('div', 'body', dialog);
      const row = el('div', 'buttons', dialog);
      const done = (value) => { removeEventListener('keydown', keys, true); veil.remove(); resolve(value); };
      const extra = fill(body, done) || {};
      const nodes = buttons.map(([label, value]) => {
        const b = el('button', '', row);
        b.textContent = label.replace(/&(.)/g, '$1');
        b.dataset.answer = label;
        b.addEventListener('click', () => done(typeof value === 'function' ? value() : value));
        return b;
      });
      const keys = (e) => {
        if (e.key === 'Enter' && !extra.ownEnter) { e.preventDefault(); e.stopPropagation(); nodes[0].click(); }
        if (e.key === 'Escape') { e.preventDefault(); e.stopPropagation(); nodes[nodes.length - 1].click(); }
      };
      addEventListener('keydown', keys, true);
      (extra.focus || nodes[0]).focus();
    });
  }

  messageBox(text, caption, icon, buttons) {
    const names = MsgButtons[buttons] || MsgButtons[0];
    return this.box(caption, (body) => {
      if (MsgIcons[icon]) el('div', 'icon', body).textContent = MsgIcons[icon];
      el('div', 'text', body).textContent = text;
    }, names.map((n) => [this.words[n], MsgAnswer[n]]));
  }

  reportError(text) {
    return this.box('Vantor for Win32', (body) => {
      el('div', 'icon', body).textContent = MsgIcons[3];
      el('div', 'text', body).textContent = text;
    }, [[this.words.Ok, 0]]);
  }

  inputBox(caption, prompt, initial) {
    let input;
    return this.box(caption, (body) => {
      body.style.flexDirection = 'column';
      el('div', '', body).textContent = prompt;
      input = el('input', '', body);
      input.type = 'text';
      input.value = initial;
      setTimeout(() => input.select(), 0);
      return { focus: input };
    }, [[this.words.Ok, () => input.value], [this.words.Cancel, null]]);
  }

  colorDialog(colour) {
    const hex = '#' + [colour & 255, (colour >> 8) & 255, (colour >> 16) & 255]
      .map((v) => v.toString(16).padStart(2, '0')).join('');
    let input;
    return this.box(this.words.colour, (body) => {
      input = el('input', '', body);
      input.type = 'color';
      input.value = hex;
    }, [[this.words.Ok, () => {
      const v = input.value;
      return parseInt(v.slice(1, 3), 16) | (parseInt(v.slice(3, 5), 16) << 8) | (parseInt(v.slice(5, 7), 16) << 16);
    }], [this.words.Cancel, -1]]);
  }

  // The open and save dialogs over the program's file system: the current
  // folder and the built-in examples, files picked from this computer or
  // dropped on the page; a save goes into the current folder and from there
  // to the user: into a folder of the computer where the browser allows it
  // (the one opened, or one chosen here), else as a download.
  fileDialog(d, files) {
    let nameInput, typeSelect, list, chosen = null;
    const patterns = () => {
      const f = d.filters[Number(typeSelect.value) - 1];
      return f ? f.pattern.split(';').map((p) => p.trim().toLowerCase()) : ['*.*'];
    };
    const matches = (name) => patterns().some((p) => p === '*.*' || p === '*' ||
      (p.startsWith('*.') && name.toLowerCase().endsWith(p.slice(1))));
    const fill = (body, done) => {
      body.style.flexDirection = 'column';
      body.style.minWidth = '420px';
      list = el('div', 'files', body);
      const nameRow = el('div', '', body);
      el('span', '', nameRow).textContent = this.words.name + ' ';
      nameInput = el('input', '', nameRow);
      nameInput.type = 'text';
      nameInput.value = d.fileName ? d.fileName.replace(/^.*\//, '') : '';
      nameInput.style.width = '70%';
      const typeRow = el('div', '', body);
      el('span', '', typeRow).textContent = this.words.type + ' ';
      typeSelect = el('select', '', typeRow);
      d.filters.forEach((f, i) => {
        const o = el('option', '', typeSelect);
        o.value = i + 1;
        o.textContent = f.description;
      });
      typeSelect.value = d.filterIndex >= 1 && d.filterIndex <= d.filters.length ? d.filterIndex : 1;
      const refill = () => {
        list.textContent = '';
        const add = (label, path, cls) => {
          const row = el('div', cls || '', list);
          row.textContent = label;
          row.dataset.path = path;
          row.addEventListener('click', () => {
            for (const r of list.children) r.classList.remove('selected');
            row.classList.add('selected');
            chosen = path;
            nameInput.value = label;
          });
          row.addEventListener('dblclick', () => { chosen = path; nameInput.value = label; done(answer()); });
        };
        for (const name of files.list(files.current)) if (matches(name)) add(name, files.current + '/' + name);
        if (!d.save) {
          el('div', 'folder', list).textContent = this.words.examples;
          for (const name of files.list('/examples')) if (matches(name)) add(name, '/examples/' + name);
        }
      };
      typeSelect.addEventListener('change', refill);
      refill();
      if (!d.save) {
        const pickRow = el('div', '', body);
        const pick = el('button', '', pickRow);
        pick.textContent = this.words.pick;
        pick.addEventListener('click', async () => {
          const picked = await files.pick(false);
          if (picked) {
            chosen = picked;
            nameInput.value = picked.replace(/^.*\//, '');
            done(answer());
          }
        });
        if ('webkitdirectory' in HTMLInputElement.prototype) {
          const folder = el('button', '', pickRow);
          folder.textContent = this.words.folder;
          folder.style.marginLeft = '6px';
          folder.addEventListener('click', async () => {
            await files.pick(true);
            refill();
          });
        }
        el('div', '', body).textContent = this.words.drop;
      } else {
        const where = el('div', 'saves-into', body);
        const tell = (folder) => { where.textContent = folder ? this.words.savesInto(folder) : this.words.downloads; };
        tell(files.savesInto());
        if (files.canPickFolder) {
          const choose = el('button', '', el('div', '', body));
          choose.textContent = this.words.saveFolder;
          choose.addEventListener('click', async () => tell(await files.chooseSaveFolder()));
        }
      }
      return { focus: nameInput };
    };
    const answer = () => {
      const typed = nameInput.value.trim();
      if (!typed) return null;
      if (d.save) files.askToWrite();
      let path = chosen && chosen.endsWith('/' + typed) ? chosen : typed.startsWith('/') ? typed : files.current + '/' + typed;
      return { filterIndex: Number(typeSelect.value), fileName: path };
    };
    return this.box(d.title || (d.save ? this.words.save : this.words.open), fill,
      [[d.save ? this.words.save : this.words.open, answer], [this.words.Cancel, null]]);
  }
}
