#pragma once
// The drawing surface that an owner-drawn widget hands to its owner for one item: the widget
// has already chosen the item's background and text colours, the owner only places things.

#include <string>

namespace ui {

// A rectangle in client pixels; right and bottom are exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const Rect&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Fills the rectangle with the item's background colour.
  virtual void FillRect(const Rect& rect) = 0;
  // Draws the 16 x 16 picture of a system image list index, transparently, its top-left
  // corner at (x, y).
  virtual void DrawIcon(int x, int y, int iconIndex) = 0;
  // Draws one line of text in the item's text colour on its background colour, the top-left
  // corner of the text at (x, y).
  virtual void DrawString(int x, int y, const std::string& text) = 0;
};

// What a widget's own paint loop needs around the owner's drawing of each item.
class ItemCanvas : public Canvas {
 public:
  // Begins the item at `index` in `rect`: chooses its background and text colours, the
  // highlight colours for a selected item, else the widget's own.
  virtual void PrepareItem(int index, const Rect& rect, bool selected) = 0;
  virtual void DrawFocusRect(const Rect& rect) = 0;
};

}  // namespace ui
