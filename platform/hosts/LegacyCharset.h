#pragma once
// The character set of text saved in a legacy encoding (KOI8-R, cp866, Shift_JIS,
// windows-1251 ...) that says nothing about it: no byte-order mark, no declaration.

#include <optional>
#include <string>
#include <string_view>

namespace platform::hosts {

// The IANA name of the character set `text` most likely is in ("KOI8-R", "IBM866",
// "SHIFT_JIS", "UTF-16LE"), as iconv knows it, or "WINDOWS-1252", the code page Word assumes,
// when the guess is not clear.
std::string LegacyCharset(std::string_view text);

// The office's name of a character set (`ianaName` as LegacyCharset gives it) for its text
// import: "KOI8_R", "IBM_866", "MS_1251"; Unicode of any width is "UNICODE".
std::string OfficeCharsetName(std::string_view ianaName);

// `text` in UTF-8, from the character set `ianaName`; a byte that is not a character of it
// becomes U+FFFD. Nothing when the character set is not known.
std::optional<std::string> LegacyTextAsUtf8(std::string_view text, const std::string& ianaName);

}  // namespace platform::hosts
