// The browser edition in headless Chromium, driven as pupils and teachers use it.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import {
  accessibleNodes, button, checkbox, colorAt, countColor, distance, distanceBox, inkSpans,
  launchChromium, openProgram, press, speedBox, waitEnabled,
} from './page.mjs';

const green = [0, 128, 0];
const white = [255, 255, 255];
const blue = [0, 0, 255];
const red = [255, 0, 0];
const paper = [255, 255, 192];

let browser;
before(async () => { browser = await launchChromium(); });
after(() => browser.close());

async function withProgram(options, body) {
  const program = await openProgram(browser, options);
  try {
    await body(program.page);
    program.check();
  } finally {
    await program.close();
  }
}

// Records when the program writes each new distance into its box, in ms. Taken at the write itself,
// so a busy page delaying the test's own timers cannot shorten or merge the gaps it measures.
function distanceChanges(page, count) {
  return page.evaluate((count) => new Promise((resolve) => {
    const box = document.querySelector('[aria-label="点Ｐの進んだ距離（cm）"]');
    const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
    const changes = [];
    Object.defineProperty(box, 'value', {
      configurable: true,
      get() { return value.get.call(this); },
      set(text) {
        const changed = text !== value.get.call(this);
        value.set.call(this, text);
        if (!changed || changes.length === count) return;
        changes.push({ at: performance.now(), distance: Number(text.trim()) });
        if (changes.length === count) { delete box.value; resolve(changes); }
      },
    });
  }), count);
}

describe('the start screen', () => {
  test('caption, version, icon and layout at 865 x 437', () => withProgram({}, async (page) => {
    assert.equal(await page.title(), '３.一次関数 (by Oskavel)');
    assert.equal(await page.locator('meta[name=version]').getAttribute('content'), '1.00.0003');
    assert.match(await page.locator('link[rel=icon]').first().getAttribute('href'), /^data:image\/png,/);
    assert.equal(await page.locator('html').getAttribute('translate'), 'no', 'no browser offers a translation');
    assert.match(await page.locator('meta[name=description]').getAttribute('content'), /一次関数/);
    assert.deepEqual(await button(page, '進む').boundingBox(), { x: 384, y: 64, width: 73, height: 33 });
    assert.deepEqual(await page.getByRole('img', { name: '黒板' }).boundingBox(),
                     { x: 24, y: 112, width: 433, height: 313 });
    assert.equal(await distanceBox(page).inputValue(), '0');
    assert.equal(await speedBox(page).inputValue(), '20');
    assert.equal(await button(page, 'ストップ').isDisabled(), true);
  }));

  test('the window fits the viewport by its size from the program, in the layout\'s faces',
       () => withProgram({ viewport: { width: 1730, height: 874 } }, async (page) => {
    assert.deepEqual(await button(page, '進む').boundingBox(), { x: 768, y: 128, width: 146, height: 66 });
    const faces = await button(page, '進む').evaluate((element) => getComputedStyle(element).fontFamily);
    assert.match(faces, /^"?ＭＳ Ｐゴシック"?, "MS PGothic", "?IPAPGothic"?, .*sans-serif$/, faces);
    const uiFaces = await page.locator('#tavilo-window').evaluate((element) => getComputedStyle(element).fontFamily);
    assert.match(uiFaces, /^"MS UI Gothic", "?ＭＳ Ｐゴシック"?, /, uiFaces);
  }));

  test('the figure and the graph paper', () => withProgram({}, async (page) => {
    assert.deepEqual(await colorAt(page, '黒板', 200, 150), green);
    assert.deepEqual(await colorAt(page, '黒板', 75, 150), white, 'side BA of the rectangle');
    assert.deepEqual(await colorAt(page, '黒板', 75, 250), red, 'the marker at B');
    assert.equal(await countColor(page, '黒板', blue), 0);
    assert.deepEqual(await colorAt(page, 'グラフ用紙', 60, 50), paper);
    assert.deepEqual(await colorAt(page, 'グラフ用紙', 50, 50), green, 'a grid line');
  }));

  test('every x-axis number stands under its grid line', () => withProgram({}, async (page) => {
    const spans = await inkSpans(page, [56, 204, 325, 22], 4);
    assert.equal(spans.length, 15, `14 numbers and (cm): ${JSON.stringify(spans)}`);
    for (let number = 2; number <= 28; number += 2) {
      const ink = spans[number / 2 - 1];
      const line = 50 + 10 * number;
      assert.ok(Math.abs((ink.left + ink.right) / 2 - line) <= 3,
                `${number} inked at ${ink.left}–${ink.right}, its line is x = ${line}`);
    }
  }));
});

