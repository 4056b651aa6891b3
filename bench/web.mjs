// Figures of the browser edition and of the release in headless Chromium, printed as rows of the
// README's table.
// Usage: node bench/web.mjs DIST_FOLDER (as tools/release.sh makes it)
import { mkdtempSync, readdirSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';
import { serveFolder } from '../tests/web/server.mjs';

const dist = process.argv[2];
const html = join(dist, 'tavilo.html');
const url = pathToFileURL(html).href;
const runs = 9;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const launchOptions = { executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] };
const viewport = { width: 865, height: 437 };
const browser = await chromium.launch(launchOptions);

async function open(context = undefined, at = url) {
  const owned = !context;
  context ??= await browser.newContext({ viewport });
  const page = await context.newPage();
  await page.goto(at);
  await page.waitForFunction(() => document.querySelectorAll('.tavilo-surface').length === 2);
  return { page, close: () => (owned ? context.close() : page.close()) };
}

// The first contentful paint is the first frame with the program's controls and surfaces.
const firstPaint = (page) => page.evaluate(() => new Promise((resolve) => {
  new PerformanceObserver((list) => {
    const paint = list.getEntries().find((entry) => entry.name === 'first-contentful-paint');
    if (paint) resolve(paint.startTime);
  }).observe({ type: 'paint', buffered: true });
}));

const firstFrames = [];
for (let run = 0; run < runs; ++run) {
  const { page, close } = await open();
  firstFrames.push(await firstPaint(page));
  await close();
}

// The served app after one visit, opened again and again from its cache with the server stopped,
// in one profile as on a pupil's device.
const profile = mkdtempSync(join(tmpdir(), 'tavilo-bench-'));
const server = await serveFolder(join(dist, 'tavilo-web'));
const device = await chromium.launchPersistentContext(profile, { ...launchOptions, viewport });
const first = await open(device, server.origin + '/');
await first.page.evaluate(async () => {
  await navigator.serviceWorker.ready;
  while (!navigator.serviceWorker.controller) await new Promise((done) => setTimeout(done, 50));
});
await first.close();
await server.stop();
const offlineFrames = [];
for (let run = 0; run < runs; ++run) {
  const { page, close } = await open(device, server.origin + '/');
  offlineFrames.push(await firstPaint(page));
  await close();
}
await device.close();
rmSync(profile, { recursive: true, force: true });

// A step forward and one back, all boxes on, against the floor: clearing each surface's pixels
// and repainting its whole canvas from them, as a step puts the part it changed. Batches of the
// two are taken in turn, so that whatever else the machine does weighs on both alike.
// The largest problem a link gives is timed as today's, stepping back and forth somewhere along
// its 240 steps.
async function stepTimes(hash = '') {
  const { page, close } = await open(undefined, url + hash);
  const times = await page.evaluate(async () => {
    const byText = (text) => [...document.querySelectorAll('button')].find((b) => b.textContent === text);
    for (const box of document.querySelectorAll('input[type=checkbox]')) box.click();
    const forward = byText('進む');
    const back = byText('戻る');
    const surfaces = [...document.querySelectorAll('.tavilo-surface canvas')].map((canvas) => {
      const screen = canvas.getContext('2d');
      const image = screen.createImageData(canvas.width, canvas.height);
      return { screen, image, pixels: new Uint32Array(image.data.buffer) };
    });
    const repaintCleared = () => {
      for (const surface of surfaces) {
        surface.pixels.fill(0xff008000);
        surface.screen.putImageData(surface.image, 0, 0);
      }
    };
    // Batches of 20, since the page's clock ticks in a tenth of a millisecond.
    const batch = (action) => {
      const start = performance.now();
      for (let i = 0; i < 20; ++i) action(i);
      return (performance.now() - start) / 20;
    };
    const oneStep = (i) => (i % 2 ? back : forward).click();
    const middle = (times) => [...times].sort((a, b) => a - b)[10];
    const timeInTurn = (rounds) => {
      const steps = [];
      const floors = [];
      for (let round = 0; round < rounds; ++round) {
        steps.push(batch(oneStep));
        floors.push(batch(repaintCleared));
      }
      return { step: middle(steps), floor: middle(floors) };
    };
    forward.click();
    // Right after loading, the browser is still at work on the page, and it first runs the program
    // as it compiled it in haste, swapping in optimised code in the background once a function has
    // run often. A lesson runs on the latter after its first steps: both are timed, the settled
    // page after 1,000 of each and half a second's rest.
    const fresh = timeInTurn(21);
    timeInTurn(29);
    await new Promise((resolve) => setTimeout(resolve, 500));
    return { fresh, settled: timeInTurn(21) };
  });
  await close();
  return times;
}
const { fresh, settled } = await stepTimes();
const largest = await stepTimes('#ab=30&bc=30&route=ABCDA&triangle=AM&m=BC&speed=0.5');

