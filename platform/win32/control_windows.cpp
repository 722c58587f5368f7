#include "control_windows.h"

#include <commctrl.h>

#include <string>

#include "label.h"
#include "wide_text.h"

namespace vx::win32 {
namespace {

struct WindowKind {
  const wchar_t* class_name;
  DWORD style;
  DWORD ex_style;
};

// Siblings clip each other so that the stacking order decides who shows where they overlap.
constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS;
constexpr int kFirstControlId = 1000;

bool KindOf(ControlKind kind, WindowKind& window) {
  switch (kind) {
    case ControlKind::Label:
      window = {kLabelClassName, 0, 0};
      return true;
    case ControlKind::GroupBox:
      // Its label lies inside it: clip it out so that repainting the frame leaves it whole.
      window = {WC_BUTTONW, BS_GROUPBOX | BS_LEFT | WS_CLIPCHILDREN, 0};
      return true;
    case ControlKind::PushButton:
      // Never BS_DEFPUSHBUTTON: the window has no default button.
      window = {WC_BUTTONW, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
      return true;
    case ControlKind::EditBox:
      // No ES_NOHIDESEL: the selection is hidden while the edit box has no focus.
      window = {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
      return true;
    case ControlKind::StatusBar:
      window = {STATUSCLASSNAMEW, SBARS_TOOLTIPS, 0};
      return true;
    case ControlKind::BrowserView:
      break;
  }
  return false;
}

// The window is resized by its frame, not by a grip on the bar. The grip is not asked for; should
// the control add one of its own accord, it goes.
void RemoveSizeGrip(HWND bar) {
  const LONG_PTR style = GetWindowLongPtrW(bar, GWL_STYLE);
  if (style & SBARS_SIZEGRIP) SetWindowLongPtrW(bar, GWL_STYLE, style & ~LONG_PTR{SBARS_SIZEGRIP});
}

}  // namespace

bool PrepareControlKinds(HINSTANCE instance) {
  INITCOMMONCONTROLSEX common{sizeof common, ICC_BAR_CLASSES};
  InitCommonControlsEx(&common);  // a missing class shows when the control cannot be made
  return RegisterLabelClass(instance);
}

HWND CreateControlWindow(const ControlDefinition& control, HWND parent, HINSTANCE instance) {
  WindowKind kind;
  if (!KindOf(control.kind, kind)) return nullptr;
  const DWORD style = kChildStyle | kind.style;  // tab stops: the runtime marks them
  const std::wstring text = WideFromUtf8(control.text);
  const auto id = static_cast<INT_PTR>(kFirstControlId + static_cast<int>(control.id));
  HWND window = CreateWindowExW(kind.ex_style, kind.class_name, text.c_str(), style, control.left,
                                control.top, control.width, control.height, parent,
                                reinterpret_cast<HMENU>(id), instance, nullptr);
  if (!window) return nullptr;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  if (control.kind == ControlKind::StatusBar) RemoveSizeGrip(window);
  return window;
}

}  // namespace vx::win32
