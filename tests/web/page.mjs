// Opening the browser edition in headless Chromium and reading its canvases back.
import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

export const pageUrl = pathToFileURL(process.env.TAVILO_HTML ?? 'build-web/src/tavilo.html').href;

export function launchChromium() {
  return chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
}

// A fresh page of the program, opened on the problem after "#" in `hash` if one is given; any
// request beyond the file itself and data: addresses is recorded, and so is any error the page
// throws, for check() to fail on. A message box the page shows is recorded and closed.
export async function openProgram(browser, options = {}, hash = '') {
  const context = await browser.newContext({ viewport: { width: 865, height: 437 }, ...options });
  const page = await context.newPage();
  const requests = [];
  const errors = [];
  page.on('request', (request) => {
    const url = request.url();
    if (url !== pageUrl && !url.startsWith('data:')) requests.push(url);
  });
  page.on('pageerror', (error) => errors.push(error.message));
  const messages = [];
  page.on('dialog', (dialog) => {
    messages.push(dialog.message());
    dialog.accept();
  });
  await page.addInitScript(shownPixels);
  await page.goto(pageUrl + hash);
  // The program starts once its WebAssembly has compiled, which may be after the load event.
  await page.waitForFunction(() => document.querySelectorAll('.tavilo-surface').length === 2);
  return {
    page,
    context,
    messages,
    check() {
      assert.deepEqual(requests, [], 'the page fetched nothing');
      assert.deepEqual(errors, [], 'the page threw nothing');
    },
    close: () => context.close(),
  };
}

// What a surface shows, all its canvases one over the other, as one canvas context.
// Self-contained, so that a WebDriver script can carry its source too.
export function shownPixels() {
  window.taviloShown = (name) => {
    const canvases = [...document.querySelectorAll(`[aria-label="${name}"] canvas`)];
    const [image] = canvases;
    const shown = document.createElement('canvas');
    shown.width = image.width;
    shown.height = image.height;
    const context = shown.getContext('2d');
    for (const canvas of canvases) context.drawImage(canvas, 0, 0);
    return { context, scale: image.width / parseFloat(image.style.width), width: image.width, height: image.height };
  };
}

export const button = (page, name) => page.getByRole('button', { name, exact: true });
export const checkbox = (page, name) => page.getByRole('checkbox', { name, exact: true });
export const distanceBox = (page) => page.getByRole('textbox', { name: '点Ｐの進んだ距離（cm）' });
export const speedBox = (page) => page.getByRole('combobox', { name: '表示速度' });

// Waits until the button of that caption can be pressed.
export function waitEnabled(page, name) {
  return page.waitForFunction((name) => {
    const found = [...document.querySelectorAll('button')].find((button) => button.textContent === name);
    return found && !found.disabled;
  }, name);
}

export async function distance(page) {
  return Number((await distanceBox(page).inputValue()).trim());
}

export async function press(page, name, times = 1) {
  for (let i = 0; i < times; ++i) await button(page, name).click();
}

// The colour shown at a logical point of a surface's drawing area, as [r, g, b].
export function colorAt(page, surface, x, y) {
  return page.evaluate(
    ([surface, x, y]) => {
      const { context, scale } = window.taviloShown(surface);
      const pixel = context.getImageData(Math.floor(x * scale), Math.floor(y * scale), 1, 1).data;
      return [pixel[0], pixel[1], pixel[2]];
    },
    [surface, x, y],
  );
}

// How many device pixels of a surface show exactly the colour.
export function countColor(page, surface, [r, g, b]) {
  return page.evaluate(
    ([surface, r, g, b]) => {
      const { context, width, height } = window.taviloShown(surface);
      const data = context.getImageData(0, 0, width, height).data;
      let count = 0;
      for (let i = 0; i < data.length; i += 4)
        if (data[i] === r && data[i + 1] === g && data[i + 2] === b) ++count;
      return count;
    },
    [surface, r, g, b],
  );
}

// Runs of dark ink across a band of the graph paper, in logical pixels, split where more than
// maxGap pixels stay blank; the grid's green is no ink.
export function inkSpans(page, [left, top, width, height], maxGap) {
  return page.evaluate(
    ([left, top, width, height, maxGap]) => {
      const { context, scale } = window.taviloShown('グラフ用紙');
      const x0 = Math.round(left * scale);
      const y0 = Math.round(top * scale);
      const w = Math.round(width * scale);
      const h = Math.round(height * scale);
      const data = context.getImageData(x0, y0, w, h).data;
      const spans = [];
      for (let x = 0; x < w; ++x) {
        let inked = false;
        for (let y = 0; y < h && !inked; ++y) {
          const i = (y * w + x) * 4;
          const green = data[i] === 0 && data[i + 1] === 128 && data[i + 2] === 0;
          inked = !green && data[i] + data[i + 1] + data[i + 2] < 3 * 200;
        }
        if (!inked) continue;
        const at = (x0 + x) / scale;
        const last = spans[spans.length - 1];
        if (last && at - last.right <= maxGap) last.right = at + 1 / scale;
        else spans.push({ left: at, right: at + 1 / scale });
      }
      return spans;
    },
    [left, top, width, height, maxGap],
  );
}

// The accessibility tree as Chromium gives it to screen readers: role, name and description.
export async function accessibleNodes(page) {
  const session = await page.context().newCDPSession(page);
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  await session.detach();
  return nodes
    .filter((node) => !node.ignored)
    .map((node) => ({
      role: node.role?.value,
      name: node.name?.value ?? '',
      description: node.description?.value ?? '',
    }));
}
