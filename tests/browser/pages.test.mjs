// What only a browser shows of the pages: every address reaches its file, Japanese reads right in
// pages that declare no character set, the colour buttons work, and the links, the slide show
// and the frame set lead through the gallery.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { fileOf, makeGallery, openPage, useBrowser } from './support/gallery.mjs';

const browser = useBrowser();

// Thumbnails of at most 100 pixels wide (the default width rule).
const awkward = [
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
    const gallery = makeGallery(t, { pictures: awkward, where });
    const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
    await page.waitForLoadState('load');
    const images = await page.$$eval('img', (elements) => elements.map((img) => ({
      src: img.src, raw: img.getAttribute('src'), natural: [img.naturalWidth, img.naturalHeight],
      drawn: [img.getBoundingClientRect().width, img.getBoundingClientRect().height],
    })));
    assert.equal(images.length, awkward.length);
    for (const picture of awkward) {
      const image = images.find((i) => fileOf(i.src) === path.join(gallery.tree, picture.path));
      assert.ok(image, `no thumbnail reaches ${picture.path}: ${images.map((i) => i.raw)}`);
      assert.equal(image.raw.startsWith('file:///'), where === 'chosen', image.raw);
      assert.deepEqual(image.natural, [picture.width, picture.height], picture.path);
      assert.deepEqual(image.drawn, picture.shown, picture.path);
    }
  });
}

for (const codePage of [undefined, 'CP932']) {
  test(`a Japanese title, name and heading read right in ${codePage ?? 'UTF-8'} pages`, async (t) => {
    const gallery = makeGallery(t, {
      pictures: [
        { kind: 'gif', width: 40, height: 30, path: '表紙.gif' },
        { kind: 'jpeg', width: 50, height: 30, path: '旅行の写真/富士山.jpg' },
        { kind: 'png', width: 60, height: 30, path: '旅行の写真/ﾊﾝｶｸ ｶﾀｶﾅ.png' },
      ],
      codePage,
      options: { Title: '日本の写真\\n第二行', Name: '山田　太郎', FolderName: 1, PathName: 0 },
    });
    const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
    assert.equal(await page.title(), '日本の写真 [1/1]');
    assert.equal(await page.locator('h1').innerText(), '日本の写真\n第二行');
    const text = await page.locator('body').innerText();
    assert.ok(text.includes('山田　太郎') && text.includes('旅行の写真'), text);
    const alts = await page.$$eval('img', (images) => images.map((img) => img.alt));
    assert.ok(alts.some((alt) => alt.includes('ﾊﾝｶｸ ｶﾀｶﾅ.png')), alts.join(' | '));
    const widths = await page.$$eval('img', (images) => images.map((img) => img.naturalWidth));
    assert.deepEqual(widths.sort((a, b) => a - b), [40, 50, 60], 'a thumbnail with a Japanese name did not load');
  });
}

test('each colour button sets the background, and black turns the text white', async (t) => {
  const colours = {
    black: 'rgb(0, 0, 0)', Gray: 'rgb(128, 128, 128)', Silver: 'rgb(192, 192, 192)',
    white: 'rgb(255, 255, 255)', Red: 'rgb(255, 0, 0)', Yellow: 'rgb(255, 255, 0)',
    Lime: 'rgb(0, 255, 0)', Aqua: 'rgb(0, 255, 255)', Blue: 'rgb(0, 0, 255)', Green: 'rgb(0, 128, 0)',
  };
  const gallery = makeGallery(t, { pictures: [{ kind: 'gif', width: 20, height: 20, path: 'a.gif' }] });
  const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
  const look = () => page.evaluate(() => {
    const style = getComputedStyle(document.body);
    return [style.backgroundColor, style.color];
  });
  assert.deepEqual(await look(), [colours.white, colours.black]);
  const buttons = await page.$$('input[type=button]');
  const names = await Promise.all(buttons.map((b) => b.getAttribute('value')));
  assert.deepEqual(names, [...Object.keys(colours), ...Object.keys(colours)], 'two rows of ten');
  // Each row starts with black, so the next button is seen to undo its white text.
  for (const [index, button] of buttons.entries()) {
    await button.click();
    assert.deepEqual(await look(), [colours[names[index]],
      names[index] === 'black' ? colours.white : colours.black], `button ${index}`);
  }
});

// 45 pictures at 20 a page: three pages, the last one with five.
const many = Array.from({ length: 45 }, (_, i) => ({
  kind: 'gif', width: 10 + i, height: 10, path: `p${String(i + 1).padStart(2, '0')}.gif`,
}));
const pageName = (p) => `Pictavue${String(p).padStart(3, '0')}.htm`;
const twenty = 5; // IPP's code for 20 a page

test('Back and Next lead through every page and stop at both ends', async (t) => {
  const gallery = makeGallery(t, { pictures: many, options: { IPP: twenty } });
  const page = await openPage(t, browser, gallery.url(pageName(1)));
  const links = (word) => page.$$(`a:has(font:text-is("${word}"))`);
  const visit = async (p) => {
    assert.equal(await page.title(), `Pictavue [${p}/3]`);
    assert.equal((await page.$$('img')).length, p < 3 ? 20 : 5);
    assert.equal((await links('Back')).length, p > 1 ? 2 : 0, `Back links on page ${p}`);
    assert.equal((await links('Next')).length, p < 3 ? 2 : 0, `Next links on page ${p}`);
  };
  await visit(1);
  for (const [p, word, which] of [[2, 'Next', 0], [3, 'Next', 1], [2, 'Back', 0], [1, 'Back', 1]]) {
    await Promise.all([page.waitForURL(gallery.url(pageName(p))), (await links(word))[which].click()]);
    await visit(p);
  }
});

test('the slide show moves on after its delay and stops on the last page', async (t) => {
  const gallery = makeGallery(t, { pictures: many, options: { IPP: twenty, ClientPull: 1, Delay: 1 } });
  const page = await openPage(t, browser, gallery.url(pageName(1)));
  const started = Date.now();
  await page.waitForURL(gallery.url(pageName(2)), { timeout: 5000 });
  assert.ok(Date.now() - started >= 800, 'page 2 came before the delay');
  await page.waitForURL(gallery.url(pageName(3)), { timeout: 5000 });
  await page.waitForTimeout(2500);
  assert.equal(page.url(), gallery.url(pageName(3)), 'the slide show went on past the last page');
});

test('the frame set shows the menu and the first page; each menu link loads its page', async (t) => {
  const gallery = makeGallery(t, { pictures: many, options: { IPP: twenty, FrameMenu: 1 } });
  assert.equal(gallery.pageToOpen, `${gallery.out}/Pictavue.htm`);
  const page = await openPage(t, browser, gallery.url('Pictavue.htm'));
  await page.waitForLoadState('load');
  const [menu, main] = [page.frame({ name: 'menu' }), page.frame({ name: 'main' })];
  assert.equal(main.url(), gallery.url(pageName(1)));
  const links = await menu.$$('a');
  assert.deepEqual(await Promise.all(links.map((a) => a.innerText())), ['001-020', '021-040', '041-045']);
  for (const p of [3, 1, 2]) {
    await Promise.all([main.waitForURL(gallery.url(pageName(p))), links[p - 1].click()]);
    assert.equal(await main.title(), `Pictavue [${p}/3]`);
    assert.equal(page.url(), gallery.url('Pictavue.htm'), 'a menu link replaced the frame set');
  }
});
