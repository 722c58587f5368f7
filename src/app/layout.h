#pragma once

#include "ui/form.h"

namespace vx {

// Fits the browser view and status part 0 to the main window's client area.
HandlerResult OnWindowSizeChanged(Form& form, std::span<const int32_t> args);

}  // namespace vx
