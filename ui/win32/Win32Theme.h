#pragma once
// The look every window of the kit shares: the dialog font, 8-point "MS Sans Serif" (11
// pixels high at 96 dots per inch), regular or bold, and the names of the kit's own window
// classes.

#include "platform/win32/WinApi.h"

namespace ui {

struct Win32Theme {
  // Created once and kept for the process: every control shares them.
  static HFONT DialogFont(bool bold);
  static constexpr wchar_t kFormClass[] = L"SheafmillForm";
  static constexpr wchar_t kListClass[] = L"SheafmillList";
};

}  // namespace ui
