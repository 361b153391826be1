#include "platform/shell/CommandLine.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using Arguments = std::vector<std::string>;

TEST(CommandLineTest, SplitsThePrintingPreferencesCommand) {
  EXPECT_EQ(SplitCommandLine("printui.dll,PrintUIEntry /e /n \"VELTRA Ashgrove PDF Creator\""),
            (Arguments{"printui.dll,PrintUIEntry", "/e", "/n", "VELTRA Ashgrove PDF Creator"}));
}

TEST(CommandLineTest, FollowsTheWindowsQuoteAndBackslashRules) {
  EXPECT_EQ(SplitCommandLine("\"abc\" d e"), (Arguments{"abc", "d", "e"}));
  EXPECT_EQ(SplitCommandLine(R"(a\\\b d"e f"g h)"), (Arguments{R"(a\\\b)", "de fg", "h"}));
  EXPECT_EQ(SplitCommandLine(R"(a\\\"b c d)"), (Arguments{R"(a\"b)", "c", "d"}));
  EXPECT_EQ(SplitCommandLine(R"(a\\\\"b c" d e)"), (Arguments{R"(a\\b c)", "d", "e"}));
  EXPECT_EQ(SplitCommandLine(R"(C:\Program Files\ "C:\Out Dir\\")"),
            (Arguments{R"(C:\Program)", R"(Files\)", R"(C:\Out Dir\)"}));
  // Inside quotes, the third quote in a row is a literal one.
  EXPECT_EQ(SplitCommandLine(R"(a"b"" c d)"), (Arguments{R"(ab")", "c", "d"}));
  EXPECT_EQ(SplitCommandLine(R"("a""""b")"), (Arguments{R"(a"b)"}));
}

TEST(CommandLineTest, KeepsEmptyQuotedArgumentsAndDropsBlanks) {
  EXPECT_EQ(SplitCommandLine("a \"\" b"), (Arguments{"a", "", "b"}));
  EXPECT_EQ(SplitCommandLine("  a\t\tb  "), (Arguments{"a", "b"}));
  EXPECT_EQ(SplitCommandLine("\"unclosed quote"), (Arguments{"unclosed quote"}));
  EXPECT_TRUE(SplitCommandLine("").empty());
  EXPECT_TRUE(SplitCommandLine(" \t ").empty());
}

}  // namespace
}  // namespace platform
