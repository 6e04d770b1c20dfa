// What only a browser shows of the pages: Japanese reads right in pages that declare no character
// set, the colour buttons work, the slide show moves on and stops. That every address, link and
// frame reaches its file is the hostile names test's.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { makeGallery, openPage, useBrowser } from './support/gallery.mjs';

const browser = useBrowser();

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
  const look = () => page.evaluate(() => [getComputedStyle(document.body).backgroundColor, getComputedStyle(document.body).color]);
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

const pageName = (p) => `Pictavue${String(p).padStart(3, '0')}.htm`;

test('the slide show moves on after its delay and stops on the last page', async (t) => {
  // Three pictures, one a page.
  const pictures = ['a', 'b', 'c'].map((name) => ({ kind: 'gif', width: 10, height: 10, path: `${name}.gif` }));
  const gallery = makeGallery(t, { pictures, options: { IPP: -1, IppFree: 1, ClientPull: 1, Delay: 1 } });
  const page = await openPage(t, browser, gallery.url(pageName(1)));
  const started = Date.now();
  await page.waitForURL(gallery.url(pageName(2)), { timeout: 5000 });
  assert.ok(Date.now() - started >= 800, 'page 2 came before the delay');
  await page.waitForURL(gallery.url(pageName(3)), { timeout: 5000 });
  await page.waitForTimeout(2500);
  assert.equal(page.url(), gallery.url(pageName(3)), 'the slide show went on past the last page');
});
