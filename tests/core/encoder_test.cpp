#include "lookup/encoder.h"

#include <curl/curl.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vx {
namespace {

struct Example {
  std::string name, encoded;
};

TEST(EncodeEntryName, WorkedExamples) {
  const Example examples[] = {
      {"a b", "a%20b"},
      {"1+1", "1%2B1"},
      {"100%", "100%25"},
      {"x y&z#1", "x%20y%26z%231"},
      {"A-Z_0.9~", "A%2DZ%5F0%2E9%7E"},
      {"\t\n", "%09%0A"},
      {"\xB4\xCA\xCC\xF5", "%B4%CA%CC%F5"},  // 词条 in GBK
      {"\x81G", "%81G"},                     // 丟: the second byte is a letter and stays
      {"%&#=?", "%25%26%23%3D%3F"},
      {"AZaz09", "AZaz09"},
  };
  for (const auto& [name, encoded] : examples) {
    const Text result = EncodeEntryName(Text::Copy(name));
    EXPECT_FALSE(result.missing()) << name;
    EXPECT_EQ(result.view(), encoded) << name;
  }
}

TEST(EncodeEntryName, EmptyOrMissingNameGivesMissingText) {
  EXPECT_TRUE(EncodeEntryName(Text::Copy("")).missing());
  EXPECT_TRUE(EncodeEntryName(Text()).missing());
}

TEST(EncodeEntryName, EveryByteValue) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (int value = 1; value <= 255; ++value) {
    const char byte = static_cast<char>(value);
    const bool keeps = (value >= '0' && value <= '9') || (value >= 'A' && value <= 'Z') ||
                       (value >= 'a' && value <= 'z');
    const std::string expected =
        keeps ? std::string(1, byte) : std::string{'%', kHex[value / 16], kHex[value % 16]};
    EXPECT_EQ(EncodeEntryName(Text::Copy(std::string(1, byte))).view(), expected) << value;
  }
}

// libcurl escapes everything but letters, digits and "-._~"; ours escapes those four as well.
std::string CurlEncode(CURL* curl, const std::string& bytes) {
  char* escaped = curl_easy_escape(curl, bytes.data(), static_cast<int>(bytes.size()));
  std::string result;
  for (const char* c = escaped; *c; ++c) {
    switch (*c) {
      case '-':
        result += "%2D";
        break;
      case '.':
        result += "%2E";
        break;
      case '_':
        result += "%5F";
        break;
      case '~':
        result += "%7E";
        break;
      default:
        result += *c;
    }
  }
  curl_free(escaped);
  return result;
}

TEST(EncodeEntryName, AgreesWithAnIndependentEncoderOnRandomBytes) {
  CURL* curl = curl_easy_init();
  ASSERT_NE(curl, nullptr);
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> byte(1, 255), length(1, 64);
  for (int round = 0; round < 5000; ++round) {
    std::string name(static_cast<size_t>(length(random)), '\0');
    for (char& c : name) c = static_cast<char>(byte(random));
    const Text encoded = EncodeEntryName(Text::Copy(name));
    ASSERT_EQ(encoded.view(), CurlEncode(curl, name)) << "round " << round;
    ASSERT_LE(encoded.length(), 3 * name.size());
  }
  curl_easy_cleanup(curl);
}

}  // namespace
}  // namespace vx
