// The served app in headless Chromium: installable, offline after one visit, a new build at the
// next opening, and nothing of the kind from a file.
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, describe, test } from 'node:test';
import { chromium } from 'playwright-core';
import { makeApp } from '../../src/platform/web/app/makeapp.mjs';
import { button, distance, launchChromium, pageUrl, press, speedBox, waitEnabled } from './page.mjs';
import { serveFolder } from './server.mjs';

const appFolder = resolve(process.env.TAVILO_WEB ?? 'build-web/tavilo-web');
const html = readFileSync(new URL(pageUrl), 'utf8');

let browser;
let server;
before(async () => {
  browser = await launchChromium();
  server = await serveFolder(appFolder);
});
after(async () => {
  await browser.close();
  await server.stop();
});

// A fresh browser profile (Chromium installs no app in a private one), whose pages have every
// failed request, request beyond the origin, page error and console error recorded for check().
async function freshContext() {
  const profile = mkdtempSync(join(tmpdir(), 'tavilo-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium', args: ['--no-sandbox'], viewport: { width: 865, height: 437 },
  });
  const problems = [];
  const watch = (page) => {
    page.on('requestfailed', (request) => problems.push(`failed: ${request.url()}`));
    page.on('pageerror', (error) => problems.push(`error: ${error.message}`));
    page.on('console', (message) => {
      if (message.type() === 'error') problems.push(`console: ${message.text()}`);
    });
    page.on('request', (request) => {
      const url = request.url();
      if (!url.startsWith(server.origin + '/') && !url.startsWith('data:'))
        problems.push(`left the origin: ${url}`);
    });
    return page;
  };
  return {
    context,
    async open(url = server.origin + '/') {
      const page = watch(await context.newPage());
      await page.addInitScript(() => {
        const persist = StorageManager.prototype.persist;
        StorageManager.prototype.persist = function() {
          window.persistenceAsked = true;
          return persist.call(this);
        };
      });
      await page.goto(url);
      await started(page);
      return page;
    },
    check: () => assert.deepEqual(problems, [], 'no request failed, nothing was logged as an error'),
    async close() {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

const started = (page) =>
  page.waitForFunction(() => document.querySelectorAll('.tavilo-surface').length === 2);

// Waits until the service worker of this page's build controls it and its files are kept.
async function keptForOffline(page) {
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    while (!navigator.serviceWorker.controller) await new Promise((done) => setTimeout(done, 50));
  });
}

async function until(condition, what) {
  for (const start = Date.now(); !(await condition());) {
    if (Date.now() - start > 20000) assert.fail(`waited 20 s for this: ${what}`);
    await new Promise((done) => setTimeout(done, 100));
  }
}

const cacheNames = (page) => page.evaluate(() => caches.keys());
const buildOf = (folder) => readFileSync(join(folder, 'sw.js'), 'utf8').match(/const build = '([^']+)'/)[1];

async function lesson(page) {
  await press(page, '進む', 13);
  assert.equal(await distance(page), 13);
  await speedBox(page).fill('1');
  await button(page, '自動').click();
  await page.waitForFunction(() => document.querySelector('.tavilo-text').value.trim() === '28');
  await waitEnabled(page, '自動');
  await speedBox(page).fill('40');
  await button(page, '自動').click();
  await page.waitForFunction(() => document.querySelector('.tavilo-text').value.trim() === '1');
  await button(page, 'ストップ').click();
  await waitEnabled(page, '進む');
  assert.equal(await distance(page), 1, 'ストップ ended the walk');
}

