#include "ui/wx/WxButton.h"

namespace ui {

WxButton::WxButton(Container& parent, const ui::Bounds& bounds)
    : WxControl(parent, bounds, [](wxWindow* client, wxPoint at, wxSize size) {
        return new wxButton(client, wxID_ANY, wxString(), at, size);
      }) {
  Deliver(wxEVT_BUTTON, [this] {
    if (OnClick) OnClick();
  });
}

std::string WxButton::Caption() const {
  return Window() ? FromWx(Window()->GetLabel()) : "";
}

void WxButton::SetCaption(const std::string& caption) {
  if (Window()) {
    Window()->SetLabel(ToWx(caption));
  }
}

}  // namespace ui
