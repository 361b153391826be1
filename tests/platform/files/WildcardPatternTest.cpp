#include "platform/files/WildcardPattern.h"

#include <gtest/gtest.h>

#include "platform/files/FileSystem.h"

namespace platform {
namespace {

struct Case {
  const char* pattern;
  const char* name;
  bool matches;
};

TEST(WildcardPatternTest, FollowsThePlatformRules) {
  const Case cases[] = {
      // "*" and "?", letter case ignored, also beyond ASCII.
      {"*", "anything.at.all", true},
      {"a*z", "abcz", true},
      {"a*z", "abc", false},
      {"?.txt", "a.TXT", true},
      {"?.txt", ".txt", false},
      {"??.txt", "a.txt", false},
      {"*.DOC", "report.doc", true},
      {"ÄRGER.*", "ärger.txt", true},
      {"*mid*", "amidst", true},
      {"*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
      // A trailing ".*" also matches names without that dot.
      {"*.*", "README", true},
      {"*.*", ".profile", true},
      {"a.*", "a", true},
      {"a.*", "ab", false},
      // "*.ext" with three characters also matches longer extensions starting with them.
      {"*.htm", "page.html", true},
      {"*.doc", "letter.docx", true},
      {"*.xls", "Book.XLSX", true},
      {"*.ht?", "page.html", true},
      {"*.doc", "letter.dot", false},
      {"*.doc", "archive.doc.zip", false},
      {"*.docx", "letter.doc", false},
      {"*.do", "letter.doc", false},
      {"a*.doc", "abc.docx", false},
      {"page.htm", "page.html", false},
      {"", "a", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WildcardPattern(c.pattern).Matches(c.name), c.matches)
        << c.pattern << " against " << c.name;
    EXPECT_EQ(FileSystem::MatchesPattern(c.pattern, c.name), c.matches);
  }
}

}  // namespace
}  // namespace platform
