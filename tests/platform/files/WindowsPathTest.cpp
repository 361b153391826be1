#include "platform/files/WindowsPath.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

std::string Parsed(const std::string& text, const std::string& current = "C:\\Work\\Sub") {
  const auto base = WindowsPath::Parse(current, WindowsPath{});
  const auto path = WindowsPath::Parse(text, *base);
  return path ? path->ToString() : "(none)";
}

TEST(WindowsPathTest, NormalisesAbsoluteAndRelativeForms) {
  EXPECT_EQ(Parsed("E:\\Docs\\"), "E:\\Docs");
  EXPECT_EQ(Parsed("e:/docs//a.doc"), "e:\\docs\\a.doc");
  EXPECT_EQ(Parsed("E:\\"), "E:\\");
  EXPECT_EQ(Parsed("E:\\a\\.\\b\\..\\c"), "E:\\a\\c");
  EXPECT_EQ(Parsed("E:\\..\\..\\x"), "E:\\x");
  EXPECT_EQ(Parsed("x.doc"), "C:\\Work\\Sub\\x.doc");
  EXPECT_EQ(Parsed(".."), "C:\\Work");
  EXPECT_EQ(Parsed("\\Other"), "C:\\Other");
  EXPECT_EQ(Parsed("c:x"), "C:\\Work\\Sub\\x");  // the current drive: its current folder
  EXPECT_EQ(Parsed("c:\\x"), "c:\\x");           // absolute: the letter as written
  EXPECT_EQ(Parsed("E:x"), "E:\\x");             // another drive: from its root
  EXPECT_EQ(Parsed("E:"), "E:\\");
}

TEST(WindowsPathTest, RefusesWhatNamesNoDrive) {
  EXPECT_EQ(Parsed(""), "(none)");
  EXPECT_EQ(Parsed("\\\\server\\share"), "(none)");
  EXPECT_EQ(Parsed("//server/share"), "(none)");
  EXPECT_EQ(Parsed("1:\\x"), "(none)");
}

TEST(WindowsPathTest, KnowsTheNamesWindowsRefuses) {
  EXPECT_TRUE(IsValidFileName("Report 2024 (final).doc"));
  EXPECT_TRUE(IsValidFileName("ärger.txt"));
  for (const char* bad :
       {"", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a\\b", "a/b", "a\tb"}) {
    EXPECT_FALSE(IsValidFileName(bad)) << bad;
  }
}

}  // namespace
}  // namespace platform
