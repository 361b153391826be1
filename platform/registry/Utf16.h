#pragma once
// Text as Windows stores it in binary registry data: UTF-16, little-endian. Conversion never
// loses a byte: a byte that is not part of valid UTF-8 travels as the lone low surrogate
// U+DC80..U+DCFF and comes back as the same byte.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

std::vector<uint8_t> Utf8ToUtf16Le(std::string_view text);
// `bytes` must have an even length; any other lone surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(const uint8_t* bytes, size_t size);

}  // namespace platform
