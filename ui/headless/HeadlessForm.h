#pragma once
// A form of the headless kit: the state of a window, the focus among its controls, the close
// box and the Tab key.

#include <functional>
#include <string>

#include "ui/Form.h"
#include "ui/headless/HeadlessApplication.h"

namespace ui {

class HeadlessForm : public Form {
 public:
  HeadlessForm(HeadlessApplication& app, Form* owner) : app_(app), owner_(owner) {}

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  Size ClientSize() const override { return clientSize_; }
  void SetClientSize(const Size& size) override { clientSize_ = size; }
  FormPosition Position() const override { return position_; }
  void SetPosition(FormPosition position) override { position_ = position; }
  void SetIcon(const Icon& icon) override { icon_ = icon; }
  Form* Owner() const override { return owner_; }
  const Icon& GetIcon() const { return icon_; }

  bool Visible() const override { return visible_; }
  void Show() override;
  int ShowModal() override;
  void Close() override;
  bool Modal() const { return modal_; }

  // The user's close box; returns whether the form took the input.
  bool ClickCloseBox();
  // The user's Tab key: the focus moves to the next control in tab order.
  bool PressTab();
  Control* FocusedControl() const { return focused_; }
  void SetFocusedControl(Control* control) { focused_ = control; }
  HeadlessApplication& App() const { return app_; }

 protected:
  void EndModal() override;

 private:
  void FocusFirst();

  HeadlessApplication& app_;
  Form* owner_;
  std::string caption_;
  Size clientSize_;
  FormPosition position_ = FormPosition::Designed;
  Icon icon_;
  bool visible_ = false;
  bool modal_ = false;
  Control* focused_ = nullptr;
};

}  // namespace ui
