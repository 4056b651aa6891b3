// The teacher's setup window in headless Chromium: opened by Ctrl+, by a right click and by a
// long press; problem 1 typed with a full-width digit, applied by Enter, walked, kept in the
// address; bad values, Escape and キャンセル; the QR code read back by a QR reader, the link in a
// new tab, the copy on the clipboard, the names a screen reader hears, and the page's size.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { accessibleNodes, button, distanceBox, launchChromium, openProgram, pageUrl,
         waitEnabled } from './page.mjs';

const problem1 = 'figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2';
const atA = '点Ｐ：Ｂから22cm（頂点Ａ）、三角形ＰＡＢの面積 0cm²';
const problem1Start = '点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＡＢの面積 0cm²';

let browser;
before(async () => { browser = await launchChromium(); });
after(() => browser.close());

async function withProgram(options, body) {
  const program = await openProgram(browser, options);
  try {
    await body(program.page, program);
    program.check();
  } finally {
    await program.close();
  }
}

const dialog = (page) => page.getByRole('dialog', { name: '問題の設定' });
const field = (page, name) => page.getByRole('textbox', { name, exact: true });
const board = (page) => page.getByRole('img', { name: '黒板' }).getAttribute('aria-description');

// Replaces a field's text as a teacher types it: an input method's full-width text comes whole.
async function type(page, locator, text) {
  await locator.click();
  await page.keyboard.press('Control+A');
  await page.keyboard.press('Backspace');
  await page.keyboard.insertText(text);
}

async function typeProblem1(page) {
  await type(page, field(page, 'ＡＢ（cm）'), '６');
  await type(page, field(page, 'ＢＣ（cm）'), '8');
  await type(page, field(page, '点Ｐの動き'), 'BCDA');
  await type(page, field(page, '三角形（Ｐと２つの点）'), 'AB');
  await type(page, page.getByRole('combobox', { name: '速さ（毎秒 cm）' }), '2');
}

test('Ctrl+, opens the window; problem 1 typed, applied by Enter, walked and kept in the address', async () => {
  await withProgram({}, async (page) => {
    await button(page, '進む').focus();
    await page.keyboard.press('Control+Comma');
    await dialog(page).waitFor();
    await typeProblem1(page);
    assert.equal(await field(page, 'リンク').inputValue(), `${pageUrl}#${problem1}`);
    // No key of the lesson acts while the window is open.
    await page.keyboard.press('PageDown');
    assert.equal((await distanceBox(page).inputValue()).trim(), '0');
    await page.keyboard.press('Enter');
    await dialog(page).waitFor({ state: 'hidden' });
    assert.equal(new URL(page.url()).hash, `#${problem1}`);
    assert.ok(await button(page, '進む').evaluate((element) => element === document.activeElement),
              'the focus is back on 進む');
    for (let x = 1; x <= 11; ++x) await page.keyboard.press('PageDown');
    assert.equal((await distanceBox(page).inputValue()).trim(), '22');
    assert.equal(await board(page), atA);
    await page.reload();
    await page.waitForFunction(() => document.querySelectorAll('.tavilo-surface').length === 2);
    assert.equal(await board(page), problem1Start, 'a reload opens the applied problem');
  });
});

