#pragma once
// The platform's prefix handling of drawn texts: an "&" is not shown and underlines the
// character after it, "&&" shows one "&". Both kits draw owner-drawn texts through this one
// reading, so the headless kit records what the screen shows.

#include <string>

namespace ui {

struct PrefixText {
  std::string shown;      // the text as drawn
  int underline = -1;     // byte offset in `shown` of the underlined character; -1 for none
  int underlineSize = 0;  // its length in bytes (a UTF-8 sequence)
};

// Only the first prefixed character is underlined, as a mnemonic is; a later single "&" is
// dropped all the same, and so is a lone "&" at the end.
PrefixText ParsePrefix(const std::string& text);

}  // namespace ui
