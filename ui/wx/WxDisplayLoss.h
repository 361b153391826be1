#pragma once
// Xlib ends the process when the connection to the X display breaks (the X server ended, the
// session was closed) and first calls a handler. While an object of this class lives, that
// handler runs the program's last cleanup and ends the process with exit status 1, before any
// ordinary shutdown, which would reach for the display that is gone.

#include <functional>

namespace ui {

class WxDisplayLoss {
 public:
  explicit WxDisplayLoss(std::function<void()> lastCleanup);
  // Restores the handler it found.
  ~WxDisplayLoss();
  WxDisplayLoss(const WxDisplayLoss&) = delete;
  WxDisplayLoss& operator=(const WxDisplayLoss&) = delete;
};

}  // namespace ui
