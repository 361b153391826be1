#include "ui/wx/WxLabel.h"

namespace ui {

WxLabel::WxLabel(Container& parent, const ui::Bounds& bounds)
    : WxControl(parent, bounds, [](wxWindow* client, wxPoint at, wxSize size) {
        return new wxGenericStaticText(client, wxID_ANY, wxString(), at, size, wxST_NO_AUTORESIZE);
      }) {
  Deliver(wxEVT_LEFT_UP, [this] {
    if (OnClick) OnClick();
  });
}

std::string WxLabel::Caption() const {
  return Window() ? FromWx(Window()->GetLabelText()) : "";
}

void WxLabel::SetCaption(const std::string& caption) {
  if (Window()) {
    // Labels show "&" as it is: no mnemonics in status texts and file names.
    Window()->SetLabelText(ToWx(caption));
    Window()->Refresh();
  }
}

void WxLabel::SetBold(bool bold) {
  bold_ = bold;
  if (Window()) {
    Window()->SetFont(WxTheme::DialogFont(bold));
  }
}

}  // namespace ui
