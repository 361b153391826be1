#pragma once
// The part that every wx control shares, laid over one of the widget interfaces: the native
// window on the form's client panel, its bounds, enabled state and focus, and the dispatch of
// its events. Controls of other folders build their wx widgets on it too.

#include <wx/panel.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <functional>

#include "ui/Control.h"
#include "ui/wx/WxApplication.h"
#include "ui/wx/WxForm.h"
#include "ui/wx/WxNative.h"
#include "ui/wx/WxText.h"
#include "ui/wx/WxTheme.h"

namespace ui {

template <class Base, class Native>
class WxControl : public Base, public WxNative {
 public:
  ~WxControl() override {
    if (window_) {
      window_->Destroy();
    }
  }

  wxWindow* NativeWindow() const override { return window_.get(); }
  Native* Window() const { return window_.get(); }

  ui::Bounds Bounds() const override {
    if (!window_) {
      return {};
    }
    wxRect rect = window_->GetRect();
    return {rect.x, rect.y, rect.width, rect.height};
  }
  void SetBounds(const ui::Bounds& bounds) override {
    if (window_) {
      window_->SetSize(bounds.left, bounds.top, bounds.width, bounds.height);
    }
  }
  bool Enabled() const override { return window_ && window_->IsEnabled(); }
  void SetEnabled(bool enabled) override {
    if (window_) {
      window_->Enable(enabled);
    }
  }
  bool Focused() const override { return window_ && wxWindow::FindFocus() == window_.get(); }
  void SetFocus() override {
    if (window_) {
      window_->SetFocus();
    }
  }

 protected:
  // The native window is made by `create` on the client panel of the form that `parent` is
  // or lies on, at `bounds`, in the dialog font.
  template <class Create>
  WxControl(Container& parent, const ui::Bounds& bounds, Create create) : Base(parent) {
    WxForm& form = static_cast<WxForm&>(parent.OwningForm());
    app_ = &form.App();
    window_ = create(form.Client(), wxPoint(bounds.left, bounds.top),
                     wxSize(bounds.width, bounds.height));
    window_->SetFont(WxTheme::DialogFont(false));
  }

  WxApplication& App() const { return *app_; }
  // Binds a native event to a handler that runs through the dispatcher.
  template <class Event>
  void Deliver(const wxEventTypeTag<Event>& type, std::function<void()> handler) {
    window_->Bind(type, [this, handler = std::move(handler)](Event&) { app_->Dispatch(handler); });
  }
  void NameChanged() override {
    if (window_) {
      window_->SetName(ToWx(this->Name()));
    }
  }

 private:
  WxApplication* app_ = nullptr;
  wxWeakRef<Native> window_;
};

}  // namespace ui
