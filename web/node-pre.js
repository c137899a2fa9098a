// Node 18 and later have a global fetch that cannot read file paths; the
// loader then falls back to reading the wasm file from disk.
var fetch = undefined;
