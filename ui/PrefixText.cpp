#include "ui/PrefixText.h"

#include <algorithm>

namespace ui {

namespace {

// The byte length of the UTF-8 sequence that starts with `lead`; a stray byte counts alone.
int SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

PrefixText ParsePrefix(const std::string& text) {
  PrefixText result;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '&') {
      result.shown += text[i++];
      continue;
    }
    ++i;
    if (i == text.size()) break;
    if (text[i] == '&') {
      result.shown += text[i++];
      continue;
    }
    size_t length =
        std::min<size_t>(SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
    if (result.underline < 0) {
      result.underline = static_cast<int>(result.shown.size());
      result.underlineSize = static_cast<int>(length);
    }
    result.shown.append(text, i, length);
    i += length;
  }
  return result;
}

}  // namespace ui
