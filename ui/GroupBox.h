#pragma once
// A framed group with a caption in its top edge. The controls that belong to it keep form
// client coordinates and take their tab order within the box.

#include <string>

#include "ui/Container.h"
#include "ui/Control.h"

namespace ui {

class GroupBox : public Control, public Container {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual bool Bold() const = 0;
  virtual void SetBold(bool bold) = 0;
  bool TabStop() const override { return false; }
  using Control::OwningForm;
  Form& OwningForm() override { return Control::OwningForm(); }

 protected:
  using Control::Control;
};

}  // namespace ui
