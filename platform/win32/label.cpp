#include "label.h"

#include <string>

namespace vx::win32 {
namespace {

constexpr int kFontSlot = 0;  // window extra bytes: the font handed over by WM_SETFONT

HFONT FontOf(HWND label) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(label, kFontSlot)); }

std::wstring TextOf(HWND label) {
  const int length = GetWindowTextLengthW(label);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(label, text.data(), length + 1)));
  return text;
}

void OnPaint(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT area;
  GetClientRect(label, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const std::wstring text = TextOf(label);
  HFONT font = FontOf(label);
  HGDIOBJ previous_font = font ? SelectObject(dc, font) : nullptr;
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  // Without DT_NOCLIP the text is cut at the label's edge; DT_NOPREFIX shows "&" as it is.
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX);
  if (previous_font) SelectObject(dc, previous_font);
  EndPaint(label, &paint);
}

void OnSetFont(HWND label, WPARAM font, LPARAM redraw) {
  SetWindowLongPtrW(label, kFontSlot, static_cast<LONG_PTR>(font));
  if (LOWORD(redraw)) InvalidateRect(label, nullptr, FALSE);
}

LRESULT OnSetText(HWND label, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = DefWindowProcW(label, WM_SETTEXT, wparam, lparam);
  InvalidateRect(label, nullptr, FALSE);
  return result;
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      OnPaint(label);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole label
    case WM_SETFONT:
      OnSetFont(label, wparam, lparam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(FontOf(label));
    case WM_SETTEXT:
      return OnSetText(label, wparam, lparam);
    default:
      return DefWindowProcW(label, message, wparam, lparam);
  }
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kLabelClassName, &existing)) return true;
  WNDCLASSEXW label_class{};
  label_class.cbSize = sizeof label_class;
  label_class.style = CS_HREDRAW | CS_VREDRAW;  // the text is centred vertically
  label_class.lpfnWndProc = LabelProc;
  label_class.cbWndExtra = sizeof(LONG_PTR);
  label_class.hInstance = instance;
  label_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  label_class.lpszClassName = kLabelClassName;
  return RegisterClassExW(&label_class) != 0;
}

}  // namespace vx::win32
