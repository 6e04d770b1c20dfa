// Every thumbnail loads and is drawn at the size the page gives it, whatever the picture's name
// and wherever the pages are.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { useBrowser, openPage } from './support/browser.mjs';
import { fileOf, makeGallery } from './support/gallery.mjs';

const browser = useBrowser();

// Thumbnails of at most 100 pixels wide (the default width rule).
const pictures = [
  { kind: 'jpeg', width: 240, height: 160, path: 'plain.jpg', shown: [100, 67] },
  { kind: 'jpeg', width: 60, height: 40, path: 'with blanks in it.jpg', shown: [60, 40] },
  { kind: 'png', width: 61, height: 40, path: 'hash#mark.png', shown: [61, 40] },
  { kind: 'gif', width: 62, height: 40, path: '100% sure.gif', shown: [62, 40] },
  { kind: 'bmp', width: 63, height: 40, path: 'this&that.bmp', shown: [63, 40] },
  { kind: 'jpeg', width: 64, height: 40, path: "it's mine.jpg", shown: [64, 40] },
  { kind: 'png', width: 200, height: 100, path: '写真 1.png', shown: [100, 50] },
  { kind: 'gif', width: 66, height: 40, path: '日本語のフォルダ/花.gif', shown: [66, 40] },
  { kind: 'jpeg', width: 67, height: 40, path: "日本語のフォルダ/a #1 50% & 'b'.jpg", shown: [67, 40] },
  { kind: 'bmp-topdown', width: 68, height: 40, path: 'sub/top down.bmp', shown: [68, 40] },
];

for (const where of ['chosen', 'search']) {
  test(`every thumbnail loads at its size, pages in the ${where} folder`, async (t) => {
    const gallery = makeGallery(t, { pictures, where });
    const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
    await page.waitForLoadState('load');
    const images = await page.$$eval('img', (elements) => elements.map((img) => ({
      src: img.src,
      raw: img.getAttribute('src'),
      complete: img.complete,
      natural: [img.naturalWidth, img.naturalHeight],
      attributes: [Number(img.getAttribute('width')), Number(img.getAttribute('height'))],
      drawn: [img.getBoundingClientRect().width, img.getBoundingClientRect().height],
    })));
    assert.equal(images.length, pictures.length);

    const absolute = where === 'chosen';
    for (const image of images) {
      assert.equal(image.raw.startsWith('file:///'), absolute, `address form of ${image.raw}`);
    }
    for (const picture of pictures) {
      const file = path.join(gallery.tree, picture.path);
      const image = images.find((i) => fileOf(i.src) === file);
      assert.ok(image, `no thumbnail reaches ${picture.path}: ${images.map((i) => i.raw).join(', ')}`);
      assert.ok(image.complete && image.natural[0] > 0, `${picture.path} did not load`);
      assert.deepEqual(image.natural, [picture.width, picture.height], picture.path);
      assert.deepEqual(image.attributes, picture.shown, picture.path);
      assert.deepEqual(image.drawn, picture.shown, `${picture.path} is drawn at another size`);
    }
  });
}
