#pragma once
// Which control holds the keyboard focus, and where Tab and Shift+Tab move it.

#include <functional>
#include <optional>
#include <vector>

#include "ui/window_definition.h"

namespace vx {

// The tab stops sorted by order value, ascending; among equal values the later-defined first.
std::vector<Control> KeyboardOrder(const WindowDefinition& definition);

// The next (or previous) control after `from` in the order that `available` accepts (visible and
// enabled), wrapping around; nothing when no control is available. `from` itself may be picked
// again after a full turn.
std::optional<Control> NextInKeyboardOrder(const std::vector<Control>& order, Control from,
                                           bool forward,
                                           const std::function<bool(Control)>& available);

// The control that holds the focus: the one whose window has it, or else the one whose window is
// the parent of the window with it. Deeper windows belong to no control.
std::optional<Control> FocusHolder(std::optional<Control> focus_window_control,
                                   std::optional<Control> focus_parent_control);

}  // namespace vx
