// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the pixels of a BMP as vantor-cli writes it (24-bit, or 8-bit with a
// colour table; bottom-up rows padded to four bytes) as RGBA bytes, the
// layout of a canvas's image data.
import { readFileSync } from 'node:fs';

export function readBmp(path) {
  const b = readFileSync(path);
  if (b.toString('latin1', 0, 2) !== 'BM') throw new Error(`${path}: not a BMP`);
  const offset = b.readUInt32LE(10), header = b.readUInt32LE(14);
  const width = b.readInt32LE(18), rawHeight = b.readInt32LE(22), bits = b.readUInt16LE(28);
  const height = Math.abs(rawHeight), topDown = rawHeight < 0;
  const stride = Math.floor((width * bits + 31) / 32) * 4;
  const table = 14 + header;
  const rgba = new Uint8Array(width * height * 4);
  for (let y = 0; y < height; ++y) {
    const row = offset + (topDown ? y : height - 1 - y) * stride;
    for (let x = 0; x < width; ++x) {
      let r, g, bl;
      if (bits === 24) [bl, g, r] = [b[row + 3 * x], b[row + 3 * x + 1], b[row + 3 * x + 2]];
      else if (bits === 8) {
        const e = table + 4 * b[row + x];
        [bl, g, r] = [b[e], b[e + 1], b[e + 2]];
      } else throw new Error(`${path}: ${bits} bits a pixel`);
      const o = 4 * (y * width + x);
      rgba[o] = r; rgba[o + 1] = g; rgba[o + 2] = bl; rgba[o + 3] = 255;
    }
  }
  return { width, height, rgba };
}
