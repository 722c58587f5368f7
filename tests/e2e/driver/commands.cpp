#include "commands.h"

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <cwchar>
#include <map>

#include "json_line.h"
#include "remote_buffer.h"
#include "window_search.h"

namespace e2e {
namespace {

constexpr UINT kReplyTimeoutMs = 5000;

bool Fail(const std::wstring& message) {
  PrintError(message);
  return false;
}

double Seconds(const std::wstring& text) { return std::wcstod(text.c_str(), nullptr); }

// A window named by its caption's beginning, or by its handle as "#<decimal handle>".
HWND MainWindow(const std::wstring& name) {
  if (!name.starts_with(L"#")) return FindTopLevel(name);
  auto window =
      reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(name.c_str() + 1, nullptr, 10)));
  return IsWindow(window) ? window : nullptr;
}

DWORD ProcessOf(HWND window) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  return process_id;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

void PrintWindowLine(HWND window) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  JsonLine()
      .Add("kind", L"window")
      .AddHandle("hwnd", window)
      .Add("pid", ProcessOf(window))
      .Add("class", ClassOf(window))
      .Add("text", TextOf(window))
      .AddNumbers("rect",
                  {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top})
      .AddNumbers("client", {origin.x, origin.y, client.right, client.bottom})
      .Add("style", static_cast<long long>(GetWindowLongW(window, GWL_STYLE) & 0xffffffffu))
      .Add("exstyle", static_cast<long long>(GetWindowLongW(window, GWL_EXSTYLE) & 0xffffffffu))
      .AddHandle("owner", GetWindow(window, GW_OWNER))
      .AddHandle("focus", FocusOf(window))
      .AddNumbers("screen", {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)})
      .Print();
}

// A child's place relative to the main window's client area, and on the screen.
void PrintChildLine(HWND main_window, HWND child) {
  RECT screen{};
  GetWindowRect(child, &screen);
  POINT origin{0, 0};
  ClientToScreen(main_window, &origin);
  JsonLine()
      .Add("kind", L"child")
      .AddHandle("hwnd", child)
      .AddHandle("parent", GetParent(child))
      .Add("class", ClassOf(child))
      .Add("text", TextOf(child))
      .Add("id", static_cast<long long>(GetWindowLongPtrW(child, GWLP_ID)))
      .AddNumbers("rect", {screen.left - origin.x, screen.top - origin.y,
                           screen.right - screen.left, screen.bottom - screen.top})
      .AddNumbers("screen",
                  {screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top})
      .Add("style", static_cast<long long>(GetWindowLongW(child, GWL_STYLE) & 0xffffffffu))
      .Add("exstyle", static_cast<long long>(GetWindowLongW(child, GWL_EXSTYLE) & 0xffffffffu))
      .AddBool("visible", IsWindowVisible(child) != FALSE)
      .AddBool("enabled", IsWindowEnabled(child) != FALSE)
      .Print();
}

// wait <caption-prefix> <seconds>
bool Wait(const Arguments& args) {
  HWND window = WaitFor([&] { return MainWindow(args[0]); }, Seconds(args[1]));
  if (window == nullptr) return Fail(L"no window " + args[0]);
  PrintWindowLine(window);
  return true;
}

// windows: every visible top-level window
bool Windows(const Arguments&) {
  for (HWND window : VisibleTopLevelWindows()) PrintWindowLine(window);
  return true;
}

// dump <caption-prefix>: the window, then every window below it
bool Dump(const Arguments& args) {
  HWND window = MainWindow(args[0]);
  if (window == nullptr) return Fail(L"no window " + args[0]);
  PrintWindowLine(window);
  for (HWND child : Descendants(window)) PrintChildLine(window, child);
  return true;
}

// settext <caption-prefix> <class> <text>: the first control of that class gets the text
bool SetText(const Arguments& args) {
  HWND window = MainWindow(args[0]);
  HWND control = window ? FindDescendant(window, args[1]) : nullptr;
  if (control == nullptr) return Fail(L"no control of class " + args[1]);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[2].c_str()),
                           SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result) ||
      !result)
    return Fail(L"WM_SETTEXT failed");
  JsonLine().Add("text", TextOf(control)).Print();
  return true;
}

// click <caption-prefix> <button text>: BM_CLICK, returning once the click has been handled
bool Click(const Arguments& args) {
  HWND window = MainWindow(args[0]);
  HWND button = window ? FindDescendant(window, L"Button", &args[1]) : nullptr;
  if (button == nullptr) return Fail(L"no button " + args[1]);
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result))
    return Fail(L"BM_CLICK got no answer");
  return true;
}

// key <caption-prefix> <virtual-key>: a posted key press to the window with the focus
bool Key(const Arguments& args) {
  HWND window = MainWindow(args[0]);
  if (window == nullptr) return Fail(L"no window " + args[0]);
  HWND focus = FocusOf(window);
  if (focus == nullptr) focus = window;
  auto key = static_cast<WPARAM>(std::wcstoul(args[1].c_str(), nullptr, 0));
  PostMessageW(focus, WM_KEYDOWN, key, 1);
  PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
  JsonLine().AddHandle("focus", focus).Print();
  return true;
}

