#include "ui/wx/WxEndRequest.h"

#include <signal.h>

namespace ui {
namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP};
constexpr int kCheckMs = 100;

volatile sig_atomic_t endRequested = 0;

void OnEndSignal(int) {
  endRequested = 1;
}

void Handle(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kEndSignals) ::sigaction(signal, &action, nullptr);
}

}  // namespace

WxEndRequest::WxEndRequest(Form& mainForm) : mainForm_(mainForm) {
  endRequested = 0;
  Handle(OnEndSignal);
  Start(kCheckMs);
}

WxEndRequest::~WxEndRequest() {
  Stop();
  Handle(SIG_DFL);
}

void WxEndRequest::Notify() {
  if (endRequested == 0) return;
  // One close request per signal: a form that asks to finish first is not asked again.
  endRequested = 0;
  mainForm_.Close();
}

}  // namespace ui
