#pragma once
// Text in a legacy character set, as older systems saved it, for tests of what reads it.

#include <string>

namespace testsupport {

// `text` (UTF-8) in the character set `charset`, as iconv names it ("KOI8-R", "SHIFT_JIS").
std::string Encoded(const std::string& text, const char* charset);

}  // namespace testsupport
