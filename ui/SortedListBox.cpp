#include "ui/SortedListBox.h"

#include <algorithm>
#include <new>

#include "platform/Error.h"

namespace ui {

void SortedListBox::WindowNeeded() {
  if (hasWindow_) return;
  hasWindow_ = true;
  Changed();
  if (OnWindowCreated) OnWindowCreated();
}

void SortedListBox::RecreateWindow() {
  if (!hasWindow_) return;
  ResetWindowState();
  hasWindow_ = false;
  WindowNeeded();
}

void SortedListBox::ResetWindowState() {
  strings_.Clear();
  ResetMarks();
}

void SortedListBox::ResetMarks() {
  focus_ = -1;
  anchor_ = -1;
  top_ = 0;
}

void SortedListBox::SetItemHeight(int height) {
  if (height < 1 || height == itemHeight_) return;
  itemHeight_ = height;
  RecreateWindow();
}

void SortedListBox::SetMultiSelect(bool multiSelect) {
  if (multiSelect == multiSelect_) return;
  multiSelect_ = multiSelect;
  RecreateWindow();
}

void SortedListBox::SetColumns(int columns) {
  if (columns < 0 || columns == columns_) return;
  bool switchesKind = (columns_ == 0) != (columns == 0);
  columns_ = columns;
  if (switchesKind) {
    RecreateWindow();
  } else {
    SetTopIndex(top_);
  }
}

const std::string& SortedListBox::Item(int index) const {
  CheckIndex(index);
  return strings_.At(index);
}

int SortedListBox::Add(std::string text) {
  WindowNeeded();
  if (!HasRoomForItem()) return -1;
  int position = 0;
  try {
    position = strings_.Insert(std::move(text));
  } catch (const std::bad_alloc&) {
    return -1;
  }
  if (focus_ >= position) ++focus_;
  if (anchor_ >= position) ++anchor_;
  Changed();
  return position;
}

void SortedListBox::Delete(int index) {
  CheckIndex(index);
  strings_.Erase(index);
  for (int* mark : {&focus_, &anchor_}) {
    if (*mark == index) {
      *mark = -1;
    } else if (*mark > index) {
      --*mark;
    }
  }
  SetTopIndex(top_);
}

void SortedListBox::Clear() {
  ResetWindowState();
  Changed();
}

void SortedListBox::ResetView() {
  strings_.DeselectAll();
  ResetMarks();
  Changed();
}

bool SortedListBox::Selected(int index) const {
  CheckIndex(index);
  return strings_.Selected(index);
}

void SortedListBox::SetSelected(int index, bool selected) {
  CheckIndex(index);
  if (multiSelect_) {
    strings_.SetSelected(index, selected);
  } else if (selected) {
    strings_.SelectOnlyRange(index, index);
    focus_ = index;
  } else {
    strings_.SetSelected(index, false);
  }
  Changed();
}

int SortedListBox::ItemIndex() const {
  if (multiSelect_ || focus_ < 0) return focus_;
  return strings_.Selected(focus_) ? focus_ : -1;
}

void SortedListBox::SetItemIndex(int index) {
  bool valid = index >= 0 && index < Count();
  if (!multiSelect_) {
    if (valid) {
      strings_.SelectOnlyRange(index, index);
    } else {
      strings_.DeselectAll();
    }
  }
  if (valid) {
    focus_ = index;
    if (anchor_ < 0) anchor_ = index;
    EnsureVisible(index);
  }
  Changed();
}

int SortedListBox::ColumnWidth() const {
  if (!Multicolumn()) return ClientWidth();
  return std::max(1, ClientWidth() / columns_);
}

int SortedListBox::RowsPerColumn() const {
  int height = ClientHeight() - (NeedsColumnBar() ? ColumnBarHeight() : 0);
  return std::max(1, height / itemHeight_);
}

// Whether the columns at the full client height overflow the width; the bar then only
// takes more rows away, so the answer stands once the bar is shown.
bool SortedListBox::NeedsColumnBar() const {
  if (!Multicolumn() || Count() == 0) return false;
  int fullRows = std::max(1, ClientHeight() / itemHeight_);
  return (Count() - 1) / fullRows + 1 > VisibleUnits();
}

// Scroll units: rows of a one-column list, columns of a multi-column list.
int SortedListBox::UnitOf(int index) const {
  return Multicolumn() ? index / RowsPerColumn() : index;
}

int SortedListBox::VisibleUnits() const {
  if (Multicolumn()) return std::max(1, ClientWidth() / ColumnWidth());
  return std::max(1, ClientHeight() / itemHeight_);
}

void SortedListBox::SetTopIndex(int index) {
  int units = Count() == 0 ? 0 : UnitOf(Count() - 1) + 1;
  int lastTop = std::max(0, units - VisibleUnits());
  int unit = std::clamp(UnitOf(std::max(0, index)), 0, lastTop);
  top_ = Multicolumn() ? unit * RowsPerColumn() : unit;
  Changed();
}

Rect SortedListBox::ItemRect(int index) const {
  if (!Multicolumn()) {
    int top = (index - top_) * itemHeight_;
    return Rect{0, top, ClientWidth(), top + itemHeight_};
  }
  int rows = RowsPerColumn();
  int left = (index / rows - top_ / rows) * ColumnWidth();
  int top = index % rows * itemHeight_;
  return Rect{left, top, left + ColumnWidth(), top + itemHeight_};
}

int SortedListBox::ItemAtPoint(int x, int y) const {
  if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight()) return -1;
  int index = top_ + y / itemHeight_;
  if (Multicolumn()) {
    int rows = RowsPerColumn();
    if (y / itemHeight_ >= rows) return -1;
    index = (top_ / rows + x / ColumnWidth()) * rows + y / itemHeight_;
  }
  return index < Count() ? index : -1;
}

