// The links around the thumbnails: sized sub-windows (one reused window, or one per picture),
// the plain sub-window and the same window.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { useBrowser, openPage } from './support/browser.mjs';
import { fileOf, makeGallery } from './support/gallery.mjs';

const browser = useBrowser();

// In page order (by name); the first is larger than any screen the tests run on. The others
// stay above Chromium's least window width (142 pixels).
const pictures = [
  { kind: 'jpeg', width: 3000, height: 2000, path: "big one's.jpg" },
  { kind: 'gif', width: 240, height: 180, path: 'mid.gif' },
  { kind: 'jpeg', width: 160, height: 90, path: 'small.jpg' },
];

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

async function windowOf(popup) {
  await popup.waitForLoadState('load');
  return popup.evaluate(() => ({
    name: window.name, inner: [innerWidth, innerHeight], outer: [outerWidth, outerHeight],
  }));
}

// How much of a window's requested height the browser's own bars take: open a window of a known
// size from the gallery page and see what is left inside.
async function barHeight(browserContext, page) {
  const [popup] = await Promise.all([
    browserContext.waitForEvent('page'),
    page.evaluate(() => { window.open('about:blank', 'measure', 'width=300,height=300'); }),
  ]);
  const { inner } = await windowOf(popup);
  await popup.close();
  return 300 - inner[1];
}

async function clickThumbnail(page, picture) {
  const index = pictures.indexOf(picture);
  await page.locator('img').nth(index).click();
}

async function waitForOuterSize(popup, size) {
  await popup.waitForFunction(([w, h]) => outerWidth === w && outerHeight === h, size, { timeout: 3000 })
    .catch(() => {});
}

function pictureFile(gallery, picture) {
  return path.join(gallery.tree, picture.path);
}

// A waitForURL predicate: the address of the picture's file.
function isPicture(gallery, picture) {
  return (url) => url.protocol === 'file:' && fileOf(url.href) === pictureFile(gallery, picture);
}

// Clicks the thumbnails from the smallest to the largest and gives the one window's size after
// each click.
async function onlyOneWindowSizes(t) {
  const gallery = makeGallery(t, { pictures, options: { SubWin: 1, AutoSize: 1, OnlyOne: 1 } });
  const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
  const screen = await page.evaluate(() => ({ availWidth: screen.availWidth, availHeight: screen.availHeight }));
  const before = browser.context.pages().length;
  const seen = [];
  let popup;
  for (const picture of [pictures[2], pictures[1], pictures[0]]) {
    if (!popup) {
      [popup] = await Promise.all([browser.context.waitForEvent('page'), clickThumbnail(page, picture)]);
      t.after(() => popup.close());
    } else {
      await Promise.all([popup.waitForURL(isPicture(gallery, picture)), clickThumbnail(page, picture)]);
    }
    const expected = sizedWindow(picture, screen, true);
    await waitForOuterSize(popup, expected);
    const shown = await windowOf(popup);
    seen.push({ picture: picture.path, name: shown.name, file: fileOf(popup.url()), size: shown.outer, expected });
  }
  assert.equal(browser.context.pages().length, before + 1, 'a second window was opened');
  return { gallery, seen };
}

test('sized sub-windows with OnlyOne on: one window for every picture, first opened at its size', async (t) => {
  const { gallery, seen } = await onlyOneWindowSizes(t);
  for (const [i, window] of seen.entries()) {
    assert.equal(window.name, 'SubWin');
    assert.equal(window.file, path.join(gallery.tree, [pictures[2], pictures[1], pictures[0]][i].path));
  }
  assert.deepEqual(seen[0].size, seen[0].expected, `window of ${seen[0].picture}`);
});

