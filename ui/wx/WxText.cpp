#include "ui/wx/WxText.h"

#include "platform/system/CaseFolding.h"

namespace ui {

namespace {

constexpr char32_t kInvalidBytes = 0xDC80;  // NextCodePoint's values for bytes 0x80 to 0xFF
constexpr char32_t kReplacement = 0xFFFD;

wxString WithReplacedBytes(const std::string& text) {
  wxString shown;
  for (size_t pos = 0; pos < text.size();) {
    char32_t c = platform::NextCodePoint(text, pos);
    bool invalid = c >= kInvalidBytes && c <= kInvalidBytes + 0x7F;
    shown += wxUniChar(static_cast<wxUint32>(invalid ? kReplacement : c));
  }
  return shown;
}

}  // namespace

wxString ToWx(const std::string& text) {
  wxString converted = wxString::FromUTF8(text);
  if (!converted.empty() || text.empty()) return converted;
  return WithReplacedBytes(text);
}

}  // namespace ui
