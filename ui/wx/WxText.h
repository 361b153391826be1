#pragma once
// Text crosses into wx as UTF-8 both ways: wx's own narrow conversion follows the C locale
// and would turn every non-ASCII caption into an empty string.

#include <wx/string.h>

#include <string>

namespace ui {

inline wxString ToWx(const std::string& text) {
  return wxString::FromUTF8(text);
}
inline std::string FromWx(const wxString& text) {
  return text.ToStdString(wxConvUTF8);
}

}  // namespace ui
