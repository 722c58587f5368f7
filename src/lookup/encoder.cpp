#include "lookup/encoder.h"

namespace vx {
namespace {

bool PassesUnchanged(unsigned char byte) {
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= 'a' && byte <= 'z');
}

}  // namespace

Text EncodeEntryName(const Text& name) {
  if (name.length() == 0) return {};
  static constexpr char kHexDigits[] = "0123456789ABCDEF";

  std::size_t length = 0;
  for (unsigned char byte : name.view()) length += PassesUnchanged(byte) ? 1 : 3;

  Text encoded = Text::Allocate(length);
  char* out = encoded.data();
  for (unsigned char byte : name.view()) {
    if (PassesUnchanged(byte)) {
      *out++ = static_cast<char>(byte);
    } else {
      *out++ = '%';
      *out++ = kHexDigits[byte >> 4];
      *out++ = kHexDigits[byte & 0x0F];
    }
  }
  return encoded;
}

}  // namespace vx
