// The list box's own rules, shared by both kits, driven through the headless kit.

#include "ui/SortedListBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "ui/headless/HeadlessKit.h"
#include "ui/headless/HeadlessSortedListBox.h"

namespace {

using ui::KeyModifiers;
using ui::ListKey;

constexpr KeyModifiers kShift{true, false};
constexpr KeyModifiers kCtrl{false, true};
constexpr KeyModifiers kCtrlShift{true, true};

class SortedListBoxTest : public testing::Test {
 protected:
  // A client area of 100 x 100 pixels inside the 2-pixel edge; rows of 20 pixels.
  SortedListBoxTest() {
    form->Show();
    list.SetItemHeight(20);
    list.OnWindowCreated = [this] { ++created; };
    list.OnSelectionChange = [this] { ++notified; };
  }

  void Fill(int count) {
    for (int i = 0; i < count; ++i) list.Add("item" + std::to_string(1000 + i));
  }
  std::vector<int> SelectedIndices() const {
    std::vector<int> selected;
    for (int i = 0; i < list.Count(); ++i) {
      if (list.Selected(i)) selected.push_back(i);
    }
    return selected;
  }

  ui::HeadlessKit kit;
  std::unique_ptr<ui::Form> form = kit.CreateForm(nullptr);
  std::unique_ptr<ui::SortedListBox> box = kit.CreateSortedListBox(*form, {10, 10, 104, 104});
  ui::HeadlessSortedListBox& list = static_cast<ui::HeadlessSortedListBox&>(*box);
  int created = 0;
  int notified = 0;
};

TEST_F(SortedListBoxTest, TheWindowComesOnFirstUseAndReCreationStartsEmpty) {
  EXPECT_FALSE(list.HasWindow());
  list.SetItemHeight(22);  // no window: nothing to re-create
  list.SetMultiSelect(true);
  EXPECT_EQ(created, 0);

  EXPECT_EQ(list.Add("b"), 0);
  EXPECT_TRUE(list.HasWindow());
  EXPECT_EQ(created, 1);
  list.Add("a");
  list.SetItemIndex(1);

  list.SetItemHeight(22);  // unchanged
  list.SetItemHeight(0);   // refused
  EXPECT_EQ(created, 1);
  list.SetItemHeight(18);
  EXPECT_EQ(created, 2);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.FocusIndex(), -1);
  list.SetMultiSelect(false);
  EXPECT_EQ(created, 3);
}

