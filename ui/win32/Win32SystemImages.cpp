#include "ui/win32/Win32SystemImages.h"

namespace ui {

HIMAGELIST SystemSmallImages() {
  static HIMAGELIST list = [] {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(
        windows, 0, &info, sizeof info, platform::SHGFI_SYSICONINDEX | platform::SHGFI_SMALLICON));
  }();
  return list;
}

}  // namespace ui