describe('steps', () => {
  test('13 steps, then 28, then back to B', () => withProgram({}, async (page) => {
    await checkbox(page, 'グ　ラ　フ').click();
    await press(page, '進む', 13);
    assert.equal(await distance(page), 13);
    assert.deepEqual(await colorAt(page, '黒板', 200, 50), red, 'the marker on AD');
    assert.deepEqual(await colorAt(page, '黒板', 225, 200), blue, 'triangle PBC shaded');
    assert.deepEqual(await colorAt(page, '黒板', 60, 240), green, 'no shading outside it');
    assert.deepEqual(await colorAt(page, 'グラフ用紙', 154, 80), [192, 64, 0], 'y = 48');
    await checkbox(page, '点Ｐの進んだ距離').click();
    await checkbox(page, 'ヒント').click();
    assert.deepEqual(await colorAt(page, '黒板', 75, 150), red, 'the path along BA');
    assert.deepEqual(await colorAt(page, '黒板', 200, 150), [255, 128, 255], 'the height');

    await press(page, '進む', 16);
    assert.equal(await distance(page), 28, 'P stays at C');
    assert.equal(await countColor(page, '黒板', blue), 0, 'no triangle over BC');
    assert.deepEqual(await colorAt(page, 'グラフ用紙', 309, 170), [255, 0, 255], 'the piece on DC');
    assert.deepEqual(await colorAt(page, 'グラフ用紙', 329, 199), [255, 0, 255],
                     'the trace ends over 28');

    await press(page, '戻る', 29);
    assert.equal(await distance(page), 0);
    assert.deepEqual(await colorAt(page, '黒板', 75, 250), red, 'the marker back at B');
    assert.equal(await countColor(page, '黒板', blue), 0);
  }));

  test('the three boxes show their guides at once', () => withProgram({}, async (page) => {
    await press(page, '進む', 5);
    assert.deepEqual(await colorAt(page, '黒板', 75, 200), white);
    await checkbox(page, '点Ｐの進んだ距離').click();
    assert.deepEqual(await colorAt(page, '黒板', 75, 200), red, 'the path when ticked');
    await checkbox(page, 'ヒント').click();
    await checkbox(page, '点Ｐの進んだ距離').click();
    assert.deepEqual(await colorAt(page, '黒板', 75, 200), [255, 128, 255], 'the height alone');
    assert.deepEqual(await colorAt(page, 'グラフ用紙', 74, 163), paper, 'no graph while clear');
    await checkbox(page, 'グ　ラ　フ').click();
    await press(page, '進む');
    assert.deepEqual(await colorAt(page, 'グラフ用紙', 99, 125), red, 'y = 6x up to x = 6');
  }));
});

describe('automatic play', () => {
  test('ストップ ends a wait at "40" at once', () => withProgram({}, async (page) => {
    await speedBox(page).fill('40');
    const changes = distanceChanges(page, 1);
    await button(page, '自動').click();
    await changes;
    await page.waitForTimeout(200);
    assert.equal(await button(page, '進む').isDisabled(), true, 'locked during the walk');
    const stopped = Date.now();
    await button(page, 'ストップ').click();
    await waitEnabled(page, '進む');
    assert.ok(Date.now() - stopped < 300, 'unlocked within the wait');
    await page.waitForTimeout(1000);
    assert.equal(await distance(page), 1, 'no step after the stop');
    assert.equal(await button(page, 'ストップ').isDisabled(), true);
  }));

  test('typed "1" and "２０" pace the walk', () => withProgram({}, async (page) => {
    await speedBox(page).fill('1');
    let changes = distanceChanges(page, 28);
    await button(page, '自動').click();
    const fast = await changes;
    assert.ok(fast[27].at - fast[0].at < 1500, `28 steps at 0.02 s took ${fast[27].at - fast[0].at} ms`);
    await waitEnabled(page, '自動');

    await speedBox(page).fill('２０');
    changes = distanceChanges(page, 3);
    await button(page, '自動').click();
    const paced = await changes;
    const wait = paced[2].at - paced[1].at;
    assert.ok(wait >= 390 && wait < 600, `a step every 0.4 s, not ${wait} ms`);
    await button(page, 'ストップ').click();
  }));

  test('自動 right after ストップ, by the keys, starts again from B', () => withProgram({}, async (page) => {
    await speedBox(page).fill('40');
    await button(page, '自動').click();
    await page.waitForTimeout(1000);
    const changes = distanceChanges(page, 2);
    await page.keyboard.press('Escape');
    await page.keyboard.press('F5');
    // Taken in one dispatch of the pause, the walk in progress takes up the reset from B (0, 1);
    // taken in two, a fresh walk starts from B (1, 2). Either way P walks on from B.
    const walked = (await changes).map((change) => change.distance);
    assert.ok([[0, 1], [1, 2]].some((expected) => expected.join() === walked.join()), walked.join());
    await button(page, 'ストップ').click();
  }));
});

