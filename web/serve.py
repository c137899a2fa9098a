#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves the browser version (build/web/) on 127.0.0.1 with the headers
that make the page cross-origin isolated (COOP same-origin, COEP
require-corp), so that the threaded build may be used.

usage: serve.py FOLDER [--port P] [--no-isolation]
  --port 0 picks a free one; --no-isolation leaves the headers out, as a
  plain static host does, and the page runs without threads."""
import argparse
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    isolated = True
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript'}

    def end_headers(self):
        if self.isolated:
            self.send_header('Cross-Origin-Opener-Policy', 'same-origin')
            self.send_header('Cross-Origin-Embedder-Policy', 'require-corp')
            self.send_header('Cross-Origin-Resource-Policy', 'same-origin')
        self.send_header('Cache-Control', 'no-cache')
        super().end_headers()

    def log_message(self, *args):
        pass


class PlainHandler(Handler):
    isolated = False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('folder')
    parser.add_argument('--port', type=int, default=8080)
    parser.add_argument('--no-isolation', action='store_true')
    args = parser.parse_args()
    handler = functools.partial(PlainHandler if args.no_isolation else Handler, directory=args.folder)
    with http.server.ThreadingHTTPServer(('127.0.0.1', args.port), handler) as server:
        print(f'FreeVantor in the browser: http://127.0.0.1:{server.server_address[1]}/', flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass
    return 0


if __name__ == '__main__':
    sys.exit(main())
