#include "platform/system/System.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/WinTypes.h"
#include "platform/system/Collation.h"

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

// scripts/install-deps.sh generates the locales that these tests order by.
TEST(SystemCompareTest, SortsNamesAsTheUsersLocaleDoes) {
  const std::vector<std::string> names = {"zebra", "École", "Bach", "Ärger", "apple"};
  {
    CollationScope english("en_US.UTF-8");
    ASSERT_TRUE(english.Installed());
    EXPECT_EQ(SortedIgnoringCase(names),
              (std::vector<std::string>{"apple", "Ärger", "Bach", "École", "zebra"}));
    EXPECT_EQ(SortedIgnoringCase({"gamma", "Beta", "alpha"}),
              (std::vector<std::string>{"alpha", "Beta", "gamma"}));
    EXPECT_EQ(SortedIgnoringCase({"cop", "co-op", "coo"}),
              (std::vector<std::string>{"coo", "co-op", "cop"}));
  }
  {
    CollationScope swedish("sv_SE.UTF-8");
    ASSERT_TRUE(swedish.Installed());
    EXPECT_EQ(SortedIgnoringCase(names),
              (std::vector<std::string>{"apple", "Bach", "École", "zebra", "Ärger"}));
  }
  {
    // A user without a locale (LANG unset) gets the code points' order.
    CollationScope plain("C.UTF-8");
    ASSERT_TRUE(plain.Installed());
    EXPECT_EQ(SortedIgnoringCase(names),
              (std::vector<std::string>{"apple", "Bach", "zebra", "Ärger", "École"}));
  }
  EXPECT_LT(System::CompareString("ab", "abc", true), 0);
}

TEST(SystemCompareTest, TheUsersLocaleComesFromTheEnvironment) {
  const std::vector<std::string> names = {"zebra", "Ärger", "apple"};
  const char* saved = std::getenv("LC_ALL");
  const std::string previous = saved == nullptr ? "" : saved;
  CollationScope restore(Collation::Current().LocaleName());
  ::setenv("LC_ALL", "sv_SE.UTF-8", 1);
  ASSERT_TRUE(Collation::Current().Use(""));
  EXPECT_EQ(SortedIgnoringCase(names), (std::vector<std::string>{"apple", "zebra", "Ärger"}));
  ::setenv("LC_ALL", "en_US.UTF-8", 1);
  ASSERT_TRUE(Collation::Current().Use(""));
  EXPECT_EQ(SortedIgnoringCase(names), (std::vector<std::string>{"apple", "Ärger", "zebra"}));
  // A locale that is not installed: the code points' order, not a failure.
  ::setenv("LC_ALL", "xx_XX.UTF-8", 1);
  EXPECT_TRUE(Collation::Current().Use(""));
  EXPECT_EQ(SortedIgnoringCase(names), (std::vector<std::string>{"apple", "zebra", "Ärger"}));
  EXPECT_FALSE(Collation::Current().Use("xx_XX.UTF-8"));
  if (saved == nullptr) {
    ::unsetenv("LC_ALL");
  } else {
    ::setenv("LC_ALL", previous.c_str(), 1);
  }
}

// Stray bytes collate as U+FFFD; two names that differ only in them still have an order.
TEST(SystemCompareTest, NamesThatAreNotUtf8SortDeterministically) {
  CollationScope english("en_US.UTF-8");
  ASSERT_TRUE(english.Installed());
  EXPECT_LT(System::CompareString("a\xfe", "a\xff", true), 0);
  EXPECT_GT(System::CompareString("a\xff", "a\xfe", true), 0);
  EXPECT_NE(System::SortKey("r\xe9sum\xe9"), System::SortKey("r\xc9sum\xc9"));
  EXPECT_EQ(SortedIgnoringCase({"b", "\xc3", "a\xc3\xa4\xff", "a"}),
            SortedIgnoringCase({"a\xc3\xa4\xff", "\xc3", "a", "b"}));
}

TEST(SystemCompareTest, IgnoresLetterCaseOnlyWhenAsked) {
  EXPECT_EQ(System::CompareString("Report.DOC", "report.doc", true), 0);
  EXPECT_EQ(System::CompareString("ÄRGER", "ärger", true), 0);
  EXPECT_LT(System::CompareString("a", "A", false), 0);
  EXPECT_GT(System::CompareString("Ab", "ab", false), 0);
  EXPECT_NE(System::CompareString("coop", "co-op", true), 0);
  EXPECT_EQ(System::CompareTextIgnoreCase("C:\\DOCS\\", "c:\\Docs\\"), 0);
  EXPECT_TRUE(System::SameTextIgnoreCase("C:\\ÄRGER\\", "c:\\ärger\\"));
  EXPECT_FALSE(System::SameTextIgnoreCase("C:\\ARGER\\", "c:\\ärger\\"));
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
