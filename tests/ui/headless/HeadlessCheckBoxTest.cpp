#include "ui/headless/HeadlessCheckBox.h"

#include <gtest/gtest.h>

#include "ui/headless/HeadlessKit.h"
#include "ui/headless/HeadlessLabel.h"

namespace {

class HeadlessCheckBoxTest : public ::testing::Test {
 protected:
  ui::HeadlessKit kit;
  std::unique_ptr<ui::Form> form = kit.CreateForm(nullptr);
  std::unique_ptr<ui::CheckBox> box = kit.CreateCheckBox(*form, {16, 24, 185, 17});
  ui::HeadlessCheckBox& Box() { return static_cast<ui::HeadlessCheckBox&>(*box); }
};

TEST_F(HeadlessCheckBoxTest, AClickTogglesThenRaisesOnClickWithTheNewState) {
  std::vector<bool> seen;
  box->OnClick = [&] { seen.push_back(box->Checked()); };
  box->SetChecked(true);  // from code: no click
  form->Show();
  EXPECT_TRUE(Box().Click());
  EXPECT_TRUE(Box().Click());
  EXPECT_EQ(seen, (std::vector<bool>{false, true}));
  EXPECT_TRUE(box->Focused());
}

TEST_F(HeadlessCheckBoxTest, ADisabledBoxOrAHiddenFormTakesNoClick) {
  int clicks = 0;
  box->OnClick = [&] { ++clicks; };
  EXPECT_FALSE(Box().Click());  // form not shown
  form->Show();
  box->SetEnabled(false);
  EXPECT_FALSE(Box().Click());
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(box->Checked());
}

TEST_F(HeadlessCheckBoxTest, AnErrorInTheHandlerIsReportedAndTheTickStays) {
  box->OnClick = [] { throw std::runtime_error("No mask today"); };
  form->Show();
  EXPECT_TRUE(Box().Click());
  EXPECT_TRUE(box->Checked());
  ASSERT_EQ(kit.App().Messages().size(), 1u);
  EXPECT_EQ(kit.App().Messages()[0].text, "No mask today.");
}

TEST_F(HeadlessCheckBoxTest, ALabelNeverTakesTheFocus) {
  auto label = kit.CreateLabel(*form, {0, 0, 50, 13});
  int clicks = 0;
  label->OnClick = [&] { ++clicks; };
  form->Show();
  EXPECT_TRUE(box->Focused());
  EXPECT_TRUE(static_cast<ui::HeadlessLabel&>(*label).Click());
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(box->Focused());
}

}  // namespace
