// A problem from the page's address in headless Chromium: walked to its end by the presenter's
// keys and by 自動, with the distance, the blackboard's text and the graph's corners at every
// step, and back by 戻る; a bad address opens today's lesson with a message that says why.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  button, checkbox, colorAt, countColor, distanceBox, launchChromium, openProgram, speedBox,
  waitEnabled,
} from './page.mjs';

const problem1 = '#figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2';
const red = [255, 0, 0];
const brown = [192, 64, 0];
const magenta = [255, 0, 255];
const todaysStart = '点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²';

// What the blackboard tells after x seconds at 2 cm a second along B, C, D, A (AB 6, BC 8).
function boardText(x) {
  const corners = { 0: 'Ｂ', 4: 'Ｃ', 7: 'Ｄ', 11: 'Ａ' };
  const place = x in corners ? `頂点${corners[x]}` : x < 4 ? '辺ＢＣ上' : x < 7 ? '辺ＣＤ上' : '辺ＤＡ上';
  const area = x <= 4 ? 6 * x : x <= 7 ? 24 : 66 - 6 * x;
  return `点Ｐ：Ｂから${2 * x}cm（${place}）、三角形ＰＡＢの面積 ${area}cm²`;
}

// The graph paper's point of x seconds and y cm²: 25 px a second from today's origin, and 28 px
// for each 5 cm² of the grid.
const graphAt = (x, y) => [49 + 25 * x, 200 - (28 / 5) * y];

let browser;
before(async () => { browser = await launchChromium(); });
after(() => browser.close());

async function withProblem(hash, body) {
  const program = await openProgram(browser, {}, hash);
  try {
    await body(program.page, program.messages);
    program.check();
  } finally {
    await program.close();
  }
}

const description = (page) => page.getByRole('img', { name: '黒板' }).getAttribute('aria-description');

async function expectStep(page, x) {
  assert.equal((await distanceBox(page).inputValue()).trim(), String(2 * x), `the distance after ${x} s`);
  assert.equal(await description(page), boardText(x), `the blackboard after ${x} s`);
}

// The trace's colour on each piece, checked at its middle and at its ends.
async function expectWholeGraph(page) {
  const inTrace = async (x, y, colours, what) => {
    const shown = await colorAt(page, 'グラフ用紙', ...graphAt(x, y));
    assert.ok(colours.some((colour) => colour.every((c, i) => c === shown[i])),
              `${what} at (${graphAt(x, y)}) shows ${shown}`);
  };
  await inTrace(2, 12, [red], 'the rising piece');
  await inTrace(4, 24, [red, brown], 'the corner at 4 s');
  await inTrace(5.5, 24, [brown], 'the flat piece');
  await inTrace(7, 24, [brown, magenta], 'the corner at 7 s');
  await inTrace(9, 12, [magenta], 'the falling piece');
  await inTrace(10.5, 3, [magenta], 'the falling piece near its end');
}

test('a linked problem walked by Page Down to its end and back by Page Up, in every step',
     () => withProblem(problem1, async (page, messages) => {
  assert.deepEqual(messages, [], 'a good link shows no message');
  await checkbox(page, 'グ　ラ　フ').check();
  await expectStep(page, 0);
  for (let x = 1; x <= 11; ++x) {
    await page.keyboard.press('PageDown');
    await expectStep(page, x);
  }
  await expectWholeGraph(page);
  await page.keyboard.press('PageDown');
  await expectStep(page, 11);
  for (let x = 10; x >= 0; --x) {
    await page.keyboard.press('PageUp');
    await expectStep(page, x);
  }
  for (const colour of [red, brown, magenta])
    assert.equal(await countColor(page, 'グラフ用紙', colour), 0, `no trace of ${colour} left`);
}));

test('a linked problem walked by 自動 ends where its route ends', () => withProblem(problem1, async (page) => {
  await checkbox(page, 'グ　ラ　フ').check();
  await speedBox(page).fill('1');
  await speedBox(page).press('Enter');
  await button(page, '自動').click();
  await waitEnabled(page, '自動');
  await expectStep(page, 11);
  await expectWholeGraph(page);
  await button(page, '初期画面').click();
  await expectStep(page, 0);
}));

test('a bad link opens today\'s lesson with a message naming the key and why', async () => {
  for (const [hash, key] of [['#figure=rectangle&ab=0', 'ab'], ['#route=BDCA', 'route'],
                             ['#speed=%3Cscript%3Ealert(1)%3C/script%3E', 'speed']]) {
    await withProblem(hash, async (page, messages) => {
      assert.equal(messages.length, 1, `one message for ${hash}, and no script of it ran`);
      assert.match(messages[0], new RegExp(`^.*\\n\\n${key}：`, 's'), messages[0]);
      assert.equal(await description(page), todaysStart);
      assert.deepEqual(await colorAt(page, '黒板', 75, 250), red, 'the marker at B');
    });
  }
});

test('a new problem after "#" in the same tab opens it', () => withProblem(problem1, async (page) => {
  await page.keyboard.press('PageDown');
  await page.evaluate(() => { location.hash = '#ab=3&bc=4&route=ABCD&triangle=AD'; });
  await page.waitForFunction(() => document.querySelector('[aria-label="黒板"]')
    ?.getAttribute('aria-description')?.includes('三角形ＰＡＤ'));
  assert.equal((await distanceBox(page).inputValue()).trim(), '0');
}));
