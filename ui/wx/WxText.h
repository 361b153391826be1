#pragma once
// Text crosses into wx as UTF-8 both ways: wx's own narrow conversion follows the C locale
// and would turn every non-ASCII caption into an empty string. File names need not be valid
// UTF-8 at all; wx shows each byte that is not part of a valid sequence as U+FFFD. The
// program keeps the bytes themselves: text read back from wx is for display only.

#include <wx/string.h>

#include <string>

namespace ui {

wxString ToWx(const std::string& text);
inline std::string FromWx(const wxString& text) {
  return text.ToStdString(wxConvUTF8);
}

}  // namespace ui
