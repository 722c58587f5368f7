#include "feedback/browser_handlers.h"

#include "lookup/text_routines.h"

namespace vx {
namespace {

Text ReadStatusText(Form& form) {
  return form.ReadText(Control::超文本浏览框, property::kBrowserStatusText);
}

}  // namespace

HandlerResult OnBrowserBeforeNavigate(Form&, std::span<const int32_t>) { return std::nullopt; }

HandlerResult OnBrowserStatusTextChanged(Form& form, std::span<const int32_t>) {
  form.SetStatusPartText(Control::状态条1, 0, ReadStatusText(form));
  return std::nullopt;
}

HandlerResult OnBrowserTitleChanged(Form& form, std::span<const int32_t>) {
  const Text title = form.ReadText(Control::超文本浏览框, property::kBrowserCaption);
  form.WriteText(Control::MainWindow, property::kWindowCaption, title);
  return std::nullopt;
}

// Part 1 shows which of the two commands changed its state last, not whether it is allowed now.
HandlerResult OnBrowserCommandStateChanged(Form& form, std::span<const int32_t> args) {
  if (args.empty()) return std::nullopt;
  form.SetStatusPartText(Control::状态条1, 1, IntegerToText(args[0]));
  return std::nullopt;
}

// The new window is always refused; the link it was for (normally the status text, which holds
// the address under the pointer) opens in this view instead.
HandlerResult OnBrowserNewWindow(Form& form, std::span<const int32_t>) {
  const Text empty = Text::Copy("");
  if (CompareTexts(ReadStatusText(form), empty) != 0)
    form.BrowserNavigate(Control::超文本浏览框, ReadStatusText(form));
  return false;
}

}  // namespace vx
