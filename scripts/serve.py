#!/usr/bin/env python3
"""serve.py SITE [PORT]: serves the web page's folder on this computer alone (127.0.0.1), with
the headers the page asks for, and prints the address to open; Ctrl+C stops it. PORT 0 takes
any free one; by default 8642, or any free one where that is taken."""
import functools
import http.server
import sys

POLICY = ("default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
          "img-src 'self'; connect-src 'self'; manifest-src 'self'; worker-src 'self'; "
          "base-uri 'none'; form-action 'none'; frame-ancestors 'none'")


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript',
                      '.webmanifest': 'application/manifest+json'}

    def end_headers(self):
        for header, value in (('Content-Security-Policy', POLICY), ('Referrer-Policy', 'no-referrer'),
                              ('X-Content-Type-Options', 'nosniff'), ('Cache-Control', 'no-cache')):
            self.send_header(header, value)
        super().end_headers()

    def log_message(self, *_):  # what is asked for is nobody's business, not even the log's
        pass


def main():
    site, port = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else None
    handler = functools.partial(Handler, directory=site)
    try:
        server = http.server.ThreadingHTTPServer(('127.0.0.1', 8642 if port is None else port), handler)
    except OSError:
        if port is not None:
            raise
        server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    print(f'imc: open http://127.0.0.1:{server.server_address[1]}/ (Ctrl+C stops)', flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == '__main__':
    main()
