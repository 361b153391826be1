#include "ui/Container.h"

#include <gtest/gtest.h>

#include "ui/headless/HeadlessKit.h"

namespace {

std::vector<std::string> Names(const std::vector<ui::Control*>& controls) {
  std::vector<std::string> names;
  for (const ui::Control* control : controls) {
    names.push_back(control->Name());
  }
  return names;
}

TEST(ContainerTest, TabSequenceVisitsBoxesInPlaceAndSkipsLabelsAndBoxes) {
  ui::HeadlessKit kit;
  auto form = kit.CreateForm(nullptr);
  auto box = kit.CreateGroupBox(*form, {8, 8, 200, 100});
  auto inBox1 = kit.CreateButton(*box, {10, 20, 75, 25});
  auto inBox0 = kit.CreateButton(*box, {10, 50, 75, 25});
  auto label = kit.CreateLabel(*form, {10, 120, 50, 13});
  auto first = kit.CreateCheckBox(*form, {10, 140, 100, 17});
  auto second = kit.CreateEdit(*form, {10, 160, 100, 21});
  box->SetName("Box");
  inBox1->SetName("InBox1");
  inBox0->SetName("InBox0");
  label->SetName("Label");
  first->SetName("First");
  second->SetName("Second");
  box->SetTabOrder(2);
  inBox1->SetTabOrder(1);
  inBox0->SetTabOrder(0);
  first->SetTabOrder(0);
  second->SetTabOrder(1);

  EXPECT_EQ(Names(ui::TabSequence(*form)),
            (std::vector<std::string>{"First", "Second", "InBox0", "InBox1"}));
  EXPECT_EQ(Names(form->Controls()), (std::vector<std::string>{"Box", "Label", "First", "Second"}));
  EXPECT_EQ(&inBox0->OwningForm(), form.get());
}

TEST(ContainerTest, ADestroyedControlLeavesItsContainer) {
  ui::HeadlessKit kit;
  auto form = kit.CreateForm(nullptr);
  auto keep = kit.CreateButton(*form, {0, 0, 10, 10});
  {
    auto gone = kit.CreateButton(*form, {0, 0, 10, 10});
    EXPECT_EQ(form->Controls().size(), 2u);
  }
  ASSERT_EQ(form->Controls().size(), 1u);
  EXPECT_EQ(form->Controls()[0], keep.get());
}

}  // namespace
