#pragma once
// The windows of the standard control kinds (label, group box, push button, edit box, status
// bar), made from their definitions. The browser view makes its own window.

#include <windows.h>

#include "ui/window_definition.h"

namespace vx::win32 {

// Registers what the kinds need (the label class, the common controls); once per process.
bool PrepareControlKinds(HINSTANCE instance);

// The control's window, hidden, at its place in `parent`, in the default GUI font. Null when it
// cannot be made, or for the browser view.
HWND CreateControlWindow(const ControlDefinition& control, HWND parent, HINSTANCE instance);

}  // namespace vx::win32
