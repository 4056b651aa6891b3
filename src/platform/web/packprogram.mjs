// Makes the single page smaller: the WebAssembly program, which Emscripten writes into the page
// in base64, is deflated and moved into the page's #tavilo-program element, where page.js
// inflates it at start-up. Rewrites the page in place.
// Usage: node packprogram.mjs TAVILO_HTML
import { readFileSync, renameSync, writeFileSync } from 'node:fs';
import { deflateRawSync } from 'node:zlib';

const prefix = 'wasmBinaryFile="data:application/octet-stream;base64,';
const holder = '<script id="tavilo-program" type="application/octet-stream"></script>';

function indexOfOnly(text, part) {
  const at = text.indexOf(part);
  if (at < 0 || text.indexOf(part, at + 1) >= 0)
    throw new Error(`packprogram: expected exactly one ${part} in the page`);
  return at;
}

function packProgram(html) {
  const start = indexOfOnly(html, prefix) + prefix.length;
  const end = html.indexOf('"', start);
  const program = Buffer.from(html.slice(start, end), 'base64');
  if (program.length < 8 || program.readUInt32LE(0) !== 0x6d736100)
    throw new Error('packprogram: the page holds no WebAssembly program');
  const packed = deflateRawSync(program, { level: 9, memLevel: 9 }).toString('base64');
  const emptied = html.slice(0, start) + html.slice(end);
  const at = indexOfOnly(emptied, holder) + holder.indexOf('</script>');
  return emptied.slice(0, at) + packed + emptied.slice(at);
}

const file = process.argv[2];
writeFileSync(`${file}.packing`, packProgram(readFileSync(file, 'utf8')));
renameSync(`${file}.packing`, file);