ListScroll SortedListBox::Scroll() const {
  int units = Count() == 0 ? 0 : UnitOf(Count() - 1) + 1;
  return ListScroll{Multicolumn(), UnitOf(top_), VisibleUnits(), units};
}

void SortedListBox::ScrollTo(int position) {
  SetTopIndex(Multicolumn() ? position * RowsPerColumn() : position);
}

// The first visible entry stays in sight; in a multi-column list its column comes first.
void SortedListBox::Resized() {
  SetTopIndex(top_);
}

void SortedListBox::Click(int index, KeyModifiers modifiers) {
  if (index < 0 || index >= Count()) return;
  uint64_t changes = strings_.SelectionChanges();
  int oldFocus = focus_;
  if (multiSelect_ && modifiers.shift) {
    if (anchor_ < 0) anchor_ = index;
    int first = std::min(anchor_, index);
    int last = std::max(anchor_, index);
    if (modifiers.ctrl) {
      strings_.SetRangeSelected(first, last, true);
    } else {
      strings_.SelectOnlyRange(first, last);
    }
  } else if (multiSelect_ && modifiers.ctrl) {
    strings_.SetSelected(index, !strings_.Selected(index));
    anchor_ = index;
  } else {
    strings_.SelectOnlyRange(index, index);
    anchor_ = index;
  }
  focus_ = index;
  Finish(changes, oldFocus);
}

void SortedListBox::KeyDown(ListKey key, KeyModifiers modifiers) {
  if (Count() == 0) return;
  int target = MoveTarget(key);
  if (multiSelect_ && modifiers.ctrl && !modifiers.shift && key != ListKey::Space) {
    uint64_t changes = strings_.SelectionChanges();
    int oldFocus = focus_;
    focus_ = target;
    Finish(changes, oldFocus);
    return;
  }
  Click(target, modifiers);
}

int SortedListBox::MoveTarget(ListKey key) const {
  if (focus_ < 0) return key == ListKey::End ? Count() - 1 : 0;
  int across = Multicolumn() ? RowsPerColumn() : 1;
  int page = Multicolumn() ? VisibleUnits() * across : std::max(1, VisibleUnits() - 1);
  int target = focus_;
  switch (key) {
    case ListKey::Up:
      target = focus_ - 1;
      break;
    case ListKey::Down:
      target = focus_ + 1;
      break;
    case ListKey::Left:
      target = focus_ - across;
      break;
    case ListKey::Right:
      target = focus_ + across;
      break;
    case ListKey::Home:
      target = 0;
      break;
    case ListKey::End:
      target = Count() - 1;
      break;
    case ListKey::PageUp:
      target = focus_ - page;
      break;
    case ListKey::PageDown:
      target = focus_ + page;
      break;
    case ListKey::Space:
      break;
  }
  return std::clamp(target, 0, Count() - 1);
}

void SortedListBox::Finish(uint64_t selectionChanges, int oldFocus) {
  EnsureVisible(focus_);
  Changed();
  bool moved = strings_.SelectionChanges() != selectionChanges || focus_ != oldFocus;
  if (moved && OnSelectionChange) OnSelectionChange();
}

void SortedListBox::EnsureVisible(int index) {
  if (index < 0) return;
  int unit = UnitOf(index);
  int first = UnitOf(top_);
  int perUnit = Multicolumn() ? RowsPerColumn() : 1;
  if (unit < first) {
    SetTopIndex(unit * perUnit);
  } else if (unit >= first + VisibleUnits()) {
    SetTopIndex((unit - VisibleUnits() + 1) * perUnit);
  }
}

void SortedListBox::PaintItems(ItemCanvas& canvas, bool hasFocus) const {
  int first = top_;
  int last = top_ + (ClientHeight() + itemHeight_ - 1) / itemHeight_;
  if (Multicolumn()) {
    int rows = RowsPerColumn();
    int columnsShown = (ClientWidth() + ColumnWidth() - 1) / ColumnWidth();
    first = top_ / rows * rows;
    last = first + columnsShown * rows;
  }
  for (int index = first; index < std::min(last, Count()); ++index) {
    Rect rect = ItemRect(index);
    canvas.PrepareItem(index, rect, strings_.Selected(index));
    if (OnDrawItem) {
      OnDrawItem(canvas, index, rect);
    } else {
      canvas.FillRect(rect);
      canvas.DrawString(rect.left + 2, rect.top, strings_.At(index));
    }
    if (hasFocus && index == focus_) canvas.DrawFocusRect(rect);
  }
}

void SortedListBox::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw platform::EListError::OutOfBounds(index);
}

}  // namespace ui
