#pragma once
// The application object as the program and its controls see it: the title, the message
// pump, the mouse cursor and the plain message boxes. Each widget kit provides one.

#include <string>

namespace ui {

enum class Cursor { Default, HourGlass };

class Application {
 public:
  virtual ~Application() = default;

  // The caption of every message box and the text of the task-bar entry.
  virtual const std::string& Title() const = 0;
  virtual void SetTitle(const std::string& title) = 0;

  // Processes all pending window messages once and returns.
  virtual void ProcessMessages() = 0;

  virtual Cursor GetCursor() const = 0;
  virtual void SetCursor(Cursor cursor) = 0;

  // A modal box centred on the screen, captioned with the title, one OK button, no icon.
  virtual void ShowMessage(const std::string& text) = 0;
  // The same box with a stop icon: the general error report.
  virtual void ShowError(const std::string& text) = 0;
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
