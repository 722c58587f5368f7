"""The main window as the user first sees it, and a screenshot of it."""

import os
import subprocess

import harness

WS_CLIPCHILDREN, WS_CAPTION, WS_SYSMENU = 0x02000000, 0x00C00000, 0x00080000
WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX = 0x00040000, 0x00020000, 0x00010000
WS_EX_CLIENTEDGE, ES_AUTOHSCROLL, BS_GROUPBOX = 0x00000200, 0x0080, 0x7

# The main window's own children from top to bottom of the stacking order, with their places in
# its client area (None: laid out to the window's size).
MAIN_CHILDREN = [
    ("分组框1", (464, 8, 131, 32)),
    ("刷新", (390, 16, 56, 24)),
    ("状态条1", None),
    ("搜索词条", (305, 16, 72, 24)),
    ("输入词条名称:", (6, 16, 72, 24)),
    ("创建词条", (222, 16, 72, 24)),
    ("编辑框_搜索框", (85, 16, 128, 24)),
    ("超文本浏览框", None),
]


class Window(harness.WindowTestCase):

    def name_of(self, child, children):
        """The definition's name for a direct child of the main window, told by what it is."""
        if child["class"].lower() == "button" and child["style"] & 0xF == BS_GROUPBOX:
            return "分组框1"
        if child["class"].lower() == "msctls_statusbar32":
            return "状态条1"
        if child["class"].lower() == "edit":
            return "编辑框_搜索框"
        if any(c["class"] == "Shell Embedding" and c["parent"] == child["hwnd"] for c in children):
            return "超文本浏览框"
        return child["text"]

    def test_window_as_started(self):
        self.start_and_wait_for_window()
        window, children = self.dump()

        screen_width, screen_height = window["screen"]
        self.assertEqual([(screen_width - 661) // 2, (screen_height - 340) // 2, 661, 340],
                         window["rect"], "outer place and size: centred, 661 x 340")
        for flag in (WS_CLIPCHILDREN, WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX,
                     WS_MAXIMIZEBOX):
            self.assertTrue(window["style"] & flag, f"window style {flag:#x}")
        self.assertEqual(0, window["owner"])

        own = [c for c in children if c["parent"] == window["hwnd"]]
        self.assertEqual([name for name, _ in MAIN_CHILDREN], [self.name_of(c, children) for c in own])
        for child, (name, place) in zip(own, MAIN_CHILDREN):
            with self.subTest(control=name):
                self.assertTrue(child["visible"] and child["enabled"])
                if place is not None:
                    self.assertEqual(list(place), child["rect"])

        group = own[0]
        (notice,) = [c for c in children if c["parent"] == group["hwnd"]]
        self.assertEqual([464 + 14, 8 + 13, 109, 15], notice["rect"], "标签2 inside 分组框1")
        self.assertTrue(notice["text"].startswith("创建词条"))
        self.assertEqual("Vellumix-" + notice["text"], window["text"], "initial caption")

        edit = self.child(children, "Edit")
        self.assertEqual("", edit["text"])
        self.assertTrue(edit["exstyle"] & WS_EX_CLIENTEDGE and edit["style"] & ES_AUTOHSCROLL)

        for part, tip in ((0, "状态文本"), (1, "命令")):
            _, (status,) = self.driver.run("sbtext", self.window, part)
            self.assertEqual((tip, ""), (status["tip"], status["text"]), f"status part {part}")

        self.driver.run("settext", self.window, "Edit", "词条")
        self.save_screenshots(window)
        self.close_and_expect_exit(0)

    def save_screenshots(self, window):
        """The whole screen and the window alone, for a person to look at."""
        left, top, width, height = window["rect"]
        screen = os.path.join(self.config.output, "screen.png")
        alone = os.path.join(self.config.output, "window.png")
        subprocess.run(["import", "-window", "root", screen], check=True, timeout=30)
        subprocess.run(["convert", screen, "-crop", f"{width}x{height}+{left}+{top}", "+repage",
                        alone], check=True, timeout=30)
        self.assertGreater(os.path.getsize(alone), 0)
        print(f"\nscreenshots: {screen} {alone}")
