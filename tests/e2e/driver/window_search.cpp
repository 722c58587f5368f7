#include "window_search.h"

namespace e2e {
namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(copied < text.size() ? copied : length);
  return text;
}

std::vector<HWND> VisibleTopLevelWindows() {
  std::vector<HWND> all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> visible;
  for (HWND window : all)
    if (IsWindowVisible(window)) visible.push_back(window);
  return visible;
}

std::vector<HWND> Descendants(HWND root) {
  std::vector<HWND> all;
  EnumChildWindows(root, CollectWindow, reinterpret_cast<LPARAM>(&all));
  return all;
}

HWND FindTopLevel(const std::wstring& prefix) {
  for (HWND window : VisibleTopLevelWindows())
    if (TextOf(window).starts_with(prefix)) return window;
  return nullptr;
}

HWND FindDescendant(HWND root, const std::wstring& class_name, const std::wstring* text) {
  for (HWND window : Descendants(root)) {
    if (lstrcmpiW(ClassOf(window).c_str(), class_name.c_str()) != 0) continue;
    if (text == nullptr || TextOf(window) == *text) return window;
  }
  return nullptr;
}

HWND WaitFor(const std::function<HWND()>& find, double seconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  for (;;) {
    if (HWND found = find()) return found;
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(50);
  }
}

}  // namespace e2e
