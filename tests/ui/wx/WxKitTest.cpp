#include "ui/wx/WxKit.h"

#include <gtest/gtest.h>
#include <wx/display.h>
#include <wx/msgdlg.h>
// after msgdlg.h, which it needs
#include <wx/generic/msgdlgg.h>
#include <wx/testing.h>
#include <wx/uiaction.h>

#include <csignal>
#include <stdexcept>

#include "tests/support/wx/WxTestKit.h"
#include "ui/wx/WxButton.h"
#include "ui/wx/WxCheckBox.h"
#include "ui/wx/WxEdit.h"
#include "ui/wx/WxForm.h"
#include "ui/wx/WxGroupBox.h"
#include "ui/wx/WxLabel.h"

namespace {

using testsupport::WxSettle;
using testsupport::WxTestKit;

// A message box answered with OK after its text, caption and style were noted.
class ExpectBox : public wxExpectModalBase<wxGenericMessageDialog, ExpectBox> {
 public:
  ExpectBox(std::string& text, std::string& caption, long& style)
      : text_(text), caption_(caption), style_(style) {}

 protected:
  int OnInvoked(wxGenericMessageDialog* box) const override {
    text_ = ui::FromWx(box->GetMessage());
    caption_ = ui::FromWx(box->GetTitle());
    style_ = box->GetMessageDialogStyle();
    return wxID_OK;
  }

 private:
  std::string& text_;
  std::string& caption_;
  long& style_;
};

class WxKitTest : public ::testing::Test {
 protected:
  ui::WxKit& kit = WxTestKit();
  std::unique_ptr<ui::Form> form = kit.CreateForm(nullptr);

