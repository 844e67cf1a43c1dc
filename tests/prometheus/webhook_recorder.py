#!/usr/bin/python3
"""Alertmanager's webhook receiver for the stack test: appends every
notification it gets to a file, one JSON document per line, with the time
it came as "receivedAt".
  webhook_recorder.py ADDRESS PORT FILE"""
import http.server, json, sys, time


class Recorder(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        with open(sys.argv[3], "a") as out:
            out.write(json.dumps(dict(json.loads(body), receivedAt=time.time())) + "\n")
        self.send_response(200)
        self.end_headers()

    def log_message(self, *args):
        pass


http.server.HTTPServer((sys.argv[1], int(sys.argv[2])), Recorder).serve_forever()
