#include "ui/wx/WxDisplayLoss.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <utility>

namespace ui {
namespace {

std::function<void()> cleanup;
XIOErrorHandler previous = nullptr;

int OnDisplayLost(Display*) {
  std::fputs("sheafmill: the connection to the display was lost\n", stderr);
  if (cleanup) cleanup();
  ::_exit(1);
}

}  // namespace

WxDisplayLoss::WxDisplayLoss(std::function<void()> lastCleanup) {
  cleanup = std::move(lastCleanup);
  previous = XSetIOErrorHandler(OnDisplayLost);
}

WxDisplayLoss::~WxDisplayLoss() {
  XSetIOErrorHandler(previous);
  cleanup = nullptr;
}

}  // namespace ui
