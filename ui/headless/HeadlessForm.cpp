#include "ui/headless/HeadlessForm.h"

#include <algorithm>

#include "platform/Error.h"
#include "ui/Control.h"

namespace ui {

void HeadlessForm::Show() {
  visible_ = true;
  FocusFirst();
}

int HeadlessForm::ShowModal() {
  if (visible_) {
    throw platform::Error("Cannot make a visible window modal");
  }
  ResetModalResult();
  std::function<void(Form&)> answer;
  app_.BeginModal(*this, answer);
  visible_ = true;
  modal_ = true;
  FocusFirst();
  if (answer) {
    app_.Dispatch([&] { answer(*this); });
  }
  if (modal_) {
    ClickCloseBox();
  }
  app_.EndModal(*this);
  if (modal_) {
    modal_ = false;
    visible_ = false;
    throw platform::Error("The modal form \"" + caption_ + "\" refused to close");
  }
  return ModalResult();
}

void HeadlessForm::Close() {
  if (modal_) {
    if (ModalResult() == mrNone) {
      SetModalResult(mrCancel);  // ends the modal loop through EndModal
    } else {
      EndModal();
    }
  } else if (QueryClose()) {
    visible_ = false;
  }
}

void HeadlessForm::EndModal() {
  if (!modal_) {
    return;
  }
  if (QueryClose()) {
    modal_ = false;
    visible_ = false;
  } else {
    ResetModalResult();
  }
}

bool HeadlessForm::ClickCloseBox() {
  if (!app_.TakesInput(*this)) {
    return false;
  }
  app_.Dispatch([this] { Close(); });
  return true;
}

bool HeadlessForm::PressTab() {
  if (!app_.TakesInput(*this)) {
    return false;
  }
  std::vector<Control*> sequence = TabSequence(*this);
  std::erase_if(sequence, [](const Control* c) { return !c->Enabled(); });
  if (sequence.empty()) {
    return true;
  }
  auto at = std::find(sequence.begin(), sequence.end(), focused_);
  focused_ = (at == sequence.end() || at + 1 == sequence.end()) ? sequence.front() : *(at + 1);
  return true;
}

void HeadlessForm::FocusFirst() {
  if (focused_ != nullptr) {
    return;
  }
  for (Control* control : TabSequence(*this)) {
    if (control->Enabled()) {
      focused_ = control;
      return;
    }
  }
}

}  // namespace ui
