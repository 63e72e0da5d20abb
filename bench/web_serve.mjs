// The built page served as a static host serves it: over HTTP/2 and TLS (with a certificate made
// for the run, so the browser must ignore certificate errors), every file compressed once with
// gzip -9 (the host's precompressed copies) and sent with Content-Encoding when the browser
// accepts it, cacheable for ten minutes. With `brotli`, as hosts that offer it serve a browser
// that accepts it: brotli at its highest quality, gzip for the others.
//
// Each answer leaves `respondAfter` ms (20) after its request, as over any real link. DevTools
// counts its emulated round trip from the request, but over HTTP/2 an answer that reaches
// Chromium within a few milliseconds, as one from this machine does, is now and then held back
// about 200 ms more before that round trip starts: in Chromium's network log, the WebAssembly's
// bytes were all at hand 2 ms after its request and were released 360 ms after it instead of 150.
// One visit in four or five went so, whatever the page (a page of nothing but the WebAssembly's
// fetch did too), and never with the answers 20 ms late. Well inside the emulated 150 ms, the
// wait adds nothing to a visit. Used by web_reveal.mjs; `node bench/web_serve.mjs [port]` serves
// build-web/ by itself.
import { createSecureServer } from 'node:http2';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { readdir, readFile } from 'node:fs/promises';
import { execFileSync } from 'node:child_process';
import { brotliCompressSync, constants } from 'node:zlib';
import { extname, join, relative } from 'node:path';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm', '.png': 'image/png',
                '.webmanifest': 'application/manifest+json' };
// PNG is compressed already; hosts leave it as it is.
const compressible = (path) => extname(path) !== '.png';

export async function serveCompressed(folder, port = 0, { brotli = false, respondAfter = 20 } = {}) {
  const files = new Map();
  for (const entry of await readdir(folder, { recursive: true, withFileTypes: true })) {
    if (!entry.isFile()) continue;
    const path = join(entry.parentPath ?? entry.path, entry.name);
    const body = await readFile(path);
    files.set('/' + relative(folder, path), {
      body, gzip: compressible(path) ? execFileSync('gzip', ['-9', '-c', path]) : null,
      br: brotli && compressible(path)
        ? brotliCompressSync(body, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }) : null,
      type: types[extname(path)] ?? 'application/octet-stream',
    });
  }
  const keys = mkdtempSync(join(tmpdir(), 'tavrel-tls-'));
  execFileSync('openssl', ['req', '-x509', '-newkey', 'ec', '-pkeyopt', 'ec_paramgen_curve:P-256',
    '-nodes', '-days', '1', '-subj', '/CN=127.0.0.1', '-keyout', join(keys, 'key.pem'),
    '-out', join(keys, 'cert.pem')], { stdio: 'ignore' });
  const tls = { key: await readFile(join(keys, 'key.pem')), cert: await readFile(join(keys, 'cert.pem')),
                allowHTTP1: true };
  const server = createSecureServer(tls, async (request, response) => {
    await new Promise((resolve) => setTimeout(resolve, respondAfter));
    const path = new URL(request.url, 'https://x').pathname;
    const file = files.get(path.endsWith('/') ? path + 'index.html' : path);
    if (!file) {
      response.writeHead(404);
      response.end();
      return;
    }
    const headers = { 'Content-Type': file.type, 'Cache-Control': 'max-age=600', Vary: 'Accept-Encoding' };
    const accepted = request.headers['accept-encoding'] ?? '';
    const encoding = file.br && /\bbr\b/.test(accepted) ? 'br'
      : file.gzip && /\bgzip\b/.test(accepted) ? 'gzip' : null;
    if (encoding) headers['Content-Encoding'] = encoding;
    response.writeHead(200, headers);
    response.end(encoding === 'br' ? file.br : encoding === 'gzip' ? file.gzip : file.body);
  });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  return { server, base: `https://127.0.0.1:${server.address().port}/` };
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const { base } = await serveCompressed(new URL('../build-web/', import.meta.url).pathname,
                                         Number(process.argv[2] ?? 8000));
  console.log(`serving build-web/ at ${base}`);
}
