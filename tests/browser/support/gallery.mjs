// Galleries made the way a person makes them (pictures from our own picture writer, a settings
// file, `pictavue --batch` over the folder), looked at in Debian's Chromium, headless, with a
// fresh profile; never a browser download. Everything lives in temporary folders.

import { after, before } from 'node:test';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const here = path.dirname(fileURLToPath(import.meta.url));
const bin = path.join(path.resolve(process.env.PICTAVUE_BUILD ?? path.join(here, '../../../build')), 'bin');

// Its standard output; a failure throws with the program's standard error.
const run = (program, args, input, env) => execFileSync(program, args, { input, env });

// A gallery of pictures ([{ kind, width, height, path }], paths below the tree, a Buffer for a name
// that is no UTF-8) with the given settings keys over every kind on, the pages in <temp>/out, or
// in the tree itself when where is 'search'. Returns { tree, out, url(name) }.
export function makeGallery(t, { pictures, options = {}, where = 'chosen' }) {
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'pictavue-browser-'));
  t.after(() => fs.rmSync(root, { recursive: true, force: true }));
  const tree = path.join(root, 'tree');
  const out = where === 'chosen' ? path.join(root, 'out') : tree;
  for (const folder of [tree, out, path.join(root, 'home')]) {
    fs.mkdirSync(folder, { recursive: true });
  }
  // Names given as bytes are written under plain names first, then renamed.
  const plain = (p, i) => (Buffer.isBuffer(p.path) ? `plain/${i}` : `tree/${p.path}`);
  run(path.join(bin, 'pictavue_write_pictures'), [root],
    pictures.map((p, i) => [p.kind, p.width, p.height, plain(p, i), '4a90d9'].join('\t')).join('\n') + '\n');
  pictures.forEach((p, i) => {
    if (Buffer.isBuffer(p.path)) {
      const file = Buffer.concat([Buffer.from(`${tree}/`), p.path]);
      fs.mkdirSync(file.subarray(0, file.lastIndexOf('/')), { recursive: true });
      fs.renameSync(path.join(root, plain(p, i)), file);
    }
  });
  const keys = { SubDir: 1, GIF: 1, JPEG: 1, PNG: 1, BMP: 1, WMF: 1, EMF: 1, DirName: out,
    OutputDir: where === 'chosen' ? 0 : 1, ...options };
  // Each key is read from its own section only, so every section may hold every key.
  const lines = Object.entries(keys).map(([key, value]) => `${key}=${value}\r\n`).join('');
  const text = ['SearchDir', 'PageFormat', 'OutFile'].map((s) => `[${s}]\r\n${lines}`).join('');
  const settings = path.join(root, 'Pictavue.ini');
  fs.writeFileSync(settings, text);
  run(path.join(bin, 'pictavue'), ['--batch', '--yes', '--settings', settings, tree], undefined,
    { PATH: process.env.PATH, HOME: path.join(root, 'home'), LANG: 'C.UTF-8' });
  return { tree, out, url: (name) => pathToFileURL(path.join(out, name)).href };
}

// One browser for the test file: `const browser = useBrowser();`, then browser.context in the
// tests; moreFlags go to its command line. Windows keep the sizes their pages ask for (no emulated
// viewport), as a person's would.
export function useBrowser(moreFlags = []) {
  const holder = { context: null };
  let profile;
  before(async () => {
    profile = fs.mkdtempSync(path.join(os.tmpdir(), 'pictavue-chromium-'));
    holder.context = await chromium.launchPersistentContext(profile, {
      executablePath: process.env.PICTAVUE_CHROMIUM ?? '/usr/bin/chromium',
      headless: true,
      viewport: null,
      args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        ...moreFlags],
    });
  });
  after(async () => {
    await holder.context?.close();
    fs.rmSync(profile, { recursive: true, force: true });
  });
  return holder;
}

// A new tab on url, closed when the test ends.
export async function openPage(t, browser, url) {
  const page = await browser.context.newPage();
  t.after(() => page.close());
  await page.goto(url);
  return page;
}

// Polls check until it gives something, for up to five seconds; gives that, or undefined.
export async function until(check) {
  for (let tries = 0; tries < 100; tries++) {
    const result = check();
    if (result) {
      return result;
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  return undefined;
}
