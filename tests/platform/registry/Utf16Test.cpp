#include "platform/registry/Utf16.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

std::string RoundTrip(const std::string& text) {
  std::vector<uint8_t> bytes = Utf8ToUtf16Le(text);
  return Utf16LeToUtf8(bytes.data(), bytes.size());
}

TEST(Utf16Test, EncodesLittleEndianWithSurrogatePairs) {
  EXPECT_EQ(Utf8ToUtf16Le("A\xC3\xA9"), (std::vector<uint8_t>{0x41, 0, 0xE9, 0}));
  EXPECT_EQ(Utf8ToUtf16Le("\xF0\x9D\x84\x9E"), (std::vector<uint8_t>{0x34, 0xD8, 0x1E, 0xDD}));
  using namespace std::string_literals;
  for (const std::string& text : {""s, "plain"s, "€ 日本 𝄞 ✓"s, "a\0b"s}) {
    EXPECT_EQ(RoundTrip(text), text);
  }
}

TEST(Utf16Test, BytesThatAreNotUtf8SurviveTheRoundTrip) {
  // Stray continuation, truncated sequence, overlong form, encoded surrogate, beyond U+10FFFF.
  for (std::string text : {"\x80", "a\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
    EXPECT_EQ(RoundTrip(text), text);
  }
  EXPECT_EQ(Utf8ToUtf16Le("\xFF"), (std::vector<uint8_t>{0xFF, 0xDC}));
}

TEST(Utf16Test, LoneSurrogatesFromWindowsBecomeReplacementCharacters) {
  std::vector<uint8_t> lone = {0x00, 0xD8, 0x41, 0x00};
  EXPECT_EQ(Utf16LeToUtf8(lone.data(), lone.size()),
            "\xEF\xBF\xBD"
            "A");
}

}  // namespace
}  // namespace platform
