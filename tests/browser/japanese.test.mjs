// Japanese titles, names, headings and file names read right in the browser, with the pages in
// the code page the program wrote them in. The pages declare no character set, so the browser
// has to recognise it.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { useBrowser, openPage } from './support/browser.mjs';
import { makeGallery } from './support/gallery.mjs';

const browser = useBrowser();

const pictures = [
  { kind: 'gif', width: 40, height: 30, path: '表紙.gif' },
  { kind: 'jpeg', width: 50, height: 30, path: '旅行の写真/富士山.jpg' },
  { kind: 'png', width: 60, height: 30, path: '旅行の写真/ﾊﾝｶｸ ｶﾀｶﾅ.png' },
];

for (const codePage of [undefined, 'CP932']) {
  test(`a Japanese title, name and heading read right in ${codePage ?? 'UTF-8'} pages`, async (t) => {
    const gallery = makeGallery(t, {
      pictures,
      codePage,
      options: {
        Title: '日本の写真\\n第二行', Name: '山田　太郎', Email: 'taro@example.jp',
        FolderName: 1, PathName: 0,
      },
    });
    const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
    t.diagnostic(`the browser read the page as ${await page.evaluate(() => document.characterSet)}`);

    assert.equal(await page.title(), '日本の写真 [1/1]');
    assert.equal(await page.locator('h1').innerText(), '日本の写真\n第二行');
    const text = await page.locator('body').innerText();
    assert.ok(text.includes('山田　太郎'), `the name is not on the page:\n${text}`);
    assert.ok(text.includes('旅行の写真'), `the folder heading is not on the page:\n${text}`);
    const alts = await page.$$eval('img', (images) => images.map((img) => img.alt));
    assert.ok(alts.some((alt) => alt.includes('ﾊﾝｶｸ ｶﾀｶﾅ.png')), `alt texts: ${alts.join(' | ')}`);

    const loaded = await page.$$eval('img', (images) => images.map((img) => img.naturalWidth));
    loaded.sort((a, b) => a - b);
    assert.deepEqual(loaded, [40, 50, 60], 'a thumbnail with a Japanese name did not load');
  });
}
