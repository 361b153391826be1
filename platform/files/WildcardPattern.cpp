#include "platform/files/WildcardPattern.h"

#include "platform/system/CaseFolding.h"

namespace platform {
namespace {

// Glob matching with one point of return for the last "*": linear for the patterns that
// searches use, never exponential.
bool Glob(std::u32string_view pattern, std::u32string_view name) {
  size_t p = 0;
  size_t n = 0;
  size_t starAt = std::u32string_view::npos;
  size_t resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
      ++p, ++n;
    } else if (p < pattern.size() && pattern[p] == U'*') {
      starAt = p++;
      resumeAt = n;
    } else if (starAt != std::u32string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == U'*') ++p;
  return p == pattern.size();
}

bool IsAliasPattern(std::u32string_view pattern) {
  return pattern.size() == 5 && pattern.substr(0, 2) == U"*." &&
         pattern.substr(2).find_first_of(U"*.") == std::u32string_view::npos;
}

}  // namespace

WildcardPattern::WildcardPattern(std::string_view pattern) : pattern_(FoldedCodePoints(pattern)) {
  if (pattern_.size() >= 2 && pattern_.ends_with(U".*")) {
    withoutDotStar_ = pattern_.substr(0, pattern_.size() - 2);
    if (withoutDotStar_ == U"*") pattern_ = withoutDotStar_;
  }
  if (IsAliasPattern(pattern_)) aliasExtension_ = pattern_.substr(2);
}

bool WildcardPattern::Matches(std::string_view name) const {
  const std::u32string folded = FoldedCodePoints(name);
  if (Glob(pattern_, folded)) return true;
  if (!withoutDotStar_.empty() && Glob(withoutDotStar_, folded)) return true;
  if (aliasExtension_.empty()) return false;
  const size_t dot = folded.rfind(U'.');
  if (dot == std::u32string::npos || folded.size() - dot - 1 <= 3) return false;
  return Glob(aliasExtension_, std::u32string_view(folded).substr(dot + 1, 3));
}

}  // namespace platform
