#pragma once
// Opens the main window in this process with a fresh form runtime, for tests that look at the
// window and drive it with messages.

#include <ole2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "form_runtime.h"

namespace vx::win32::test {

// Dispatches what is waiting, and what arrives within `milliseconds`.
inline void Pump(DWORD milliseconds = 50) {
  const DWORD end = GetTickCount() + milliseconds;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    const auto left = static_cast<LONG>(end - GetTickCount());
    if (left <= 0) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
  }
}

struct Place {
  LONG left, top, width, height;
  friend bool operator==(const Place&, const Place&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Place& place) {
    return out << "(" << place.left << ", " << place.top << ") " << place.width << "x"
               << place.height;
  }
};

// A child window's place in its parent's client coordinates.
inline Place PlaceOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetAncestor(window, GA_PARENT), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

inline std::wstring WideTextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

inline std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

// Bytes of a wide text in the ANSI code page, as the program's texts are.
inline std::string Ansi(const std::wstring& wide) {
  std::string bytes(wide.size() * 2 + 1, '\0');
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(static_cast<size_t>(length));
  return bytes;
}

// Holds modifier keys down in the thread's key state for as long as it lives.
class HeldKeys {
 public:
  HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    std::memcpy(state, saved_, sizeof state);
    for (int key : keys) state[key] |= 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE saved_[256];
};

class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OleInitialize(nullptr); }
  static void TearDownTestSuite() { OleUninitialize(); }

  void Open(const WindowDefinition& definition = MainWindowDefinition()) {
    ASSERT_TRUE(runtime_.OpenWindow(definition));
    Pump();
  }
  void TearDown() override {
    runtime_.Release();
    Pump(10);
  }

  HWND Main() const { return runtime_.main_window(); }
  HWND Window(Control control) const { return runtime_.window_of(control); }
  RECT Client() const {
    RECT client{};
    GetClientRect(Main(), &client);
    return client;
  }

  FormRuntime runtime_{GetModuleHandleW(nullptr)};
};

}  // namespace vx::win32::test
