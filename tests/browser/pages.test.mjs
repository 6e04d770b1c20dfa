// What only a browser shows of the pages: Japanese reads right in pages that declare no character
// set. That every address, link and frame reaches its file is the hostile names test's.

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
