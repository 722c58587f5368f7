#include "lookup/text_routines.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace vx {

std::size_t TextLength(const Text& text) { return text.length(); }

Text JoinTexts(std::initializer_list<const Text*> parts) {
  std::size_t total = 0;
  for (const Text* part : parts) total += TextLength(*part);
  Text joined = Text::Allocate(total);
  char* out = joined.data();
  for (const Text* part : parts) {
    std::memcpy(out, part->c_str(), part->length());
    out += part->length();
  }
  return joined;
}

int CompareTexts(const Text& a, const Text& b) {
  // Missing reads as empty, and unsigned bytes order the rest: exactly what a byte-wise compare
  // of the two views gives.
  const std::string_view x = a.view(), y = b.view();
  const std::size_t common = std::min(x.size(), y.size());
  const int order = common ? std::memcmp(x.data(), y.data(), common) : 0;
  if (order != 0) return order < 0 ? -1 : 1;
  if (x.size() == y.size()) return 0;
  return x.size() < y.size() ? -1 : 1;
}

Text IntegerToText(int32_t value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return Text::Copy({digits, static_cast<std::size_t>(end - digits)});
}

}  // namespace vx
