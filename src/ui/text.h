#pragma once
// Text: a NUL-terminated byte string in the ANSI code page, owned by exactly one holder.
// A text may be missing (no buffer at all), which differs from the empty text (a buffer that holds
// only the NUL) where the program cares, and equals it wherever a text is read.

#include <cstddef>
#include <memory>
#include <string_view>

namespace vx {

class Text {
 public:
  Text() = default;  // missing
  Text(Text&&) noexcept = default;
  Text& operator=(Text&&) noexcept = default;
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;

  // A new buffer holding these bytes; empty bytes give the empty text, never a missing one.
  // Bytes after an embedded NUL would be unreachable, so the copy stops at the first NUL.
  static Text Copy(std::string_view bytes);
  // Like Copy, but empty bytes give a missing text: how the form runtime hands texts out.
  static Text CopyOrMissing(std::string_view bytes);
  // An uninitialised buffer for length bytes plus the NUL, which is already written.
  static Text Allocate(std::size_t length);

  bool missing() const { return !bytes_; }
  std::size_t length() const { return length_; }
  std::string_view view() const { return {c_str(), length_}; }
  const char* c_str() const { return bytes_ ? bytes_.get() : ""; }
  char* data() { return bytes_.get(); }

  friend bool operator==(const Text& a, const Text& b) { return a.view() == b.view(); }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t length_ = 0;
};

}  // namespace vx