describe('keys and the speed box', () => {
  test('Page Down, Page Up, F5 and Escape press the buttons', () => withProgram({}, async (page) => {
    await page.evaluate(() => { window.notReloaded = true; });
    await speedBox(page).click();
    await page.keyboard.press('PageDown');
    await page.keyboard.press('PageDown');
    await page.keyboard.press('PageUp');
    assert.equal(await distance(page), 1);
    assert.equal(await speedBox(page).inputValue(), '20', 'the keys do not reach the speed box');
    await page.keyboard.press('F5');
    assert.equal(await button(page, '自動').isDisabled(), true, 'F5 starts a walk');
    await page.keyboard.press('Escape');
    await waitEnabled(page, '自動');
    assert.equal(await page.evaluate(() => window.notReloaded), true, 'F5 did not reload the page');
  }));

  test('five speeds, no completion, Enter adds nothing', () => withProgram({}, async (page) => {
    const box = speedBox(page);
    await box.click();
    await page.keyboard.press('Alt+ArrowDown');
    const options = page.getByRole('option');
    assert.deepEqual(await options.allTextContents(), ['01', '05', '10', '20', '40']);
    await options.nth(1).click();
    assert.equal(await box.inputValue(), '05');
    await box.fill('');
    await page.keyboard.type('4');
    await page.keyboard.press('Enter');
    assert.equal(await box.inputValue(), '4');
    assert.equal(await page.locator('[role=option]').count(), 5);
    await page.keyboard.press('ArrowDown');
    assert.equal(await box.inputValue(), '10', 'the arrow keys choose from the list');
  }));

  test('Tab follows the layout\'s order from the graph paper', () => withProgram({}, async (page) => {
    const focused = () => page.evaluate(() => {
      const element = document.activeElement;
      return element.getAttribute('aria-label') ?? element.textContent;
    });
    assert.equal(await focused(), 'グラフ用紙');
    const order = [];
    for (let i = 0; i < 7; ++i) {
      await page.keyboard.press('Tab');
      order.push(await focused());
    }
    assert.deepEqual(order, ['終了', '点Ｐの進んだ距離（cm）', '表示速度', '初期画面', 'グ　ラ　フ', '黒板', '進む']);
    await page.keyboard.press('Space');
    assert.equal(await distance(page), 1);
    // The order is the document's: no positive tabindex, every control inside the main landmark.
    assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('[tabindex]')]
      .filter((element) => element.tabIndex > 0 || !element.closest('main')).length), 0);
  }));
});

describe('screen readers', () => {
  test('names, the surfaces\' descriptions and the live region', () => withProgram({}, async (page) => {
    await press(page, '進む', 13);
    const nodes = await accessibleNodes(page);
    const named = (role, name) => nodes.find((node) => node.role === role && node.name === name);
    for (const name of ['進む', '戻る', '自動', 'ストップ', '初期画面', '終了'])
      assert.ok(named('button', name), name);
    for (const name of ['点Ｐの進んだ距離', 'ヒント', 'グ　ラ　フ']) assert.ok(named('checkbox', name), name);
    assert.ok(named('textbox', '点Ｐの進んだ距離（cm）'));
    assert.ok(named('combobox', '表示速度'));
    const text = '点Ｐ：Ｂから13cm（辺ＡＤ上）、三角形ＰＢＣの面積 48cm²';
    assert.equal(named('image', '黒板')?.description, text);
    assert.equal(named('image', 'グラフ用紙')?.description, 'グラフ：まだかかれていません');
    const live = page.locator('[aria-live=polite]');
    assert.equal(await live.textContent(), text);
    await press(page, '初期画面');
    assert.equal(await live.textContent(), '点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²');
  }));

  test('a step that draws the graph says the graph paper\'s text after the blackboard\'s, once', () =>
    withProgram({}, async (page) => {
      const live = page.locator('[aria-live=polite]');
      await checkbox(page, 'グ　ラ　フ').click();
      await press(page, '進む', 3);
      assert.equal(await live.textContent(),
                   '点Ｐ：Ｂから3cm（辺ＢＡ上）、三角形ＰＢＣの面積 18cm²。グラフ：x = 0〜3、y = 6x（0〜3）');
      await press(page, '初期画面');
      assert.equal(await live.textContent(),
                   '点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²。グラフ：まだかかれていません');
      await press(page, '進む');
      assert.equal(await live.textContent(), '点Ｐ：Ｂから1cm（辺ＢＡ上）、三角形ＰＢＣの面積 6cm²。グラフ：x = 0〜1、y = 6x（0〜1）');
    }));
});

