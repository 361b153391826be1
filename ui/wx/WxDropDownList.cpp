#include "ui/wx/WxDropDownList.h"

#include <wx/dcclient.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/settings.h>

#include "ui/PrefixText.h"

namespace ui {

namespace {

wxRect ToWxRect(const Rect& rect) {
  return {rect.left, rect.top, rect.Width(), rect.Height()};
}

// The drawing of one entry onto the combo's device context.
class WxEntryPainter : public EntryPainter {
 public:
  WxEntryPainter(wxDC& dc, const wxFont& font) : dc_(dc) { dc_.SetFont(font); }

  void PrepareEntry(int, const Rect&, bool selected) override {
    background_ =
        wxSystemSettings::GetColour(selected ? wxSYS_COLOUR_HIGHLIGHT : wxSYS_COLOUR_WINDOW);
    dc_.SetTextForeground(wxSystemSettings::GetColour(selected ? wxSYS_COLOUR_HIGHLIGHTTEXT
                                                               : wxSYS_COLOUR_WINDOWTEXT));
    dc_.SetTextBackground(background_);
  }
  void FillRect(const Rect& rect) override {
    dc_.SetBrush(wxBrush(background_));
    dc_.SetPen(*wxTRANSPARENT_PEN);
    dc_.DrawRectangle(ToWxRect(rect));
  }
  void DrawBitmap(int x, int y, const Bitmap& bitmap, Rgb transparent) override {
    wxImage image(bitmap.Width(), bitmap.Height());
    for (int py = 0; py < bitmap.Height(); ++py) {
      for (int px = 0; px < bitmap.Width(); ++px) {
        const Rgb pixel = bitmap.Pixel(px, py);
        if (pixel == transparent) {
          image.SetRGB(px, py, background_.Red(), background_.Green(), background_.Blue());
        } else {
          image.SetRGB(px, py, pixel.red, pixel.green, pixel.blue);
        }
      }
    }
    dc_.DrawBitmap(wxBitmap(image), x, y);
  }
  void DrawText(const Rect& rect, const std::string& text) override {
    const PrefixText parsed = ParsePrefix(text);
    // wx counts the underlined character in characters, not bytes.
    const int accel =
        parsed.underline < 0
            ? -1
            : static_cast<int>(
                  ToWx(parsed.shown.substr(0, static_cast<size_t>(parsed.underline))).length());
    wxDCClipper clip(dc_, ToWxRect(rect));
    dc_.DrawLabel(ToWx(parsed.shown), ToWxRect(rect), wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL,
                  accel);
  }
  void DrawFocusRect(const Rect& rect) override {
    dc_.SetBrush(*wxTRANSPARENT_BRUSH);
    dc_.SetPen(wxPen(dc_.GetTextForeground(), 1, wxPENSTYLE_DOT));
    dc_.DrawRectangle(ToWxRect(rect));
  }

 private:
  wxDC& dc_;
  wxColour background_;
};

}  // namespace

WxOwnerDrawnCombo::WxOwnerDrawnCombo(wxWindow* parent, wxPoint at, wxSize size,
                                     WxDropDownList& list)
    : wxOwnerDrawnComboBox(parent, wxID_ANY, wxString(), at, size, 0, nullptr, wxCB_READONLY),
      list_(list) {}

void WxOwnerDrawnCombo::ShowPopup() {
  list_.BeforeDropDown();
  wxOwnerDrawnComboBox::ShowPopup();
}

void WxOwnerDrawnCombo::OnDrawItem(wxDC& dc, const wxRect& rect, int item, int flags) const {
  list_.Draw(dc, rect, item, flags);
}

// The entry's drawing fills its own background.
void WxOwnerDrawnCombo::OnDrawBackground(wxDC&, const wxRect&, int, int) const {}

wxCoord WxOwnerDrawnCombo::OnMeasureItem(size_t) const {
  return list_.ItemHeight();
}

WxDropDownList::WxDropDownList(Container& parent, const ui::Bounds& bounds)
    : WxControl(parent, bounds, [this](wxWindow* client, wxPoint at, wxSize size) {
        return new WxOwnerDrawnCombo(client, at, size, *this);
      }) {
  // The selection field shows the window's entries from its first paint on.
  Window()->Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
    if (!HasWindow()) App().Dispatch([this] { WindowNeeded(); });
    event.Skip();
  });
  // Picks in the list and arrow keys in the closed control alike. The event carries the
  // pick: the combo's own selection may not have caught up with it yet.
  Window()->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent& event) {
    const int index = event.GetSelection();
    App().Dispatch([this, index] { Pick(index); });
    // An error box shown by the pick's handlers covered the control while it was painting.
    if (Window()) Window()->Refresh();
  });
  Deliver(wxEVT_COMBOBOX_CLOSEUP, [this] { CloseUp(); });
}

int WxDropDownList::DefaultFontTextWidth(const std::string& text) const {
  wxScreenDC dc;
  dc.SetFont(WxTheme::DialogFont(false));
  return dc.GetTextExtent(ToWx(text)).x;
}

void WxDropDownList::BeforeDropDown() {
  App().Dispatch([this] { DropDown(); });
  if (Window()) {
    Window()->SetPopupMaxHeight(DropDownCount() * ItemHeight() + 2);
    Window()->SetPopupMinWidth(DroppedWidth());
  }
}

void WxDropDownList::Draw(wxDC& dc, const wxRect& rect, int item, int flags) const {
  WxEntryPainter painter(dc, Window()->GetFont());
  const bool control = (flags & wxODCB_PAINTING_CONTROL) != 0;
  // The closed control shows its entry highlighted while it has the focus, as the list shows
  // the entry under the pointer.
  const bool selected = control ? Focused() : (flags & wxODCB_PAINTING_SELECTED) != 0;
  const bool focused = selected;
  const Rect area{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
  App().Dispatch([&] { PaintEntry(painter, item < Count() ? item : -1, area, selected, focused); });
}

void WxDropDownList::Changed() {
  if (!Window()) return;
  SyncEntries();
  if (Window()->GetSelection() != ItemIndex()) Window()->SetSelection(ItemIndex());
  Window()->Refresh();
}

void WxDropDownList::SyncEntries() {
  wxArrayString entries;
  for (int i = 0; i < Count(); ++i) entries.Add(ToWx(Item(i)));
  if (Window()->GetStrings() != entries) Window()->Set(entries);
}

}  // namespace ui
