#pragma once

#include "ui/text.h"

namespace vx {

// Percent-encodes a name byte by byte: ASCII letters and digits stay, every other byte becomes
// "%" and two upper-case hex digits. An empty or missing name gives a missing text.
Text EncodeEntryName(const Text& name);

}  // namespace vx
