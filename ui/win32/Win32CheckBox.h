#pragma once
// A check box of the native kit: BS_AUTOCHECKBOX, which tells its parent of the user's
// toggles only; BM_SETCHECK raises nothing.

#include "ui/CheckBox.h"
#include "ui/win32/Win32Control.h"

namespace ui {

class Win32CheckBox : public Win32Control<CheckBox> {
 public:
  Win32CheckBox(Container& parent, const ui::Bounds& bounds);

  std::string Caption() const override { return NativeText(); }
  void SetCaption(const std::string& caption) override { SetNativeText(caption); }
  bool Checked() const override;
  void SetChecked(bool checked) override;
  bool Bold() const override { return bold_; }
  void SetBold(bool bold) override;

  void Command(int code) override;

 private:
  bool bold_ = false;
};

}  // namespace ui
