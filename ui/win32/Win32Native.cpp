#include "ui/win32/Win32Native.h"

namespace ui {

namespace {

constexpr wchar_t kControlProperty[] = L"Sheafmill.Control";

}  // namespace

Win32Native* Win32Native::Of(HWND window) {
  return window == nullptr ? nullptr
                           : static_cast<Win32Native*>(GetPropW(window, kControlProperty));
}

void Win32Native::Attach(HWND window) {
  SetPropW(window, kControlProperty, this);
}

void Win32Native::Detach(HWND window) {
  RemovePropW(window, kControlProperty);
}

}  // namespace ui
