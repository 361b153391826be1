#pragma once
// A label of the wx kit: text drawn by wx itself, so that it takes mouse clicks on GTK too.

#include <wx/generic/stattextg.h>

#include <string>

#include "ui/Label.h"
#include "ui/wx/WxControl.h"

namespace ui {

class WxLabel : public WxControl<Label, wxGenericStaticText> {
 public:
  WxLabel(Container& parent, const ui::Bounds& bounds);

  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  bool Bold() const override { return bold_; }
  void SetBold(bool bold) override;

 private:
  bool bold_ = false;
};

}  // namespace ui
