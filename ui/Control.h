#pragma once
// What every child control of a form has: a design name, a place in a container, a tab order,
// bounds in form client coordinates, the enabled state and the focus.

#include <string>

#include "ui/Bounds.h"
#include "ui/Container.h"

namespace ui {

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // The design name ("Button1"): for tests, tools and the native window's name.
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);

  Container* Parent() const { return parent_; }
  Form& OwningForm() const { return parent_->OwningForm(); }

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int tabOrder) { tabOrder_ = tabOrder; }
  // Whether Tab stops here: labels and group boxes never take the focus.
  virtual bool TabStop() const { return true; }

  virtual ui::Bounds Bounds() const = 0;
  virtual void SetBounds(const ui::Bounds& bounds) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Focused() const = 0;
  virtual void SetFocus() = 0;

 protected:
  explicit Control(Container& parent);
  // The kits give the native window the design name.
  virtual void NameChanged() {}

 private:
  friend class Container;
  Container* parent_;
  std::string name_;
  int tabOrder_ = 0;
};

}  // namespace ui
