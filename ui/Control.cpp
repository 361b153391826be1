#include "ui/Control.h"

#include <algorithm>

namespace ui {

Control::Control(Container& parent) : parent_(&parent) {
  parent.controls_.push_back(this);
}

Control::~Control() {
  if (parent_ != nullptr) {
    std::erase(parent_->controls_, this);
  }
}

void Control::SetName(const std::string& name) {
  name_ = name;
  NameChanged();
}

}  // namespace ui
