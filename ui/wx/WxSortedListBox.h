#pragma once
// The sorted list box of the wx kit: one owner-drawn window that paints only the rows in
// sight, so that a list of a hundred thousand strings costs no more to show than a short
// one. Layout, selection and scrolling follow the shared rules of SortedListBox; this window
// only paints, scrolls and hands the user's clicks and keys on.

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/scrolbar.h>
#include <wx/window.h>

#include <map>
#include <optional>

#include "ui/SortedListBox.h"
#include "ui/wx/WxControl.h"

namespace ui {

class WxSortedListBox;

// The native window: a sunken child window with the vertical scroll bar of a one-column list.
// A multi-column list's bar is a scroll bar control of its own along the bottom of the client
// area, shown and hidden by the list's layout alone: the window's own bar comes and goes as
// the toolkit decides, and each time it changes the client height and the rows per column.
class WxListWindow : public wxWindow {
 public:
  WxListWindow(wxWindow* parent, wxPoint at, wxSize size);
};

class WxSortedListBox : public WxControl<SortedListBox, WxListWindow> {
 public:
  WxSortedListBox(Container& parent, const ui::Bounds& bounds);

  int ClientWidth() const override;
  int ClientHeight() const override;
  int ColumnBarHeight() const override;

  // The 16 x 16 picture of a system image list index, from the desktop's icon theme.
  const wxBitmap& Icon(int iconIndex);
  // Paints the client area as the window shows it onto `dc`; the window's paint does this.
  void PaintTo(wxDC& dc);
  // The multi-column list's scroll bar; hidden while every column is in sight.
  wxScrollBar& ColumnBar() const { return *columnBar_; }

 protected:
  void Changed() override;

 private:
  void OnPaint();
  void OnMouseDown(const wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnScroll(const wxScrollWinEvent& event);
  void OnColumnBarScroll(const wxScrollEvent& event);
  void OnWheel(const wxMouseEvent& event);
  void UpdateScrollBars();
  void UpdateColumnBar(const ListScroll& scroll);

  std::map<int, wxBitmap> icons_;
  wxScrollBar* columnBar_ = nullptr;
  bool scrollBarsStale_ = false;
  std::optional<ListScroll> shownRows_;  // as last given to the vertical bar
};

}  // namespace ui
