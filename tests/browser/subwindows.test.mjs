// The links around the thumbnails: one reused window "SubWin" (sized to each picture with
// OnlyOne, or plain), or a sized window "SubWin<n>" of its own for each picture. What the
// addresses reach is the hostile names test's.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { makeGallery, openPage, until, useBrowser } from './support/gallery.mjs';

const browser = useBrowser();

// The pictures in page order (by name): the first is larger than any screen the tests run on, the
// others stay above Chromium's least window width (142 pixels). Then the option combinations.
const cases = JSON.parse(fs.readFileSync(new URL('../data/browser/subwindows.json', import.meta.url)));
const { pictures } = cases;
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

// OnlyOne resizes the one window to each picture (its outer size), from file:// pages (each an
// origin of its own in Chromium) and from http:// pages alike. Without it each window is opened
// as wide as asked; Chromium's own bars take part of the height.
for (const [label, options, where] of cases.combinations) {
  test(`sub-windows, ${label}: each picture shows in its window, the script runs to its end`, async (t) => {
    const gallery = makeGallery(t, { pictures, options: { SubWin: 1, ...options } });
    const first = where === 'http' ? await serve(t, gallery.out) + 'Pictavue001.htm' : gallery.url('Pictavue001.htm');
    const page = await openPage(t, browser, first);
    const screen = await page.evaluate(() => ({ availWidth: screen.availWidth, availHeight: screen.availHeight }));
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    const others = browser.context.pages();
    const subWindows = () => browser.context.pages().filter((p) => !others.includes(p));
    t.after(() => Promise.all(subWindows().map((p) => p.close())));
    const eachOwn = options.OnlyOne === 0;
    for (const [clicked, picture] of [small, mid, big].entries()) {
      await page.locator('img').nth(pictures.indexOf(picture)).click();
      const popup = await until(() => subWindows().find(
        (p) => decodeURIComponent(new URL(p.url() || 'about:blank').pathname).endsWith(`/${picture.path}`)));
      assert.ok(popup, `no window shows ${picture.path}`);
      const [width, height] = sizedWindow(picture, screen, options.OnlyOne === 1);
      if (options.OnlyOne) {
        await popup.waitForFunction(([w, h]) => outerWidth === w && outerHeight === h, [width, height], { timeout: 3000 })
          .catch(() => {});
      }
      const [name, outer] = await popup.evaluate(() => [window.name, [outerWidth, outerHeight]]);
      assert.equal(name, eachOwn ? `SubWin${pictures.indexOf(picture) + 1}` : 'SubWin');
      if (options.AutoSize) {
        assert.deepEqual(options.OnlyOne ? outer : outer[0], options.OnlyOne ? [width, height] : width, picture.path);
      }
      // Chromium closes windows asynchronously.
      await until(() => subWindows().length === (eachOwn ? clicked + 1 : 1));
      assert.equal(subWindows().length, eachOwn ? clicked + 1 : 1, 'sub-windows');
      // The script ran to its end, focus() included, so the window is in front.
      assert.deepEqual(errors, []);
    }
    assert.equal(page.url(), first);
  });
}
