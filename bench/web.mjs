// Figures of the browser edition in headless Chromium, printed as rows of the README's table.
import { statSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const html = process.argv[2];
const url = pathToFileURL(html).href;
const runs = 9;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });

async function open() {
  const context = await browser.newContext({ viewport: { width: 865, height: 437 } });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction(() => document.querySelectorAll('.tavilo-surface').length === 2);
  return { context, page };
}

// The first contentful paint is the first frame with the program's controls and surfaces.
const firstFrames = [];
for (let run = 0; run < runs; ++run) {
  const { context, page } = await open();
  firstFrames.push(await page.evaluate(() => new Promise((resolve) => {
    new PerformanceObserver((list) => {
      const paint = list.getEntries().find((entry) => entry.name === 'first-contentful-paint');
      if (paint) resolve(paint.startTime);
    }).observe({ type: 'paint', buffered: true });
  })));
  await context.close();
}

// A step forward and one back, all boxes on, against clearing an image of each surface's size
// and the canvas the surface shows; each the median over many, in the same page.
const { context, page } = await open();
const [step, floor] = await page.evaluate(() => {
  const byText = (text) => [...document.querySelectorAll('button')].find((b) => b.textContent === text);
  for (const box of document.querySelectorAll('input[type=checkbox]')) box.click();
  const forward = byText('進む');
  const back = byText('戻る');
  const surfaces = [...document.querySelectorAll('.tavilo-surface canvas')].map((screen) => {
    const image = document.createElement('canvas');
    image.width = screen.width;
    image.height = screen.height;
    return { screen: screen.getContext('2d'), image, context: image.getContext('2d', { willReadFrequently: true }) };
  });
  // Batches of 20, since the page's clock ticks in a tenth of a millisecond.
  const time = (action) => {
    const times = [];
    for (let batch = 0; batch < 21; ++batch) {
      const start = performance.now();
      for (let i = 0; i < 20; ++i) action(i);
      times.push((performance.now() - start) / 20);
    }
    return times.sort((a, b) => a - b)[10];
  };
  forward.click();
  const stepTime = time((i) => (i % 2 ? back : forward).click());
  const floorTime = time(() => {
    for (const surface of surfaces) {
      surface.context.fillStyle = 'rgb(0,128,0)';
      surface.context.fillRect(0, 0, surface.image.width, surface.image.height);
      surface.screen.clearRect(0, 0, surface.image.width, surface.image.height);
      // Canvases draw lazily; reading a pixel makes the fill happen now, as a step's fill does.
      surface.context.getImageData(0, 0, 1, 1);
    }
  });
  return [stepTime, floorTime];
});
await context.close();
await browser.close();

const met = (ok) => (ok ? 'yes' : '**no**');
const size = statSync(html).size / 1024;
const first = median(firstFrames);
console.log(`| Browser: size of tavilo.html | ${size.toFixed(0)} KB | | | <= 250 KB | ${met(size <= 250)} |`);
console.log(`| Browser: first painted frame after navigation starts (headless Chromium, median of ${runs}) | ${first.toFixed(0)} ms | | | <= 500 ms | ${met(first <= 500)} |`);
console.log(`| Browser: one step, forward or back, all boxes on (median of 21 batches of 20) | ${step.toFixed(3)} ms | floor ${floor.toFixed(3)} ms | ${(step / floor).toFixed(2)} | <= 3 x floor | ${met(step <= 3 * floor)} |`);
