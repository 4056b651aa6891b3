// A static web server on 127.0.0.1 for the served app, on a port the system chooses. It answers
// as a plain static host does (the folder's index.html for "/", a validator and ten minutes of
// freshness), and can be stopped and given another folder.
import { createHash } from 'node:crypto';
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

export async function serveFolder(folder) {
  let root = folder;
  let port = 0;
  let server;
  const requests = [];

  async function answer(request, response) {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    requests.push(path);
    const file = join(root, path.endsWith('/') ? join(path, 'index.html') : path);
    let body;
    try {
      body = await readFile(file);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
      return;
    }
    const tag = `"${createHash('sha256').update(body).digest('hex').slice(0, 16)}"`;
    const headers = { ETag: tag, 'Cache-Control': 'max-age=600',
                      'Content-Type': types[extname(file)] ?? 'application/octet-stream' };
    if (request.headers['if-none-match'] === tag) response.writeHead(304, headers).end();
    else response.writeHead(200, headers).end(body);
  }

  async function start() {
    server = createServer((request, response) => void answer(request, response));
    await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
    port = server.address().port;
  }
  await start();
  return {
    get origin() { return `http://127.0.0.1:${port}`; },
    requests,
    serve(folder) { root = folder; },
    start,
    stop: () => new Promise((resolve) => {
      server.close(resolve);
      server.closeAllConnections();
    }),
  };
}
