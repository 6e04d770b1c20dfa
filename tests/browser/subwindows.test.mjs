// The links around the thumbnails: sized sub-windows (one reused window, or one per picture) and
// the plain sub-window. The same window is the hostile names test's.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath as fileOf } from 'node:url';
import { makeGallery, openPage, until, useBrowser } from './support/gallery.mjs';

const browser = useBrowser();

// In page order (by name); the first is larger than any screen the tests run on. The others
// stay above Chromium's least window width (142 pixels).
const pictures = [
  { kind: 'jpeg', width: 3000, height: 2000, path: "big one's.jpg" },
  { kind: 'gif', width: 240, height: 180, path: 'mid.gif' },
  { kind: 'jpeg', width: 160, height: 90, path: 'small.jpg' },
];
const [big, mid, small] = pictures;

// The window a sized link asks for: the picture plus the margins, 20 more each way when it
// does not fit, capped at the usable screen (less 10 and 30).
function sizedWindow(picture, screen, onlyOne) {
  const usable = [screen.availWidth - 10, screen.availHeight - 30];
  let size = [picture.width + (onlyOne ? 30 : 20), picture.height + (onlyOne ? 60 : 30)];
  if (size[0] > usable[0] || size[1] > usable[1]) {
    size = size.map((side) => side + 20);
  }
  return size.map((side, i) => Math.min(side, usable[i]));
}

// Serves folder over http://127.0.0.1 until the test ends; gives the server's address.
async function serve(t, folder) {
  const server = http.createServer((request, response) => {
    const file = path.join(folder, decodeURIComponent(new URL(request.url, 'http://x').pathname));
    fs.readFile(file, (error, bytes) => {
      response.writeHead(error ? 404 : 200);
      response.end(bytes);
    });
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  t.after(() => server.close());
  return `http://127.0.0.1:${server.address().port}/`;
}

// The gallery's first page (from file://, or from http:// with the pages beside the pictures),
// the screen it is on, and a click on a picture's thumbnail that gives the window it opens
// ({ popup, name, inner, outer, file }) or, with popup, waits for that one.
async function galleryPage(t, options, where = 'file') {
  const gallery = makeGallery(t, { pictures, where: where === 'http' ? 'search' : 'chosen', options: { SubWin: 1, ...options } });
  const first = 'Pictavue001.htm';
  const page = await openPage(t, browser, where === 'http' ? await serve(t, gallery.out) + first : gallery.url(first));
  const screen = await page.evaluate(() => ({ availWidth: screen.availWidth, availHeight: screen.availHeight }));
  const click = async (picture, popup) => {
    const file = path.join(gallery.tree, picture.path);
    const thumbnail = page.locator('img').nth(pictures.indexOf(picture));
    if (popup) {
      await Promise.all([popup.waitForURL((url) => url.protocol === 'file:' && fileOf(url.href) === file), thumbnail.click()]);
    } else {
      [popup] = await Promise.all([browser.context.waitForEvent('page'), thumbnail.click()]);
      t.after(() => popup.close());
    }
    await popup.waitForLoadState('load');
    const shown = await popup.evaluate(() => ({
      name: window.name, inner: [innerWidth, innerHeight], outer: [outerWidth, outerHeight],
    }));
    return { popup, ...shown, file: fileOf(popup.url()), expected: file };
  };
  return { gallery, page, screen, click };
}

// From file:// pages (each an origin of its own in Chromium) and from http:// pages alike.
for (const where of ['file', 'http']) {
  test(`sized sub-windows with OnlyOne on, ${where}: each picture in front, in one window of its size`, async (t) => {
    const { page, screen } = await galleryPage(t, { AutoSize: 1, OnlyOne: 1 }, where);
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    const others = browser.context.pages();
    const subWindows = () => browser.context.pages().filter((p) => !others.includes(p));
    t.after(() => Promise.all(subWindows().map((p) => p.close())));
    for (const picture of [small, mid, big]) {
      await page.locator('img').nth(pictures.indexOf(picture)).click();
      const popup = await until(() => subWindows().find(
        (p) => decodeURIComponent(new URL(p.url() || 'about:blank').pathname).endsWith(`/${picture.path}`)));
      assert.ok(popup, `no window shows ${picture.path}`);
      const size = sizedWindow(picture, screen, true);
      await popup.waitForFunction(([w, h]) => outerWidth === w && outerHeight === h, size, { timeout: 3000 })
        .catch(() => {});
      assert.deepEqual(await popup.evaluate(() => [name, outerWidth, outerHeight]), ['SubWin', ...size], picture.path);
      await until(() => subWindows().length === 1);
      assert.equal(subWindows().length, 1, 'more than one sub-window');
      // The script ran to its end, focus() included, so the window is in front.
      assert.deepEqual(errors, []);
    }
  });
}

test('sized sub-windows with OnlyOne off: a window of its own size for each picture', async (t) => {
  const { page, screen, click } = await galleryPage(t, { AutoSize: 1, OnlyOne: 0 });
  // How much of a window's requested height the browser's own bars take.
  const [probe] = await Promise.all([browser.context.waitForEvent('page'),
    page.evaluate(() => { window.open('about:blank', 'measure', 'width=300,height=300'); })]);
  await probe.waitForLoadState('load');
  const bars = 300 - await probe.evaluate(() => innerHeight);
  await probe.close();
  const before = browser.context.pages().length;
  for (const picture of [small, mid, big]) {
    const shown = await click(picture);
    const [width, height] = sizedWindow(picture, screen, false);
    assert.equal(shown.file, shown.expected);
    assert.equal(shown.name, `SubWin${pictures.indexOf(picture) + 1}`);
    assert.equal(shown.inner[0], width, `width of the window of ${picture.path}`);
    // A window taller than the screen with the browser's bars is cut to the screen by the browser.
    assert.ok(shown.inner[1] + bars === height || shown.outer[1] === screen.availHeight,
      `height of the window of ${picture.path}: ${shown.inner[1]} + ${bars} for ${height}`);
  }
  assert.equal(browser.context.pages().length, before + 3);
});

test('the plain sub-window opens each picture in the one window "SubWin"', async (t) => {
  const { gallery, page, click } = await galleryPage(t, { AutoSize: 0 });
  const opened = await click(big);
  assert.equal(opened.name, 'SubWin');
  assert.equal((await click(small, opened.popup)).file, path.join(gallery.tree, small.path));
  assert.equal(page.url(), gallery.url('Pictavue001.htm'));
});
