#include "ui/event_delivery.h"

#include <algorithm>

namespace vx {

EventOutcome EventDelivery::Raise(Control control, int event, std::span<const int32_t> args) {
  if (!delivering()) return {};
  for (const auto& binding : definition_.bindings) {
    if (binding.control == control && binding.event == event)
      return {true, binding.handler(form_, args.first(std::min<size_t>(args.size(), 5)))};
  }
  return {};
}

}  // namespace vx
