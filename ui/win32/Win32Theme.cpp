#include "ui/win32/Win32Theme.h"

namespace ui {

namespace {

HFONT NewDialogFont(bool bold) {
  return CreateFontW(-11, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
}

}  // namespace

HFONT Win32Theme::DialogFont(bool bold) {
  static HFONT regular = NewDialogFont(false);
  static HFONT heavy = NewDialogFont(true);
  return bold ? heavy : regular;
}

}  // namespace ui
