#pragma once
// A form of the wx kit: a frame (main window) or a dialog (owned form) with a fixed dialog
// border and a client panel in the button-face colour that holds every control at its pixel
// position, group-box members included.

#include <wx/event.h>

#include <string>

#include "ui/Form.h"
#include "ui/wx/WxApplication.h"

class wxCloseEvent;
class wxDialog;
class wxPanel;
class wxTopLevelWindow;
class wxWindow;

namespace ui {

class WxForm : public Form {
 public:
  WxForm(WxApplication& app, Form* owner);
  ~WxForm() override;

  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  Size ClientSize() const override;
  void SetClientSize(const Size& size) override;
  FormPosition Position() const override { return position_; }
  void SetPosition(FormPosition position) override { position_ = position; }
  void SetIcon(const Icon& icon) override;
  Form* Owner() const override { return owner_; }

  bool Visible() const override;
  void Show() override;
  int ShowModal() override;
  void Close() override;

  // The native windows: the frame or dialog, and the panel that controls are placed on.
  wxTopLevelWindow* Window() const { return window_; }
  wxPanel* Client() const { return client_; }
  WxApplication& App() const { return app_; }

 protected:
  void EndModal() override;

 private:
  void PrepareShow();
  void ApplyTabOrder();
  void FocusFirst();
  bool CloseRequest();
  void OnCloseWindow(wxCloseEvent& event);

  WxApplication& app_;
  Form* owner_;
  wxTopLevelWindow* window_;
  wxDialog* dialog_ = nullptr;
  wxPanel* client_;
  FormPosition position_ = FormPosition::Designed;
  bool shownOnce_ = false;
  bool modal_ = false;
};

}  // namespace ui
