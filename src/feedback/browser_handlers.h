#pragma once
// What the program does with the browser view's notifications.

#include "ui/form.h"

namespace vx {

HandlerResult OnBrowserBeforeNavigate(Form& form, std::span<const int32_t> args);
HandlerResult OnBrowserStatusTextChanged(Form& form, std::span<const int32_t> args);
HandlerResult OnBrowserTitleChanged(Form& form, std::span<const int32_t> args);
HandlerResult OnBrowserCommandStateChanged(Form& form, std::span<const int32_t> args);
HandlerResult OnBrowserNewWindow(Form& form, std::span<const int32_t> args);

}  // namespace vx
