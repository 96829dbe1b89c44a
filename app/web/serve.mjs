// Serves the built site on this machine alone (127.0.0.1), as any static web server would: the
// files of one folder, nothing else, each with its type. For trying the page (see the README) and
// for the browser tests, which import serveSite.
//
// Usage: node app/web/serve.mjs SITE_DIR [PORT]   (PORT 8000 when left out, 0 for any free one)
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, resolve, sep } from 'node:path';
import { argv, exit } from 'node:process';
import { fileURLToPath } from 'node:url';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.svg': 'image/svg+xml',
    '.wasm': 'application/wasm', // which lets the browser compile the game while it loads
};

/** Serves `folder` on 127.0.0.1; resolves to the site's address and a function that stops it. */
export async function serveSite(folder, port = 0) {
    const root = resolve(folder);
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
        const file = join(root, path.endsWith('/') ? `${path}index.html` : path);
        const type = TYPES[extname(file)];
        try {
            if (!file.startsWith(root + sep) || type === undefined || !['GET', 'HEAD'].includes(request.method)) {
                throw new Error('not a file of the site');
            }
            const body = await readFile(file);
            response.writeHead(200, { 'Content-Type': type, 'Content-Length': body.length });
            response.end(request.method === 'GET' ? body : undefined);
        } catch {
            response.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' });
            response.end('Not found\n');
        }
    });
    await new Promise((started, failed) => {
        server.once('error', failed);
        server.listen(port, '127.0.0.1', started);
    });
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        stop: () =>
            new Promise((stopped) => {
                server.close(stopped);
                server.closeAllConnections(); // a browser keeps its connections open
            }),
    };
}

if (argv[1] === fileURLToPath(import.meta.url)) {
    if (argv.length < 3) {
        console.error('usage: node serve.mjs SITE_DIR [PORT]');
        exit(2);
    }
    const { url } = await serveSite(argv[2], argv[3] === undefined ? 8000 : Number(argv[3]));
    console.log(`Serving ${argv[2]} at ${url} (Ctrl-C stops)`);
}
