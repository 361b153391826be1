#include "ui/wx/WxEdit.h"

namespace ui {

WxEdit::WxEdit(Container& parent, const ui::Bounds& bounds)
    : WxControl(parent, bounds, [](wxWindow* client, wxPoint at, wxSize size) {
        return new wxTextCtrl(client, wxID_ANY, wxString(), at, size);
      }) {}

std::string WxEdit::Text() const {
  return Window() ? FromWx(Window()->GetValue()) : "";
}

void WxEdit::SetText(const std::string& text) {
  if (Window()) {
    Window()->ChangeValue(ToWx(text));
  }
}

}  // namespace ui