describe('the served app', () => {
  test('Chromium can install it: its manifest, icons and worker', async () => {
    const browsing = await freshContext();
    try {
      const page = await browsing.open();
      await keptForOffline(page);
      const session = await page.context().newCDPSession(page);
      const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
      const { errors, data } = await session.send('Page.getAppManifest');
      assert.deepEqual(errors, []);
      const manifest = JSON.parse(data);
      assert.equal(manifest.name, '一次関数　動く点と面積');
      assert.equal(manifest.lang, 'ja');
      assert.deepEqual([manifest.start_url, manifest.scope, manifest.display], ['./', './', 'standalone']);
      assert.deepEqual([manifest.background_color, manifest.theme_color], ['#808000', '#808000']);
      assert.ok(manifest.icons.some((icon) => icon.purpose === 'maskable' && icon.sizes === '512x512'));
      const csp = await page.locator('meta[http-equiv=Content-Security-Policy]').getAttribute('content');
      assert.equal(csp, "default-src 'none'; script-src 'unsafe-inline' 'unsafe-eval'; " +
                   "style-src 'unsafe-inline'; img-src 'self' data:; connect-src 'self' data:; " +
                   "worker-src 'self'; manifest-src 'self'");
      assert.deepEqual(await cacheNames(page), [`tavilo-${buildOf(appFolder)}`]);
      assert.equal(await page.evaluate(() => window.persistenceAsked), true, 'persistent storage asked for');
      browsing.check();
    } finally {
      await browsing.close();
    }
  });

  test('after one visit it reloads, opens and runs a lesson with the server stopped', async () => {
    const browsing = await freshContext();
    try {
      const page = await browsing.open();
      await keptForOffline(page);
      await server.stop();
      try {
        await page.reload();
        await started(page);
        await press(page, '進む', 2);
        assert.equal(await distance(page), 2);
        const second = await browsing.open();
        await lesson(second);
        browsing.check();
      } finally {
        await server.start();
      }
    } finally {
      await browsing.close();
    }
  });

  test('a new build runs at the next opening; the open page keeps its own', async () => {
    const newer = mkdtempSync(join(tmpdir(), 'tavilo-newer-'));
    const browsing = await freshContext();
    try {
      const changed = html.replace('<meta charset="utf-8">', '<meta charset="utf-8">\n<meta name="build" content="newer">');
      const newBuild = makeApp(changed, resolve('res'), newer);
      assert.notEqual(newBuild, buildOf(appFolder));
      const older = await browsing.open();
      await keptForOffline(older);
      await press(older, '進む', 3);
      await older.evaluate(() => { window.stillTheSamePage = true; });

      server.serve(newer);
      const next = await browsing.open();
      assert.equal(await next.locator('meta[name=build]').count(), 1, 'the next opening runs the new build');
      await until(async () => (await cacheNames(next)).join() === `tavilo-${newBuild}`,
                  'only the new build\'s cache remains');

      assert.equal(await older.evaluate(() => window.stillTheSamePage), true, 'the open page was not replaced');
      assert.equal(await older.locator('meta[name=build]').count(), 0);
      await press(older, '進む');
      assert.equal(await distance(older), 4, 'the open page steps on');

      await server.stop();
      try {
        const offline = await browsing.open();
        assert.equal(await offline.locator('meta[name=build]').count(), 1, 'the new build is the one kept');
      } finally {
        await server.start();
      }
      browsing.check();
    } finally {
      server.serve(appFolder);
      await browsing.close();
      rmSync(newer, { recursive: true, force: true });
    }
  });
});

describe('from a file', () => {
  for (const [name, url] of [['tavilo.html', pageUrl],
                             ['the app folder\'s index.html', pathToFileURL(join(appFolder, 'index.html')).href]]) {
    test(`${name} registers no worker and logs no error`, async () => {
      const context = await browser.newContext();
      try {
        const page = await context.newPage();
        const logged = [];
        page.on('console', (message) => logged.push(`${message.type()}: ${message.text()}`));
        page.on('pageerror', (error) => logged.push(`error: ${error.message}`));
        await page.goto(url);
        await started(page);
        await page.evaluate(() => new Promise((done) => setTimeout(done, 300)));
        await press(page, '進む');
        assert.deepEqual(logged, []);
        assert.deepEqual(context.serviceWorkers(), []);
      } finally {
        await context.close();
      }
    });
  }
});
