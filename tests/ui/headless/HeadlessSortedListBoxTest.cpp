#include "ui/headless/HeadlessSortedListBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/headless/HeadlessKit.h"

namespace {

using ui::DrawOp;
using ui::ListColour;

class HeadlessSortedListBoxTest : public testing::Test {
 protected:
  HeadlessSortedListBoxTest() {
    form->Show();
    list.SetItemHeight(20);
  }

  ui::HeadlessKit kit;
  std::unique_ptr<ui::Form> form = kit.CreateForm(nullptr);
  std::unique_ptr<ui::SortedListBox> box = kit.CreateSortedListBox(*form, {0, 0, 124, 64});
  ui::HeadlessSortedListBox& list = static_cast<ui::HeadlessSortedListBox&>(*box);
};

TEST_F(HeadlessSortedListBoxTest, TheClientAreaLiesInsideTheEdge) {
  EXPECT_EQ(list.ClientWidth(), 120);
  EXPECT_EQ(list.ClientHeight(), 60);
  list.SetBounds(ui::Bounds{5, 5, 3, 3});
  EXPECT_EQ(list.ClientWidth(), 0);
  EXPECT_EQ(list.RowsPerColumn(), 1);
}

TEST_F(HeadlessSortedListBoxTest, PaintsOnlyTheVisibleRowsOfAHugeList) {
  for (int i = 0; i < 100000; ++i) list.Add("f" + std::to_string(100000 + i));
  list.ScrollTo(500);
  std::vector<ui::DrawnRow> rows = list.Paint();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].index, 500);
  EXPECT_EQ(rows[2].rect, (ui::Rect{0, 40, 120, 60}));
  EXPECT_EQ(rows[1].Texts(), std::vector<std::string>{"f100501"});
}

TEST_F(HeadlessSortedListBoxTest, APartialRowIsPaintedToo) {
  list.SetBounds(ui::Bounds{0, 0, 124, 74});  // three rows and a half
  for (const char* name : {"a", "b", "c", "d", "e"}) list.Add(name);
  EXPECT_EQ(list.Paint().size(), 4u);
}

TEST_F(HeadlessSortedListBoxTest, SelectedRowsGetTheHighlightAndTheFocusARectangle) {
  list.SetMultiSelect(true);
  for (const char* name : {"c", "a", "b"}) list.Add(name);
  list.UserClick(0);
  list.UserClick(2, {false, true});
  std::vector<ui::DrawnRow> rows = list.Paint();
  ASSERT_EQ(rows.size(), 3u);
  // Without an owner hook the list fills the row and writes the text two pixels in.
  ASSERT_EQ(rows[0].ops.size(), 2u);
  EXPECT_EQ(rows[0].ops[0].kind, DrawOp::Kind::Fill);
  EXPECT_EQ(rows[0].ops[0].background, ListColour::Highlight);
  EXPECT_EQ(rows[0].ops[1].x, 2);
  EXPECT_EQ(rows[0].ops[1].text, "a");
  EXPECT_EQ(rows[0].ops[1].foreground, ListColour::HighlightText);
  EXPECT_EQ(rows[1].ops[0].background, ListColour::Window);
  EXPECT_FALSE(rows[0].Focused());
  EXPECT_TRUE(rows[2].Focused());
}

TEST_F(HeadlessSortedListBoxTest, TheOwnerDrawsIntoTheRowRectangle) {
  std::vector<std::pair<int, ui::Rect>> asked;
  list.OnDrawItem = [&](ui::Canvas& canvas, int index, const ui::Rect& rect) {
    asked.emplace_back(index, rect);
    canvas.DrawIcon(rect.left, rect.top, 8);
    canvas.DrawString(rect.left + 18, rect.top, "#" + list.Item(index));
  };
  list.Add("x");
  list.Add("y");
  std::vector<ui::DrawnRow> rows = list.Paint();
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1].second, (ui::Rect{0, 20, 120, 40}));
  ASSERT_EQ(rows[1].ops.size(), 2u);
  EXPECT_EQ(rows[1].ops[0].kind, DrawOp::Kind::Icon);
  EXPECT_EQ(rows[1].ops[0].icon, 8);
  EXPECT_EQ(rows[1].ops[0].y, 20);
  EXPECT_EQ(rows[1].Texts(), std::vector<std::string>{"#y"});
}

TEST_F(HeadlessSortedListBoxTest, InputReachesOnlyAnEnabledListAndCreatesItsWindow) {
  int created = 0;
  list.OnWindowCreated = [&] {
    ++created;
    list.Add("a");
  };
  list.SetEnabled(false);
  EXPECT_FALSE(list.UserClick(0));
  EXPECT_FALSE(list.HasWindow());
  list.SetEnabled(true);
  EXPECT_TRUE(list.UserKey(ui::ListKey::Down));
  EXPECT_EQ(created, 1);
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_TRUE(list.Focused());
  form->Close();
  EXPECT_FALSE(list.UserClick(0));
}

TEST_F(HeadlessSortedListBoxTest, AClickAtAPointHitsTheRowThere) {
  for (const char* name : {"a", "b", "c", "d"}) list.Add(name);
  list.UserClickAt(10, 45);
  EXPECT_EQ(list.ItemIndex(), 2);
  list.UserClickAt(10, 65);  // below the client area
  EXPECT_EQ(list.ItemIndex(), 2);
}

}  // namespace
