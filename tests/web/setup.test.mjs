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
import { button, distanceBox, launchChromium, openProgram, pageUrl } from './page.mjs';

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
    await page.keyboard.press('Shift+F10');
    await page.getByRole('menuitem', { name: '問題の設定…' }).waitFor();
    await page.keyboard.press('Enter');
    await dialog(page).waitFor();

    const bad = [['ＡＢ（cm）', '0'], ['ＢＣ（cm）', '３１'], ['点Ｐの動き', 'BD'],
                 ['三角形（Ｐと２つの点）', 'BB']];
    for (const [name, value] of bad) {
      const good = await field(page, name).inputValue();
      await type(page, field(page, name), value);
      assert.ok(await button(page, 'この問題にする').isDisabled(), `${name} ${value}: applying is off`);
      const says = await page.locator('.tavilo-label').evaluateAll(
          (labels) => labels.filter((label) => label.style.color === 'rgb(192, 0, 0)' &&
                                               label.textContent).length);
      assert.equal(says, 1, `${name} ${value}: one message beside its field`);
      await type(page, field(page, name), good);
      assert.ok(await button(page, 'この問題にする').isEnabled());
    }
    await type(page, field(page, '点Ｐの動き'), 'AB');
    await page.keyboard.press('Escape');
    await dialog(page).waitFor({ state: 'hidden' });
    assert.equal((await distanceBox(page).inputValue()).trim(), '2');
    assert.ok(await button(page, '戻る').evaluate((element) => element === document.activeElement));

    // A long press on the blackboard, with no contextmenu event at all.
    await page.evaluate(() => {
      const target = document.querySelector('[aria-label="黒板"]');
      const touch = new Touch({ identifier: 1, target, clientX: 300, clientY: 300 });
      target.dispatchEvent(new TouchEvent('touchstart', { touches: [touch], bubbles: true }));
    });
    await page.waitForTimeout(800);
    await page.getByRole('menuitem', { name: '問題の設定…' }).click();
    await dialog(page).waitFor();
    assert.equal(await field(page, '点Ｐの動き').inputValue(), 'BADC', 'the lesson\'s problem again');
    await button(page, 'キャンセル').click();
    await dialog(page).waitFor({ state: 'hidden' });
    assert.equal((await distanceBox(page).inputValue()).trim(), '2');
  });
});

test('the QR code reads as the link, which opens the problem in a new tab; the copy', async () => {
  await withProgram({ viewport: { width: 1280, height: 800 } }, async (page, program) => {
    await program.context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.keyboard.press('Control+Comma');
    await dialog(page).waitFor();
    await typeProblem1(page);
    const link = await field(page, 'リンク').inputValue();
    const code = page.getByRole('img', { name: 'リンクのQRコード' });
    const box = await code.boundingBox();
    assert.ok(box.height >= 800 / 3 - 20, `the code is a third of the height (${box.height} px)`);
    const picture = join(mkdtempSync(join(tmpdir(), 'tavilo-code-')), 'code.png');
    await code.screenshot({ path: picture });
    assert.equal(execFileSync('zbarimg', ['--raw', '-q', picture], { encoding: 'utf8' }).trim(), link);

    await button(page, 'リンクをコピー').click();
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), link);

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
    const graph = page.getByRole('img', { name: 'グラフの見本' });
    assert.equal(await graph.getAttribute('aria-description'),
                 'グラフ：x = 0〜28、y = 6x（0〜8）、y = 48（8〜20）、y = −6x + 168（20〜28）');
    // The lesson below takes no input and is out of the tree while the window is open.
    assert.ok(await page.locator('#tavilo-window').evaluate((lesson) => lesson.inert));
    await page.keyboard.press('Escape');
    assert.ok(await page.locator('#tavilo-window').evaluate((lesson) => !lesson.inert));
  });
});

test('the page stays within its size', () => {
  const size = statSync(new URL(pageUrl)).size;
  assert.ok(size <= 250 * 1024, `tavilo.html is ${size} bytes`);
});