// The setup window: Ctrl+, to the panel made, filled in and painted, its QR code included, and
// Escape after each; then a keystroke in ＡＢ to the fields checked and the preview painted. The
// page's handlers run the program at once, so each is timed round one dispatch.
async function setupTimes() {
  const { page, close } = await open(undefined, url);
  const times = await page.evaluate(() => {
    const key = (key, ctrlKey = false) => document.activeElement.dispatchEvent(
        new KeyboardEvent('keydown', { key, ctrlKey, bubbles: true, cancelable: true }));
    const timed = (action) => {
      const start = performance.now();
      action();
      return performance.now() - start;
    };
    const shown = () => document.querySelector('[role=dialog]')?.getClientRects().length > 0;
    const opens = [];
    for (let run = 0; run < 15; ++run) {
      opens.push(timed(() => key(',', true)));
      if (!shown())
        throw new Error('Ctrl+, opened no setup window');
      key('Escape');
    }
    key(',', true);
    const ab = document.querySelector('[aria-label="ＡＢ（cm）"]');
    const link = document.querySelector('[aria-label="リンク"]');
    ab.focus();
    const keystrokes = [];
    for (let run = 0; run < 30; ++run) {
      ab.value = run % 2 ? '8' : '6';
      keystrokes.push(timed(() => ab.dispatchEvent(new InputEvent('input', { bubbles: true }))));
      if (!link.value.includes(`ab=${ab.value}&`))
        throw new Error(`a keystroke left the link at ${link.value}`);
    }
    key('Escape');
    return { opens, keystrokes };
  });
  await close();
  return { open: median(times.opens), keystroke: median(times.keystrokes) };
}
const setup = await setupTimes();

await browser.close();

const met = (ok) => (ok ? 'yes' : '**no**');
const size = statSync(html).size / 1024;
const fromDisk = median(firstFrames);
const fromCache = median(offlineFrames);
console.log(`| Browser: size of tavilo.html | ${size.toFixed(0)} KB | | | <= 250 KB | ${met(size <= 250)} |`);
console.log(`| Browser: first painted frame after navigation starts (headless Chromium, median of ${runs}) | ${fromDisk.toFixed(0)} ms | | | <= 500 ms | ${met(fromDisk <= 500)} |`);
console.log(`| Browser app: first painted frame, opened offline from its cache (median of ${runs}) | ${fromCache.toFixed(0)} ms | tavilo.html from disk ${fromDisk.toFixed(0)} ms | ${(fromCache / fromDisk).toFixed(2)} | (a figure) | |`);
const stepRow = (when, { step, floor }, target) =>
  console.log(`| Browser: one step, forward or back, all boxes on, ${when} (median of 21 batches of 20) | ${step.toFixed(3)} ms | floor ${floor.toFixed(3)} ms | ${(step / floor).toFixed(2)} | ${target} |`);
stepRow('the page settled', settled, `<= 3 x floor | ${met(settled.step <= 3 * settled.floor)}`);
stepRow('straight after it appears', fresh, '(a figure) |');
stepRow('the largest problem a link gives (240 steps), the page settled', largest.settled,
        `<= 3 x floor | ${met(largest.settled.step <= 3 * largest.settled.floor)}`);
console.log(`| Browser: the setup window from Ctrl+, to made, filled in and painted (median of 15) | ${setup.open.toFixed(1)} ms | | | < 100 ms | ${met(setup.open < 100)} |`);
console.log(`| Browser: a keystroke in a setup field to the fields checked and the preview painted (median of 30) | ${setup.keystroke.toFixed(2)} ms | | | < 16 ms | ${met(setup.keystroke < 16)} |`);

// The release's files beside the single one, whose row is above.
const sizeOf = (path) => {
  const bytes = statSync(path).size;
  return bytes < 10240 ? `${bytes} B` : `${(bytes / 1024).toFixed(0)} KB`;
};
for (const name of readdirSync(dist).sort()) {
  const path = join(dist, name);
  if (name === 'tavilo.html') continue;
  if (statSync(path).isDirectory()) {
    const files = readdirSync(path).sort().map((file) => `${file} ${sizeOf(join(path, file))}`);
    console.log(`| Release: the files of ${name}/ | ${files.join(', ')} | | | (a figure) | |`);
  } else {
    console.log(`| Release: size of ${name} | ${sizeOf(path)} | | | (a figure) | |`);
  }
}
