#pragma once
// What the wx kit knows of each of its controls: the native window that shows it. A form
// asks this to put its windows into tab order.

class wxWindow;

namespace ui {

class WxNative {
 public:
  virtual ~WxNative() = default;
  // The native window, or null once it is gone.
  virtual wxWindow* NativeWindow() const = 0;
};

}  // namespace ui
