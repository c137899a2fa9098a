// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the program's windows in the page from the form models (as JSON
// from vantor_snapshot) and forwards the user's events to them. Each window
// keeps its elements by model id, so a change of the models updates the
// elements in place; a window whose menu or controls changed in kind is
// built anew.
'use strict';

const Shift = { Shift: 1, Ctrl: 2, Alt: 4, Left: 8, Right: 16, Middle: 32 };
const ControlEvent = { MouseDown: 0, MouseMove: 1, MouseUp: 2, Wheel: 3, Click: 4, DoubleClick: 5, ScrollTo: 6 };

function shiftOf(e, withButtons) {
  let s = 0;
  if (e.shiftKey) s |= Shift.Shift;
  if (e.ctrlKey) s |= Shift.Ctrl;
  if (e.altKey) s |= Shift.Alt;
  if (withButtons && e.buttons !== undefined) {
    if (e.buttons & 1) s |= Shift.Left;
    if (e.buttons & 2) s |= Shift.Right;
    if (e.buttons & 4) s |= Shift.Middle;
  }
  return s;
}

// The program's button numbers: 0 left, 1 middle, 2 right, as the DOM's.
const buttonOf = (e) => (e.button === 1 || e.button === 2 ? e.button : 0);

function fontCss(el, font) {
  el.style.fontSize = font.size > 0 ? font.size + 'px' : Math.round(-font.size * 96 / 72) + 'px';
  el.style.color = font.color;
  el.style.fontWeight = font.bold ? 'bold' : '';
}

function el(tag, cls, parent) {
  const e = document.createElement(tag);
  if (cls) e.className = cls;
  if (parent) parent.appendChild(e);
  return e;
}

// The shape of a form: what must match for its elements to be reused.
function structureOf(form) {
  const menu = (items) => items.map((m) => m.id + (m.items ? '[' + menu(m.items) + ']' : '')).join(',');
  return menu(form.menu) + '|' + form.controls.map((c) => c.id + c.kind).join(',');
}

class WindowView {
  constructor(host, index, form) {
    this.host = host;
    this.index = index;
    this.name = form.name;
    this.root = el('div', 'window', host.desktop);
    this.root.dataset.form = form.name;
    this.root.style.display = 'none';
    this.root.addEventListener('mousedown', () => host.focusWindow(this), true);
    const caption = el('div', 'caption', this.root);
    this.title = el('span', 'title', caption);
    const close = el('span', 'close', caption);
    close.textContent = '×';
    close.addEventListener('click', (e) => { e.stopPropagation(); host.call('vantor_window', index, 0, 0, 0); });
    this.dragFrom(caption);
    this.menubar = el('div', 'menubar', this.root);
    this.client = el('div', 'client', this.root);
    this.client.addEventListener('click', (e) => {
      if (e.target === this.client) host.call('vantor_window', index, 2, 0, 0);
    });
    this.build(form);
  }

  dragFrom(caption) {
    caption.addEventListener('mousedown', (e) => {
      if (e.button !== 0 || e.target.classList.contains('close')) return;
      const start = { x: e.clientX, y: e.clientY, left: this.root.offsetLeft, top: this.root.offsetTop };
      const move = (m) => {
        this.root.style.left = Math.max(0, start.left + m.clientX - start.x) + 'px';
        this.root.style.top = Math.max(0, start.top + m.clientY - start.y) + 'px';
      };
      const up = () => {
        removeEventListener('mousemove', move);
        removeEventListener('mouseup', up);
        this.host.call('vantor_window', this.index, 3, this.root.offsetLeft, this.root.offsetTop);
      };
      addEventListener('mousemove', move);
      addEventListener('mouseup', up);
      e.preventDefault();
    });
  }

  build(form) {
    this.structure = structureOf(form);
    this.menubar.textContent = '';
    this.client.textContent = '';
    this.menus = new Map();
    this.controls = new Map();
    for (const top of form.menu) this.buildMenu(top, this.menubar, true);
    for (const c of form.controls) this.controls.set(c.id, this.buildControl(c));
  }

  buildMenu(item, parent, top) {
    if (item.separator) {
      const sep = el('div', 'menu-sep', parent);
      this.menus.set(item.id, { item: sep, sep: true });
      return;
    }
    const node = el('div', top ? 'menu-top' : 'menu-item', parent);
    node.dataset.name = item.name;
    const label = el('span', '', node);
    const entry = { item: node, label };
    if (item.items) {
      if (!top) node.classList.add('parent');
      const drop = el('div', top ? 'dropdown' : 'dropdown sub', node);
      for (const child of item.items) this.buildMenu(child, drop, false);
      node.addEventListener(top ? 'click' : 'mouseenter', (e) => {
        if (e.target !== node && e.target !== label) return;
        if (top) this.host.toggleMenu(node);
        else {
          for (const sib of parent.children) if (sib !== node) sib.classList.remove('open');
          node.classList.add('open');
        }
      });
      if (top) node.addEventListener('mouseenter', () => this.host.hoverMenu(node));
    } else {
      node.addEventListener('click', (e) => {
        e.stopPropagation();
        if (node.classList.contains('disabled')) return;
        this.host.closeMenus();
        this.host.call('vantor_menu', this.index, item.id);
      });
      if (!top) node.addEventListener('mouseenter', () => {
        for (const sib of parent.children) if (sib !== node) sib.classList.remove('open');
      });
    }
    this.menus.set(item.id, entry);
  }

