#pragma once
// The label: a child window that paints its own text on one line, in the font it was given, on
// the button-face colour; what does not fit is cut off at its edge.

#include <windows.h>

namespace vx::win32 {

inline constexpr wchar_t kLabelClassName[] = L"VellumixLabel";

// Once per process (a second call finds the class and succeeds), before the first label.
bool RegisterLabelClass(HINSTANCE instance);

}  // namespace vx::win32
