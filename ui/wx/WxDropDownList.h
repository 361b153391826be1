#pragma once
// The drop-down list of the wx kit: a read-only wxOwnerDrawnComboBox whose entries and
// selection field are painted by the owner's drawing hook.

#include <wx/odcombo.h>

#include <string>

#include "ui/DropDownList.h"
#include "ui/wx/WxControl.h"

namespace ui {

class WxDropDownList;

// The native combo: hands its painting and its drop-down to the widget.
class WxOwnerDrawnCombo : public wxOwnerDrawnComboBox {
 public:
  WxOwnerDrawnCombo(wxWindow* parent, wxPoint at, wxSize size, WxDropDownList& list);

  void ShowPopup() override;
  void OnDrawItem(wxDC& dc, const wxRect& rect, int item, int flags) const override;
  void OnDrawBackground(wxDC& dc, const wxRect& rect, int item, int flags) const override;
  wxCoord OnMeasureItem(size_t item) const override;

 private:
  WxDropDownList& list_;
};

class WxDropDownList : public WxControl<DropDownList, WxOwnerDrawnCombo> {
 public:
  WxDropDownList(Container& parent, const ui::Bounds& bounds);

  int DefaultFontTextWidth(const std::string& text) const override;

  // For the native combo.
  void BeforeDropDown();
  void Draw(wxDC& dc, const wxRect& rect, int item, int flags) const;

 protected:
  void Changed() override;

 private:
  void SyncEntries();
};

}  // namespace ui
