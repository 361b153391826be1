#include "ui/wx/WxLabel.h"

#include <algorithm>
#include <limits>

namespace ui {

namespace {

// The width of a group box's frame line with its inner margin.
constexpr int kBoxEdge = 2;

}  // namespace

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
    FitToText();
    Window()->Refresh();
  }
}

void WxLabel::SetBold(bool bold) {
  bold_ = bold;
  if (Window()) {
    Window()->SetFont(WxTheme::DialogFont(bold));
    FitToText();
  }
}

void WxLabel::FitToText() {
  wxRect rect = Window()->GetRect();
  int textWidth = Window()->GetTextExtent(Window()->GetLabelText()).x;
  int width = std::max(1, std::min(textWidth, ClipRight() - rect.x));
  if (width != rect.width) Window()->SetSize(rect.x, rect.y, width, rect.height);
}

// The right edge, in the client panel's coordinates, past which the label is not seen. The
// panel clips its own children; a group box is only their sibling.
int WxLabel::ClipRight() const {
  if (auto* box = dynamic_cast<const WxNative*>(Parent()); box && box->NativeWindow()) {
    return box->NativeWindow()->GetRect().GetRight() + 1 - kBoxEdge;
  }
  return std::numeric_limits<int>::max();
}

}  // namespace ui
