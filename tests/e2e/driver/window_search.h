#pragma once
// Finding the program's windows from another process: by caption, class and text.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

std::wstring ClassOf(HWND window);
// The window's text through WM_GETTEXT, which the system carries across processes.
std::wstring TextOf(HWND window);

// Visible top-level windows, topmost first.
std::vector<HWND> VisibleTopLevelWindows();
// Every window below `root`, depth first, each level in stacking order.
std::vector<HWND> Descendants(HWND root);

// The first visible top-level window whose caption starts with `prefix`, or null.
HWND FindTopLevel(const std::wstring& prefix);
// The first window below `root` of class `class_name` (case-insensitive) and, if `text` is
// given, with exactly that text.
HWND FindDescendant(HWND root, const std::wstring& class_name, const std::wstring* text = nullptr);

// Polls `find` every 50 ms for up to `seconds`; the first non-null result or null.
HWND WaitFor(const std::function<HWND()>& find, double seconds);

}  // namespace e2e
