// Debian's Chromium, headless, with a fresh profile; never a browser download.

import { after, before } from 'node:test';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

export const chromiumPath = process.env.PICTAVUE_CHROMIUM ?? '/usr/bin/chromium';

const flags = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// One browser for the test file: `const browser = useBrowser();` then `browser.context` inside
// tests. Windows keep the sizes their pages ask for (no emulated viewport), as a person's would.
// moreFlags: further command-line flags for this file's browser.
export function useBrowser(moreFlags = []) {
  const holder = { context: null };
  let profile;
  before(async () => {
    profile = fs.mkdtempSync(path.join(os.tmpdir(), 'pictavue-chromium-'));
    holder.context = await chromium.launchPersistentContext(profile, {
      executablePath: chromiumPath,
      headless: true,
      viewport: null,
      args: [...flags, ...moreFlags],
    });
  });
  after(async () => {
    await holder.context?.close();
    fs.rmSync(profile, { recursive: true, force: true });
  });
  return holder;
}

// A new tab on url, closed when the test ends.
export async function openPage(t, browser, url) {
  const page = await browser.context.newPage();
  t.after(() => page.close());
  await page.goto(url);
  return page;
}
