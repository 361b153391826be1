#include "ui/wx/WxApplication.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/msgdlg.h>
// after msgdlg.h, which it needs
#include <wx/generic/msgdlgg.h>
#include <wx/utils.h>

#include "ui/Form.h"
#include "ui/wx/WxEndRequest.h"
#include "ui/wx/WxForm.h"
#include "ui/wx/WxText.h"

namespace ui {

namespace {

// A lone carriage return breaks the line on the platform the texts come from; GTK labels
// only break at line feeds.
std::string LineBreaksForDisplay(const std::string& text) {
  std::string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    bool loneReturn = text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
    shown += loneReturn ? '\n' : text[i];
  }
  return shown;
}

}  // namespace

void WxApplication::SetTitle(const std::string& title) {
  title_ = title;
  wxTheApp->SetAppDisplayName(ToWx(title));
}

void WxApplication::ProcessMessages() {
  if (pumping_) {
    return;
  }
  pumping_ = true;
  if (wxEventLoopBase* active = wxEventLoopBase::GetActive()) {
    active->YieldFor(wxEVT_CATEGORY_ALL);
  } else {
    // Before the main loop runs (a window's creation handler) there is no loop to yield.
    wxGUIEventLoop loop;
    wxEventLoopActivator activate(&loop);
    loop.YieldFor(wxEVT_CATEGORY_ALL);
  }
  pumping_ = false;
}

void WxApplication::Run(Form& mainForm) {
  mainForm_ = &mainForm;
  mainForm.Show();
  if (!mainForm.Visible()) {
    return;
  }
  running_ = true;
  WxEndRequest endRequest(mainForm);
  wxTheApp->OnRun();
  running_ = false;
}

void WxApplication::MainFormClosed(const WxForm& form) {
  if (&form == mainForm_ && running_) {
    wxTheApp->ExitMainLoop();
  }
}

void WxApplication::SetCursor(Cursor cursor) {
  if (cursor == cursor_) {
    return;
  }
  cursor_ = cursor;
  if (cursor == Cursor::HourGlass) {
    wxBeginBusyCursor();
  } else {
    wxEndBusyCursor();
  }
}

// No icon flag at all: the generic box then draws none (wxICON_NONE is for native boxes only).
void WxApplication::ShowMessage(const std::string& text) {
  ShowBox(text, 0);
}

void WxApplication::ShowError(const std::string& text) {
  ShowBox(text, wxICON_ERROR);
}

void WxApplication::ShowBox(const std::string& text, long iconStyle) {
  // wx draws the box itself: GTK's own message dialog goes where the window manager puts it,
  // and without one that is the screen's top-left corner. Without a parent the box centres on
  // the screen; wx would otherwise adopt the active window and centre on that.
  wxGenericMessageDialog box(nullptr, ToWx(LineBreaksForDisplay(text)), ToWx(title_),
                             wxOK | wxCENTRE | wxDIALOG_NO_PARENT | iconStyle);
  box.ShowModal();
}

}  // namespace ui
