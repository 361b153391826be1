#pragma once
// A static text of one line. It never takes the focus; a click on it raises OnClick.

#include <functional>
#include <string>

#include "ui/Control.h"

namespace ui {

class Label : public Control {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual bool Bold() const = 0;
  virtual void SetBold(bool bold) = 0;
  bool TabStop() const override { return false; }

  std::function<void()> OnClick;

 protected:
  using Control::Control;
};

}  // namespace ui
