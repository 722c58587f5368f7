#include "ui/fatal_error.h"

#include <cstdlib>
#include <new>

namespace vx {
namespace {

FatalErrorReporter g_reporter = nullptr;

void OnOutOfMemory() { ReportFatalError(kOutOfMemoryMessage); }

}  // namespace

void SetFatalErrorReporter(FatalErrorReporter reporter) { g_reporter = reporter; }

void ReportFatalError(std::string_view utf8_message) {
  if (g_reporter) g_reporter(utf8_message);
  std::abort();  // a reporter must not return; without one there is nobody to tell
}

void ReportOutOfMemoryAsFatal() { std::set_new_handler(OnOutOfMemory); }

}  // namespace vx
