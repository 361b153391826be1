#pragma once
// A check box with its caption on the right. A click that toggles it, by mouse or keyboard,
// raises OnClick after the new state is set; setting Checked from code raises nothing.

#include <functional>
#include <string>

#include "ui/Control.h"

namespace ui {

class CheckBox : public Control {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
  virtual bool Bold() const = 0;
  virtual void SetBold(bool bold) = 0;

  std::function<void()> OnClick;

 protected:
  using Control::Control;
};

}  // namespace ui
