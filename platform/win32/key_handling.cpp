#include "key_handling.h"

namespace vx::win32 {
namespace {

constexpr LPARAM kAltHeld = LPARAM{1} << 29;  // the context code of a key message

bool Held(int virtual_key) { return GetKeyState(virtual_key) < 0; }

}  // namespace

WindowKey ClassifyWindowKey(WPARAM virtual_key, KeyModifiers modifiers, bool esc_closes) {
  switch (virtual_key) {
    case VK_ESCAPE:
      if (esc_closes && !modifiers.shift && !modifiers.ctrl && !modifiers.alt)
        return WindowKey::Close;
      return WindowKey::None;
    case VK_TAB:
      if (modifiers.ctrl || modifiers.alt) return WindowKey::None;
      return modifiers.shift ? WindowKey::PreviousControl : WindowKey::NextControl;
    default:
      return WindowKey::None;
  }
}

KeyModifiers ModifiersOf(const MSG& key_down) {
  return {Held(VK_SHIFT), Held(VK_CONTROL),
          Held(VK_MENU) || (key_down.message == WM_SYSKEYDOWN && (key_down.lParam & kAltHeld))};
}

}  // namespace vx::win32
