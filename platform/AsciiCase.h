#pragma once
// Letter case as the platform's names use it: registry keys and values, printer names. Only
// the ASCII letters a-z and A-Z fold; every other byte compares as it is.

#include <algorithm>
#include <string>
#include <string_view>

namespace platform {

inline char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

inline std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return AsciiUpper(c); });
  return upper;
}

inline bool SameTextAscii(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiUpper(x) == AsciiUpper(y);
         });
}

}  // namespace platform