// close <caption-prefix>
bool Close(const Arguments& args) {
  HWND window = MainWindow(args[0]);
  if (window == nullptr) return Fail(L"no window " + args[0]);
  PostMessageW(window, WM_CLOSE, 0, 0);
  return true;
}

// sbtext <caption-prefix> <part>: a status bar part's text, tip text and the parts' right edges,
// read into a buffer inside the program
bool StatusText(const Arguments& args) {
  HWND window = MainWindow(args[0]);
  HWND bar = window ? FindDescendant(window, STATUSCLASSNAMEW) : nullptr;
  if (bar == nullptr) return Fail(L"no status bar");
  auto part = static_cast<WPARAM>(std::wcstol(args[1].c_str(), nullptr, 10));
  auto ask = [bar](UINT message, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(bar, message, wparam, lparam, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result);
    return result;
  };

  constexpr size_t kMaxParts = 16, kTipChars = 256;
  struct Layout {
    int edges[kMaxParts];
    wchar_t tip[kTipChars];
    wchar_t text[1];  // really as long as the part's text
  };
  const size_t text_chars = LOWORD(ask(SB_GETTEXTLENGTHW, part, 0)) + 1;
  const size_t size = offsetof(Layout, text) + text_chars * sizeof(wchar_t);
  RemoteBuffer remote(bar, size);
  if (!remote.valid()) return Fail(L"cannot reach the program's memory");
  const auto parts = ask(SB_GETPARTS, kMaxParts, remote.address() + offsetof(Layout, edges));
  ask(SB_GETTIPTEXTW, MAKEWPARAM(part, kTipChars), remote.address() + offsetof(Layout, tip));
  ask(SB_GETTEXTW, part, remote.address() + offsetof(Layout, text));

  std::vector<char> local(size);
  if (!remote.Read(local.data(), size)) return Fail(L"cannot read the program's memory");
  const auto* layout = reinterpret_cast<const Layout*>(local.data());
  std::vector<long long> edges;
  for (size_t i = 0; i < parts && i < kMaxParts; ++i) edges.push_back(layout->edges[i]);
  JsonLine()
      .Add("part", static_cast<long long>(part))
      .AddNumbers("edges", edges)
      .Add("tip", std::wstring(layout->tip, wcsnlen(layout->tip, kTipChars)))
      .Add("text", std::wstring(layout->text, wcsnlen(layout->text, text_chars)))
      .Print();
  return true;
}

std::vector<std::wstring> StaticTexts(HWND box) {
  std::vector<std::wstring> texts;
  for (HWND child : Descendants(box))
    if (lstrcmpiW(ClassOf(child).c_str(), L"Static") == 0) {
      std::wstring text = TextOf(child);
      if (!text.empty()) texts.push_back(text);
    }
  return texts;
}

// msgbox <title> <seconds>: waits for a message box, prints its texts, presses OK until it is gone
bool MessageBoxCommand(const Arguments& args) {
  HWND box = WaitFor(
      [&] {
        for (HWND window : VisibleTopLevelWindows())
          if (ClassOf(window) == L"#32770" && TextOf(window) == args[0]) return window;
        return HWND{};
      },
      Seconds(args[1]));
  if (box == nullptr) return Fail(L"no message box titled " + args[0]);
  std::vector<std::wstring> buttons;
  for (HWND child : Descendants(box))
    if (ClassOf(child) == L"Button") buttons.push_back(TextOf(child));
  JsonLine()
      .AddHandle("hwnd", box)
      .Add("pid", ProcessOf(box))
      .AddTexts("texts", StaticTexts(box))
      .AddTexts("buttons", buttons)
      .Print();
  HWND gone = WaitFor(
      [&] {
        if (!IsWindow(box)) return box;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
        Sleep(200);
        return IsWindow(box) ? HWND{} : box;
      },
      10);
  return gone != nullptr ? true : Fail(L"the message box stayed after OK");
}

using Handler = bool (*)(const Arguments&);
struct Command {
  Handler handler;
  size_t arguments;
};

const std::map<std::wstring, Command>& Commands() {
  static const std::map<std::wstring, Command> commands = {
      {L"wait", {Wait, 2}},       {L"windows", {Windows, 0}},   {L"dump", {Dump, 1}},
      {L"settext", {SetText, 3}}, {L"click", {Click, 2}},       {L"key", {Key, 2}},
      {L"close", {Close, 1}},     {L"sbtext", {StatusText, 2}}, {L"msgbox", {MessageBoxCommand, 2}},
  };
  return commands;
}

}  // namespace

bool RunCommand(const Arguments& words) {
  if (words.empty()) return Fail(L"no command");
  auto found = Commands().find(words[0]);
  if (found == Commands().end()) return Fail(L"unknown command " + words[0]);
  Arguments args(words.begin() + 1, words.end());
  if (args.size() != found->second.arguments)
    return Fail(L"wrong number of arguments for " + words[0]);
  return found->second.handler(args);
}

}  // namespace e2e
