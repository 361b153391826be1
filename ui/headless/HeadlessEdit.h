#pragma once
// A headless one-line edit: its text, and the user's typing.

#include <string>

#include "ui/Edit.h"
#include "ui/headless/HeadlessControl.h"

namespace ui {

class HeadlessEdit : public HeadlessControl<Edit> {
 public:
  using HeadlessControl::HeadlessControl;

  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

  // The user replaces the whole text; returns whether the input reached the edit.
  bool Type(const std::string& text) {
    return Input([this, &text] { text_ = text; });
  }

 private:
  std::string text_;
};

}  // namespace ui
