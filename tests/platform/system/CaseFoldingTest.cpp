#include "platform/system/CaseFolding.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

std::u32string CodePoints(std::string_view text) {
  std::u32string points;
  for (size_t pos = 0; pos < text.size();) points.push_back(NextCodePoint(text, pos));
  return points;
}

TEST(CaseFoldingTest, DecodesUtf8AndKeepsStrayBytesApart) {
  EXPECT_EQ(CodePoints("aé€😀"), (std::u32string{U'a', U'é', U'€', U'😀'}));
  // A Latin-1 byte, a cut sequence, an overlong "/" and an encoded surrogate.
  EXPECT_EQ(CodePoints("\xe9"), std::u32string{0xDCE9});
  EXPECT_EQ(CodePoints("\xe2\x82"), (std::u32string{0xDCE2, 0xDC82}));
  EXPECT_EQ(CodePoints("\xc0\xaf"), (std::u32string{0xDCC0, 0xDCAF}));
  EXPECT_EQ(CodePoints("\xed\xa0\x80").front(), char32_t{0xDCED});
}

TEST(CaseFoldingTest, FoldsLettersBeyondAscii) {
  EXPECT_EQ(FoldCase(U'A'), U'a');
  EXPECT_EQ(FoldCase(U'['), U'[');
  EXPECT_EQ(FoldCase(U'Ä'), U'ä');
  EXPECT_EQ(FoldCase(U'Ω'), U'ω');
  EXPECT_EQ(FoldCase(U'Ж'), U'ж');
  EXPECT_EQ(FoldedCodePoints("ÄrGER"), U"ärger");
}

TEST(CaseFoldingTest, ComparesNamesIgnoringCase) {
  EXPECT_TRUE(SameTextIgnoreCase("Report.DOC", "report.doc"));
  EXPECT_TRUE(SameTextIgnoreCase("ÜBER", "über"));
  EXPECT_FALSE(SameTextIgnoreCase("uber", "über"));
  EXPECT_FALSE(SameTextIgnoreCase("a", "ab"));
  EXPECT_FALSE(SameTextIgnoreCase("\xe9", "\xc9"));  // stray bytes are not letters
}

}  // namespace
}  // namespace platform
