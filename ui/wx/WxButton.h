#pragma once
// A push button of the wx kit.

#include <wx/button.h>

#include <string>

#include "ui/Button.h"
#include "ui/wx/WxControl.h"

namespace ui {

class WxButton : public WxControl<Button, wxButton> {
 public:
  WxButton(Container& parent, const ui::Bounds& bounds);

  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
};

}  // namespace ui
