#include <locale.h>
#include <wctype.h>

#include "platform/system/CaseFolding.h"

namespace platform {
namespace {

// The C.UTF-8 locale carries the full Unicode case tables whatever the user's locale is;
// without it only ASCII folds.
locale_t UnicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  return locale;
}

}  // namespace

char32_t FoldCase(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
  const locale_t locale = UnicodeLocale();
  if (locale == locale_t{}) return c;
  const auto upper = towupper_l(static_cast<wint_t>(c), locale);
  return static_cast<char32_t>(towlower_l(upper, locale));
}

}  // namespace platform
