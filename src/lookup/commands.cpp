#include "lookup/commands.h"

#include "lookup/encoder.h"
#include "lookup/settings.h"
#include "lookup/text_routines.h"

namespace vx {
namespace {

Text AddressPrefix() {
  const Text scheme = Text::Copy("http://");
  const Text host = Text::Copy(EncyclopediaHost());
  const Text path = Text::Copy("/searchword/?word=");
  return JoinTexts({&scheme, &host, &path});
}

Text EncodedEntryName(Form& form) {
  const Text name = form.ReadText(Control::编辑框_搜索框, property::kEditText);
  return EncodeEntryName(name);
}

void NavigateBrowser(Form& form, const Text& address) {
  form.BrowserNavigate(Control::超文本浏览框, address);
}

}  // namespace

Text SearchAddress(const Text& encoded_name) {
  const Text prefix = AddressPrefix();
  const Text keys = Text::Copy("&pic=2&sug=1&oq=");
  return JoinTexts({&prefix, &encoded_name, &keys, &encoded_name});
}

Text CreateAddress(const Text& encoded_name) {
  const Text prefix = AddressPrefix();
  const Text keys = Text::Copy("&pic=1&sug=1");
  return JoinTexts({&prefix, &encoded_name, &keys});
}

HandlerResult OnSearchEntryClicked(Form& form, std::span<const int32_t>) {
  NavigateBrowser(form, SearchAddress(EncodedEntryName(form)));
  return std::nullopt;
}

HandlerResult OnCreateEntryClicked(Form& form, std::span<const int32_t>) {
  NavigateBrowser(form, CreateAddress(EncodedEntryName(form)));
  return std::nullopt;
}

HandlerResult OnRefreshClicked(Form& form, std::span<const int32_t>) {
  form.BrowserCommand(Control::超文本浏览框, kCommandRefresh);
  return std::nullopt;
}

}  // namespace vx
