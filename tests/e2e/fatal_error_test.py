"""The fatal-error path: the web-browser component cannot be embedded."""

import time

import harness

# Disabling the DLL that provides the browser component makes its creation fail.
NO_BROWSER = {"WINEDLLOVERRIDES": "ieframe=d"}
BOX_SECONDS = 30


class FatalError(harness.WindowTestCase):

    def wait_for_box(self, title):
        deadline = time.monotonic() + BOX_SECONDS
        while time.monotonic() < deadline:
            _, windows = self.driver.run("windows")
            if any(w["class"] == "#32770" and w["text"] == title for w in windows):
                return windows
            time.sleep(0.2)
        self.fail(f"no message box titled {title!r} within {BOX_SECONDS} s "
                  f"(program exit code {self.program.wait_exit(0)}; "
                  f"its output: {self.program.log_path})")

    def test_without_the_browser_component_an_error_box_ends_the_program(self):
        self.start_program(NO_BROWSER)
        windows = self.wait_for_box("错误")
        self.assertEqual([], [w["text"] for w in windows
                              if w["text"].startswith(harness.MAIN_CAPTION_PREFIX)],
                         "no main window is shown")

        _, (box,) = self.driver.run("msgbox", "错误", 5)
        text = "\n".join(box["texts"]).replace("\r\n", "\n")
        # Wine's static control may drop the final line break.
        self.assertEqual("运行时出错!\n\n错误信息：载入启动窗口失败", text.rstrip("\n"))
        self.assertEqual(1, len(box["buttons"]), f"only an OK button: {box['buttons']}")
        self.assertExitCode(255)  # -1 modulo 256
