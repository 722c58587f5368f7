"""The main window's keys, typed for real through the X server (XTEST)."""

import time

import harness


class Keys(harness.WindowTestCase):

    def click_into_edit_box(self):
        _, children = self.dump()
        edit = self.child(children, "Edit")
        harness.click_at_centre(edit["screen"])
        return edit

    def focus(self):
        window, _ = self.dump()
        return window["focus"]

    def wait_for_focus(self, hwnd, seconds=3):
        deadline = time.monotonic() + seconds
        while self.focus() != hwnd and time.monotonic() < deadline:
            time.sleep(0.1)
        return self.focus()

    def test_escape_closes_the_window_wherever_the_focus_is(self):
        for place in ("Edit", "Shell Embedding"):
            with self.subTest(focus_in=place):
                self.start_and_wait_for_window()
                _, children = self.dump()
                target = self.child(children, place)
                harness.click_at_centre(target["screen"])
                if place == "Edit":
                    self.assertEqual(target["hwnd"], self.wait_for_focus(target["hwnd"]))
                else:
                    time.sleep(0.3)
                harness.xdotool("key", "Escape")
                self.assertExitCode(0)

    def test_escape_with_shift_or_ctrl_does_not_close(self):
        self.start_and_wait_for_window()
        edit = self.click_into_edit_box()
        self.assertEqual(edit["hwnd"], self.wait_for_focus(edit["hwnd"]))
        for keys in ("shift+Escape", "ctrl+Escape", "alt+Escape"):
            with self.subTest(keys=keys):
                harness.xdotool("key", keys)
                self.assertStillRunning(1.5)
        self.close_and_expect_exit(0)

    def test_enter_in_the_edit_box_sends_nothing_and_keeps_the_focus(self):
        self.start_and_wait_for_window()
        self.driver.run("settext", self.window, "Edit", "词条")
        edit = self.click_into_edit_box()
        self.assertEqual(edit["hwnd"], self.wait_for_focus(edit["hwnd"]))
        harness.xdotool("key", "Return")
        time.sleep(1.5)
        self.assertEqual([], self.server.requests())
        self.assertEqual(edit["hwnd"], self.focus())
        self.close_and_expect_exit(0)

    def test_focus_starts_in_the_browser_view_and_tab_follows_the_keyboard_order(self):
        self.start_and_wait_for_window()
        window, children = self.dump()
        parents = {c["hwnd"]: c["parent"] for c in children}
        (view,) = [c["parent"] for c in children if c["class"] == "Shell Embedding"]
        focus, ancestors = window["focus"], []
        while focus in parents:
            ancestors.append(focus)
            focus = parents[focus]
        self.assertIn(view, ancestors, "the focus starts inside the browser view")

        buttons = {text: self.child(children, "Button", text)["hwnd"]
                   for text in ("创建词条", "搜索词条", "刷新")}
        edit = self.click_into_edit_box()
        self.assertEqual(edit["hwnd"], self.wait_for_focus(edit["hwnd"]))
        for keys, expected in (("Tab", "创建词条"), ("Tab", "搜索词条"), ("Tab", "刷新"),
                               ("shift+Tab", "搜索词条"), ("Tab", "刷新")):
            harness.xdotool("key", keys)
            self.assertEqual(buttons[expected], self.wait_for_focus(buttons[expected]),
                             f"focus after {keys}, expected on {expected}")
        # From the last button the focus wraps around to the browser view.
        harness.xdotool("key", "Tab")
        time.sleep(0.5)
        self.assertNotIn(self.focus(), list(buttons.values()) + [edit["hwnd"]])
        self.close_and_expect_exit(0)