TEST_F(SortedListBoxTest, OnlySwitchingBetweenNoColumnsAndColumnsReCreates) {
  list.WindowNeeded();
  list.Add("a");
  list.SetColumns(1);  // from 0
  EXPECT_EQ(created, 2);
  list.Add("a");
  list.SetColumns(4);
  list.SetColumns(-1);
  EXPECT_EQ(created, 2);
  EXPECT_EQ(list.Count(), 1);
  list.SetColumns(0);
  EXPECT_EQ(created, 3);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(SortedListBoxTest, IndicesOutsideTheListAreErrors) {
  list.Add("a");
  list.Add("b");
  try {
    list.Item(2);
    FAIL() << "no error";
  } catch (const platform::EListError& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds (2)");
  }
  EXPECT_THROW(list.Item(-1), platform::EListError);
  EXPECT_THROW(list.Selected(5), platform::EListError);
  EXPECT_THROW(list.SetSelected(2, true), platform::EListError);
}

TEST_F(SortedListBoxTest, AFullListRefusesTheString) {
  list.SetCapacity(2);
  EXPECT_EQ(list.Add("b"), 0);
  EXPECT_EQ(list.Add("a"), 0);
  EXPECT_EQ(list.Add("c"), -1);
  EXPECT_EQ(list.Count(), 2);
}

TEST_F(SortedListBoxTest, SingleSelectionFollowsTheClickAndNotifiesRealChanges) {
  Fill(5);
  list.UserClick(2);
  EXPECT_EQ(SelectedIndices(), std::vector<int>{2});
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(notified, 1);
  list.UserClick(2);
  EXPECT_EQ(notified, 1);
  list.UserClick(4, kCtrlShift);  // modifiers mean nothing here
  EXPECT_EQ(SelectedIndices(), std::vector<int>{4});
  EXPECT_EQ(notified, 2);
  list.UserClick(7);  // below the last entry
  EXPECT_EQ(notified, 2);

  list.UserKey(ListKey::Up);
  EXPECT_EQ(SelectedIndices(), std::vector<int>{3});
  list.UserKey(ListKey::Home);
  EXPECT_EQ(list.ItemIndex(), 0);
  list.UserKey(ListKey::Up);
  EXPECT_EQ(notified, 4);

  list.SetSelected(0, false);
  EXPECT_EQ(list.ItemIndex(), -1);
  list.SetItemIndex(3);
  EXPECT_EQ(SelectedIndices(), std::vector<int>{3});
  EXPECT_EQ(notified, 4);  // the program's own changes are not notified
}

TEST_F(SortedListBoxTest, ExtendedSelectionWithShiftAndCtrl) {
  list.SetMultiSelect(true);
  Fill(8);
  list.UserClick(2);
  list.UserClick(5, kShift);
  EXPECT_EQ(SelectedIndices(), (std::vector<int>{2, 3, 4, 5}));
  EXPECT_EQ(list.ItemIndex(), 5);
  list.UserClick(0, kShift);  // the range runs from the anchor again
  EXPECT_EQ(SelectedIndices(), (std::vector<int>{0, 1, 2}));
  list.UserClick(1, kCtrl);
  list.UserClick(6, kCtrl);
  EXPECT_EQ(SelectedIndices(), (std::vector<int>{0, 2, 6}));
  list.UserClick(7, kCtrlShift);  // adds the range from the new anchor
  EXPECT_EQ(SelectedIndices(), (std::vector<int>{0, 2, 6, 7}));
  EXPECT_EQ(list.ItemIndex(), 7);
  EXPECT_EQ(notified, 6);
  list.UserClick(3);
  EXPECT_EQ(SelectedIndices(), std::vector<int>{3});
}

TEST_F(SortedListBoxTest, ExtendedSelectionByKeys) {
  list.SetMultiSelect(true);
  Fill(8);
  list.UserKey(ListKey::Down);  // no focus yet: the first entry
  EXPECT_EQ(SelectedIndices(), std::vector<int>{0});
  list.UserKey(ListKey::Down, kShift);
  list.UserKey(ListKey::Down, kShift);
  EXPECT_EQ(SelectedIndices(), (std::vector<int>{0, 1, 2}));
  list.UserKey(ListKey::Down, kCtrl);
  list.UserKey(ListKey::Down, kCtrl);
  EXPECT_EQ(list.FocusIndex(), 4);
  EXPECT_EQ(SelectedIndices(), (std::vector<int>{0, 1, 2}));
  list.UserKey(ListKey::Space, kCtrl);
  EXPECT_EQ(SelectedIndices(), (std::vector<int>{0, 1, 2, 4}));
  list.UserKey(ListKey::End);
  EXPECT_EQ(SelectedIndices(), std::vector<int>{7});
  EXPECT_EQ(notified, 7);
}

TEST_F(SortedListBoxTest, MultiSelectItemIndexIsTheFocusAndSettingItOnlyMovesTheFocus) {
  list.SetMultiSelect(true);
  Fill(4);
  EXPECT_EQ(list.ItemIndex(), -1);
  list.SetItemIndex(2);
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_TRUE(SelectedIndices().empty());
  EXPECT_EQ(notified, 0);
}

TEST_F(SortedListBoxTest, InsertionsBeforeTheFocusMoveIt) {
  list.Add("m");
  list.UserClick(0);
  list.Add("a");
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(list.Item(list.ItemIndex()), "m");
  list.Add("z");
  EXPECT_EQ(list.ItemIndex(), 1);
  list.Clear();
  EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(SortedListBoxTest, OneColumnScrollsByRows) {
  Fill(12);
  EXPECT_EQ(list.ColumnWidth(), 100);
  EXPECT_EQ(list.ItemRect(1), (ui::Rect{0, 20, 100, 40}));
  EXPECT_EQ(list.ItemAtPoint(50, 45), 2);
  ui::ListScroll scroll = list.Scroll();
  EXPECT_FALSE(scroll.horizontal);
  EXPECT_EQ(scroll.page, 5);
  EXPECT_EQ(scroll.range, 12);

  list.UserClick(4);
  list.UserKey(ListKey::Down);  // the focus leaves the page: the list follows
  EXPECT_EQ(list.TopIndex(), 1);
  EXPECT_EQ(list.ItemAtPoint(50, 0), 1);
  list.ScrollTo(50);
  EXPECT_EQ(list.TopIndex(), 7);  // the last page
  EXPECT_EQ(list.ItemRect(7), (ui::Rect{0, 0, 100, 20}));
}

TEST_F(SortedListBoxTest, ColumnsShareTheClientWidthAndEntriesFlowDownThenAcross) {
  list.SetColumns(3);
  Fill(23);
  EXPECT_EQ(list.ColumnWidth(), 33);  // 100 div 3
  EXPECT_EQ(list.RowsPerColumn(), 5);
  EXPECT_EQ(list.ItemRect(0), (ui::Rect{0, 0, 33, 20}));
  EXPECT_EQ(list.ItemRect(4), (ui::Rect{0, 80, 33, 100}));
  EXPECT_EQ(list.ItemRect(5), (ui::Rect{33, 0, 66, 20}));
  EXPECT_EQ(list.ItemRect(13), (ui::Rect{66, 60, 99, 80}));
  EXPECT_EQ(list.ItemAtPoint(40, 25), 6);
  EXPECT_EQ(list.ItemAtPoint(99, 0), 15);  // the fourth column shows by one pixel

  ui::ListScroll scroll = list.Scroll();
  EXPECT_TRUE(scroll.horizontal);
  EXPECT_EQ(scroll.range, 5);  // 23 entries in columns of 5
  EXPECT_EQ(scroll.page, 3);
  list.ScrollTo(1);
  EXPECT_EQ(list.TopIndex(), 5);  // whole columns
  EXPECT_EQ(list.ItemAtPoint(0, 0), 5);
  list.ScrollTo(9);
  EXPECT_EQ(list.TopIndex(), 10);
  EXPECT_EQ(list.ItemAtPoint(66, 40), 22);
  EXPECT_EQ(list.ItemAtPoint(66, 60), -1);

  list.SetColumns(1);
  EXPECT_EQ(list.ColumnWidth(), 100);
  list.SetColumns(200);
  EXPECT_EQ(list.ColumnWidth(), 1);  // never narrower than a pixel
}

TEST_F(SortedListBoxTest, KeysCrossColumnsAndTheListScrollsToShowThem) {
  list.SetColumns(1);
  Fill(23);
  list.UserClick(3);
  list.UserKey(ListKey::Right);
  EXPECT_EQ(list.ItemIndex(), 8);
  EXPECT_EQ(list.TopIndex(), 5);
  list.UserKey(ListKey::End);
  EXPECT_EQ(list.TopIndex(), 20);
  list.UserKey(ListKey::Left);
  EXPECT_EQ(list.ItemIndex(), 17);
  EXPECT_EQ(list.TopIndex(), 15);
}

TEST_F(SortedListBoxTest, AResizeRecomputesTheColumns) {
  list.SetColumns(2);
  Fill(30);
  list.ScrollTo(3);
  list.SetBounds(ui::Bounds{10, 10, 64, 124});  // client 60 x 120: six rows
  EXPECT_EQ(list.ColumnWidth(), 30);
  EXPECT_EQ(list.RowsPerColumn(), 6);
  EXPECT_EQ(list.TopIndex() % 6, 0);
  EXPECT_EQ(list.ItemRect(list.TopIndex() + 7), (ui::Rect{30, 20, 60, 40}));
}

TEST_F(SortedListBoxTest, AnErrorInTheChangeHookGoesToTheErrorReport) {
  Fill(2);
  list.OnSelectionChange = [] { throw platform::Error("broken"); };
  list.UserClick(1);
  ASSERT_EQ(kit.App().Messages().size(), 1u);
  EXPECT_EQ(kit.App().Messages()[0].icon, ui::MessageIcon::Stop);
  EXPECT_EQ(list.ItemIndex(), 1);
}

}  // namespace
