#pragma once
// The message box that reports a fatal error to the user.

#include <windows.h>

#include <span>
#include <string_view>

namespace vx::win32 {

// The box's text for this message, written into `buffer` and cut to fit it. It allocates
// nothing, because the error may be exhausted memory.
std::wstring_view FormatFatalErrorText(std::string_view utf8_message, std::span<wchar_t> buffer);

// Shows the box (no owner, title "错误", error icon, OK) and returns once it is dismissed.
void ShowFatalErrorBox(std::string_view utf8_message);

// Tests replace the box, which nobody could dismiss in-process; null restores the real one.
using FatalErrorBoxShower = void (*)(const wchar_t* text);
void SetFatalErrorBoxForTesting(FatalErrorBoxShower shower);

}  // namespace vx::win32
