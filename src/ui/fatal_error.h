#pragma once
// The one way the program fails: the platform reports the error to the user and ends the process.

#include <string_view>

namespace vx {

// Shows the report and ends the process with exit code -1; never returns.
using FatalErrorReporter = void (*)(std::string_view utf8_message);

void SetFatalErrorReporter(FatalErrorReporter reporter);
[[noreturn]] void ReportFatalError(std::string_view utf8_message);

// Exhausted memory in any allocation becomes a fatal error instead of an exception.
void ReportOutOfMemoryAsFatal();

inline constexpr std::string_view kOutOfMemoryMessage = "内存不足";

}  // namespace vx
