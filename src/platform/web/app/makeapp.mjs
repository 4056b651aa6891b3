// Makes the served app's folder from the single page: index.html (the page with its manifest,
// home-screen icon and the registration of its service worker), manifest.webmanifest, sw.js and
// the icons. Every file follows from its inputs alone, byte for byte.
// Usage: node makeapp.mjs TAVILO_HTML RES_FOLDER OUTPUT_FOLDER
import { createHash } from 'node:crypto';
import { mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const icons = { 'icon-192.png': 'tavilo-192.png', 'icon-512.png': 'tavilo-512.png',
                'apple-touch-icon.png': 'tavilo-180.png' };

// Replaces the one place where `from` stands; anything else means the page changed under us.
function replaceOnce(text, from, to) {
  const at = text.indexOf(from);
  if (at < 0 || text.indexOf(from, at + 1) >= 0)
    throw new Error(`makeapp: expected exactly one ${JSON.stringify(from)} in the page`);
  return text.slice(0, at) + to + text.slice(at + from.length);
}

function metaContent(html, name) {
  const found = html.match(new RegExp(`<meta name="${name}" content="([^"]*)">`));
  if (!found) throw new Error(`makeapp: the page has no <meta name="${name}">`);
  return found[1];
}

// The page as served: its own origin may give it images (the manifest's icons), its worker, its
// manifest and reads (which audits such as Lighthouse's robots.txt check make through the page);
// nothing may come from anywhere else, as in the single file.
export function appPage(html) {
  let page = replaceOnce(html, 'img-src data:; connect-src data:">',
                         "img-src 'self' data:; connect-src 'self' data:; worker-src 'self'; " +
                         "manifest-src 'self'\">");
  page = replaceOnce(page, '<style>',
                     '<link rel="manifest" href="manifest.webmanifest">\n' +
                     '<link rel="apple-touch-icon" href="apple-touch-icon.png">\n' +
                     '<meta name="theme-color" content="#808000">\n<style>');
  const register = readFileSync(join(here, 'register.js'), 'utf8');
  return replaceOnce(page, '</body>', `<script>\n${register}</script>\n</body>`);
}

// Writes the folder and returns the build's name, which is also its cache's.
export function makeApp(html, resFolder, outFolder) {
  const files = new Map();
  const page = appPage(html);
  files.set('index.html', Buffer.from(page));
  const manifest = readFileSync(join(here, 'manifest.webmanifest'), 'utf8')
    .replace('@DESCRIPTION@', metaContent(html, 'description'));
  files.set('manifest.webmanifest', Buffer.from(manifest));
  for (const [name, source] of Object.entries(icons))
    files.set(name, readFileSync(join(resFolder, source)));

  const hash = createHash('sha256');
  for (const [name, bytes] of files) hash.update(name).update('\0').update(bytes);
  const build = `${metaContent(html, 'version')}-${hash.digest('hex').slice(0, 12)}`;
  const worker = readFileSync(join(here, 'sw.js'), 'utf8')
    .replace('@BUILD@', build)
    .replace('@FILES@', JSON.stringify([...files.keys()]));
  files.set('sw.js', Buffer.from(worker));

  rmSync(outFolder, { recursive: true, force: true });
  mkdirSync(outFolder, { recursive: true });
  for (const [name, bytes] of files) writeFileSync(join(outFolder, name), bytes);
  return build;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [html, resFolder, outFolder] = process.argv.slice(2);
  if (!outFolder) {
    console.error('usage: node makeapp.mjs TAVILO_HTML RES_FOLDER OUTPUT_FOLDER');
    process.exit(2);
  }
  makeApp(readFileSync(html, 'utf8'), resFolder, outFolder);
}
