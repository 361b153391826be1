// The Advanced Options dialog on the wx kit: every control where the design puts it with its
// caption readable in the dialog font, a screenshot, and the modal exchange played by a user
// with mouse and keyboard.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

#include <filesystem>
#include <functional>

#include "options/AdvancedOptions.h"
#include "platform/driver/DriverNames.h"
#include "tests/support/TempDir.h"
#include "tests/support/wx/WxTestKit.h"
#include "ui/wx/WxForm.h"
#include "ui/wx/WxLabel.h"
#include "ui/wx/WxNative.h"

namespace {

namespace fs = std::filesystem;
using platform::RegValue;
using testsupport::WxSettle;
using testsupport::WxTestKit;

constexpr char kKey[] = "\\Software\\Quillby\\Varnel";

class OptionUnitGuiTest : public ::testing::Test {
 protected:
  OptionUnitGuiTest() {
    kit.App().SetTitle("Sheafmill");
    store.CreateKey(kKey);
    store.SetValue(kKey, "Title", RegValue::String("Quarterly report"));
    store.SetValue(kKey, "EmbedNum", RegValue::Dword(2));
    mainWindow->SetClientSize({659, 446});
    mainWindow->SetPosition(ui::FormPosition::ScreenCenter);
    mainWindow->Show();
    WxSettle();
  }
  ~OptionUnitGuiTest() override {
    mainWindow->Close();
    WxSettle();
  }
  TOptionsState State() {
    return {DocTitle, DocSubject, DocAuthor, DocKeywords, OverwriteMode, IsWow64};
  }
  static wxWindow* Native(const ui::Control& control) {
    return dynamic_cast<const ui::WxNative&>(control).NativeWindow();
  }