  ui::WxForm& Form() { return static_cast<ui::WxForm&>(*form); }
};

TEST_F(WxKitTest, AMainFormHasAFixedFrameOfTheClientSizeCentredOnTheScreen) {
  form->SetCaption("Größe");
  form->SetClientSize({659, 446});
  form->SetPosition(ui::FormPosition::ScreenCenter);
  form->Show();
  WxSettle();

  EXPECT_EQ(form->Caption(), "Größe");
  EXPECT_EQ(form->ClientSize(), (ui::Size{659, 446}));
  long style = Form().Window()->GetWindowStyleFlag();
  EXPECT_FALSE(style & wxRESIZE_BORDER);
  EXPECT_FALSE(style & wxMAXIMIZE_BOX);
  EXPECT_FALSE(style & wxMINIMIZE_BOX);
  EXPECT_EQ(Form().Window()->GetMinSize(), Form().Window()->GetMaxSize());
  wxRect screen = wxDisplay(Form().Window()).GetGeometry();
  wxRect frame = Form().Window()->GetScreenRect();
  EXPECT_NEAR(frame.x + frame.width / 2, screen.x + screen.width / 2, 2);
  EXPECT_NEAR(frame.y + frame.height / 2, screen.y + screen.height / 2, 2);
}

TEST_F(WxKitTest, ControlsStandAtTheirBoundsWithTheirCaptions) {
  auto box = kit.CreateGroupBox(*form, {8, 8, 209, 185});
  auto check = kit.CreateCheckBox(*box, {16, 144, 177, 17});
  auto label = kit.CreateLabel(*form, {24, 376, 146, 13});
  auto button = kit.CreateButton(*form, {44, 248, 129, 25});
  auto edit = kit.CreateEdit(*form, {72, 24, 297, 21});
  box->SetCaption("File Format");
  box->SetBold(true);
  check->SetCaption("Web Pages (.HTM, .HTML)");
  label->SetCaption("a & b");
  button->SetCaption("Convert");
  edit->SetText("Ünïcode");
  form->SetClientSize({659, 446});
  form->Show();
  WxSettle();

  EXPECT_EQ(box->Bounds(), (ui::Bounds{8, 8, 209, 185}));
  EXPECT_EQ(check->Bounds(), (ui::Bounds{16, 144, 177, 17}));
  auto* labelWindow = static_cast<ui::WxLabel&>(*label).Window();
  int labelWidth = labelWindow->GetTextExtent(labelWindow->GetLabelText()).x;
  EXPECT_EQ(label->Bounds(), (ui::Bounds{24, 376, labelWidth, 13}));  // as wide as its text
  EXPECT_EQ(button->Bounds(), (ui::Bounds{44, 248, 129, 25}));
  EXPECT_EQ(edit->Bounds(), (ui::Bounds{72, 24, 297, 21}));
  EXPECT_EQ(box->Caption(), "File Format");
  EXPECT_EQ(label->Caption(), "a & b");
  EXPECT_EQ(edit->Text(), "Ünïcode");
  EXPECT_TRUE(static_cast<ui::WxGroupBox&>(*box).Window()->GetFont().GetWeight() ==
              wxFONTWEIGHT_BOLD);
  EXPECT_EQ(static_cast<ui::WxLabel&>(*label).Window()->GetFont().GetPointSize(), 8);
}

TEST_F(WxKitTest, TheFirstControlInTabOrderTakesTheFocusAndTabFollowsTheOrder) {
  auto later = kit.CreateButton(*form, {10, 10, 75, 25});
  auto box = kit.CreateGroupBox(*form, {100, 10, 100, 100});
  auto inBox = kit.CreateButton(*box, {110, 30, 75, 25});
  auto first = kit.CreateButton(*form, {10, 50, 75, 25});
  later->SetTabOrder(2);
  box->SetTabOrder(1);
  first->SetTabOrder(0);
  form->SetClientSize({300, 200});
  form->Show();
  WxSettle();
  EXPECT_TRUE(first->Focused());

  wxWindowList& order = Form().Client()->GetChildren();
  std::vector<wxWindow*> buttons;
  for (wxWindow* child : order) {
    if (child->AcceptsFocus()) {
      buttons.push_back(child);
    }
  }
  EXPECT_EQ(buttons, (std::vector<wxWindow*>{static_cast<ui::WxButton&>(*first).Window(),
                                             static_cast<ui::WxButton&>(*inBox).Window(),
                                             static_cast<ui::WxButton&>(*later).Window()}));
}

TEST_F(WxKitTest, AFormWhoseFirstControlComesFirstInTabOrderShowsAsIs) {
  auto first = kit.CreateEdit(*form, {10, 10, 100, 21});
  auto second = kit.CreateEdit(*form, {10, 40, 100, 21});
  second->SetTabOrder(1);
  form->Show();
  WxSettle();
  EXPECT_TRUE(first->Focused());
}

TEST_F(WxKitTest, AUserClickTogglesACheckBoxAndRaisesOnClickButCodeDoesNot) {
  auto check = kit.CreateCheckBox(*form, {20, 20, 185, 17});
  check->SetCaption("Microsoft Word (.DOC)");
  std::vector<bool> seen;
  check->OnClick = [&] { seen.push_back(check->Checked()); };
  check->SetChecked(true);
  form->SetClientSize({300, 100});
  form->Show();
  WxSettle();

  wxUIActionSimulator user;
  wxWindow* native = static_cast<ui::WxCheckBox&>(*check).Window();
  user.MouseMove(native->ClientToScreen(wxPoint(6, 8)));
  user.MouseClick();
  WxSettle(30);
  EXPECT_EQ(seen, (std::vector<bool>{false}));
}

TEST_F(WxKitTest, ALabelTakesMouseClicks) {
  auto label = kit.CreateLabel(*form, {20, 20, 150, 13});
  label->SetCaption("Quillby Software");
  int clicks = 0;
  label->OnClick = [&] { ++clicks; };
  form->SetClientSize({300, 100});
  form->Show();
  WxSettle();

  wxUIActionSimulator user;
  user.MouseMove(static_cast<ui::WxLabel&>(*label).Window()->ClientToScreen(wxPoint(10, 6)));
  user.MouseClick();
  WxSettle(30);
  EXPECT_EQ(clicks, 1);
}

TEST_F(WxKitTest, AnErrorInAButtonHandlerGoesToTheErrorReport) {
  kit.App().SetTitle("Sheafmill");
  auto button = kit.CreateButton(*form, {20, 20, 75, 25});
  button->OnClick = [] { throw std::runtime_error("Printer on fire"); };
  form->Show();
  std::string text, caption;
  long style = 0;
  ExpectBox expect(text, caption, style);
  wxTEST_DIALOG(
      {
        wxCommandEvent press(wxEVT_BUTTON, static_cast<ui::WxButton&>(*button).Window()->GetId());
        press.SetEventObject(static_cast<ui::WxButton&>(*button).Window());
        static_cast<ui::WxButton&>(*button).Window()->ProcessWindowEvent(press);
      },
      expect);
  EXPECT_EQ(text, "Printer on fire.");
  EXPECT_EQ(caption, "Sheafmill");
  EXPECT_TRUE(style & wxICON_ERROR);
}

TEST_F(WxKitTest, APlainMessageHasNoIconAndBreaksTheLineAtACarriageReturn) {
  kit.App().SetTitle("Sheafmill");
  std::string text, caption;
  long style = 0;
  ExpectBox expect(text, caption, style);
  wxTEST_DIALOG(kit.App().ShowMessage("First line!\rSecond line."), expect);
  EXPECT_EQ(text, "First line!\nSecond line.");
  EXPECT_EQ(caption, "Sheafmill");
  EXPECT_FALSE(style & wxICON_MASK);
}

TEST_F(WxKitTest, AMessageBoxIsModalAndCentredOnTheScreenNotOnTheActiveWindow) {
  form->SetClientSize({300, 200});
  Form().Window()->Move(0, 0);
  form->Show();
  WxSettle();
  wxRect box;
  bool modal = false;
  Form().Window()->CallAfter([&] {
    for (wxWindow* window : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<wxGenericMessageDialog*>(window);
      if (dialog != nullptr && dialog->IsModal()) {
        box = dialog->GetScreenRect();
        modal = true;
        dialog->EndModal(wxID_OK);
      }
    }
  });
  kit.App().ShowMessage("Centred?");
  ASSERT_TRUE(modal);
  wxRect screen = wxDisplay(0u).GetGeometry();
  EXPECT_NEAR(box.x + box.width / 2, screen.width / 2, 2);
  EXPECT_NEAR(box.y + box.height / 2, screen.height / 2, 2);
}

TEST_F(WxKitTest, AModalFormRunsUntilAButtonSetsTheResultAndAsksItsCloseQuery) {
  form->Show();
  auto dialog = kit.CreateForm(form.get());
  dialog->SetClientSize({402, 224});
  dialog->SetPosition(ui::FormPosition::OwnerFormCenter);
  auto ok = kit.CreateButton(*dialog, {96, 192, 75, 25});
  ok->OnClick = [&] { dialog->SetModalResult(ui::mrOk); };
  int queries = 0;
  dialog->OnCloseQuery = [&](bool& canClose) { canClose = ++queries > 1; };
  wxButton* native = static_cast<ui::WxButton&>(*ok).Window();
  auto press = [native] {
    wxCommandEvent event(wxEVT_BUTTON, native->GetId());
    event.SetEventObject(native);
    native->ProcessWindowEvent(event);
  };
  native->CallAfter([&] {
    EXPECT_TRUE(dialog->Visible());
    press();  // refused by the close query: the form stays
    EXPECT_EQ(dialog->ModalResult(), ui::mrNone);
    press();
  });
  EXPECT_EQ(dialog->ShowModal(), ui::mrOk);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(queries, 2);
}

TEST_F(WxKitTest, TheMessagePumpDeliversQueuedEventsAndDoesNotReenter) {
  int delivered = 0;
  int nestedPumps = 0;
  form->Show();
  Form().Window()->CallAfter([&] {
    ++delivered;
    kit.App().ProcessMessages();  // inside the pump: returns at once
    ++nestedPumps;
  });
  kit.App().ProcessMessages();
  EXPECT_EQ(delivered, 1);
  EXPECT_EQ(nestedPumps, 1);
}

TEST_F(WxKitTest, CloseHidesTheMainFormAfterItsHandlers) {
  std::vector<std::string> calls;
  form->OnCloseQuery = [&](bool&) { calls.push_back("query"); };
  form->OnClose = [&] { calls.push_back("close"); };
  form->Show();
  WxSettle();
  bool handled = Form().Window()->Close();  // as the close box does
  EXPECT_TRUE(handled);
  EXPECT_FALSE(form->Visible());
  WxSettle();
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(calls, (std::vector<std::string>{"query", "close"}));
}

TEST_F(WxKitTest, SigtermAndSighupCloseTheMainFormAsItsCloseBoxDoes) {
  for (int signal : {SIGTERM, SIGHUP}) {
    std::unique_ptr<ui::Form> main = kit.CreateForm(nullptr);
    std::vector<std::string> calls;
    main->OnCloseQuery = [&](bool&) { calls.push_back("query"); };
    main->OnClose = [&] { calls.push_back("close"); };
    static_cast<ui::WxForm&>(*main).Window()->CallAfter([signal] { ::raise(signal); });
    kit.App().Run(*main);  // returns once the main form has closed
    EXPECT_EQ(calls, (std::vector<std::string>{"query", "close"})) << signal;
  }
}

// A dialog's handler that waits, pumping messages, while the user closes the dialog: the
// owner takes no input until the handler is done and the dialog's modal run has ended.
TEST_F(WxKitTest, TheOwnerStaysDisabledUntilAClosedDialogsHandlerIsDone) {
  form->Show();
  WxSettle();
  auto dialog = kit.CreateForm(form.get());
  dialog->SetClientSize({200, 100});
  auto wait = kit.CreateButton(*dialog, {10, 10, 75, 25});
  std::vector<bool> ownerEnabled;
  wait->OnClick = [&] {
    dialog->Close();  // the close box, while the handler still waits
    for (int i = 0; i < 5; ++i) {
      kit.App().ProcessMessages();
      ownerEnabled.push_back(Form().Window()->IsEnabled());
    }
  };
  wxButton* native = static_cast<ui::WxButton&>(*wait).Window();
  native->CallAfter([&] {
    wxCommandEvent event(wxEVT_BUTTON, native->GetId());
    event.SetEventObject(native);
    native->ProcessWindowEvent(event);
  });
  dialog->ShowModal();
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(ownerEnabled, std::vector<bool>(5, false));
  EXPECT_TRUE(Form().Window()->IsEnabled());
}

}  // namespace
