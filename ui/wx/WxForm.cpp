#include "ui/wx/WxForm.h"

#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/icon.h>
#include <wx/panel.h>
#include <wx/utils.h>

#include "platform/Error.h"
#include "ui/Control.h"
#include "ui/wx/WxNative.h"
#include "ui/wx/WxText.h"
#include "ui/wx/WxTheme.h"

namespace ui {

namespace {

// A fixed dialog frame: a caption with the system menu and the close box, no resizing, no
// minimise or maximise box.
constexpr long kDialogFrame = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;

wxWindow* NativeOf(const Control* control) {
  const auto* native = dynamic_cast<const WxNative*>(control);
  return native != nullptr ? native->NativeWindow() : nullptr;
}

}  // namespace

WxForm::WxForm(WxApplication& app, Form* owner) : app_(app), owner_(owner) {
  if (owner == nullptr) {
    window_ =
        new wxFrame(nullptr, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, kDialogFrame);
  } else {
    wxWindow* parent = static_cast<WxForm*>(owner)->Window();
    dialog_ =
        new wxDialog(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, kDialogFrame);
    window_ = dialog_;
  }
  client_ = new wxPanel(window_, wxID_ANY);
  client_->SetBackgroundColour(WxTheme::ButtonFace());
  client_->SetFont(WxTheme::DialogFont(false));
  window_->Bind(wxEVT_CLOSE_WINDOW, &WxForm::OnCloseWindow, this);
}

WxForm::~WxForm() {
  window_->Unbind(wxEVT_CLOSE_WINDOW, &WxForm::OnCloseWindow, this);
  window_->Destroy();
}

std::string WxForm::Caption() const {
  return FromWx(window_->GetTitle());
}

void WxForm::SetCaption(const std::string& caption) {
  window_->SetTitle(ToWx(caption));
}

Size WxForm::ClientSize() const {
  wxSize size = window_->GetClientSize();
  return {size.x, size.y};
}

void WxForm::SetClientSize(const Size& size) {
  wxSize client(size.width, size.height);
  window_->SetClientSize(client);
  wxSize outer = window_->GetSize();
  window_->SetSizeHints(outer, outer);
  client_->SetSize(client);
}

void WxForm::SetIcon(const Icon& icon) {
  window_->SetIcon(wxIcon(icon.xpm));
}

bool WxForm::Visible() const {
  return window_->IsShown();
}

// GTK may hand the focus to any control while the window appears; the first showing puts it
// on the first control in tab order, a later one leaves it where the user left it.
void WxForm::Show() {
  bool first = !shownOnce_;
  PrepareShow();
  window_->Show();
  if (first) {
    FocusFirst();
  }
}

int WxForm::ShowModal() {
  if (dialog_ == nullptr) {
    throw platform::Error("A main window cannot be shown modally");
  }
  if (Visible()) {
    throw platform::Error("Cannot make a visible window modal");
  }
  PrepareShow();
  ResetModalResult();
  modal_ = true;
  dialog_->CallAfter([this] { FocusFirst(); });
  {
    // The other windows stay disabled until the dialog's handlers are done, also when the
    // dialog closed while one of them still waited (on a program it started, say).
    wxWindowDisabler othersDisabled(dialog_);
    dialog_->ShowModal();
  }
  modal_ = false;
  return ModalResult();
}

void WxForm::PrepareShow() {
  ApplyTabOrder();
  if (position_ == FormPosition::OwnerFormCenter && owner_ != nullptr) {
    window_->CentreOnParent();
  } else if (position_ == FormPosition::ScreenCenter && !shownOnce_) {
    window_->CentreOnScreen();
  }
  shownOnce_ = true;
}

void WxForm::ApplyTabOrder() {
  wxWindow* previous = nullptr;
  for (const Control* control : TabSequence(*this)) {
    wxWindow* native = NativeOf(control);
    if (native == nullptr) {
      continue;
    }
    if (previous == nullptr) {
      wxWindow* first = client_->GetChildren().GetFirst()->GetData();
      if (native != first) {
        native->MoveBeforeInTabOrder(first);
      }
    } else {
      native->MoveAfterInTabOrder(previous);
    }
    previous = native;
  }
}

void WxForm::FocusFirst() {
  for (const Control* control : TabSequence(*this)) {
    if (control->Enabled() && NativeOf(control) != nullptr) {
      NativeOf(control)->SetFocus();
      return;
    }
  }
}

void WxForm::Close() {
  CloseRequest();
}

bool WxForm::CloseRequest() {
  if (modal_) {
    if (ModalResult() == mrNone) {
      SetModalResult(mrCancel);  // ends the modal loop through EndModal
    } else {
      EndModal();
    }
    return !modal_;
  }
  if (!QueryClose()) {
    return false;
  }
  window_->Hide();
  app_.MainFormClosed(*this);
  return true;
}

void WxForm::EndModal() {
  if (!modal_ || dialog_ == nullptr) {
    return;
  }
  if (QueryClose()) {
    modal_ = false;
    dialog_->EndModal(ModalResult());
  } else {
    ResetModalResult();
  }
}

void WxForm::OnCloseWindow(wxCloseEvent& event) {
  bool closed = false;
  app_.Dispatch([&] { closed = CloseRequest(); });
  if (!closed && event.CanVeto()) {
    event.Veto();
  } else if (!closed) {
    // The session ends: the window goes whatever its handlers said.
    window_->Hide();
    app_.MainFormClosed(*this);
  }
}

}  // namespace ui
