#pragma once
// A push button. Pressing it, by mouse or keyboard, raises OnClick.

#include <functional>
#include <string>

#include "ui/Control.h"

namespace ui {

class Button : public Control {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;

  std::function<void()> OnClick;

 protected:
  using Control::Control;
};

}  // namespace ui