  updateMenu(item) {
    const entry = this.menus.get(item.id);
    if (!entry) return;
    entry.item.style.display = item.visible ? '' : 'none';
    if (!entry.sep) {
      entry.label.textContent = item.caption.replace(/&(.)/g, '$1');
      entry.item.classList.toggle('disabled', !item.enabled);
      entry.item.classList.toggle('checked', item.checked);
      entry.item.classList.toggle('radio', item.radio);
    }
    for (const child of item.items || []) this.updateMenu(child);
  }

  buildControl(c) {
    const host = this.host, index = this.index;
    const send = (event, button, shift, x, y, extra) =>
      host.call('vantor_control', index, c.id, event, button, shift, x, y, extra);
    let node;
    const view = { kind: c.kind };
    switch (c.kind) {
      case 'label': node = el('div', 'ctl label'); break;
      case 'speed':
        node = el('button', 'ctl speed');
        view.glyph = el('canvas', '', node);
        view.glyph.width = view.glyph.height = 16;
        view.text = el('span', '', node);
        node.addEventListener('contextmenu', (e) => e.preventDefault());
        node.addEventListener('mouseup', (e) => {
          const r = node.getBoundingClientRect();
          if (e.clientX < r.left || e.clientX >= r.right || e.clientY < r.top || e.clientY >= r.bottom) return;
          send(ControlEvent.MouseUp, buttonOf(e), 0, Math.floor(e.clientX - r.left), Math.floor(e.clientY - r.top), 0);
        });
        break;
      case 'button':
        node = el('button', 'ctl button');
        node.addEventListener('click', () => send(ControlEvent.Click, 0, 0, 0, 0, 0));
        break;
      case 'radio': {
        node = el('label', 'ctl radio');
        view.input = el('input', '', node);
        view.input.type = 'radio';
        view.text = el('span', '', node);
        node.addEventListener('click', (e) => { e.preventDefault(); send(ControlEvent.Click, 0, 0, 0, 0, 0); });
        break;
      }
      case 'scroll':
        node = el('input', 'ctl scroll');
        node.type = 'range';
        node.addEventListener('input', () => send(ControlEvent.ScrollTo, 0, 0, 0, 0, Number(node.value)));
        break;
      case 'progress': node = el('progress', 'ctl progress'); break;
      case 'list': {
        node = el('div', 'ctl list');
        const rowAt = (e) => {
          const row = e.target.closest('.row');
          return row ? Number(row.dataset.row) : -1;
        };
        node.addEventListener('contextmenu', (e) => e.preventDefault());
        node.addEventListener('mouseup', (e) => {
          const row = rowAt(e);
          send(ControlEvent.MouseUp, buttonOf(e), 0, 0, 0, row);
          if (e.button === 0 && row >= 0) send(ControlEvent.Click, 0, 0, 0, 0, row);
        });
        node.addEventListener('dblclick', () => send(ControlEvent.DoubleClick, 0, 0, 0, 0, 0));
        break;
      }
      case 'edit':
        node = el('input', 'ctl edit');
        node.type = 'text';
        node.addEventListener('input', () => host.call('vantor_edit', index, c.id, node.value));
        break;
      case 'image': node = this.buildImage(c, view, send); break;
      case 'bevel': node = el('div', 'ctl bevel'); break;
      case 'shape': node = el('div', 'ctl shape'); break;
      case 'panel': node = el('div', 'ctl panel'); break;
      default: node = el('div', 'ctl');
    }
    node.dataset.name = c.name;
    // Panels lie behind the controls placed on them.
    if (c.kind === 'panel') this.client.insertBefore(node, this.client.firstChild);
    else this.client.appendChild(node);
    view.node = node;
    return view;
  }

