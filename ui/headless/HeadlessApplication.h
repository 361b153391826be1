#pragma once
// The application object of the headless kit. Tests and the batch tool play the user through
// it: they queue input that the next message pump delivers, answer message boxes and modal
// forms, and read what was shown.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/Application.h"

namespace ui {

enum class MessageIcon { None, Stop };

struct MessageBoxRecord {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::None;
};

class HeadlessApplication : public Application {
 public:
  const std::string& Title() const override { return title_; }
  void SetTitle(const std::string& title) override { title_ = title; }

  // Delivers the queued input, also what is queued meanwhile, until none is left.
  void ProcessMessages() override;
  // Shows the main form, delivers the queued input and then closes the main form by its
  // close box, as a user who has nothing left to do.
  void Run(Form& mainForm) override;

  Cursor GetCursor() const override { return cursor_; }
  void SetCursor(Cursor cursor) override { cursor_ = cursor; }

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;

  // Input for the next message pump: a click, a tick, a close request.
  void Post(std::function<void()> input);
  // Runs at every message pump before the queued input is delivered: where a driver of the
  // program posts input that reached it from outside (the batch tool, an interrupt).
  std::function<void()> OnProcessMessages;
  size_t PendingInput() const { return input_.size(); }
  // How often the message pump ran.
  int PumpCount() const { return pumpCount_; }

  // Every message box shown, oldest first.
  const std::vector<MessageBoxRecord>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  // Runs while a message box is open, as the user reading it; closing it is implied.
  std::function<void(const MessageBoxRecord&)> OnMessageBox;

  // The user's part in the next modal form: it runs while the form is shown modally. A
  // form still open afterwards is closed by its close box; without an answer, at once.
  void ExpectModal(std::function<void(Form&)> answer);
  // For the forms: the modal loop's stack, and whether a form takes input now.
  void BeginModal(Form& form, std::function<void(Form&)>& answer);
  void EndModal(Form& form);
  bool TakesInput(const Form& form) const;

 private:
  void Record(const std::string& text, MessageIcon icon);

  std::string title_;
  Cursor cursor_ = Cursor::Default;
  std::deque<std::function<void()>> input_;
  bool pumping_ = false;
  int pumpCount_ = 0;
  std::vector<MessageBoxRecord> messages_;
  std::deque<std::function<void(Form&)>> modalAnswers_;
  std::vector<Form*> modalForms_;
};

}  // namespace ui
