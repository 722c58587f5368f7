#pragma once
// The shape of a window definition: a data table from which the form runtime builds the main
// window and its controls, and binds their events to handlers. Fixed texts are UTF-8 so that they
// show the same whatever the system's ANSI code page.

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/status_bar.h"

namespace vx {

struct ControlDefinition {
  Control id;
  std::string_view name;  // UTF-8, as handlers and people call the control
  ControlKind kind;
  Control parent;  // MainWindow or another control
  int32_t left, top, width, height;
  std::string_view text;  // UTF-8; empty for none
  bool tab_stop;
  int32_t tab_order;  // among tab stops: ascending, later-defined first among equals
};

struct EventBinding {
  Control control;
  int event;
  Handler handler;
};

struct WindowDefinition {
  std::string_view caption;  // UTF-8
  int32_t outer_width, outer_height;
  bool esc_closes;
  std::span<const ControlDefinition> controls;  // definition order
  std::span<const EventBinding> bindings;
  std::span<const StatusPartDefinition> status_parts;  // of the one status bar

  const ControlDefinition* Find(Control id) const {
    for (const auto& control : controls)
      if (control.id == id) return &control;
    return nullptr;
  }
};

}  // namespace vx
