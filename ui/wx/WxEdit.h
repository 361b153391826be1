#pragma once
// A one-line edit of the wx kit.

#include <wx/textctrl.h>

#include <string>

#include "ui/Edit.h"
#include "ui/wx/WxControl.h"

namespace ui {

class WxEdit : public WxControl<Edit, wxTextCtrl> {
 public:
  WxEdit(Container& parent, const ui::Bounds& bounds);

  std::string Text() const override;
  void SetText(const std::string& text) override;
};

}  // namespace ui
