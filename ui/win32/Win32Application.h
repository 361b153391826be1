#pragma once
// The application object of the native kit: the message loop and pump, the busy cursor and
// the message boxes.

#include <string>

#include "platform/win32/WinApi.h"
#include "ui/Application.h"

namespace ui {

class Win32Form;

class Win32Application : public Application {
 public:
  const std::string& Title() const override { return title_; }
  void SetTitle(const std::string& title) override { title_ = title; }

  // Delivers every pending message once; handlers re-enter from here.
  void ProcessMessages() override;
  void Run(Form& mainForm) override;

  Cursor GetCursor() const override { return cursor_; }
  void SetCursor(Cursor cursor) override;
  // The cursor to show over the application's windows (WM_SETCURSOR).
  HCURSOR CursorHandle() const;

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;

  // Waits for and delivers one message; false when the loop has to end (WM_QUIT, which is
  // posted again for the outer loops).
  bool DeliverNext();
  // The main form has closed: the main loop ends.
  void MainFormClosed(const Win32Form& form);

 private:
  static void Deliver(MSG& message);
  void ShowBox(const std::string& text, UINT icon);

  std::string title_;
  Cursor cursor_ = Cursor::Default;
  bool pumping_ = false;
  const Win32Form* mainForm_ = nullptr;
  bool mainClosed_ = false;
};

}  // namespace ui
