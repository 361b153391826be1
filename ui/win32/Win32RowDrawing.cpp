#include "ui/win32/Win32RowDrawing.h"

#include "ui/win32/Win32Theme.h"

namespace ui {

Win32RowDrawing::Win32RowDrawing(HDC dc) : dc_(dc) {
  SelectObject(dc_, Win32Theme::DialogFont(false));
  SetBkMode(dc_, OPAQUE);
}

void Win32RowDrawing::Prepare(bool selected) {
  background_ = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  SetTextColor(dc_, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  SetBkColor(dc_, background_);
}

void Win32RowDrawing::Fill(const Rect& rect) const {
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  HBRUSH brush = CreateSolidBrush(background_);
  ::FillRect(dc_, &area, brush);
  DeleteObject(brush);
}

void Win32RowDrawing::FocusFrame(const Rect& rect) const {
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  ::DrawFocusRect(dc_, &area);
}

}  // namespace ui
