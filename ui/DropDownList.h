#pragma once
// A drop-down list that the user cannot type into: a selection field showing the selected
// entry and a list that drops down below it. Every entry is as high as the selection field
// and is drawn by the owner. The entries and the selection belong to the window: they come
// into being empty with it and go with it, and the owner fills the window from its
// window-created hook. The kits supply the window; what both kits share lives here.

#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/EntryCanvas.h"

namespace ui {

class DropDownList : public Control {
 public:
  // The window. Creating it runs OnWindowCreated; re-creating it drops the entries and the
  // selection and runs the hook again.
  bool HasWindow() const { return hasWindow_; }
  void WindowNeeded();
  void RecreateWindow();

  // The height of every entry and of the selection field; the control is as high as the
  // field inside its edge (FieldEdge pixels all round). A height below 1 is ignored.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);
  static constexpr int FieldEdge = 3;

  // The entries, in the order added. Add creates the window first when there is none.
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const;  // EListError outside 0..Count()-1
  void Add(std::string text);
  void Clear();

  // The entry shown in the selection field; -1 for none. Setting it from code notifies
  // nothing; an index that names no entry leaves none selected, as the native list does.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);

  // Entries visible at once in the dropped-down list; more scroll. Below 1 is ignored.
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int count);
  // The smallest width of the dropped-down list; a list that would be narrower than the
  // control is as wide as the control.
  void SetMinDroppedWidth(int width);
  int DroppedWidth() const;
  bool DroppedDown() const { return droppedDown_; }

  // The width of a text in the platform's default user-interface font (8-point "MS Sans
  // Serif"), whatever font the control draws in; no prefix handling.
  virtual int DefaultFontTextWidth(const std::string& text) const = 0;

  std::function<void()> OnWindowCreated;
  // Draws one entry; without it an entry is drawn as its plain text.
  std::function<void(EntryCanvas& canvas, int index, const Rect& rect)> OnDrawItem;
  // The user picked an entry in the list or moved the selection with the keyboard.
  std::function<void()> OnSelect;
  // The list is about to drop down; its width is read after this.
  std::function<void()> OnDropDown;

 protected:
  using Control::Control;

  // The kit shows what changed: entries, selection or heights.
  virtual void Changed() = 0;

  // What the user does, as the kit hands it on (each inside the dispatcher). The native list
  // drops down and closes up by itself; these only keep the state.
  void DropDown();
  void CloseUp();
  // Picks `index` (closing the list) and notifies.
  void Pick(int index);
  // The keyboard in the closed control: one entry up or down; notifies when it moved.
  void Step(int delta);

  // Draws one entry: its colours prepared, the owner's drawing (or the plain text), then the
  // focus rectangle when `focused`.
  void PaintEntry(EntryPainter& painter, int index, const Rect& rect, bool selected,
                  bool focused) const;

 private:
  std::vector<std::string> items_;
  bool hasWindow_ = false;
  int itemHeight_ = 16;
  int itemIndex_ = -1;
  int dropDownCount_ = 8;
  int minDroppedWidth_ = 0;
  bool droppedDown_ = false;
};

}  // namespace ui
