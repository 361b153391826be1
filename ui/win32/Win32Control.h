#pragma once
// The part that every native control shares, laid over one of the widget interfaces: a child
// window of the form's client area at its pixel bounds, in the dialog font, its enabled state
// and focus. Every control lies directly on the form, group-box members too, as their bounds
// are in form client coordinates; a group box only frames them.

#include <string>

#include "platform/Error.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"
#include "ui/Control.h"
#include "ui/win32/Win32Application.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Native.h"
#include "ui/win32/Win32Theme.h"

namespace ui {

// The window's class, styles and text at creation.
struct NativeClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle = 0;
};

template <class Base>
class Win32Control : public Base, public Win32Native {
 public:
  ~Win32Control() override {
    Detach(window_);
    ::DestroyWindow(window_);
  }

  HWND Handle() const override { return window_; }

  ui::Bounds Bounds() const override {
    RECT rect{};
    GetWindowRect(window_, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }
  void SetBounds(const ui::Bounds& bounds) override {
    MoveWindow(window_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
  }
  bool Enabled() const override { return IsWindowEnabled(window_) != FALSE; }
  void SetEnabled(bool enabled) override { EnableWindow(window_, enabled ? TRUE : FALSE); }
  bool Focused() const override { return GetFocus() == window_; }
  void SetFocus() override { ::SetFocus(window_); }

 protected:
  Win32Control(Container& parent, const ui::Bounds& bounds, const NativeClass& native)
      : Base(parent) {
    auto& form = static_cast<Win32Form&>(parent.OwningForm());
    app_ = &form.App();
    window_ = CreateWindowExW(native.exStyle, native.name, L"",
                              native.style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP,
                              bounds.left, bounds.top, bounds.width, bounds.height, form.Handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(form.NextControlId())),
                              GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) throw platform::Error("Error creating window");
    Attach(window_);
    SetFont(false);
  }

  Win32Application& App() const { return *app_; }
  void SetFont(bool bold) {
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(Win32Theme::DialogFont(bold)), TRUE);
  }
  std::string NativeText() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
    return platform::win32::Narrow(text);
  }
  void SetNativeText(const std::string& text) {
    SetWindowTextW(window_, platform::win32::Wide(text).c_str());
  }

 private:
  Win32Application* app_ = nullptr;
  HWND window_ = nullptr;
};

}  // namespace ui
