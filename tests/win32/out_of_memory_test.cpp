// Exhausted memory while a text is made ends in the fatal-error report, not in an exception that
// nobody catches. (Run on the Windows side: the native build's sanitizers trap huge allocations
// themselves.)
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ui/fatal_error.h"
#include "ui/text.h"

namespace vx {
namespace {

struct FatalReported {
  std::string message;
};

// A reporter must not return; leaving by exception lets the test see what was reported.
[[noreturn]] void ThrowReport(std::string_view message) {
  throw FatalReported{std::string(message)};
}

TEST(OutOfMemory, BecomesAFatalErrorWithItsMessage) {
  SetFatalErrorReporter(ThrowReport);
  ReportOutOfMemoryAsFatal();
  try {
    const Text huge = Text::Allocate(SIZE_MAX - 1);
    FAIL() << "an impossible allocation succeeded";
  } catch (const FatalReported& report) {
    EXPECT_EQ(report.message, kOutOfMemoryMessage);
  }
  SetFatalErrorReporter(nullptr);
}

}  // namespace
}  // namespace vx
