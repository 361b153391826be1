#include "ui/headless/HeadlessForm.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "ui/headless/HeadlessButton.h"
#include "ui/headless/HeadlessCheckBox.h"
#include "ui/headless/HeadlessEdit.h"
#include "ui/headless/HeadlessKit.h"

namespace {

class HeadlessFormTest : public ::testing::Test {
 protected:
  ui::HeadlessKit kit;
  std::unique_ptr<ui::Form> main = kit.CreateForm(nullptr);

  ui::HeadlessForm& Main() { return static_cast<ui::HeadlessForm&>(*main); }
};

TEST_F(HeadlessFormTest, CloseAsksTheCloseQueryFirstAndClosesOnlyWhenAllowed) {
  bool allow = false;
  std::vector<std::string> calls;
  main->OnCloseQuery = [&](bool& canClose) {
    calls.push_back("query");
    canClose = allow;
  };
  main->OnClose = [&] { calls.push_back("close"); };
  main->Show();

  main->Close();
  EXPECT_TRUE(main->Visible());
  allow = true;
  EXPECT_TRUE(Main().ClickCloseBox());
  EXPECT_FALSE(main->Visible());
  EXPECT_EQ(calls, (std::vector<std::string>{"query", "query", "close"}));
}

TEST_F(HeadlessFormTest, ShowingFocusesTheFirstControlInTabOrderAndTabMovesOn) {
  auto later = kit.CreateButton(*main, {0, 0, 75, 25});
  auto first = kit.CreateButton(*main, {0, 30, 75, 25});
  auto disabled = kit.CreateEdit(*main, {0, 60, 75, 21});
  later->SetTabOrder(2);
  first->SetTabOrder(0);
  disabled->SetTabOrder(1);
  disabled->SetEnabled(false);

  main->Show();
  EXPECT_TRUE(first->Focused());
  EXPECT_TRUE(Main().PressTab());
  EXPECT_TRUE(later->Focused());  // the disabled edit is skipped
  EXPECT_TRUE(Main().PressTab());
  EXPECT_TRUE(first->Focused());
}

TEST_F(HeadlessFormTest, AModalFormRunsTheAnswerAndReturnsItsResult) {
  auto dialog = kit.CreateForm(main.get());
  auto ok = kit.CreateButton(*dialog, {0, 0, 75, 25});
  auto edit = kit.CreateEdit(*dialog, {0, 30, 75, 21});
  ok->OnClick = [&] { dialog->SetModalResult(ui::mrOk); };
  auto mainButton = kit.CreateButton(*main, {0, 0, 75, 25});
  int mainClicks = 0;
  mainButton->OnClick = [&] { ++mainClicks; };
  main->Show();

  kit.App().ExpectModal([&](ui::Form& shown) {
    EXPECT_EQ(&shown, dialog.get());
    EXPECT_TRUE(static_cast<ui::HeadlessEdit&>(*edit).Type("typed"));
    // The modal form blocks input to its owner.
    EXPECT_FALSE(static_cast<ui::HeadlessButton&>(*mainButton).Click());
    EXPECT_TRUE(static_cast<ui::HeadlessButton&>(*ok).Click());
  });
  EXPECT_EQ(dialog->ShowModal(), ui::mrOk);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(edit->Text(), "typed");
  EXPECT_EQ(mainClicks, 0);
  EXPECT_TRUE(static_cast<ui::HeadlessButton&>(*mainButton).Click());
  EXPECT_EQ(mainClicks, 1);
}

TEST_F(HeadlessFormTest, AModalFormWithoutAnAnswerIsClosedByItsCloseBox) {
  auto dialog = kit.CreateForm(main.get());
  int closes = 0;
  dialog->OnClose = [&] { ++closes; };
  EXPECT_EQ(dialog->ShowModal(), ui::mrCancel);
  EXPECT_EQ(closes, 1);
  // A second showing starts from no result again.
  kit.App().ExpectModal([&](ui::Form& shown) { shown.SetModalResult(ui::mrOk); });
  EXPECT_EQ(dialog->ShowModal(), ui::mrOk);
}

TEST_F(HeadlessFormTest, AModalFormThatRefusesToCloseIsAnErrorNotAHang) {
  auto dialog = kit.CreateForm(main.get());
  dialog->OnCloseQuery = [](bool& canClose) { canClose = false; };
  dialog->SetCaption("Stubborn");
  EXPECT_THROW(dialog->ShowModal(), platform::Error);
  EXPECT_FALSE(dialog->Visible());
}

TEST_F(HeadlessFormTest, ShowingAVisibleFormModallyIsRefused) {
  auto dialog = kit.CreateForm(main.get());
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), platform::Error);
}

}  // namespace
