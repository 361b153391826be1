#include "platform/system/System.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/WinTypes.h"

namespace platform {
namespace {

std::vector<std::string> SortedIgnoringCase(std::vector<std::string> names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return System::CompareString(a, b, true) < 0;
  });
  return names;
}

int Sign(int value) {
  return (value > 0) - (value < 0);
}

TEST(SystemCompareTest, SortsNamesAsTheUsersLocaleDoes) {
  EXPECT_EQ(SortedIgnoringCase({"gamma", "Beta", "alpha"}),
            (std::vector<std::string>{"alpha", "Beta", "gamma"}));
  EXPECT_EQ(SortedIgnoringCase({"b", "2024", "_old", "A"}),
            (std::vector<std::string>{"_old", "2024", "A", "b"}));
  EXPECT_EQ(SortedIgnoringCase({"cop", "co-op", "coo"}),
            (std::vector<std::string>{"coo", "co-op", "cop"}));
  EXPECT_EQ(SortedIgnoringCase({"Zebra", "Éclair", "zoo"}),
            (std::vector<std::string>{"Zebra", "zoo", "Éclair"}));
  EXPECT_LT(System::CompareString("ab", "abc", true), 0);
}

TEST(SystemCompareTest, IgnoresLetterCaseOnlyWhenAsked) {
  EXPECT_EQ(System::CompareString("Report.DOC", "report.doc", true), 0);
  EXPECT_EQ(System::CompareString("ÄRGER", "ärger", true), 0);
  EXPECT_LT(System::CompareString("a", "A", false), 0);
  EXPECT_GT(System::CompareString("Ab", "ab", false), 0);
  EXPECT_NE(System::CompareString("coop", "co-op", true), 0);
  EXPECT_EQ(System::CompareTextIgnoreCase("C:\\DOCS\\", "c:\\Docs\\"), 0);
  EXPECT_NE(System::CompareTextIgnoreCase("C:\\DOCS\\", "C:\\DOCS\\A\\"), 0);
}

TEST(SystemCompareTest, IsAConsistentOrder) {
  const std::vector<std::string> names = {"a", "A", "a-b", "ab", "AB", "b",    "",    "1",
                                          "-", "é", "É",   "e",  "z",  "\xff", "a'b", "a b"};
  for (const auto& a : names) {
    for (const auto& b : names) {
      for (bool ignoreCase : {true, false}) {
        EXPECT_EQ(Sign(System::CompareString(a, b, ignoreCase)),
                  -Sign(System::CompareString(b, a, ignoreCase)))
            << a << " / " << b;
      }
      EXPECT_EQ(System::CompareString(a, b, false) == 0, a == b) << a << " / " << b;
    }
  }
}

TEST(SystemCompareTest, SortKeysOrderAsTheComparisonIgnoringCase) {
  std::vector<std::string> names = {"a", "A", "a-b", "ab", "AB", "b", "", "1", "-", "é", "É"};
  for (const char* name : {"e", "z", "\xff", "a'b", "a b", "coop", "co-op", "co-op-x", "ab-"}) {
    names.push_back(name);
  }
  for (const char* name :
       {"Ā", "ā", "a.doc", "A.DOC", "a.do", "a~", "a_", "\x01", "R 1-2", "R 12"}) {
    names.push_back(name);
  }
  for (const auto& a : names) {
    for (const auto& b : names) {
      EXPECT_EQ(Sign(System::SortKey(a).compare(System::SortKey(b))),
                Sign(System::CompareString(a, b, true)))
          << a << " / " << b;
    }
  }
}

TEST(SystemTextTest, ChangesOnlyAsciiLetters) {
  EXPECT_EQ(System::UpperAscii("c:\\straße\\ä-1"), "C:\\STRAßE\\ä-1");
  EXPECT_EQ(System::LowerAscii("C:\\RECYCLED\\Ä"), "c:\\recycled\\Ä");
}

TEST(SystemTest, AnswersTheWow64TestFromBuildEnvironmentOrTest) {
  ::unsetenv("SHEAFMILL_WOW64");
  System system;
  if (sizeof(void*) == 8) {
    EXPECT_EQ(system.IsWow64Process(), false);  // a 64-bit process
  }
  ::setenv("SHEAFMILL_WOW64", "1", 1);
  EXPECT_EQ(system.IsWow64Process(), true);
  ::setenv("SHEAFMILL_WOW64", "0", 1);
  EXPECT_EQ(system.IsWow64Process(), false);
  system.SetWow64(true);
  EXPECT_EQ(system.IsWow64Process(), true);
  system.SetWow64(std::nullopt);  // the function is absent
  EXPECT_EQ(system.IsWow64Process(), std::nullopt);
  ::unsetenv("SHEAFMILL_WOW64");
}

TEST(SystemTest, GivesTheSetDateOrTheClock) {
  System system;
  system.SetCurrentDate(LocalDate{2026, 2, 28});
  const LocalDate set = system.CurrentDate();
  EXPECT_EQ(set.year, 2026);
  EXPECT_EQ(set.month, 2);
  EXPECT_EQ(set.day, 28);
  system.SetCurrentDate(LocalDate{1999, 1, 1});
  system.SetCurrentDate(std::nullopt);
  const LocalDate clock = system.CurrentDate();
  EXPECT_GT(clock.year, 2000);
  EXPECT_TRUE(clock.month >= 1 && clock.month <= 12);
  EXPECT_TRUE(clock.day >= 1 && clock.day <= 31);
}

TEST(SystemTest, KeepsTheErrorModeForSaveAndRestore) {
  System system;
  EXPECT_EQ(system.SetErrorMode(SEM_FAILCRITICALERRORS), 0u);
  {
    ErrorModeScope scope(system, 0x8000);
    EXPECT_EQ(system.SetErrorMode(0x8000), 0x8000u);
  }
  EXPECT_EQ(system.SetErrorMode(0), SEM_FAILCRITICALERRORS);
}

}  // namespace
}  // namespace platform
