#pragma once
// What the owner-drawn list and drop-down list share in drawing a row: the dialog font, the
// colours of a selected or plain row, its background and its focus frame.

#include "ui/Canvas.h"
#include "ui/win32/Win32Native.h"

namespace ui {

class Win32RowDrawing {
 public:
  explicit Win32RowDrawing(HDC dc);

  HDC Dc() const { return dc_; }
  COLORREF Background() const { return background_; }
  void Prepare(bool selected);
  void Fill(const Rect& rect) const;
  void FocusFrame(const Rect& rect) const;

 private:
  HDC dc_;
  COLORREF background_ = 0;
};

}  // namespace ui
