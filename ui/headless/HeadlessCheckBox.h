#pragma once
// A headless check box: its caption and tick, and the user's click, which toggles the tick
// and then raises OnClick.

#include <string>

#include "ui/CheckBox.h"
#include "ui/headless/HeadlessControl.h"

namespace ui {

class HeadlessCheckBox : public HeadlessControl<CheckBox> {
 public:
  using HeadlessControl::HeadlessControl;

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  bool Bold() const override { return bold_; }
  void SetBold(bool bold) override { bold_ = bold; }

  // The user's click or space bar; returns whether it reached the box.
  bool Click() {
    return Input([this] {
      checked_ = !checked_;
      if (OnClick) OnClick();
    });
  }

 private:
  std::string caption_;
  bool checked_ = false;
  bool bold_ = false;
};

}  // namespace ui
