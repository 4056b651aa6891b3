// Makes the README's picture of the setup window in the browser edition: problem 1 typed in,
// with its preview and the QR code of its link, as a class's page at an https address shows it
// (the page is served to headless Chromium under that address from the built file).
// Usage: node docs/make-setup-screenshot.mjs [TAVILO_HTML [OUTPUT.png]]
//        (defaults: build-web/src/tavilo.html, docs/setup.png)
import { readFileSync } from 'node:fs';
import { chromium } from 'playwright-core';

const html = readFileSync(process.argv[2] ?? 'build-web/src/tavilo.html');
const output = process.argv[3] ?? 'docs/setup.png';
const address = 'https://school.example/tavilo/tavilo.html';

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
const page = await browser.newPage({ viewport: { width: 1092, height: 693 } });
await page.route(address, (route) => route.fulfill({ body: html, contentType: 'text/html' }));
await page.goto(address);
await page.waitForFunction(() => document.querySelectorAll('.tavilo-surface').length === 2);
await page.keyboard.press('Control+Comma');
const fill = async (name, text) => {
  const field = page.getByRole(name.startsWith('速さ') ? 'combobox' : 'textbox', { name, exact: true });
  await field.click();
  await page.keyboard.press('Control+A');
  await page.keyboard.insertText(text);
};
await fill('ＡＢ（cm）', '6');
await fill('ＢＣ（cm）', '8');
await fill('点Ｐの動き', 'BCDA');
await fill('三角形（Ｐと２つの点）', 'AB');
await fill('速さ（毎秒 cm）', '2');
await page.getByRole('button', { name: 'この問題にする' }).focus();
await page.getByRole('dialog').screenshot({ path: output });
await browser.close();
console.log(output);
