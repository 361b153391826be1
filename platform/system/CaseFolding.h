#pragma once
// Letter case of names as the platform compares them: UTF-8 text read one code point at a
// time, each code point folded so that its upper- and lower-case forms compare equal (the
// simple Unicode case mapping, not only ASCII). Bytes that are not valid UTF-8 stand for
// themselves, so every name can be compared, whatever its encoding.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The code point that starts at `pos`; `pos` moves past it. An invalid byte gives
// 0xDC00 + the byte, a value that no valid UTF-8 sequence produces.
char32_t NextCodePoint(std::string_view text, size_t& pos);

// The case-folded form of one code point (lower case of its upper case).
char32_t FoldCase(char32_t c);

// The text's code points, folded.
std::u32string FoldedCodePoints(std::string_view text);

bool SameTextIgnoreCase(std::string_view a, std::string_view b);

}  // namespace platform
