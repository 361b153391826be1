#pragma once
// A one-line edit of the native kit, without a length limit.

#include "ui/Edit.h"
#include "ui/win32/Win32Control.h"

namespace ui {

class Win32Edit : public Win32Control<Edit> {
 public:
  Win32Edit(Container& parent, const ui::Bounds& bounds)
      : Win32Control(parent, bounds,
                     {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE}) {
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);  // 0: as long as memory allows
  }

  std::string Text() const override { return NativeText(); }
  void SetText(const std::string& text) override { SetNativeText(text); }
};

}  // namespace ui