  ui::WxKit& kit = WxTestKit();
  testsupport::TempDir temp;
  platform::RegistryStore store{temp.MakeDir("profile")};
  platform::FileSystem files{platform::DriveMap{{'C', temp.MakeDir("c")}}, temp.Path() / "c"};
  platform::Shell shell{files, temp.MakeDir("programs")};
  std::unique_ptr<ui::Form> mainWindow = kit.CreateForm(nullptr);
  std::string DocTitle, DocSubject, DocAuthor, DocKeywords;
  int32_t OverwriteMode = 3;
  bool IsWow64 = false;
};

TEST_F(OptionUnitGuiTest, TheDialogShowsItsControlsAsDesignedOverTheMainWindow) {
  TForm2 dialog(kit, *mainWindow, store, shell, State());
  dialog.Edit1->SetText("Quarterly report");
  dialog.Window().Show();
  WxSettle(20);

  const auto& window = static_cast<ui::WxForm&>(dialog.Window());
  EXPECT_EQ(dialog.Window().ClientSize(), (ui::Size{402, 224}));
  const wxRect owner = static_cast<ui::WxForm&>(*mainWindow).Window()->GetScreenRect();
  const wxRect frame = window.Window()->GetScreenRect();
  EXPECT_NEAR(frame.x + frame.width / 2, owner.x + owner.width / 2, 2);
  EXPECT_NEAR(frame.y + frame.height / 2, owner.y + owner.height / 2, 2);
  EXPECT_TRUE(dialog.Edit1->Focused());
  EXPECT_EQ(dialog.Label5->Caption(),
            "***2 font(s) embedded***. If you wish to embed fonts, click the button.");

  const ui::Control* captioned[] = {
      dialog.Label2.get(),    dialog.Label1.get(),  dialog.Label3.get(),  dialog.Label4.get(),
      dialog.CheckBox1.get(), dialog.Button3.get(), dialog.Button1.get(), dialog.Button2.get()};
  for (const ui::Control* control : captioned) {
    SCOPED_TRACE(control->Name());
    wxWindow* native = Native(*control);
    EXPECT_TRUE(native->IsShown());
    const ui::Bounds bounds = control->Bounds();
    const wxRect rect = native->GetRect();
    EXPECT_EQ((ui::Bounds{rect.x, rect.y, rect.width, rect.height}), bounds);
    EXPECT_EQ(native->GetFont().GetPointSize(), 8);
    // The check box's caption follows its 13-pixel box and gap.
    const int room = bounds.width - (control == dialog.CheckBox1.get() ? 17 : 0);
    EXPECT_LE(native->GetTextExtent(native->GetLabel()).x, room) << "caption too wide";
  }
  // The note is designed for its text at creation; a count may run a pixel over, and the
  // label grows with its text as on the platform.
  auto* note = static_cast<ui::WxLabel&>(*dialog.Label5).Window();
  EXPECT_EQ(dialog.Label5->Bounds(),
            (ui::Bounds{43, 146, note->GetTextExtent(note->GetLabelText()).x, 13}));
  EXPECT_LE(
      Native(*dialog.Label5)
          ->GetTextExtent("***No Fonts Embeded***. If you wish to embed fonts, click the button.")
          .x,
      326);
  EXPECT_EQ(Native(*dialog.Label4)->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
  EXPECT_EQ(Native(*dialog.CheckBox1)->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
  EXPECT_EQ(Native(*dialog.Label5)->GetFont().GetWeight(), wxFONTWEIGHT_NORMAL);

  wxWindow* client = window.Client();
  const wxSize size = client->GetClientSize();
  wxBitmap shot(size);
  {
    wxScreenDC screen;
    wxMemoryDC memory(shot);
    const wxPoint origin = client->ClientToScreen(wxPoint(0, 0));
    memory.Blit(0, 0, size.x, size.y, &screen, origin.x, origin.y);
  }
  const fs::path file = fs::path(SHEAFMILL_SCREENSHOT_DIR) / "sheafmill-options-dialog.png";
  fs::create_directories(file.parent_path());
  EXPECT_TRUE(shot.SaveFile(file.string(), wxBITMAP_TYPE_PNG));
  dialog.Window().Close();
  WxSettle();
}

// The options dialog while it is shown modally; none before.
wxDialog* ShownOptionsDialog() {
  for (wxWindow* window : wxTopLevelWindows) {
    auto* dialog = dynamic_cast<wxDialog*>(window);
    if (dialog != nullptr && dialog->IsModal() && dialog->GetTitle() == "Advanced Options") {
      return dialog;
    }
  }
  return nullptr;
}

TEST_F(OptionUnitGuiTest, AUserTypesATitleUnticksTheBoxAndPressesOk) {
  wxUIActionSimulator user;
  auto click = [&](wxWindow* dialog, const char* name, int x) {
    wxWindow* control = wxWindow::FindWindowByName(name, dialog);
    ASSERT_NE(control, nullptr) << name;
    user.MouseMove(control->ClientToScreen(wxPoint(x, control->GetSize().y / 2)));
    user.MouseClick();
    WxSettle(5);
  };
  // The user's part, played inside the dialog's modal loop once the dialog is up.
  bool played = false;
  std::function<void()> play = [&] {
    wxDialog* dialog = ShownOptionsDialog();
    if (dialog == nullptr) {
      wxTheApp->CallAfter(play);
      return;
    }
    WxSettle(10);
    // Into the title edit, right of its text: the caret goes to the end.
    click(dialog, "Edit1", 290);
    user.Text(" 2026");
    WxSettle(5);
    click(dialog, "CheckBox1", 7);
    played = true;
    click(dialog, "Button1", 20);
  };
  wxTheApp->CallAfter(play);
  // A dialog still open after a while is closed, so that a missed click fails the test
  // instead of hanging it.
  wxTimer guard;
  guard.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
    ADD_FAILURE() << "the dialog did not close";
    if (wxDialog* dialog = ShownOptionsDialog()) dialog->EndModal(wxID_CANCEL);
  });
  guard.StartOnce(10000);

  ShowAdvancedOptions(kit, *mainWindow, store, shell, State());
  guard.Stop();
  EXPECT_TRUE(played);
  EXPECT_EQ(DocTitle, "Quarterly report 2026");
  EXPECT_EQ(OverwriteMode, 1);
  EXPECT_EQ(store.GetValue(kKey, "Title"), RegValue::String("Quarterly report 2026"));
  EXPECT_EQ(store.GetValue(kKey, "AutomaticOutput"), RegValue::Dword(1));
}

}  // namespace