test('the menu by Shift+F10 and by a long press; bad values, Escape and キャンセル leave the lesson', async () => {
  await withProgram({ hasTouch: true }, async (page) => {
    await button(page, '進む').click();
    await button(page, '進む').click();
    await button(page, '戻る').focus();
    const lesson = await board(page);
    await page.keyboard.press('Shift+F10');
    await page.getByRole('menuitem', { name: '問題の設定…' }).waitFor();
    await page.keyboard.press('Enter');
    await dialog(page).waitFor();
    // Enter and Escape that settle or drop an input method's conversion neither apply nor cancel.
    await field(page, 'ＡＢ（cm）').focus();
    for (const key of ['Enter', 'Escape'])
      await page.evaluate((key) => document.activeElement.dispatchEvent(new KeyboardEvent(
          'keydown', { key, keyCode: 229, isComposing: true, bubbles: true, cancelable: true })), key);
    await page.waitForTimeout(200);
    assert.ok(await dialog(page).isVisible(), 'the window stays open while an input method composes');

    const combo = (name) => page.getByRole('combobox', { name, exact: true });
    const messages = () => page.locator('.tavilo-label').evaluateAll(
        (labels) => labels.filter((label) => label.style.color === 'rgb(192, 0, 0)' &&
                                             label.textContent).length);
    const bad = [[field(page, 'ＡＢ（cm）'), '0'], [field(page, 'ＢＣ（cm）'), '３１'],
                 [field(page, '点Ｐの動き'), 'BD'], [field(page, '三角形（Ｐと２つの点）'), 'BB'],
                 [combo('速さ（毎秒 cm）'), '7']];
    for (const [box, value] of bad) {
      const good = await box.inputValue();
      await type(page, box, value);
      assert.ok(await button(page, 'この問題にする').isDisabled(), `${value}: applying is off`);
      assert.equal(await messages(), 1, `${value}: one message beside its field`);
      await type(page, box, good);
      assert.ok(await button(page, 'この問題にする').isEnabled());
    }
    // The list-only figure box takes no typing, only its list's items: by the arrow keys here.
    const figure = combo('図形');
    await figure.focus();
    await page.keyboard.press('x');
    assert.equal(await figure.inputValue(), '長方形');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    assert.equal(await figure.inputValue(), '直角台形');
    const ad = field(page, 'ＡＤ（cm）');
    assert.ok(await ad.isEnabled());
    await type(page, ad, await field(page, 'ＢＣ（cm）').inputValue());
    assert.ok(await button(page, 'この問題にする').isDisabled(), 'ＡＤ as long as ＢＣ');
    assert.equal(await messages(), 1, 'one message beside ＡＤ');
    await type(page, field(page, '点Ｐの動き'), 'AB');
    await page.keyboard.press('Escape');
    await dialog(page).waitFor({ state: 'hidden' });
    assert.equal((await distanceBox(page).inputValue()).trim(), '2');
    assert.equal(await board(page), lesson);
    assert.ok(await button(page, '戻る').evaluate((element) => element === document.activeElement));

    // Long presses on the blackboard by touch, whose contextmenu events are kept from the page
    // as Safari on an iPad never fires one: one that moves opens nothing, one that stays does.
    await page.evaluate(() => window.addEventListener('contextmenu', (event) => {
      event.stopImmediatePropagation();
    }, true));
    const touch = await page.context().newCDPSession(page);
    const at = (x, y) => ({ touchPoints: [{ x, y }] });
    await touch.send('Input.dispatchTouchEvent', { type: 'touchStart', ...at(300, 300) });
    await touch.send('Input.dispatchTouchEvent', { type: 'touchMove', ...at(330, 300) });
    await page.waitForTimeout(800);
    await touch.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    assert.equal(await page.getByRole('menu').count(), 0, 'a swipe opens no menu');
    await touch.send('Input.dispatchTouchEvent', { type: 'touchStart', ...at(300, 300) });
    await page.waitForTimeout(800);
    await touch.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    await page.getByRole('menuitem', { name: '問題の設定…' }).tap();
    await dialog(page).waitFor();
    assert.equal(await field(page, '点Ｐの動き').inputValue(), 'BADC', 'the lesson\'s problem again');
    await button(page, 'キャンセル').click();
    await dialog(page).waitFor({ state: 'hidden' });
    assert.equal((await distanceBox(page).inputValue()).trim(), '2');
  });
});

test('the QR code reads as the link, which opens the problem in a new tab; the copy', async () => {
  const options = { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 2 };
  await withProgram(options, async (page, program) => {
    await program.context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.keyboard.press('Control+Comma');
    await dialog(page).waitFor();
    await typeProblem1(page);
    const link = await field(page, 'リンク').inputValue();
    const code = page.getByRole('img', { name: 'リンクのQRコード' });
    const box = await code.boundingBox();
    assert.ok(box.height >= 800 / 3 - 20, `the code is a third of the height (${box.height} px)`);
    // Drawn at the device pixels it covers, so that every module is whole pixels.
    assert.equal(await code.evaluate((canvas) => canvas.width), Math.round(box.width * 2));
    const picture = join(mkdtempSync(join(tmpdir(), 'tavilo-code-')), 'code.png');
    await code.screenshot({ path: picture });
    assert.equal(execFileSync('zbarimg', ['--raw', '-q', picture], { encoding: 'utf8' }).trim(), link);

    // Where the asynchronous clipboard is missing, the copy takes the older way.
    await button(page, 'リンクをコピー').click();
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), link);
    await page.evaluate(async () => {
      await navigator.clipboard.writeText('');
      Object.defineProperty(navigator.clipboard, 'writeText', { value: undefined });
    });
    await button(page, 'リンクをコピー').click();
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), link);
    assert.ok(await button(page, 'リンクをコピー').evaluate((element) => element === document.activeElement),
              'the focus stays on the button after the older way\'s copy');

    const other = await program.context.newPage();
    await other.goto(link);
    await other.waitForFunction(() => document.querySelectorAll('.tavilo-surface').length === 2);
    assert.equal(await board(other), problem1Start);
    await other.close();
  });
});

