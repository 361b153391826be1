#pragma once
// A label of the native kit: a STATIC window that shows "&" as it is and reports clicks. As
// wide as its text, up to the edge of the group box it lies in.

#include "ui/Label.h"
#include "ui/win32/Win32Control.h"

namespace ui {

class Win32Label : public Win32Control<Label> {
 public:
  Win32Label(Container& parent, const ui::Bounds& bounds);

  std::string Caption() const override { return NativeText(); }
  void SetCaption(const std::string& caption) override;
  bool Bold() const override { return bold_; }
  void SetBold(bool bold) override;

  void Command(int code) override;

 private:
  void FitToText();
  int ClipRight() const;

  bool bold_ = false;
};

}  // namespace ui
