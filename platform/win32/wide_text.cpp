#include "wide_text.h"

#include <windows.h>

#include <climits>

namespace vx::win32 {
namespace {

std::wstring WideFrom(UINT code_page, std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int length = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(code_page, 0, bytes.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), length, wide.data(), needed);
  return wide;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) { return WideFrom(CP_UTF8, utf8); }

std::wstring WideFromAnsi(std::string_view ansi) { return WideFrom(CP_ACP, ansi); }

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
