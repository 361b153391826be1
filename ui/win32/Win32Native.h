#pragma once
// What the kit's form needs of each native child window: the window itself, and the
// notifications that Windows sends to the form about it (commands, WM_NOTIFY, owner drawing),
// handed back to the control they concern. Only the kit's own files include this.

#include "platform/win32/WinApi.h"
// after WinApi.h, which it needs
#include <commctrl.h>

namespace ui {

class Win32Native {
 public:
  virtual ~Win32Native() = default;

  virtual HWND Handle() const = 0;
  // WM_COMMAND with the control's notification code (BN_CLICKED, CBN_SELCHANGE, ...).
  virtual void Command(int /*code*/) {}
  // WM_NOTIFY; true when handled, with the answer in `result`.
  virtual bool Notify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // WM_DRAWITEM of an owner-drawn control.
  virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // The form is about to be shown: controls whose window comes into being when first seen
  // create it now.
  virtual void FormShowing() {}

  // The control behind a native child window, or none.
  static Win32Native* Of(HWND window);

 protected:
  // Ties `window` to this control for Of.
  void Attach(HWND window);
  static void Detach(HWND window);
};

}  // namespace ui
