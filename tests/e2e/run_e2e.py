#!/usr/bin/env python3
"""Runs end-to-end test suites: run_e2e.py SUITE... (Window, Commands, Keys, FatalError).

The program, the driver and xdotool must share one X display. Without DISPLAY the suites run
inside a virtual display of their own, and the prefix's Wine processes end with it."""

import os
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

SUITES = {
    "Window": "window_test",
    "Commands": "commands_test",
    "Keys": "keys_test",
    "FatalError": "fatal_error_test",
}


def run_inside_own_display():
    command = ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24",
               sys.executable, os.path.abspath(__file__), *sys.argv[1:]]
    code = subprocess.call(command, env=dict(os.environ, VELLUMIX_E2E_OWN_DISPLAY="1"))
    return code


def main():
    if not os.environ.get("DISPLAY"):
        return run_inside_own_display()
    names = sys.argv[1:] or list(SUITES)
    unknown = [name for name in names if name not in SUITES]
    if unknown:
        print(f"unknown suites: {unknown}; known: {list(SUITES)}", file=sys.stderr)
        return 2
    suite = unittest.TestSuite(
        unittest.defaultTestLoader.loadTestsFromName(SUITES[name]) for name in names)
    try:
        result = unittest.TextTestRunner(verbosity=2).run(suite)
    finally:
        if os.environ.get("VELLUMIX_E2E_OWN_DISPLAY"):
            import harness
            harness.stop_wine(harness.Config())
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
