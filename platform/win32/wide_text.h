#pragma once
// Conversions between the program's byte texts and the wide strings of Win32 and COM. Fixed texts
// are UTF-8 and shown through the wide APIs, so they read the same whatever the system's ANSI code
// page; the texts that handlers read and write are in the ANSI code page.
// What cannot be converted gives the empty string.

#include <string>
#include <string_view>

namespace vx::win32 {

std::wstring WideFromUtf8(std::string_view utf8);
std::wstring WideFromAnsi(std::string_view ansi);
std::string AnsiFromWide(std::wstring_view wide);

}  // namespace vx::win32
