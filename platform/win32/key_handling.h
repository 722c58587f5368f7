#pragma once
// Which keys the main window acts on itself, before the control with the focus sees them.

#include <windows.h>

namespace vx::win32 {

enum class WindowKey { None, Close, NextControl, PreviousControl };

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// Esc alone closes (when the window is set to), Tab moves forward and Shift+Tab back; any other
// combination, Enter included, is left to the window with the focus.
WindowKey ClassifyWindowKey(WPARAM virtual_key, KeyModifiers modifiers, bool esc_closes);

// The modifiers held for this key-down: the thread's key state, and for a system key-down the
// Alt flag that comes with the message.
KeyModifiers ModifiersOf(const MSG& key_down);

}  // namespace vx::win32
