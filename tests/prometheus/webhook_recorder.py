#!/usr/bin/python3
"""Alertmanager's webhook receiver for the stack test: appends every
notification it gets to a file, one JSON document per line.
  webhook_recorder.py ADDRESS PORT FILE"""
import http.server, json, sys


class Recorder(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        with open(sys.argv[3], "a") as out:
            out.write(json.dumps(json.loads(body)) + "\n")
        self.send_response(200)
        self.end_headers()

    def log_message(self, *args):
        pass


http.server.HTTPServer((sys.argv[1], int(sys.argv[2])), Recorder).serve_forever()
