#pragma once
// A check box of the wx kit.

#include <wx/checkbox.h>

#include <string>

#include "ui/CheckBox.h"
#include "ui/wx/WxControl.h"

namespace ui {

class WxCheckBox : public WxControl<CheckBox, wxCheckBox> {
 public:
  WxCheckBox(Container& parent, const ui::Bounds& bounds);

  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  bool Checked() const override;
  void SetChecked(bool checked) override;
  bool Bold() const override { return bold_; }
  void SetBold(bool bold) override;

 private:
  bool bold_ = false;
};

}  // namespace ui
