#pragma once

#include <string_view>

namespace vx {

// The encyclopedia's host (host or host:port), fixed when the program is built.
std::string_view EncyclopediaHost();

}  // namespace vx
