#include "ui/headless/HeadlessApplication.h"

#include <algorithm>

#include "ui/Form.h"

namespace ui {

void HeadlessApplication::ProcessMessages() {
  ++pumpCount_;
  if (pumping_) {
    return;
  }
  pumping_ = true;
  Dispatch(OnProcessMessages);
  while (!input_.empty()) {
    std::function<void()> input = std::move(input_.front());
    input_.pop_front();
    Dispatch(input);
  }
  pumping_ = false;
}

void HeadlessApplication::Run(Form& mainForm) {
  mainForm.Show();
  ProcessMessages();
  if (mainForm.Visible()) {
    Dispatch([&mainForm] { mainForm.Close(); });
  }
}

void HeadlessApplication::ShowMessage(const std::string& text) {
  Record(text, MessageIcon::None);
}

void HeadlessApplication::ShowError(const std::string& text) {
  Record(text, MessageIcon::Stop);
}

void HeadlessApplication::Record(const std::string& text, MessageIcon icon) {
  messages_.push_back({title_, text, icon});
  if (OnMessageBox) {
    OnMessageBox(messages_.back());
  }
}

void HeadlessApplication::Post(std::function<void()> input) {
  input_.push_back(std::move(input));
}

void HeadlessApplication::ExpectModal(std::function<void(Form&)> answer) {
  modalAnswers_.push_back(std::move(answer));
}

void HeadlessApplication::BeginModal(Form& form, std::function<void(Form&)>& answer) {
  modalForms_.push_back(&form);
  if (!modalAnswers_.empty()) {
    answer = std::move(modalAnswers_.front());
    modalAnswers_.pop_front();
  }
}

void HeadlessApplication::EndModal(Form& form) {
  std::erase(modalForms_, &form);
}

bool HeadlessApplication::TakesInput(const Form& form) const {
  return form.Visible() && (modalForms_.empty() || modalForms_.back() == &form);
}

}  // namespace ui
