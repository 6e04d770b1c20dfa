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

// The bytes of a name below the tree, in which a lone surrogate \uDC80-\uDCFF stands for the raw
// byte 0x80-0xFF, so that names which are not UTF-8 can be written as text.
const bytesOf = (name) => Buffer.concat([...name].map((character) => {
  const code = character.codePointAt(0);
  return code >= 0xDC80 && code <= 0xDCFF ? Buffer.from([code - 0xDC00]) : Buffer.from(character, 'utf8');
}));

// A gallery of pictures ([{ kind, width, height, path }], paths below the tree) made by
// `pictavue --batch` with the given settings keys over every kind on; the pages in <temp>/out, or
// in the tree itself with OutputDir=1. Returns { tree, out, files, url(name) }, files the path of
// each picture as latin1 text. A failure throws with the program's standard error.
export function makeGallery(t, { pictures, options = {} }) {
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'pictavue-browser-'));
  t.after(() => fs.rmSync(root, { recursive: true, force: true }));
  const tree = path.join(root, 'tree');
  const out = options.OutputDir === 1 ? tree : path.join(root, 'out');
  [tree, out, path.join(root, 'home')].forEach((folder) => fs.mkdirSync(folder, { recursive: true }));
  // Written under plain names, then each renamed to its own.
  const lines = pictures.map((p, i) => [p.kind, p.width, p.height, `plain/${i}`, '4a90d9'].join('\t'));
  execFileSync(path.join(bin, 'pictavue_write_pictures'), [root], { input: lines.join('\n') + '\n' });
  const files = pictures.map((p, i) => {
    const file = Buffer.concat([Buffer.from(`${tree}/`), bytesOf(p.path)]);
    fs.mkdirSync(file.subarray(0, file.lastIndexOf('/')), { recursive: true });
    fs.renameSync(path.join(root, `plain/${i}`), file);
    return file.toString('latin1');
  });
  const keys = { SubDir: 1, GIF: 1, JPEG: 1, PNG: 1, BMP: 1, WMF: 1, EMF: 1, DirName: out, OutputDir: 0, ...options };
  // Each key is read from its own section only, so every section may hold every key.
  const section = Object.entries(keys).map(([key, value]) => `${key}=${value}\r\n`).join('');
  const settings = path.join(root, 'Pictavue.ini');
  fs.writeFileSync(settings, ['SearchDir', 'PageFormat', 'OutFile'].map((s) => `[${s}]\r\n${section}`).join(''));
  execFileSync(path.join(bin, 'pictavue'), ['--batch', '--yes', '--settings', settings, tree],
    { env: { PATH: process.env.PATH, HOME: path.join(root, 'home'), LANG: 'C.UTF-8' } });
  return { tree, out, files, url: (name) => pathToFileURL(path.join(out, name)).href };
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
}
