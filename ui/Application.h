#pragma once
// The application object as the program and its controls see it: the title, the message
// pump, the main loop, the mouse cursor, the plain message boxes and the general error
// report. Each widget kit provides one.
//
// Every window handler runs through Dispatch: the kits deliver each input event (click,
// close request, selection) through it, so an error that escapes a handler is shown by the
// general error report and the program goes on.

#include <exception>
#include <functional>
#include <string>

namespace ui {

enum class Cursor { Default, HourGlass };

class Form;

class Application {
 public:
  virtual ~Application() = default;

  // The caption of every message box and the text of the task-bar entry.
  virtual const std::string& Title() const = 0;
  virtual void SetTitle(const std::string& title) = 0;

  // Processes all pending window messages once and returns. Input handlers may run inside
  // it; a call made while messages are already being processed returns at once.
  virtual void ProcessMessages() = 0;
  // Shows the main form and processes messages until it has closed.
  virtual void Run(Form& mainForm) = 0;

  virtual Cursor GetCursor() const = 0;
  virtual void SetCursor(Cursor cursor) = 0;

  // A modal box centred on the screen, captioned with the title, one OK button, no icon.
  virtual void ShowMessage(const std::string& text) = 0;
  // The same box with a stop icon: the general error report.
  virtual void ShowError(const std::string& text) = 0;

  // Runs a window handler; an error that escapes it goes to the general error report.
  void Dispatch(const std::function<void()>& handler) noexcept;
  // The general error report of one error.
  void ShowException(const std::exception_ptr& error) noexcept;
  // The report's text: the message with a full stop appended when its last character sorts
  // after ".".
  static std::string ErrorText(const std::string& message);
};

// Shows the hourglass for its lifetime and restores the cursor it found, on every path.
class BusyCursor {
 public:
  explicit BusyCursor(Application& app) : app_(app), saved_(app.GetCursor()) {
    app_.SetCursor(Cursor::HourGlass);
  }
  ~BusyCursor() { app_.SetCursor(saved_); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Application& app_;
  Cursor saved_;
};

}  // namespace ui
