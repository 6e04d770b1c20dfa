// Moving through a gallery of several pages: Back and Next, the slide show, the frame set.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { useBrowser, openPage } from './support/browser.mjs';
import { ippCode, makeGallery } from './support/gallery.mjs';

const browser = useBrowser();

// 45 pictures at 20 a page: three pages, the last one with five.
const pictures = Array.from({ length: 45 }, (_, i) => ({
  kind: 'gif', width: 10 + i, height: 10, path: `p${String(i + 1).padStart(2, '0')}.gif`,
}));
const pageRanges = ['1-20', '21-40', '41-45'];
const pageName = (p) => `Pictavue${String(p).padStart(3, '0')}.htm`;
const space3 = '\u3000\u3000\u3000';

async function navigationLines(page) {
  return page.$$eval('center', (centers) => centers
    .map((c) => c.innerText.trim())
    .filter((text) => text.startsWith('Back')));
}

async function linkNamed(page, word) {
  const links = await page.$$(`a:has(font:text-is("${word}"))`);
  return links;
}

test('Back and Next lead through every page and stop at both ends', async (t) => {
  const gallery = makeGallery(t, { pictures, options: { IPP: ippCode[20] } });
  const page = await openPage(t, browser, gallery.url(pageName(1)));

  const visit = async (p) => {
    assert.equal(page.url(), gallery.url(pageName(p)));
    assert.equal(await page.title(), `Pictavue [${p}/3]`);
    const lines = await navigationLines(page);
    assert.deepEqual(lines, Array(2).fill(`Back${space3}${pageRanges[p - 1]} / 45${space3}Next`));
    assert.equal((await page.$$('img')).length, p < 3 ? 20 : 5);
    assert.equal((await linkNamed(page, 'Back')).length, p > 1 ? 2 : 0, `Back links on page ${p}`);
    assert.equal((await linkNamed(page, 'Next')).length, p < 3 ? 2 : 0, `Next links on page ${p}`);
  };

  await visit(1);
  for (const p of [2, 3]) {
    await Promise.all([page.waitForURL(gallery.url(pageName(p))), (await linkNamed(page, 'Next'))[0].click()]);
    await visit(p);
  }
  // Back from the bottom line of the page, this time.
  for (const p of [2, 1]) {
    await Promise.all([page.waitForURL(gallery.url(pageName(p))), (await linkNamed(page, 'Back'))[1].click()]);
    await visit(p);
  }
});

test('the slide show moves on after its delay and stops on the last page', async (t) => {
  const gallery = makeGallery(t, { pictures, options: { IPP: ippCode[20], ClientPull: 1, Delay: 1 } });
  const page = await openPage(t, browser, gallery.url(pageName(1)));
  const started = Date.now();
  await page.waitForURL(gallery.url(pageName(2)), { timeout: 5000 });
  assert.ok(Date.now() - started >= 800, 'page 2 came before the delay');
  await page.waitForURL(gallery.url(pageName(3)), { timeout: 5000 });
  await page.waitForTimeout(2500);
  assert.equal(page.url(), gallery.url(pageName(3)), 'the slide show went on past the last page');
});

test('the frame set shows the menu and the first page; each menu link loads its page', async (t) => {
  const gallery = makeGallery(t, { pictures, options: { IPP: ippCode[20], FrameMenu: 1 } });
  assert.equal(gallery.pageToOpen, `${gallery.out}/Pictavue.htm`);
  const page = await openPage(t, browser, gallery.url('Pictavue.htm'));
  await page.waitForLoadState('load');
  const menu = page.frame({ name: 'menu' });
  const main = page.frame({ name: 'main' });
  assert.ok(menu && main, 'the frame set has no menu or main frame');
  assert.equal(menu.url(), gallery.url('Pictavuem.htm'));
  assert.equal(main.url(), gallery.url(pageName(1)));
  assert.equal(await main.title(), 'Pictavue [1/3]');

  const links = await menu.$$('a');
  assert.deepEqual(await Promise.all(links.map((a) => a.innerText())), ['001-020', '021-040', '041-045']);
  for (const p of [3, 1, 2]) {
    await Promise.all([main.waitForURL(gallery.url(pageName(p))), links[p - 1].click()]);
    assert.equal(await main.title(), `Pictavue [${p}/3]`);
    assert.equal(page.url(), gallery.url('Pictavue.htm'), 'a menu link replaced the frame set');
    assert.equal(menu.url(), gallery.url('Pictavuem.htm'));
  }
});
