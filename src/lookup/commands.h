#pragma once
// The search, create and refresh buttons.

#include "ui/form.h"

namespace vx {

Text SearchAddress(const Text& encoded_name);
Text CreateAddress(const Text& encoded_name);

HandlerResult OnSearchEntryClicked(Form& form, std::span<const int32_t> args);
HandlerResult OnCreateEntryClicked(Form& form, std::span<const int32_t> args);
HandlerResult OnRefreshClicked(Form& form, std::span<const int32_t> args);

}  // namespace vx
