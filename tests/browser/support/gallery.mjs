// Galleries made the way a person makes them: pictures written by our own picture writers,
// a settings file, and `pictavue --batch` over the folder. Everything lives in a temporary
// folder that the test removes afterwards.

import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const buildFolder = path.resolve(process.env.PICTAVUE_BUILD ?? path.join(here, '../../../build'));
export const program = path.join(buildFolder, 'bin', 'pictavue');
const pictureWriter = path.join(buildFolder, 'bin', 'pictavue_write_pictures');

const sections = {
  SearchDir: ['SubDir', 'GIF', 'JPEG', 'PNG', 'BMP', 'WMF', 'EMF', 'SameSize'],
  PageFormat: ['Width', 'Height', 'Longer', 'Pixel', 'BGColor', 'SubWin', 'AutoSize', 'OnlyOne',
    'ClientPull', 'Delay', 'Separator', 'FolderName', 'PathName', 'IPP', 'IppFree', 'FrameMenu',
    'Title', 'Name', 'Email', 'NotThumbnail', 'AltNewLine'],
  OutFile: ['FileName', 'DirName', 'OutputDir', 'AutoOpenMode', 'Browser', 'BrowserPath'],
};

// The codes the settings file stores for the list choices.
export const pixelCode = { 50: 3, 100: 0, 150: 4, 200: 1, 250: 5, 300: 2 };
export const ippCode = { 20: 5, 50: 4, 100: 0, 150: 1, 200: 2, unlimited: 3 };

// A fresh folder, removed when the test ends.
export function tempFolder(t) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'pictavue-browser-'));
  t.after(() => fs.rmSync(folder, { recursive: true, force: true }));
  return folder;
}

// pictures: [{ kind, width, height, path, colour }] with path relative to root.
export function writePictures(root, pictures) {
  const list = pictures
    .map((p) => [p.kind, p.width, p.height, p.path, p.colour ?? '4a90d9'].join('\t'))
    .join('\n');
  const result = spawnSync(pictureWriter, [root], { input: list + '\n' });
  if (result.status !== 0) {
    throw new Error(`${pictureWriter} failed: ${result.error ?? result.stderr}`);
  }
}

// The settings file's text; keys not given keep the program's defaults. Every kind is on
// unless the options say otherwise.
export function settingsText(options) {
  const all = { SubDir: 1, GIF: 1, JPEG: 1, PNG: 1, BMP: 1, WMF: 1, EMF: 1, ...options };
  let text = '';
  for (const [section, keys] of Object.entries(sections)) {
    text += `[${section}]\r\n`;
    for (const key of keys) {
      if (all[key] !== undefined) {
        text += `${key}=${all[key]}\r\n`;
      }
    }
  }
  return text;
}

function encode(text, codePage) {
  if (!codePage) {
    return Buffer.from(text, 'utf8');
  }
  const result = spawnSync('iconv', ['-f', 'UTF-8', '-t', codePage], { input: text });
  if (result.status !== 0) {
    throw new Error(`iconv to ${codePage} failed: ${result.stderr}`);
  }
  return result.stdout;
}

// Makes a gallery of pictures (see writePictures) below `<temp>/tree` (or `<temp>/<treeName>`).
// where: 'chosen' puts the pages into `<temp>/out` (absolute addresses), 'search' into the
// tree itself (relative addresses). codePage: the system code page the program runs with
// (PICTAVUE_CODEPAGE), undefined for the locale's UTF-8.
// Returns { root, tree, out, pageToOpen, url(name) }.
export function makeGallery(t, { pictures, options = {}, where = 'chosen', codePage, treeName = 'tree' }) {
  const root = tempFolder(t);
  const tree = path.join(root, treeName);
  fs.mkdirSync(tree, { recursive: true });
  writePictures(tree, pictures);
  const out = where === 'chosen' ? path.join(root, 'out') : tree;
  fs.mkdirSync(out, { recursive: true });
  fs.mkdirSync(path.join(root, 'home'));
  const settings = path.join(root, 'Pictavue.ini');
  fs.writeFileSync(settings, encode(settingsText({
    DirName: path.join(root, 'out'),
    OutputDir: where === 'chosen' ? 0 : 1,
    ...options,
  }), codePage));

  const env = { PATH: process.env.PATH, HOME: path.join(root, 'home'), LANG: 'C.UTF-8' };
  if (codePage) {
    env.PICTAVUE_CODEPAGE = codePage;
  }
  const result = spawnSync(program, ['--batch', '--yes', '--settings', settings, tree], { env });
  if (result.status !== 0) {
    throw new Error(`pictavue --batch exited with ${result.status}: ${result.stderr}`);
  }
  const pageToOpen = result.stdout.toString('latin1').trim();
  return {
    root,
    tree,
    out,
    pageToOpen,
    url: (name) => pathToFileURL(path.join(out, name)).href,
  };
}

// The file of a file:// address, for comparing addresses the browser resolved.
export function fileOf(url) {
  return fileURLToPath(url);
}
