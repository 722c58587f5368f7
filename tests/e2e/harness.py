"""What every end-to-end test needs: the build's settings, the Wine prefix, the program under
test, the driver that reads and works its windows, real X input and the local server."""

import json
import os
import queue
import subprocess
import threading
import time
import unittest

from recording_server import RecordingServer

MAIN_CAPTION_PREFIX = "Vellumix-"
WINE_DIR = "/usr/lib/wine"


class Config:
    """Paths and the server address, handed over by CTest through the environment."""

    def __init__(self):
        def need(name):
            value = os.environ.get(name)
            if not value:
                raise RuntimeError(f"{name} is not set (run these tests through ctest)")
            return value

        self.program = need("VELLUMIX_E2E_PROGRAM")
        self.driver = need("VELLUMIX_E2E_DRIVER")
        self.wine_run = need("VELLUMIX_WINE_RUN")
        self.wine_home = need("VELLUMIX_WINE_HOME")
        self.output = need("VELLUMIX_E2E_OUTPUT")
        self.host = need("VELLUMIX_E2E_HOST")
        address, _, port = self.host.rpartition(":")
        self.address, self.port = address, int(port)

    def wine_environment(self, extra=None):
        env = dict(os.environ, VELLUMIX_WINE_HOME=self.wine_home)
        # Requests go straight to the local server, never through a proxy.
        for name in ("http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"):
            env.pop(name, None)
        env.update(extra or {})
        return env


def stop_wine(config):
    """Ends every process of the prefix (the program, the driver, Wine's own)."""
    env = dict(os.environ, WINEPREFIX=os.path.join(config.wine_home, "prefix"))
    subprocess.run([os.path.join(WINE_DIR, "wineserver64"), "-k"], env=env,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)


class DriverError(AssertionError):
    pass


