// Letter case as Windows folds it: lower case of the upper case, by the system's own tables.

#include "platform/system/CaseFolding.h"

#include "platform/win32/WinApi.h"

namespace platform {
namespace {

// One code point as UTF-16, changed in place by CharUpperBuffW or CharLowerBuffW.
template <typename Change>
char32_t Changed(char32_t c, Change change) {
  wchar_t units[2];
  DWORD count = 1;
  if (c >= 0x10000) {
    units[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
    units[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    count = 2;
  } else {
    units[0] = static_cast<wchar_t>(c);
  }
  change(units, count);
  if (count == 2) return 0x10000 + ((char32_t(units[0]) - 0xD800) << 10) + (units[1] - 0xDC00);
  return units[0];
}

}  // namespace

char32_t FoldCase(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
  // Invalid bytes stand for themselves (0xDC00 + byte), like lone surrogates.
  if (c >= 0xD800 && c <= 0xDFFF) return c;
  const char32_t upper = Changed(c, CharUpperBuffW);
  return Changed(upper, CharLowerBuffW);
}

}  // namespace platform
