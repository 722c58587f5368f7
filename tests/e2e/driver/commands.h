#pragma once
// The driver's commands. Each prints its findings as JSON lines and returns whether it succeeded;
// a failure also prints {"error": ...}.

#include <string>
#include <vector>

namespace e2e {

using Arguments = std::vector<std::wstring>;

// Runs the command named first in `words` with the words after it as arguments.
bool RunCommand(const Arguments& words);

}  // namespace e2e
