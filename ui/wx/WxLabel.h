#pragma once
// A label of the wx kit: text drawn by wx itself, so that it takes mouse clicks on GTK too.
// Like the platform's labels it is as wide as its text; only the box or form it lies in cuts
// it off, at the box's inner edge.

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
  void FitToText();
  int ClipRight() const;

  bool bold_ = false;
};

}  // namespace ui