class Driver:
    """The Windows-side driver (driver/*.cpp) in `serve` mode: one command per line, JSON back."""

    def __init__(self, config):
        self._process = subprocess.Popen(
            [config.wine_run, config.driver, "serve"], env=config.wine_environment(),
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self._lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self._process.stdout:
            self._lines.put(line)
        self._lines.put(None)

    def run(self, *words, timeout=30, check=True):
        """Runs a command; returns (succeeded, the objects it printed)."""
        line = "\t".join(str(word) for word in words) + "\n"
        self._process.stdin.write(line.encode("utf-8"))
        self._process.stdin.flush()
        answers, deadline = [], time.monotonic() + timeout
        while True:
            try:
                raw = self._lines.get(timeout=max(0.0, deadline - time.monotonic()))
            except queue.Empty:
                raise DriverError(f"driver: no answer to {words!r} within {timeout} s")
            if raw is None:
                raise DriverError(f"driver: ended while running {words!r}")
            answer = json.loads(raw.decode("utf-8"))
            if "end" in answer:
                break
            answers.append(answer)
        errors = [a["error"] for a in answers if "error" in a]
        if check and not answer["end"]:
            raise DriverError(f"driver: {words!r} failed: {'; '.join(errors)}")
        return answer["end"], [a for a in answers if "error" not in a]

    def close(self):
        try:
            self._process.stdin.close()
            self._process.wait(timeout=10)
        except (subprocess.TimeoutExpired, OSError):
            self._process.kill()
            self._process.wait()


class Program:
    """The program under test, started through tools/wine-run."""

    def __init__(self, config, log_name, environment=None):
        self.log_path = os.path.join(config.output, log_name + ".log")
        self._log = open(self.log_path, "wb")
        self._process = subprocess.Popen([config.wine_run, config.program],
                                         env=config.wine_environment(environment),
                                         stdin=subprocess.DEVNULL, stdout=self._log,
                                         stderr=subprocess.STDOUT)

    def running(self):
        return self._process.poll() is None

    def wait_exit(self, timeout):
        """The exit code (modulo 256), or None if still running after `timeout` seconds."""
        try:
            return self._process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        if self.running():
            self._process.kill()
            self._process.wait()
        self._log.close()


def xdotool(*words):
    """Real X input (XTEST) on the shared display; Windows screen coordinates are X's."""
    subprocess.run(["xdotool", *map(str, words)], check=True, timeout=10)


def click_at_centre(rect):
    left, top, width, height = rect
    xdotool("mousemove", left + width // 2, top + height // 2, "click", "1")


_server = None


def server(config):
    """The one recording server of this test run, listening where the program was built to look."""
    global _server
    if _server is None:
        try:
            _server = RecordingServer(config.address, config.port)
        except OSError as error:
            raise RuntimeError(f"cannot listen on {config.host}, the address compiled into the "
                               f"program under test ({error}); reconfigure with another "
                               f"-DVELLUMIX_E2E_HOST=127.x.y.z:port") from error
    return _server


class WindowTestCase(unittest.TestCase):
    """Starts the driver for each test; ends whatever the test left running."""

    WAIT_FOR_WINDOW_SECONDS = 30
    # The first start in a new prefix makes the prefix first (about 15-25 s).
    DRIVER_READY_SECONDS = 180

    @classmethod
    def setUpClass(cls):
        cls.config = Config()
        cls.server = server(cls.config)

    def setUp(self):
        self.server.clear()
        self.driver = Driver(self.config)
        self.addCleanup(self.driver.close)
        self.driver.run("windows", timeout=self.DRIVER_READY_SECONDS)

    def start_program(self, environment=None):
        self._started = getattr(self, "_started", 0) + 1
        log_name = f"{self.id().rsplit('.', 1)[-1]}-{self._started}"
        self.program = Program(self.config, log_name, environment)
        self.addCleanup(self._end_program, self.program)
        return self.program

    def _end_program(self, program):
        # Every test waits for the program's end itself; one still running here has failed.
        if program.running():
            program.kill()
            stop_wine(self.config)
        program.kill()

    def start_and_wait_for_window(self):
        self.start_program()
        return self.wait_for_window()

    def wait_for_window(self):
        """The main window's dump line once it is shown."""
        deadline = time.monotonic() + self.WAIT_FOR_WINDOW_SECONDS
        while time.monotonic() < deadline and self.program.running():
            ok, found = self.driver.run("wait", MAIN_CAPTION_PREFIX, 0.5, check=False)
            if ok:
                self.window = "#%d" % found[0]["hwnd"]
                return found[0]
        code = self.program.wait_exit(0)
        self.fail(f"no window with a caption starting {MAIN_CAPTION_PREFIX!r} "
                  + (f"within {self.WAIT_FOR_WINDOW_SECONDS} s" if code is None
                     else f"before the program ended with exit code {code}")
                  + f" (its output: {self.program.log_path})")

    def dump(self):
        """The main window and every window below it: (window, [children])."""
        _, lines = self.driver.run("dump", self.window)
        return lines[0], lines[1:]

    def child(self, children, class_name, text=None):
        for child in children:
            if child["class"].lower() == class_name.lower() and text in (None, child["text"]):
                return child
        self.fail(f"no {class_name} control" + (f" with text {text!r}" if text else ""))

    def close_and_expect_exit(self, code=0, timeout=15):
        self.driver.run("close", self.window)
        self.assertExitCode(code, timeout)

    def assertExitCode(self, code, timeout=15):
        actual = self.program.wait_exit(timeout)
        self.assertIsNotNone(actual, f"the program did not end within {timeout} s")
        self.assertEqual(code, actual, "exit code")

    def assertStillRunning(self, seconds=1.0):
        actual = self.program.wait_exit(seconds)
        self.assertIsNone(actual, f"the program ended (exit code {actual})")
        ok, _ = self.driver.run("wait", self.window, 0, check=False)
        self.assertTrue(ok, "the main window is gone")
