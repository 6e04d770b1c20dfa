// Galleries of pictures whose names try to be something else: a scheme, a script, markup, a
// shorter name. In every option combination no script but the program's own runs, no request
// leaves the machine, and every link and image reaches the very file it names.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { makeGallery, openPage, until, useBrowser } from './support/gallery.mjs';

// Every request leaves for a proxy that is not there, should one slip past the routing below.
const browser = useBrowser(['--proxy-server=127.0.0.1:9', '--proxy-bypass-list=<-loopback>']);

const cases = JSON.parse(fs.readFileSync(new URL('../data/browser/hostile_names.json', import.meta.url)));
const { names } = cases;  // below the search folder, written as makeGallery reads them

// The bytes of the file a file: address names, as latin1 text: the URL parser leaves the path
// ASCII and every other byte percent-escaped, which unescape turns back into that byte.
const fileBytesOf = (url) => unescape(new URL(url).pathname);

// What the pages did that they should not: script calls, requests, windows.
let record = [];

// Once, by the first test: the browser is only there once the tests run.
let watching;
async function watch() {
  await browser.context.exposeBinding('pictavueRecord', (_source, ...entry) => { record.push(entry); });
  await browser.context.addInitScript(() => {
    for (const name of ['alert', 'confirm', 'prompt', 'print']) {
      window[name] = (text) => { window.pictavueRecord(name, String(text)); return null; };
    }
    // The program's own sub-window script opens through here: the address it asks for is kept,
    // and a stand-in window lets the script run to its end.
    window.open = (url, target) => {
      window.pictavueRecord('open', new URL(String(url), document.baseURI).href, String(target));
      return { focus() {}, resizeTo() {}, moveTo() {}, close() {}, closed: false };
    };
  });
  await browser.context.route(/^(?!file:|about:)/, (route) => {
    record.push(['request', route.request().url()]);
    return route.abort();
  });
}

// A gallery of the hostile tree; each picture is as wide as 30 + its place in the table, so
// that a loaded image tells which file it came from.
function makeHostileGallery(t, options) {
  const gallery = makeGallery(t, {
    pictures: names.map((name, i) => ({ kind: 'gif', width: 30 + i, height: 20, path: name })),
    options: { Pixel: 0, ...options },
  });
  const pages = fs.readdirSync(gallery.out).filter((name) => name.endsWith('.htm')).map(gallery.url);
  // file bytes (latin1) -> width
  return { files: new Map(gallery.files.map((file, i) => [file, 30 + i])), pages, pageFiles: new Set(pages.map(fileBytesOf)) };
}

// Everything that runs script on a page must be the program's own.
const foreignScript = (page) => page.evaluate(() => [
  ...[...document.querySelectorAll('*')].flatMap((e) => [...e.attributes]
    .filter((a) => /^on/i.test(a.name) && !(/^onclick$/i.test(a.name) && a.value === 'change(this.value)'))
    .map((a) => `${e.tagName} ${a.name}=${a.value}`)),
  ...[...document.scripts].filter((s) => !/^\s*<!--\s*(function change|function NewWindow)/.test(s.text))
    .map((s) => `script ${s.text.slice(0, 40)}`)]);

async function checkImages(page, gallery) {
  const images = await page.$$eval('img', (all) => all.map((img) => ({ src: img.currentSrc || img.src, width: img.naturalWidth })));
  for (const image of images) {
    const file = image.src.startsWith('file:') ? fileBytesOf(image.src) : image.src;
    assert.ok(gallery.files.has(file), `image ${image.src} is no picture of the gallery`);
    assert.equal(image.width, gallery.files.get(file), `image ${image.src} loaded another file`);
  }
  return images.length;
}

// Clicks every link of frame and gives the address each one reached. A link into the frame set's
// main frame is followed there.
async function clickEveryLink(page, frame, url) {
  const reached = [];
  const links = frame.locator('a');
  const count = await links.count();
  for (let i = 0; i < count; i++) {
    const link = links.nth(i);
    const href = await link.getAttribute('href');
    if (href.startsWith('mailto:')) {
      continue;
    }
    record = record.filter((entry) => entry[0] !== 'open');
    if (href.startsWith('JavaScript:')) {
      assert.match(href, /^JavaScript:(subwin = window\.open|NewWindow)\('/, `a script link the program did not write: ${href}`);
      await link.click();
      await until(() => record.some((entry) => entry[0] === 'open'));
      const opened = record.filter((entry) => entry[0] === 'open');
      assert.equal(opened.length, 1, `${href} opened ${opened.length} windows`);
      reached.push(opened[0][1]);
    } else if (await link.getAttribute('target') === 'main') {
      // The browser's own reading of the address, which the main frame must come to show.
      const resolved = await link.evaluate((a) => a.href);
      await link.click();
      await page.frame('main').waitForURL(resolved, { timeout: 5000 });
      reached.push(resolved);
    } else {
      await Promise.all([page.waitForURL((u) => u.href !== url, { timeout: 5000 }), link.click()]);
      reached.push(page.url());
      await page.goto(url);
    }
  }
  return reached;
}

async function checkGallery(t, options) {
  await (watching ??= watch());
  record = [];
  const page = await openPage(t, browser, 'about:blank');
  const gallery = makeHostileGallery(t, options);
  const reachedPictures = new Set();
  let images = 0;
  for (const url of gallery.pages) {
    await page.goto(url);
    const frameSet = page.frames().length > 1;
    if (!frameSet && (await page.locator('a[target=main]').count()) > 0) {
      continue;  // the menu: its links are followed inside the frame set
    }
    for (const frame of page.frames()) {
      assert.ok(gallery.pageFiles.has(fileBytesOf(frame.url())), `a frame shows ${frame.url()}`);
      assert.deepEqual(await foreignScript(frame), [], `foreign script on ${frame.url()}`);
    }
    images += await checkImages(page, gallery);
    const frame = frameSet ? page.frame('menu') : page.mainFrame();
    for (const target of await clickEveryLink(page, frame, url)) {
      const file = fileBytesOf(target);
      if (/\.html?$/.test(target)) {
        assert.ok(gallery.pageFiles.has(file) || fs.existsSync(new URL(target)), `a link to ${target}`);
      } else {
        assert.ok(gallery.files.has(file), `a link reached ${target}, no picture of the gallery`);
        reachedPictures.add(file);
      }
    }
  }
  assert.deepEqual(record.filter((entry) => entry[0] !== 'open'), [],
    'script calls or requests the program did not write');
  assert.equal(reachedPictures.size, names.length, 'a picture no link reaches');
  assert.equal(images, options.NotThumbnail ? 0 : names.length);
}

for (const [label, options] of cases.combinations) {
  test(`hostile names, ${label}`, (t) => checkGallery(t, options));
}
