#pragma once
// The drawing surface that an owner-drawn drop-down list hands to its owner for one entry:
// the list has already chosen the entry's background and text colours (the highlight colours
// for the selected entry), the owner only places things. Coordinates are those of the surface
// being drawn: the control's selection field or the dropped-down list.

#include <string>

#include "ui/Bitmap.h"
#include "ui/Canvas.h"

namespace ui {

class EntryCanvas {
 public:
  virtual ~EntryCanvas() = default;

  // Fills the rectangle with the entry's background colour.
  virtual void FillRect(const Rect& rect) = 0;
  // Copies the bitmap with its top-left corner at (x, y); its pixels of the colour
  // `transparent` show the entry's background colour instead.
  virtual void DrawBitmap(int x, int y, const Bitmap& bitmap, Rgb transparent) = 0;
  // One line of text, left-aligned and vertically centred in the rectangle, cut off at its
  // edges, in the entry's text colour on its background colour, with the platform's prefix
  // handling (ParsePrefix).
  virtual void DrawText(const Rect& rect, const std::string& text) = 0;
};

// What a kit's paint loop needs around the owner's drawing of each entry.
class EntryPainter : public EntryCanvas {
 public:
  // Begins the entry at `index` (-1: an empty selection field) in `rect`: chooses its
  // colours, the highlight colours for the selected entry, else the control's own.
  virtual void PrepareEntry(int index, const Rect& rect, bool selected) = 0;
  virtual void DrawFocusRect(const Rect& rect) = 0;
};

}  // namespace ui
