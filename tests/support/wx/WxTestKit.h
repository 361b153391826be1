#pragma once
// The wx kit of a gui test process, started on first use. A failed wx assertion fails the
// running test instead of opening a dialog. The kit is never ended: wx cannot start twice in
// one process, and ending it while static objects go away is not safe.

#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/image.h>

#include <cstdlib>
#include <string>

#include "ui/wx/WxKit.h"

namespace testsupport {

inline ui::WxKit& WxTestKit() {
  static ui::WxKit* kit = [] {
    std::unique_ptr<ui::WxKit> started = ui::WxKit::Start("sheafmill-tests");
    if (!started) {
      ADD_FAILURE() << "No display: the gui tests run under xvfb-run";
      std::exit(1);
    }
    wxSetAssertHandler([](const wxString& file, int line, const wxString& func,
                          const wxString& cond, const wxString& msg) {
      ADD_FAILURE_AT(file.utf8_str(), line) << "wx assertion in " << func.utf8_str() << ": "
                                            << cond.utf8_str() << " " << msg.utf8_str();
    });
    wxInitAllImageHandlers();
    return started.release();
  }();
  return *kit;
}

// Lets wx deliver what is pending (events, paints) for a little while.
inline void WxSettle(int rounds = 10) {
  for (int i = 0; i < rounds; ++i) {
    WxTestKit().App().ProcessMessages();
    wxMilliSleep(10);
  }
}

}  // namespace testsupport
