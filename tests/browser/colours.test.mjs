// The colour buttons set the page's background; "black" alone turns the text white.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { useBrowser, openPage } from './support/browser.mjs';
import { makeGallery } from './support/gallery.mjs';

const browser = useBrowser();

const colours = {
  black: 'rgb(0, 0, 0)', Gray: 'rgb(128, 128, 128)', Silver: 'rgb(192, 192, 192)',
  white: 'rgb(255, 255, 255)', Red: 'rgb(255, 0, 0)', Yellow: 'rgb(255, 255, 0)',
  Lime: 'rgb(0, 255, 0)', Aqua: 'rgb(0, 255, 255)', Blue: 'rgb(0, 0, 255)',
  Green: 'rgb(0, 128, 0)',
};

test('each colour button sets the background, and black turns the text white', async (t) => {
  const gallery = makeGallery(t, {
    pictures: [{ kind: 'gif', width: 20, height: 20, path: 'a.gif' }],
    options: { Name: 'Someone' },
  });
  const page = await openPage(t, browser, gallery.url('Pictavue001.htm'));
  const look = () => page.evaluate(() => {
    const style = getComputedStyle(document.body);
    return { background: style.backgroundColor, text: style.color };
  });
  assert.deepEqual(await look(), { background: colours.white, text: 'rgb(0, 0, 0)' });

  const buttons = await page.$$('input[type=button]');
  const names = await Promise.all(buttons.map((b) => b.getAttribute('value')));
  assert.deepEqual(names, [...Object.keys(colours), ...Object.keys(colours)], 'two rows of ten');
  // In page order: each row starts with black, so the next button is seen to undo its white text.
  for (const index of buttons.keys()) {
    await buttons[index].click();
    const name = names[index];
    assert.deepEqual(await look(), {
      background: colours[name],
      text: name === 'black' ? 'rgb(255, 255, 255)' : 'rgb(0, 0, 0)',
    }, `after the ${index < 10 ? 'top' : 'bottom'} "${name}" button`);
  }
});
