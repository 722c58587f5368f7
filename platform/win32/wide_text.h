#pragma once
// The program's fixed texts are UTF-8; Win32 shows them through its wide APIs so that they read
// the same whatever the system's ANSI code page.

#include <string>
#include <string_view>

namespace vx::win32 {

std::wstring WideFromUtf8(std::string_view utf8);

}  // namespace vx::win32
