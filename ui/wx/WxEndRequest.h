#pragma once
// A request from outside to end the program, SIGTERM or SIGHUP (the session that started it
// has ended), closes the main form as its close box would, so that the form's close handlers
// run and it may finish what it is doing first. The signal handler only notes the signal; a
// timer on the main loop, which also runs while work pumps messages, acts on it.

#include <wx/timer.h>

#include "ui/Form.h"

namespace ui {

class WxEndRequest : public wxTimer {
 public:
  // Handles the signals from now on.
  explicit WxEndRequest(Form& mainForm);
  // Restores the default handling.
  ~WxEndRequest() override;
  WxEndRequest(const WxEndRequest&) = delete;
  WxEndRequest& operator=(const WxEndRequest&) = delete;

  void Notify() override;

 private:
  Form& mainForm_;
};

}  // namespace ui
