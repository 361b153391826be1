#pragma once
// A headless label: its caption, and the user's click.

#include <string>

#include "ui/Label.h"
#include "ui/headless/HeadlessControl.h"

namespace ui {

class HeadlessLabel : public HeadlessControl<Label> {
 public:
  using HeadlessControl::HeadlessControl;

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  bool Bold() const override { return bold_; }
  void SetBold(bool bold) override { bold_ = bold; }

  // The user's click; returns whether it reached the label.
  bool Click() {
    return Input([this] {
      if (OnClick) OnClick();
    });
  }

 private:
  std::string caption_;
  bool bold_ = false;
};

}  // namespace ui
