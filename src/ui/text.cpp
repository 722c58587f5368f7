#include "ui/text.h"

#include <cstdint>
#include <cstring>

#include "ui/fatal_error.h"

namespace vx {

Text Text::Allocate(std::size_t length) {
  if (length == SIZE_MAX) ReportFatalError(kOutOfMemoryMessage);  // no room for the NUL
  Text text;
  text.bytes_.reset(new char[length + 1]);  // out of memory ends the program (fatal_error.h)
  text.bytes_[length] = '\0';
  text.length_ = length;
  return text;
}

Text Text::Copy(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  Text text = Allocate(bytes.size());
  if (!bytes.empty()) std::memcpy(text.data(), bytes.data(), bytes.size());
  return text;
}

Text Text::CopyOrMissing(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  return bytes.empty() ? Text() : Copy(bytes);
}

}  // namespace vx
