#include "lookup/text_routines.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

namespace vx {
namespace {

// A test value that may be missing.
Text Make(const std::optional<std::string>& bytes) { return bytes ? Text::Copy(*bytes) : Text(); }

TEST(Text, MissingDiffersFromEmptyButReadsTheSame) {
  const Text missing, empty = Text::Copy("");
  EXPECT_TRUE(missing.missing());
  EXPECT_FALSE(empty.missing());
  EXPECT_STREQ(missing.c_str(), "");
  EXPECT_EQ(missing, empty);
  EXPECT_TRUE(Text::CopyOrMissing("").missing());
  EXPECT_EQ(Text::Copy(std::string_view("ab\0cd", 5)).view(), "ab");  // no hidden bytes
}

TEST(TextLength, CountsBytesBeforeTheNul) {
  EXPECT_EQ(TextLength(Text()), 0u);
  EXPECT_EQ(TextLength(Text::Copy("")), 0u);
  EXPECT_EQ(TextLength(Text::Copy("\xB4\xCA\xCC\xF5")), 4u);
}

TEST(JoinTexts, JoinsInOrderAndNeverGivesMissing) {
  const Text a = Text::Copy("ab"), missing, empty = Text::Copy(""), c = Text::Copy("c");
  EXPECT_EQ(JoinTexts({&a, &missing, &c, &empty, &a}).view(), "abcab");
  const Text nothing = JoinTexts({&missing, &empty, &missing});
  EXPECT_FALSE(nothing.missing());
  EXPECT_EQ(nothing.length(), 0u);
}

TEST(CompareTexts, OrdersBytesAsUnsignedWithMissingAsEmpty) {
  struct Case {
    std::optional<std::string> a, b;
    int expected;
  };
  const Case cases[] = {
      {std::nullopt, std::nullopt, 0},
      {std::nullopt, "", 0},
      {"", std::nullopt, 0},
      {std::nullopt, "a", -1},
      {"a", std::nullopt, 1},
      {"a", "", 1},
      {"ab", "abc", -1},
      {"abc", "ab", 1},
      {"abc", "abc", 0},
      {"B", "a", -1},        // case matters: "B" is 0x42
      {"\xB4\xCA", "z", 1},  // GBK bytes are above every ASCII byte
      {"\x80", "\x7F", 1},
      {"\xFF", "\xFE", 1},
  };
  for (const auto& [a, b, expected] : cases)
    EXPECT_EQ(CompareTexts(Make(a), Make(b)), expected)
        << (a ? *a : "(missing)") << " vs " << (b ? *b : "(missing)");
}

TEST(IntegerToText, SignedDecimal) {
  const std::pair<int32_t, const char*> cases[] = {{0, "0"},
                                                   {1, "1"},
                                                   {-1, "-1"},
                                                   {42, "42"},
                                                   {INT32_MAX, "2147483647"},
                                                   {INT32_MIN, "-2147483648"}};
  for (const auto& [value, expected] : cases) {
    const Text text = IntegerToText(value);
    EXPECT_FALSE(text.missing());
    EXPECT_EQ(text.view(), expected);
  }
}

}  // namespace
}  // namespace vx
