#include "com_text.h"

#include <climits>

namespace vx::win32 {

UniqueBstr::UniqueBstr(std::wstring_view text) {
  if (text.size() <= UINT_MAX)
    bstr_ = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

UniqueVariant UniqueVariant::Int32(LONG value) {
  UniqueVariant variant;
  V_VT(variant.get()) = VT_I4;
  V_I4(variant.get()) = value;
  return variant;
}

UniqueVariant UniqueVariant::NullString() {
  UniqueVariant variant;
  V_VT(variant.get()) = VT_BSTR;
  V_BSTR(variant.get()) = nullptr;
  return variant;
}

std::wstring_view ViewOf(BSTR bstr) {
  return bstr ? std::wstring_view(bstr, SysStringLen(bstr)) : std::wstring_view();
}

std::wstring WideFromAnsi(std::string_view ansi) {
  if (ansi.empty() || ansi.size() > INT_MAX) return {};
  const int length = static_cast<int>(ansi.size());
  const int needed = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), needed);
  return wide;
}

std::string AnsiFromWide(std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX) return {};
  const int length = static_cast<int>(wide.size());
  const int needed =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string ansi(static_cast<size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), needed, nullptr, nullptr);
  return ansi;
}

}  // namespace vx::win32