  buildImage(c, view, send) {
    const node = el('div', 'ctl image');
    const canvas = el('canvas', '', node);
    canvas.dataset.name = c.name;
    view.canvas = canvas;
    const at = (e) => {
      const r = canvas.getBoundingClientRect();
      const sx = canvas.width / (r.width || 1), sy = canvas.height / (r.height || 1);
      return [Math.floor((e.clientX - r.left) * sx), Math.floor((e.clientY - r.top) * sy)];
    };
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    canvas.addEventListener('mousedown', (e) => {
      e.preventDefault();
      const [x, y] = at(e);
      send(e.detail >= 2 ? ControlEvent.DoubleClick : ControlEvent.MouseDown, buttonOf(e), shiftOf(e, true), x, y, 0);
    });
    canvas.addEventListener('mousemove', (e) => {
      const [x, y] = at(e);
      this.host.coalesceMove(c.id, () => send(ControlEvent.MouseMove, 0, shiftOf(e, true), x, y, 0));
    });
    canvas.addEventListener('mouseup', (e) => {
      const [x, y] = at(e);
      send(ControlEvent.MouseUp, buttonOf(e), shiftOf(e, true), x, y, 0);
      const inside = x >= 0 && y >= 0 && x < canvas.width && y < canvas.height;
      if (e.button === 0 && inside) send(ControlEvent.Click, 0, 0, 0, 0, 0);
    });
    canvas.addEventListener('wheel', (e) => {
      if (!view.wheel || e.deltaY === 0) return;
      e.preventDefault();
      const [x, y] = at(e);
      send(ControlEvent.Wheel, 0, shiftOf(e, true), x, y, e.deltaY < 0 ? 120 : -120);
    }, { passive: false });
    return node;
  }

  updateControl(c) {
    const view = this.controls.get(c.id);
    if (!view) return;
    const n = view.node, s = n.style;
    s.left = c.x + 'px';
    s.top = c.y + 'px';
    const sized = !(c.kind === 'label' && (c.w <= 0 || c.h <= 0));
    s.width = sized ? Math.max(0, c.w) + 'px' : '';
    s.height = sized ? Math.max(0, c.h) + 'px' : '';
    s.display = c.visible ? '' : 'none';
    n.title = c.hint || '';
    n.classList.toggle('disabled-ctl', !c.enabled);
    if ('disabled' in n) n.disabled = !c.enabled;
    if (c.cursor) s.cursor = c.cursor;
    fontCss(n, c.font);
    s.backgroundColor = c.transparent ? '' : c.color;
    switch (c.kind) {
      case 'label': n.textContent = c.caption; break;
      case 'speed':
        view.text.textContent = c.caption;
        n.classList.toggle('down', c.down);
        n.classList.toggle('flat', c.flat);
        drawGlyph(view.glyph, c.glyph);
        view.glyph.style.display = c.glyph ? '' : 'none';
        break;
      case 'button': n.textContent = c.caption.replace(/&(.)/g, '$1'); break;
      case 'radio':
        view.text.textContent = c.caption.replace(/&(.)/g, '$1');
        view.input.checked = c.checked;
        view.input.disabled = !c.enabled;
        break;
      case 'scroll':
        n.min = c.min; n.max = c.max; n.step = 1;
        if (Number(n.value) !== c.position) n.value = c.position;
        if (c.vertical) { s.writingMode = 'vertical-lr'; s.direction = 'ltr'; }
        break;
      case 'progress': n.max = Math.max(1, c.max - c.min); n.value = c.position - c.min; break;
      case 'list': this.updateList(view, c); break;
      case 'edit': if (n.value !== c.text) n.value = c.text; break;
      case 'image': view.wheel = c.wheel; view.stretch = c.stretch; this.host.paint(this, c, view); break;
      case 'shape':
        s.border = '1px solid ' + c.pen;
        s.borderRadius = c.ellipse ? '50%' : '';
        s.backgroundColor = c.clear ? 'transparent' : c.color;
        break;
      default: break;
    }
  }

  updateList(view, c) {
    const key = JSON.stringify(c.items);
    if (view.items !== key) {
      view.items = key;
      view.node.textContent = '';
      c.items.forEach((text, i) => {
        const row = el('div', 'row', view.node);
        row.dataset.row = i;
        row.textContent = text;
      });
    }
    [...view.node.children].forEach((row, i) => row.classList.toggle('selected', i === c.index));
  }

  update(form) {
    if (structureOf(form) !== this.structure) this.build(form);
    this.form = form;
    this.title.textContent = form.caption;
    this.client.style.width = Math.max(1, form.clientWidth) + 'px';
    this.client.style.height = Math.max(1, form.clientHeight) + 'px';
    this.client.style.backgroundColor = form.color;
    this.menubar.style.display = form.menu.length ? '' : 'none';
    for (const m of form.menu) this.updateMenu(m);
    for (const c of form.controls) this.updateControl(c);
    const shown = this.root.style.display !== 'none';
    if (form.visible && !shown) {
      this.root.style.display = '';
      let x = form.x, y = form.y;
      if (form.centered) {
        x = Math.max(0, Math.round((innerWidth - this.root.offsetWidth) / 2));
        y = Math.max(0, Math.round((innerHeight - this.root.offsetHeight) / 2));
      }
      this.root.style.left = Math.max(0, x) + 'px';
      this.root.style.top = Math.max(0, y) + 'px';
      this.host.raise(this);
    } else if (!form.visible && shown) {
      this.root.style.display = 'none';
    } else if (form.visible && (form.x !== this.root.offsetLeft || form.y !== this.root.offsetTop) && !form.centered) {
      this.root.style.left = Math.max(0, form.x) + 'px';
      this.root.style.top = Math.max(0, form.y) + 'px';
    }
  }
}