describe('size and scale', () => {
  test('deviceScaleFactor 2 draws at device pixels', () => withProgram({ deviceScaleFactor: 2 }, async (page) => {
    const width = await page.evaluate(() => document.querySelector('[aria-label="グラフ用紙"] canvas').width);
    assert.equal(width, 2 * 381);
    // The grid line x = 70, two pixels wide, is four device columns with sharp edges.
    const row = await page.evaluate(() => {
      return Array.from(window.taviloShown('グラフ用紙').context.getImageData(136, 180, 8, 1).data);
    });
    const columns = [];
    for (let i = 0; i < row.length; i += 4) columns.push(row.slice(i, i + 3).join());
    assert.deepEqual(columns, ['255,255,192', '255,255,192', '0,128,0', '0,128,0', '0,128,0', '0,128,0',
                               '255,255,192', '255,255,192']);
  }));

  test('a larger viewport scales the window uniformly and redraws it', () =>
    withProgram({ viewport: { width: 1730, height: 1000 } }, async (page) => {
      assert.deepEqual(await button(page, '進む').boundingBox(), { x: 768, y: 128 + 63, width: 146, height: 66 });
      const width = await page.evaluate(() => document.querySelector('[aria-label="黒板"] canvas').width);
      assert.equal(width, 2 * 429);
      assert.deepEqual(await colorAt(page, '黒板', 75, 250), red);
    }));

  test('a window enlarged mid-lesson draws at its new size and steps on', () => withProgram({}, async (page) => {
    await press(page, '進む', 4);
    await page.setViewportSize({ width: 1730, height: 874 });
    await page.waitForFunction(() => document.querySelector('[aria-label="黒板"] canvas').width === 2 * 429);
    await press(page, '進む', 1);
    assert.deepEqual(await colorAt(page, '黒板', 75, 125), red, 'the marker at 5 cm');
    assert.deepEqual(await colorAt(page, '黒板', 75, 150), white, 'side BA where it was');
    assert.deepEqual(await colorAt(page, '黒板', 120, 240), blue, 'triangle PBC shaded');
  }));

  test('a portrait tablet fits the width, and a tap is a click', () =>
    withProgram({ viewport: { width: 600, height: 900 }, hasTouch: true, isMobile: true }, async (page) => {
      const box = await page.locator('#tavilo-window').boundingBox();
      assert.ok(Math.abs(box.width - 600) < 1 && Math.abs(box.y - (900 - box.height) / 2) < 1,
                JSON.stringify(box));
      await button(page, '進む').tap();
      assert.equal(await distance(page), 1);
    }));
});

describe('the end', () => {
  test('終了 ends the program in the page', () => withProgram({}, async (page) => {
    await speedBox(page).fill('40');
    await button(page, '自動').click();
    await page.waitForTimeout(300);
    await button(page, '終了').click();
    await page.getByText('プログラムは終了しました。').waitFor();
    assert.equal(await page.getByRole('button').count(), 0);
    assert.equal(await page.locator('canvas').count(), 0);
    const live = await page.locator('[aria-live=polite]').textContent();
    await page.waitForTimeout(1000);
    assert.equal(await page.locator('[aria-live=polite]').textContent(), live, 'the walk ran no further');
    await page.reload();
    assert.equal(await button(page, '進む').isEnabled(), true, 'a reload starts it again');
  }));
});
