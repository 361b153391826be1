#pragma once
// A one-line text edit without a length limit.

#include <string>

#include "ui/Control.h"

namespace ui {

class Edit : public Control {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;

 protected:
  using Control::Control;
};

}  // namespace ui
