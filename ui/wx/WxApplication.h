#pragma once
// The application object of the wx kit: message boxes, the busy cursor, the message pump that
// keeps the windows painting during long work, and the main loop.

#include <string>

#include "ui/Application.h"

namespace ui {

class WxForm;

class WxApplication : public Application {
 public:
  const std::string& Title() const override { return title_; }
  void SetTitle(const std::string& title) override;

  // Delivers pending input and repaints; handlers re-enter from here.
  void ProcessMessages() override;
  void Run(Form& mainForm) override;

  Cursor GetCursor() const override { return cursor_; }
  void SetCursor(Cursor cursor) override;

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;

  // The main form has closed: the main loop ends.
  void MainFormClosed(const WxForm& form);

 private:
  void ShowBox(const std::string& text, long iconStyle);

  std::string title_;
  Cursor cursor_ = Cursor::Default;
  bool pumping_ = false;
  const Form* mainForm_ = nullptr;
  bool running_ = false;
};

}  // namespace ui
