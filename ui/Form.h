#pragma once
// A window with a fixed dialog frame (not resizable, no minimise or maximise box) that holds
// controls at fixed positions. A form without an owner is a main window; a form with an owner
// can be shown modally over it.
//
// Closing: a close request (Close, the close box, the system) first asks OnCloseQuery, which
// may refuse; when closing goes on, OnClose runs and the form hides. A modal form then ends
// its modal loop with ModalResult, which Close sets to Cancel when nothing else was set.

#include <functional>
#include <string>

#include "ui/Bounds.h"
#include "ui/Container.h"
#include "ui/Icon.h"

namespace ui {

enum class FormPosition {
  Designed,         // where it was placed
  ScreenCenter,     // centred on the screen when first shown
  OwnerFormCenter,  // centred over its owner when shown
};

enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

class Form : public Container {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual Size ClientSize() const = 0;
  virtual void SetClientSize(const Size& size) = 0;
  virtual FormPosition Position() const = 0;
  virtual void SetPosition(FormPosition position) = 0;
  virtual void SetIcon(const Icon& icon) = 0;
  virtual Form* Owner() const = 0;

  virtual bool Visible() const = 0;
  // Shows the form; the first control in tab order takes the focus when none has it.
  virtual void Show() = 0;
  // Shows the form, disables the other windows of the application and returns when the
  // form has closed, with its ModalResult.
  virtual int ShowModal() = 0;
  // A close request, as by the close box.
  virtual void Close() = 0;

  int ModalResult() const { return modalResult_; }
  // A result other than mrNone closes a modal form, as Close does.
  void SetModalResult(int result);

  Form& OwningForm() override { return *this; }

  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void()> OnClose;

 protected:
  Form() = default;
  // Runs OnCloseQuery and, when it allows closing, OnClose; returns whether to close.
  bool QueryClose();
  // Called by SetModalResult when a modal form should close.
  virtual void EndModal() = 0;
  void ResetModalResult() { modalResult_ = mrNone; }

 private:
  int modalResult_ = mrNone;
};

}  // namespace ui
