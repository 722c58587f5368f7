#pragma once
// The program's own text routines. A missing text reads as the empty text.

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "ui/text.h"

namespace vx {

std::size_t TextLength(const Text& text);
// A new text holding the parts in order; never missing, even when every part is empty.
Text JoinTexts(std::initializer_list<const Text*> parts);
// -1, 0 or 1: byte by byte as unsigned values, a text that begins the other being the smaller.
int CompareTexts(const Text& a, const Text& b);
// Signed decimal form: "0", "1", "-1", "-2147483648".
Text IntegerToText(int32_t value);

}  // namespace vx
