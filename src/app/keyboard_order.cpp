#include "app/keyboard_order.h"

#include <algorithm>

namespace vx {

std::vector<Control> KeyboardOrder(const WindowDefinition& definition) {
  std::vector<const ControlDefinition*> stops;
  for (const auto& control : definition.controls)
    if (control.tab_stop) stops.push_back(&control);
  // Later-defined first among equal order values: reverse, then sort stably.
  std::reverse(stops.begin(), stops.end());
  std::stable_sort(stops.begin(), stops.end(),
                   [](const auto* a, const auto* b) { return a->tab_order < b->tab_order; });
  std::vector<Control> order;
  for (const auto* stop : stops) order.push_back(stop->id);
  return order;
}

std::optional<Control> NextInKeyboardOrder(const std::vector<Control>& order, Control from,
                                           bool forward,
                                           const std::function<bool(Control)>& available) {
  const auto found = std::find(order.begin(), order.end(), from);
  if (found == order.end() || order.empty()) return std::nullopt;
  const std::size_t count = order.size();
  std::size_t index = static_cast<std::size_t>(found - order.begin());
  for (std::size_t step = 0; step < count; ++step) {
    index = forward ? (index + 1) % count : (index + count - 1) % count;
    if (available(order[index])) return order[index];
  }
  return std::nullopt;
}

std::optional<Control> FocusHolder(std::optional<Control> focus_window_control,
                                   std::optional<Control> focus_parent_control) {
  return focus_window_control ? focus_window_control : focus_parent_control;
}

}  // namespace vx