test('sized sub-windows with OnlyOne on: a picture larger than the screen gets the usable screen', async (t) => {
  const gallery = makeGallery(t, { pictures, options: { SubWin: 1, AutoSize: 1, OnlyOne: 1 } });
  const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
  const screen = await page.evaluate(() => ({ availWidth: screen.availWidth, availHeight: screen.availHeight }));
  const [popup] = await Promise.all([browser.context.waitForEvent('page'), clickThumbnail(page, pictures[0])]);
  t.after(() => popup.close());
  const expected = sizedWindow(pictures[0], screen, true);
  assert.deepEqual(expected, [screen.availWidth - 10, screen.availHeight - 30]);
  await waitForOuterSize(popup, expected);
  const shown = await windowOf(popup);
  assert.equal(fileOf(popup.url()), pictureFile(gallery, pictures[0]));
  assert.deepEqual(shown.outer, expected);
});

// The page resizes the reused window after loading the next picture into it. Chromium gives
// every file:// page an origin of its own, so once the window shows a picture, resizeTo() from
// the gallery page is a cross-origin access: it throws a SecurityError and the window keeps the
// size of the first picture (the focus() after it is skipped too).
test('sized sub-windows with OnlyOne on: the one window is resized to each later picture', {
  todo: 'Chromium refuses resizeTo() on a window showing a file:// picture (SecurityError)',
}, async (t) => {
  const { seen } = await onlyOneWindowSizes(t);
  for (const window of seen) {
    assert.deepEqual(window.size, window.expected, `window of ${window.picture}`);
  }
});

test('sized sub-windows with OnlyOne off: a window of its own size for each picture', async (t) => {
  const gallery = makeGallery(t, { pictures, options: { SubWin: 1, AutoSize: 1, OnlyOne: 0 } });
  const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
  const screen = await page.evaluate(() => ({
    availWidth: screen.availWidth, availHeight: screen.availHeight,
  }));
  const bars = await barHeight(browser.context, page);

  const before = browser.context.pages().length;
  for (const picture of [pictures[2], pictures[1], pictures[0]]) {
    const [popup] = await Promise.all([browser.context.waitForEvent('page'), clickThumbnail(page, picture)]);
    t.after(() => popup.close());
    const shown = await windowOf(popup);
    const [width, height] = sizedWindow(picture, screen, false);
    assert.equal(fileOf(popup.url()), pictureFile(gallery, picture));
    assert.equal(shown.name, `SubWin${pictures.indexOf(picture) + 1}`);
    assert.equal(shown.inner[0], width, `width of the window of ${picture.path}`);
    // A window taller than the screen with the browser's bars is cut to the screen by the browser.
    assert.ok(shown.inner[1] + bars === height || shown.outer[1] === screen.availHeight,
      `height of the window of ${picture.path}: ${shown.inner[1]} + ${bars} for ${height}`);
  }
  assert.equal(browser.context.pages().length, before + 3);
});

test('the plain sub-window opens each picture in the one window "SubWin"', async (t) => {
  const gallery = makeGallery(t, { pictures, options: { SubWin: 1, AutoSize: 0 } });
  const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
  const [popup] = await Promise.all([browser.context.waitForEvent('page'), clickThumbnail(page, pictures[0])]);
  t.after(() => popup.close());
  await popup.waitForURL(isPicture(gallery, pictures[0]));
  assert.equal((await windowOf(popup)).name, 'SubWin');
  await Promise.all([popup.waitForURL(isPicture(gallery, pictures[2])),
    clickThumbnail(page, pictures[2])]);
  assert.equal(page.url(), gallery.url('Pictavue001.htm'));
});

test('without a sub-window the picture opens in the same window', async (t) => {
  const gallery = makeGallery(t, { pictures, options: { SubWin: 0 } });
  const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
  const before = browser.context.pages().length;
  await Promise.all([page.waitForURL(isPicture(gallery, pictures[0])),
    clickThumbnail(page, pictures[0])]);
  const size = await page.evaluate(() => [document.images[0].naturalWidth, document.images[0].naturalHeight]);
  assert.deepEqual(size, [3000, 2000]);
  assert.equal(browser.context.pages().length, before);
});
