// SPDX-License-Identifier: GPL-3.0-or-later
// Node 18 and later have a global fetch that cannot read file paths; the
// loader then falls back to reading the wasm file from disk.
var fetch = undefined;
// A driver that loads the program as a library hands in its settings here
// (Module is local to this file under node).
if (typeof globalThis.vantorModule === 'object') Object.assign(Module, globalThis.vantorModule);
