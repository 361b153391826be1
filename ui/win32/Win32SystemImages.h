#pragma once
// The shell's system image list of small icons, which the owner-drawn controls draw from.

#include "platform/win32/WinApi.h"
// after WinApi.h, which it needs
#include <commctrl.h>

namespace ui {

// The list is the shell's: shared, never destroyed.
HIMAGELIST SystemSmallImages();

}  // namespace ui
