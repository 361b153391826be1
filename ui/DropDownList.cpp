#include "ui/DropDownList.h"

#include <algorithm>

#include "platform/Error.h"

namespace ui {

void DropDownList::WindowNeeded() {
  if (hasWindow_) return;
  hasWindow_ = true;
  Changed();
  if (OnWindowCreated) OnWindowCreated();
}

void DropDownList::RecreateWindow() {
  if (!hasWindow_) return;
  items_.clear();
  itemIndex_ = -1;
  droppedDown_ = false;
  hasWindow_ = false;
  WindowNeeded();
}

void DropDownList::SetItemHeight(int height) {
  if (height < 1) return;
  itemHeight_ = height;
  ui::Bounds bounds = Bounds();
  bounds.height = height + 2 * FieldEdge;
  SetBounds(bounds);
  Changed();
}

const std::string& DropDownList::Item(int index) const {
  if (index < 0 || index >= Count()) throw platform::EListError::OutOfBounds(index);
  return items_[static_cast<size_t>(index)];
}

void DropDownList::Add(std::string text) {
  WindowNeeded();
  items_.push_back(std::move(text));
  Changed();
}

void DropDownList::Clear() {
  items_.clear();
  itemIndex_ = -1;
  Changed();
}

void DropDownList::SetItemIndex(int index) {
  itemIndex_ = index >= 0 && index < Count() ? index : -1;
  Changed();
}

void DropDownList::SetDropDownCount(int count) {
  if (count >= 1) dropDownCount_ = count;
}

void DropDownList::SetMinDroppedWidth(int width) {
  minDroppedWidth_ = std::max(0, width);
  Changed();
}

int DropDownList::DroppedWidth() const {
  return std::max(minDroppedWidth_, Bounds().width);
}

void DropDownList::DropDown() {
  if (droppedDown_) return;
  if (OnDropDown) OnDropDown();
  droppedDown_ = true;
}

void DropDownList::CloseUp() {
  droppedDown_ = false;
}

void DropDownList::Pick(int index) {
  droppedDown_ = false;
  if (index < 0 || index >= Count()) {
    Changed();
    return;
  }
  itemIndex_ = index;
  Changed();
  if (OnSelect) OnSelect();
}

void DropDownList::Step(int delta) {
  if (items_.empty()) return;
  const int target = std::clamp(itemIndex_ < 0 ? 0 : itemIndex_ + delta, 0, Count() - 1);
  if (target == itemIndex_) return;
  itemIndex_ = target;
  Changed();
  if (OnSelect) OnSelect();
}

void DropDownList::PaintEntry(EntryPainter& painter, int index, const Rect& rect, bool selected,
                              bool focused) const {
  painter.PrepareEntry(index, rect, selected);
  if (index >= 0 && OnDrawItem) {
    OnDrawItem(painter, index, rect);
  } else {
    painter.FillRect(rect);
    if (index >= 0) painter.DrawText(rect, Item(index));
  }
  if (focused) painter.DrawFocusRect(rect);
}

}  // namespace ui
