#pragma once
// The sorted list box in memory. Tests drive it as a user would (click an entry, with Shift
// or Ctrl, press keys) and read the visible rows as the owner drew them.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/Bounds.h"
#include "ui/SortedListBox.h"
#include "ui/headless/HeadlessControl.h"

namespace ui {

enum class ListColour { Window, WindowText, Highlight, HighlightText };

// One drawing call: a filled rectangle, an icon or a text, with the colours it was drawn in.
struct DrawOp {
  enum class Kind { Fill, Icon, Text, Focus };
  Kind kind = Kind::Fill;
  Rect rect;         // Fill, Focus
  int x = 0;         // Icon, Text
  int y = 0;         // Icon, Text
  int icon = -1;     // Icon
  std::string text;  // Text
  ListColour background = ListColour::Window;
  ListColour foreground = ListColour::WindowText;
};

struct DrawnRow {
  int index = -1;
  Rect rect;
  std::vector<DrawOp> ops;

  // The texts drawn in the row, left to right as they were drawn.
  std::vector<std::string> Texts() const;
  bool Focused() const;
};

class HeadlessSortedListBox : public HeadlessControl<SortedListBox> {
 public:
  // The client area lies inside the window's 2-pixel edge.
  using HeadlessControl::HeadlessControl;

  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetBounds(const ui::Bounds& bounds) override;

  // What a user does; each returns whether the input reached the list (enabled, on a form
  // that takes input). A list the user sees has its window: the first input creates it. An
  // error that escapes a hook goes to the general error report.
  bool UserClick(int index, KeyModifiers modifiers = {});
  bool UserClickAt(int x, int y, KeyModifiers modifiers = {});
  bool UserKey(ListKey key, KeyModifiers modifiers = {});

  // What the window shows: the visible rows, drawn now (a window that is painted exists, so
  // this creates it when there is none). The focused row carries a focus rectangle when the
  // list has the keyboard focus.
  std::vector<DrawnRow> Paint();
  // From now on the list refuses a string once it holds `limit` strings (none: no limit).
  void SetCapacity(std::optional<std::size_t> limit) { capacity_ = limit; }

 protected:
  // Nothing is on a screen: Paint draws the current state whenever it is asked.
  void Changed() override {}
  bool HasRoomForItem() const override;

 private:
  void ShownOnScreen();

  std::optional<std::size_t> capacity_;
};

}  // namespace ui