test('by a right click: every field, the previews and the buttons are named', async () => {
  await withProgram({}, async (page) => {
    await page.mouse.click(600, 300, { button: 'right' });
    await page.getByRole('menuitem', { name: '問題の設定…' }).click();
    await dialog(page).waitFor();
    for (const name of ['ＡＢ（cm）', 'ＢＣ（cm）', 'ＡＤ（cm）', '点Ｐの動き', '三角形（Ｐと２つの点）',
                        'Ｍを真ん中の点とする辺', 'リンク'])
      await field(page, name).waitFor();
    for (const name of ['図形', '速さ（毎秒 cm）'])
      await page.getByRole('combobox', { name, exact: true }).waitFor();
    for (const name of ['リンクをコピー', '教科書の問題に戻す', 'この問題にする', 'キャンセル'])
      await button(page, name).waitFor();
    // As Chromium gives it to screen readers: the window, its fields and buttons, and nothing
    // of the lesson below.
    const nodes = await accessibleNodes(page);
    const has = (role, name) => nodes.some((node) => node.role === role && node.name === name);
    assert.ok(has('dialog', '問題の設定'));
    for (const name of ['ＡＢ（cm）', 'ＢＣ（cm）', 'ＡＤ（cm）', '点Ｐの動き', '三角形（Ｐと２つの点）',
                        'Ｍを真ん中の点とする辺', 'リンク'])
      assert.ok(has('textbox', name), name);
    for (const name of ['図形', '速さ（毎秒 cm）'])
      assert.ok(has('combobox', name), name);
    for (const name of ['リンクをコピー', '教科書の問題に戻す', 'この問題にする', 'キャンセル'])
      assert.ok(has('button', name), name);
    for (const name of ['図形の見本', 'グラフの見本', 'リンクのQRコード'])
      assert.ok(has('image', name), name);
    assert.ok(!has('button', '進む') && !has('image', '黒板'), 'the lesson is out of the tree');
    const graph = page.getByRole('img', { name: 'グラフの見本' });
    assert.equal(await graph.getAttribute('aria-description'),
                 'グラフ：x = 0〜28、y = 6x（0〜8）、y = 48（8〜20）、y = −6x + 168（20〜28）');
    // The browser's own menu stays away from the lesson, but not from the page round it.
    const cancelled = (selector) => page.evaluate((selector) => !document.querySelector(selector)
        .dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true })), selector);
    await page.keyboard.press('Escape');
    assert.ok(await cancelled('[aria-label="黒板"]'));
    assert.ok(!await cancelled('body'));
    await page.keyboard.press('Escape');
    await page.getByRole('menu').waitFor({ state: 'detached' });
    await page.mouse.click(600, 300, { button: 'right' });
    await page.getByRole('menuitem', { name: '問題の設定…' }).click();
    // The lesson below takes no input and is out of the tree while the window is open.
    assert.ok(await page.locator('#tavilo-window').evaluate((lesson) => lesson.inert));
    await page.keyboard.press('Escape');
    assert.ok(await page.locator('#tavilo-window').evaluate((lesson) => !lesson.inert));
  });
});

test('the menu during automatic play; the menu key; Tab kept inside the window', async () => {
  await withProgram({}, async (page) => {
    await button(page, '自動').click();
    await page.mouse.click(600, 300, { button: 'right' });
    await page.getByRole('menuitem', { name: '問題の設定…' }).waitFor();
    await page.keyboard.press('Escape');
    await page.getByRole('menu').waitFor({ state: 'detached' });
    assert.ok(await button(page, 'ストップ').isEnabled(), 'the menu\'s Escape presses no ストップ');
    await page.mouse.click(600, 300, { button: 'right' });
    await page.getByRole('menuitem', { name: '問題の設定…' }).waitFor();
    await page.mouse.click(200, 300);
    await page.getByRole('menu').waitFor({ state: 'detached' });
    await page.mouse.click(600, 300, { button: 'right' });
    await page.getByRole('menuitem', { name: '問題の設定…' }).click();
    await page.waitForTimeout(300);
    assert.ok(await dialog(page).isHidden(), 'no setup window during automatic play');
    await button(page, 'ストップ').click();
    await waitEnabled(page, '自動');

    await button(page, '初期画面').focus();
    await page.keyboard.press('ContextMenu');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    await dialog(page).waitFor();
    const inside = () => page.evaluate(
        () => document.querySelector('[role=dialog]').contains(document.activeElement));
    const seen = new Set();
    for (const key of ['Tab', 'Shift+Tab']) {
      for (let i = 0; i < 20; ++i) {
        await page.keyboard.press(key);
        assert.ok(await inside(), `${key} ${i + 1} stays in the window`);
        seen.add(await page.evaluate(() => document.activeElement.getAttribute('aria-label') ??
                                           document.activeElement.textContent));
      }
    }
    assert.ok(seen.has('この問題にする') && seen.has('図形'), [...seen].join());
    await page.keyboard.press('Escape');
    await dialog(page).waitFor({ state: 'hidden' });
    assert.ok(await button(page, '初期画面').evaluate((element) => element === document.activeElement));
  });
});

test('the page stays within its size', () => {
  const size = statSync(new URL(pageUrl)).size;
  assert.ok(size <= 250 * 1024, `tavilo.html is ${size} bytes`);
});
