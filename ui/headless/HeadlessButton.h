#pragma once
// A headless push button: its caption, and the user's click.

#include <string>

#include "ui/Button.h"
#include "ui/headless/HeadlessControl.h"

namespace ui {

class HeadlessButton : public HeadlessControl<Button> {
 public:
  using HeadlessControl::HeadlessControl;

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }

  // The user's click or space bar; returns whether it reached the button.
  bool Click() {
    return Input([this] {
      if (OnClick) OnClick();
    });
  }

 private:
  std::string caption_;
};

}  // namespace ui
