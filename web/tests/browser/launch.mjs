// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the local server on a free port and Debian's chromium, headless,
// with a fresh profile. Both end with close(); shareServerAndBrowser gives
// the tests of one file one of each.
import { spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before } from 'node:test';
import puppeteer from 'puppeteer-core';

// `options` go to serve.py (--no-isolation).
export async function startServer(root, folder, options = []) {
  const server = spawn('python3', [join(root, 'web/serve.py'), folder, '--port', '0', ...options], { stdio: ['ignore', 'pipe', 'inherit'] });
  const url = await new Promise((resolve, reject) => {
    let text = '';
    server.stdout.on('data', (d) => {
      text += d;
      const m = /http:\/\/127\.0\.0\.1:\d+\//.exec(text);
      if (m) resolve(m[0]);
    });
    server.on('exit', (code) => reject(new Error(`server ended with ${code}`)));
  });
  return { url, close: () => server.kill('SIGTERM') };
}

export async function startBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'vantor-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`, '--window-size=1400,1000'],
    defaultViewport: { width: 1400, height: 1000 },
  });
  return {
    browser,
    close: async () => {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The server and the browser that the tests of one file share: started
// before them, with the folder `out` emptied, and closed after them.
export function shareServerAndBrowser(root, folder, out) {
  const shared = {};
  before(async () => {
    rmSync(out, { recursive: true, force: true });
    mkdirSync(out, { recursive: true });
    shared.server = await startServer(root, folder);
    shared.chromium = await startBrowser();
  });
  after(async () => {
    await shared.chromium?.close();
    shared.server?.close();
  });
  return shared;
}
