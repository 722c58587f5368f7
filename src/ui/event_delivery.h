#pragma once
// Event delivery: calls the handler that the window definition binds to (control, event), on the
// caller's thread, at once. While delivery is suspended (the window is being built) or stopped
// (shutdown or a fatal error has begun) events are dropped, never queued.

#include <cstdint>
#include <optional>
#include <span>

#include "ui/form.h"
#include "ui/window_definition.h"

namespace vx {

struct EventOutcome {
  bool handled = false;       // a handler ran
  std::optional<bool> value;  // what it returned, if anything

  // Permission events are refused only by a handler that ran and returned false.
  bool Allows() const { return !(handled && value == false); }
};

class EventDelivery {
 public:
  EventDelivery(const WindowDefinition& definition, Form& form)
      : definition_(definition), form_(form) {}

  EventOutcome Raise(Control control, int event, std::span<const int32_t> args = {});

  void Suspend() { suspended_ = true; }
  void Resume() { suspended_ = false; }
  void Stop() { stopped_ = true; }  // for good: shutdown or fatal error
  bool delivering() const { return !suspended_ && !stopped_; }

 private:
  const WindowDefinition& definition_;
  Form& form_;
  bool suspended_ = false;
  bool stopped_ = false;
};

}  // namespace vx
