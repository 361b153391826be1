#include "ui/wx/WxGroupBox.h"

namespace ui {

WxGroupBox::WxGroupBox(Container& parent, const ui::Bounds& bounds)
    : WxControl(parent, bounds, [](wxWindow* client, wxPoint at, wxSize size) {
        return new wxStaticBox(client, wxID_ANY, wxString(), at, size);
      }) {}

std::string WxGroupBox::Caption() const {
  return Window() ? FromWx(Window()->GetLabel()) : "";
}

void WxGroupBox::SetCaption(const std::string& caption) {
  if (Window()) {
    Window()->SetLabel(ToWx(caption));
  }
}

void WxGroupBox::SetBold(bool bold) {
  bold_ = bold;
  if (Window()) {
    Window()->SetFont(WxTheme::DialogFont(bold));
  }
}

}  // namespace ui
