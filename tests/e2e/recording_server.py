"""A local HTTP server standing in for the encyclopedia: answers every request with a tiny page
and records each request target byte for byte, as the program's browser component sent it."""

import http.server
import threading
import time

PAGE = (b"<html><head><title>Vellumix test page</title></head>"
        b"<body><p>test page</p></body></html>")

# Requests whose target contains this are answered only after a while: a page still loading.
SLOW_MARK = b"slowpage"
SLOW_SECONDS = 4


class Request:
    def __init__(self, method, target, host):
        self.method = method  # str
        self.target = target  # str, the raw bytes as latin-1 (percent-escapes stay as sent)
        self.host = host      # the Host header

    def __repr__(self):
        return f"{self.method} {self.target} (Host: {self.host})"


class _Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def _answer(self, with_body=True):
        parts = self.raw_requestline.rstrip(b"\r\n").split(b" ")
        target = parts[1] if len(parts) > 1 else b""
        self.server.record(Request(self.command, target.decode("latin-1"),
                                   self.headers.get("Host", "")))
        if SLOW_MARK in target:
            time.sleep(SLOW_SECONDS)
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=gbk")
        self.send_header("Content-Length", str(len(PAGE)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        if with_body:
            self.wfile.write(PAGE)

    def do_GET(self):
        self._answer()

    def do_POST(self):
        self._answer()

    def do_HEAD(self):
        self._answer(with_body=False)

    def log_message(self, *args):
        pass


class RecordingServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, address, port):
        super().__init__((address, port), _Handler)
        self._requests = []
        self._changed = threading.Condition()
        self._thread = threading.Thread(target=self.serve_forever, daemon=True)
        self._thread.start()

    def record(self, request):
        with self._changed:
            self._requests.append(request)
            self._changed.notify_all()

    def handle_error(self, request, client_address):
        pass  # a client that went away mid-answer (the program closed while a page loaded)

    def requests(self):
        with self._changed:
            return list(self._requests)

    def clear(self):
        with self._changed:
            self._requests.clear()

    def wait_for(self, count, timeout):
        """The requests so far once there are at least `count`, or all of them at the timeout."""
        deadline = time.monotonic() + timeout
        with self._changed:
            while len(self._requests) < count:
                left = deadline - time.monotonic()
                if left <= 0:
                    break
                self._changed.wait(left)
            return list(self._requests)

    def stop(self):
        self.shutdown()
        self.server_close()
