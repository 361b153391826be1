#pragma once
// A group box of the wx kit. The native box is a sibling of the controls that belong to it,
// made before them so that they are drawn above it; positions stay in form coordinates.

#include <wx/statbox.h>

#include <string>

#include "ui/GroupBox.h"
#include "ui/wx/WxControl.h"

namespace ui {

class WxGroupBox : public WxControl<GroupBox, wxStaticBox> {
 public:
  WxGroupBox(Container& parent, const ui::Bounds& bounds);

  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  bool Bold() const override { return bold_; }
  void SetBold(bool bold) override;

 private:
  bool bold_ = false;
};

}  // namespace ui
