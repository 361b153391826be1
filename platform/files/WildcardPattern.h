#pragma once
// The platform's wildcard rule for one file name: "*" matches any run of characters, "?"
// one character, letter case is ignored. A pattern ending in ".*" also matches names
// without that dot ("*.*" matches every name, "a.*" matches "a"). A pattern "*.ext" with a
// three-character extension also matches longer extensions that begin with it ("*.htm"
// matches page.html): on Windows every such name keeps a short 8.3 alias with the
// extension cut to three characters, and the search tries the alias too.

#include <string>
#include <string_view>

namespace platform {

class WildcardPattern {
 public:
  explicit WildcardPattern(std::string_view pattern);

  bool Matches(std::string_view name) const;

 private:
  std::u32string pattern_;         // folded
  std::u32string withoutDotStar_;  // folded, when the pattern ends in ".*"
  std::u32string aliasExtension_;  // the three folded characters of a "*.ext" pattern
};

}  // namespace platform
