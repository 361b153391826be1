#pragma once
// A group box of the native kit: a BS_GROUPBOX frame beside its members, below them in the
// form's order of child windows.

#include "ui/GroupBox.h"
#include "ui/win32/Win32Control.h"

namespace ui {

class Win32GroupBox : public Win32Control<GroupBox> {
 public:
  Win32GroupBox(Container& parent, const ui::Bounds& bounds)
      : Win32Control(parent, bounds, {L"BUTTON", BS_GROUPBOX}) {}

  std::string Caption() const override { return NativeText(); }
  void SetCaption(const std::string& caption) override { SetNativeText(caption); }
  bool Bold() const override { return bold_; }
  void SetBold(bool bold) override {
    bold_ = bold;
    SetFont(bold);
  }

 private:
  bool bold_ = false;
};

}  // namespace ui
