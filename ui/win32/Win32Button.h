#pragma once
// A push button of the native kit.

#include "ui/Button.h"
#include "ui/win32/Win32Control.h"

namespace ui {

class Win32Button : public Win32Control<Button> {
 public:
  Win32Button(Container& parent, const ui::Bounds& bounds)
      : Win32Control(parent, bounds, {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP}) {}

  std::string Caption() const override { return NativeText(); }
  void SetCaption(const std::string& caption) override { SetNativeText(caption); }

  void Command(int code) override {
    if (code == BN_CLICKED && OnClick) OnClick();
  }
};

}  // namespace ui
