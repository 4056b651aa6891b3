// Lighthouse (pinned in package.json) on the served app: accessibility, best practices and SEO
// in full. One run of the mobile audit, the one a phone or tablet gets.
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { resolve } from 'node:path';
import { test } from 'node:test';
import { promisify } from 'node:util';
import { serveFolder } from './server.mjs';

const appFolder = resolve(process.env.TAVILO_WEB ?? 'build-web/tavilo-web');

test('Lighthouse: accessibility, best practices and SEO 100', async () => {
  const server = await serveFolder(appFolder);
  let report;
  try {
    const { stdout } = await promisify(execFile)(
      'node_modules/.bin/lighthouse',
      [server.origin + '/', '--output=json', '--quiet', '--chrome-flags=--headless=new --no-sandbox',
       '--only-categories=performance,accessibility,best-practices,seo'],
      { env: { ...process.env, CHROME_PATH: '/usr/bin/chromium' }, maxBuffer: 64 << 20 });
    report = JSON.parse(stdout);
  } finally {
    await server.stop();
  }
  const scores = Object.fromEntries(
    Object.values(report.categories).map((category) => [category.id, category.score]));
  const failing = Object.values(report.categories).flatMap((category) => category.auditRefs
    .filter((ref) => ref.weight > 0 && report.audits[ref.id].score !== null &&
            report.audits[ref.id].score < 1)
    .map((ref) => `${category.id}: ${ref.id} (${report.audits[ref.id].score})`));
  console.log(`Lighthouse ${report.lighthouseVersion}: ${JSON.stringify(scores)}`);
  for (const category of ['accessibility', 'best-practices', 'seo'])
    assert.equal(scores[category], 1, `${category}: ${failing.join(', ')}`);
});
