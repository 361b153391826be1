#pragma once
// The state that every headless control keeps (bounds, enabled, focus), laid over one of the
// widget interfaces. Controls of other folders build their headless widgets on it too.

#include "ui/Control.h"
#include "ui/headless/HeadlessForm.h"

namespace ui {

template <class Base>
class HeadlessControl : public Base {
 public:
  HeadlessControl(Container& parent, const ui::Bounds& bounds, HeadlessApplication& app)
      : Base(parent), app_(app), bounds_(bounds) {}
  ~HeadlessControl() override {
    if (this->Parent() != nullptr && Focused()) {
      HostForm().SetFocusedControl(nullptr);
    }
  }

  ui::Bounds Bounds() const override { return bounds_; }
  void SetBounds(const ui::Bounds& bounds) override { bounds_ = bounds; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Focused() const override { return HostForm().FocusedControl() == this; }
  void SetFocus() override { HostForm().SetFocusedControl(this); }

 protected:
  HeadlessApplication& App() const { return app_; }
  HeadlessForm& HostForm() const { return static_cast<HeadlessForm&>(this->OwningForm()); }
  // Whether the user can reach the control: enabled, on a shown form that no modal form
  // blocks. User input to a control that cannot be reached is lost, as on the screen.
  bool TakesInput() const { return enabled_ && app_.TakesInput(HostForm()); }
  // A user's input that raises a handler: the control takes the focus and the handler runs
  // through the dispatcher. Returns whether the input reached the control.
  template <class Action>
  bool Input(Action action) {
    if (!TakesInput()) {
      return false;
    }
    if (this->TabStop()) {
      SetFocus();
    }
    app_.Dispatch(action);
    return true;
  }

 private:
  HeadlessApplication& app_;
  ui::Bounds bounds_;
  bool enabled_ = true;
};

}  // namespace ui
