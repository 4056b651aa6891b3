// The browser edition in WebKitGTK, the engine of every iPad browser, through W3C WebDriver: the
// single file, and the served app opened again with its server stopped.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { pageUrl, shownPixels } from './page.mjs';
import { serveFolder } from './server.mjs';

const port = 4400 + (process.pid % 500);
const base = `http://127.0.0.1:${port}`;
const miniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
let driver;
let session;

async function call(method, path, body) {
  const response = await fetch(base + path, {
    method,
    headers: { 'Content-Type': 'application/json' },
    body: body && JSON.stringify(body),
  });
  const { value } = await response.json();
  if (!response.ok) throw new Error(`${method} ${path}: ${JSON.stringify(value)}`);
  return value;
}

const run = (script) => call('POST', `/session/${session}/execute/sync`, { script, args: [] });

before(async () => {
  driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
  for (let tries = 0; ; ++tries) {
    try {
      await call('GET', '/status');
      break;
    } catch (error) {
      if (tries > 50) throw error;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  }
  const created = await call('POST', '/session', {
    capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } } },
  });
  session = created.sessionId;
});

after(async () => {
  if (session) await call('DELETE', `/session/${session}`);
  driver.kill();
});

// The colour at a logical point of the blackboard, as "r,g,b".
const blackboardAt = (x, y) => run(`
  (${shownPixels})();
  const { context, scale } = window.taviloShown('黒板');
  return Array.from(context.getImageData(${x} * scale, ${y} * scale, 1, 1).data.slice(0, 3)).join();`);

const pause = (ms) => new Promise((done) => setTimeout(done, ms));

async function openInWebKit(url) {
  await call('POST', `/session/${session}/url`, { url });
  while (await run('return document.querySelectorAll(".tavilo-surface").length') < 2) await pause(50);
}

// Opens the served app and waits until its service worker controls the page, as after a first
// visit.
async function openUntilItsWorkerControls(server) {
  await openInWebKit(server.origin + '/');
  for (let waited = 0; !(await run('return !!navigator.serviceWorker.controller')); waited += 100) {
    assert.ok(waited < 20000, 'the service worker took over within 20 s');
    await pause(100);
  }
}

async function clickForward() {
  const forward = await call('POST', `/session/${session}/element`, {
    using: 'xpath', value: '//button[text()="進む"]',
  });
  await call('POST', `/session/${session}/element/${Object.values(forward)[0]}/click`, {});
}

test('the start screen and one step in WebKit', async () => {
  await openInWebKit(pageUrl);
  assert.equal(await call('GET', `/session/${session}/title`), '３.一次関数 (by Oskavel)');
  assert.equal(await blackboardAt(200, 150), '0,128,0');
  assert.equal(await blackboardAt(75, 250), '255,0,0', 'the marker at B');
  await clickForward();
  assert.equal(await run('return document.querySelector(".tavilo-text").value'), ' 1');
  assert.equal(await blackboardAt(75, 225), '255,0,0', 'the marker one step up');
  assert.equal(await blackboardAt(80, 240), '0,0,255', 'the triangle shaded');
  assert.equal(await run('return document.querySelector("[aria-live=polite]").textContent'),
               '点Ｐ：Ｂから1cm（辺ＢＡ上）、三角形ＰＢＣの面積 6cm²');
});

test('the served app reloads in WebKit with its server stopped', async () => {
  const server = await serveFolder(resolve(process.env.TAVILO_WEB ?? 'build-web/tavilo-web'));
  try {
    await openUntilItsWorkerControls(server);
    await server.stop();
    await run('window.beforeTheReload = true');
    await call('POST', `/session/${session}/refresh`, {});
    while (await run('return document.querySelectorAll(".tavilo-surface").length') < 2) await pause(50);
    assert.equal(await run('return window.beforeTheReload ?? false'), false, 'the page was loaded again');
    assert.equal(await blackboardAt(75, 250), '255,0,0', 'the marker at B');
    await clickForward();
    assert.equal(await run('return document.querySelector(".tavilo-text").value'), ' 1');
  } finally {
    await server.stop();
  }
});

const problem1 = '#figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2';
const blackboardText = () =>
  run('return document.querySelector("[aria-label=\\"黒板\\"]").getAttribute("aria-description")');

test('a linked problem walked to its end in WebKit', async () => {
  await openInWebKit(pageUrl + problem1);
  assert.equal(await blackboardText(), '点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＡＢの面積 0cm²');
  for (let x = 1; x <= 11; ++x) await clickForward();
  assert.equal(await run('return document.querySelector(".tavilo-text").value'), ' 22');
  assert.equal(await blackboardText(), '点Ｐ：Ｂから22cm（頂点Ａ）、三角形ＰＡＢの面積 0cm²');
});

test('the served app opens a linked problem in WebKit with its server stopped', async () => {
  const server = await serveFolder(resolve(process.env.TAVILO_WEB ?? 'build-web/tavilo-web'));
  try {
    await openUntilItsWorkerControls(server);
    await server.stop();
    await openInWebKit(server.origin + '/' + problem1);
    await clickForward();
    assert.equal(await blackboardText(), '点Ｐ：Ｂから2cm（辺ＢＣ上）、三角形ＰＡＢの面積 6cm²');
  } finally {
    await server.stop();
  }
});

// Keys as a keyboard sends them: each one down then up, with Ctrl held round them if asked.
async function pressKeys(keys, withControl = false) {
  const control = '\uE009';
  const actions = [];
  if (withControl) actions.push({ type: 'keyDown', value: control });
  for (const key of keys) actions.push({ type: 'keyDown', value: key }, { type: 'keyUp', value: key });
  if (withControl) actions.push({ type: 'keyUp', value: control });
  await call('POST', `/session/${session}/actions`, { actions: [{ type: 'key', id: 'keys', actions }] });
  await call('DELETE', `/session/${session}/actions`);
}

async function typeInto(name, text) {
  const found = await call('POST', `/session/${session}/element`, {
    using: 'css selector', value: `[aria-label="${name}"]`,
  });
  const element = Object.values(found)[0];
  await call('POST', `/session/${session}/element/${element}/clear`, {});
  await call('POST', `/session/${session}/element/${element}/value`, { text });
}

test('the setup window opened by Ctrl+, in WebKit: problem 1 typed, applied and walked', async () => {
  await openInWebKit(pageUrl);
  await pressKeys([','], true);
  for (let waited = 0; await run('return document.querySelector("[role=dialog]").hidden'); waited += 50) {
    assert.ok(waited < 5000, 'the setup window opened');
    await pause(50);
  }
  await typeInto('ＡＢ（cm）', '６');
  await typeInto('ＢＣ（cm）', '8');
  await typeInto('点Ｐの動き', 'BCDA');
  await typeInto('三角形（Ｐと２つの点）', 'AB');
  await typeInto('速さ（毎秒 cm）', '2');
  assert.match(await run('return document.querySelector("[aria-label=\\"リンク\\"]").value'),
               /#figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2$/);
  await pressKeys(['\uE007']);
  assert.equal(await run('return document.querySelector("[role=dialog]").hidden'), true);
  for (let x = 1; x <= 11; ++x) await clickForward();
  assert.equal(await run('return document.querySelector(".tavilo-text").value'), ' 22');
  assert.equal(await blackboardText(), '点Ｐ：Ｂから22cm（頂点Ａ）、三角形ＰＡＢの面積 0cm²');
});
