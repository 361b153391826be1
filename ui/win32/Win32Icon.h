#pragma once
// A window icon made from XPM data: its "None" pixels are transparent.

#include "platform/win32/WinApi.h"
#include "ui/Icon.h"

namespace ui {

// The caller destroys the icon (DestroyIcon); platform::Error when the data is no such XPM.
HICON NewIconFromXpm(const Icon& icon);

}  // namespace ui
