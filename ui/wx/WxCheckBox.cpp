#include "ui/wx/WxCheckBox.h"

namespace ui {

WxCheckBox::WxCheckBox(Container& parent, const ui::Bounds& bounds)
    : WxControl(parent, bounds, [](wxWindow* client, wxPoint at, wxSize size) {
        return new wxCheckBox(client, wxID_ANY, wxString(), at, size);
      }) {
  // GTK reports user toggles only, by mouse or keyboard; SetValue raises nothing.
  Deliver(wxEVT_CHECKBOX, [this] {
    if (OnClick) OnClick();
  });
}

std::string WxCheckBox::Caption() const {
  return Window() ? FromWx(Window()->GetLabel()) : "";
}

void WxCheckBox::SetCaption(const std::string& caption) {
  if (Window()) {
    Window()->SetLabel(ToWx(caption));
  }
}

bool WxCheckBox::Checked() const {
  return Window() && Window()->GetValue();
}

void WxCheckBox::SetChecked(bool checked) {
  if (Window()) {
    Window()->SetValue(checked);
  }
}

void WxCheckBox::SetBold(bool bold) {
  bold_ = bold;
  if (Window()) {
    Window()->SetFont(WxTheme::DialogFont(bold));
  }
}

}  // namespace ui
