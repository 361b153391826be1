#pragma once
// The character set of text saved in a legacy encoding (KOI8-R, cp866, Shift_JIS,
// windows-1251 ...) that says nothing about it: no byte-order mark, no declaration.

#include <string>
#include <string_view>

namespace platform::hosts {

// The office's name of the character set `text` most likely is in ("KOI8_R", "SHIFT_JIS"), or
// "MS_1252", the code page Word assumes, when the guess is not clear.
std::string LegacyCharset(std::string_view text);

}  // namespace platform::hosts
