#pragma once
// A form of the native kit: a top-level window of the kit's own class with a fixed dialog
// frame, the button-face background and the dialog font, that hands the notifications about
// its controls on to them. An owned form is an owned window of its owner's.

#include <string>

#include "platform/win32/WinApi.h"
#include "ui/Form.h"
#include "ui/win32/Win32Application.h"

namespace ui {

class Win32Form : public Form {
 public:
  Win32Form(Win32Application& app, Form* owner);
  ~Win32Form() override;

  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  Size ClientSize() const override;
  void SetClientSize(const Size& size) override;
  FormPosition Position() const override { return position_; }
  void SetPosition(FormPosition position) override { position_ = position; }
  void SetIcon(const Icon& icon) override;
  Form* Owner() const override { return owner_; }

  bool Visible() const override;
  void Show() override;
  int ShowModal() override;
  void Close() override;

  HWND Handle() const { return window_; }
  Win32Application& App() const { return app_; }
  // A new child-window identifier; Windows hands it back in the notifications.
  int NextControlId() { return nextControlId_++; }

  // The window procedure of the kit's form class.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  void EndModal() override;

 private:
  LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
  void PrepareShow();
  void ApplyTabOrder();
  void FocusFirst();
  bool CloseRequest();
  void Activated(bool active);
  void RunModalLoop();

  Win32Application& app_;
  Form* owner_;
  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  HWND lastFocus_ = nullptr;  // restored when the form is activated again
  FormPosition position_ = FormPosition::Designed;
  int nextControlId_ = 100;
  bool shownOnce_ = false;
  bool modal_ = false;
};

}  // namespace ui
