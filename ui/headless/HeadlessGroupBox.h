#pragma once
// A headless group box: its caption and the controls that belong to it.

#include <string>

#include "ui/GroupBox.h"
#include "ui/headless/HeadlessControl.h"

namespace ui {

class HeadlessGroupBox : public HeadlessControl<GroupBox> {
 public:
  using HeadlessControl::HeadlessControl;

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  bool Bold() const override { return bold_; }
  void SetBold(bool bold) override { bold_ = bold; }

 private:
  std::string caption_;
  bool bold_ = false;
};

}  // namespace ui
