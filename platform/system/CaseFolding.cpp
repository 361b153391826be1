#include "platform/system/CaseFolding.h"

namespace platform {
namespace {

constexpr char32_t kInvalidByteBase = 0xDC00;

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

char32_t NextCodePoint(std::string_view text, size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  size_t length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  }
  if (length == 0 || pos + length > text.size()) {
    ++pos;
    return kInvalidByteBase + lead;
  }
  for (size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(byte)) {
      ++pos;
      return kInvalidByteBase + lead;
    }
    value = (value << 6) | (byte & 0x3F);
  }
  // Overlong forms, surrogates and values past Unicode would make two spellings of one name.
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++pos;
    return kInvalidByteBase + lead;
  }
  pos += length;
  return value;
}

std::u32string FoldedCodePoints(std::string_view text) {
  std::u32string folded;
  folded.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) folded.push_back(FoldCase(NextCodePoint(text, pos)));
  return folded;
}

bool SameTextIgnoreCase(std::string_view a, std::string_view b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (FoldCase(NextCodePoint(a, i)) != FoldCase(NextCodePoint(b, j))) return false;
  }
  return i == a.size() && j == b.size();
}

}  // namespace platform
