#pragma once
// A list box that keeps its strings sorted (the platform's order: the user's locale, letter
// case ignored), with rows of one fixed height drawn by the owner, single or extended
// selection, and either one column that scrolls vertically or several columns that scroll
// sideways by whole columns. The strings and the selection belong to the window: they come
// into being empty with it and go with it, and the owner fills the window from its
// window-created hook. The kits supply the window itself; everything the two kits share, the
// order, the selection rules and the layout, lives here.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "ui/Canvas.h"
#include "ui/Control.h"
#include "ui/SortedStrings.h"

namespace ui {

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
};

enum class ListKey { Up, Down, Left, Right, Home, End, PageUp, PageDown, Space };

// A scroll bar's state in scroll units: rows of a one-column list (vertical bar), whole
// columns of a multi-column list (horizontal bar).
struct ListScroll {
  bool horizontal = false;
  int position = 0;
  int page = 1;
  int range = 0;  // units in all; 0 hides the bar
  bool operator==(const ListScroll&) const = default;
};

class SortedListBox : public Control {
 public:
  // The window. Creating it runs OnWindowCreated; re-creating it drops the strings and the
  // selection and runs the hook again. Nothing happens to a list without a window.
  bool HasWindow() const { return hasWindow_; }
  void WindowNeeded();
  void RecreateWindow();

  // Changing the row height or the selection mode re-creates the window, as does switching
  // between no columns (0) and columns (1 or more). A height below 1 or a negative column
  // count is ignored.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multiSelect);
  int Columns() const { return columns_; }
  void SetColumns(int columns);

  // The strings. Add creates the window first when there is none, and answers the position
  // at which the string went, or -1 when the list had no room for it.
  int Count() const { return strings_.Count(); }
  const std::string& Item(int index) const;  // EListError outside 0..Count()-1
  int Add(std::string text);
  void Delete(int index);  // EListError outside 0..Count()-1
  void Clear();
  // The positions first..last-1 of the strings that sort equal to `text`.
  std::pair<int, int> EqualRange(const std::string& text) const {
    return strings_.EqualRange(text);
  }
  // Nothing selected, no focus, the first string at the top, as after Clear; the strings stay.
  void ResetView();

  // The selection. ItemIndex is the selected entry of a single-selection list (-1 for none)
  // and the focused entry of a multiple-selection list. Setting it selects the entry in a
  // single-selection list and only moves the focus in a multiple-selection list. Changes made
  // here are not notified.
  bool Selected(int index) const;  // EListError outside 0..Count()-1
  void SetSelected(int index, bool selected);
  int ItemIndex() const;
  void SetItemIndex(int index);
  int FocusIndex() const { return focus_; }

  // The layout in client pixels.
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  int ColumnWidth() const;  // client width div Columns, at least 1; the client width for 0
  // Whole rows that fit the client height, at least 1; a multi-column list whose columns do
  // not all fit leaves room for its scroll bar below the rows.
  int RowsPerColumn() const;
  int TopIndex() const { return top_; }
  void SetTopIndex(int index);
  Rect ItemRect(int index) const;
  int ItemAtPoint(int x, int y) const;  // -1 where there is no entry
  ListScroll Scroll() const;
  void ScrollTo(int position);

  // What the user does, as the kit hands it on. Either fires OnSelectionChange when it moved
  // the current entry or changed the selection.
  void Click(int index, KeyModifiers modifiers);
  void KeyDown(ListKey key, KeyModifiers modifiers);

  // Draws the visible rows: the colours of each row prepared, then the owner's drawing (or
  // the plain text when there is no owner hook), then the focus rectangle when the window has
  // the keyboard focus.
  void PaintItems(ItemCanvas& canvas, bool hasFocus) const;

  std::function<void()> OnWindowCreated;
  std::function<void(Canvas& canvas, int index, const Rect& rect)> OnDrawItem;
  std::function<void()> OnSelectionChange;

 protected:
  explicit SortedListBox(Container& parent) : Control(parent) {}

  // The kit repaints and updates its scroll bar: strings, selection or layout changed.
  virtual void Changed() = 0;
  // The kit's say whether one more string fits (a platform list can run out of room).
  virtual bool HasRoomForItem() const { return true; }
  // The kit reports a new client size.
  void Resized();
  // The height of the scroll bar that the kit shows inside the client area, below the rows,
  // while a multi-column list has more columns than fit. The client height does not count
  // it out: the layout decides whether the bar is needed, so showing or hiding the bar never
  // changes the layout that asked for it.
  virtual int ColumnBarHeight() const { return 0; }

 private:
  void ResetWindowState();
  void ResetMarks();  // focus, anchor and the first row shown
  bool Multicolumn() const { return columns_ > 0; }
  int VisibleUnits() const;
  bool NeedsColumnBar() const;
  int UnitOf(int index) const;
  int MoveTarget(ListKey key) const;
  // Scrolls the focus into view, repaints, and notifies when the user's action changed the
  // selection or moved the focus.
  void Finish(uint64_t selectionChanges, int oldFocus);
  void EnsureVisible(int index);
  void CheckIndex(int index) const;

  SortedStrings strings_;
  bool hasWindow_ = false;
  int itemHeight_ = 16;
  bool multiSelect_ = false;
  int columns_ = 0;
  int focus_ = -1;
  int anchor_ = -1;
  int top_ = 0;
};

}  // namespace ui
