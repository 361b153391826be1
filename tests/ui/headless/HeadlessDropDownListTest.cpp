#include "ui/headless/HeadlessDropDownList.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "ui/headless/HeadlessKit.h"

namespace {

using ui::EntryColour;
using ui::EntryOp;

class HeadlessDropDownListTest : public ::testing::Test {
 protected:
  ui::HeadlessKit kit;
  std::unique_ptr<ui::Form> form = kit.CreateForm(nullptr);
  std::unique_ptr<ui::DropDownList> list = kit.CreateDropDownList(*form, {8, 200, 209, 28});
  ui::HeadlessDropDownList& List() { return static_cast<ui::HeadlessDropDownList&>(*list); }

  void Fill(int count) {
    for (int i = 0; i < count; ++i) list->Add("Entry " + std::to_string(i));
  }
};

TEST_F(HeadlessDropDownListTest, TheWindowIsCreatedOnFirstUseAndRecreatedEmpty) {
  int created = 0;
  list->OnWindowCreated = [&] {
    ++created;
    list->Add("fresh");
  };
  EXPECT_FALSE(list->HasWindow());
  EXPECT_EQ(list->Count(), 0);
  List().PaintField();
  EXPECT_EQ(created, 1);
  list->Add("second");
  list->SetItemIndex(1);
  list->WindowNeeded();
  EXPECT_EQ(created, 1);

  list->RecreateWindow();
  EXPECT_EQ(created, 2);
  EXPECT_EQ(list->Count(), 1);
  EXPECT_EQ(list->Item(0), "fresh");
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_THROW(list->Item(1), platform::EListError);
}

TEST_F(HeadlessDropDownListTest, TheUsersFirstInputFindsTheWindowCreated) {
  list->OnWindowCreated = [&] {
    list->Add("only");
    throw platform::Error("Filling failed");
  };
  form->Show();
  EXPECT_TRUE(List().UserDropDown());
  EXPECT_TRUE(list->HasWindow());
  EXPECT_TRUE(list->DroppedDown());
  EXPECT_EQ(list->Count(), 1);
  ASSERT_EQ(kit.App().Messages().size(), 1u);
  EXPECT_EQ(kit.App().Messages()[0].text, "Filling failed.");
}

TEST_F(HeadlessDropDownListTest, SelectingFromCodeNotifiesNothingAndAStrayIndexSelectsNone) {
  int picks = 0;
  list->OnSelect = [&] { ++picks; };
  Fill(3);
  list->SetItemIndex(2);
  EXPECT_EQ(list->ItemIndex(), 2);
  list->SetItemIndex(3);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(picks, 0);
}

TEST_F(HeadlessDropDownListTest, APickDropsTheListDownSelectsClosesAndNotifies) {
  std::vector<std::string> events;
  list->OnDropDown = [&] { events.push_back("drop " + std::to_string(list->DroppedDown())); };
  list->OnSelect = [&] { events.push_back("pick " + std::to_string(list->ItemIndex())); };
  Fill(3);
  list->SetItemIndex(0);
  form->Show();
  EXPECT_TRUE(List().UserPick(2));
  EXPECT_EQ(events, (std::vector<std::string>{"drop 0", "pick 2"}));
  EXPECT_FALSE(list->DroppedDown());
  EXPECT_TRUE(list->Focused());
  EXPECT_THROW(List().UserPick(3), platform::EListError);

  // Picking the selected entry again is still the user's pick, as on the platform.
  EXPECT_TRUE(List().UserPick(2));
  EXPECT_EQ(events.back(), "pick 2");
}

TEST_F(HeadlessDropDownListTest, ArrowKeysMoveTheSelectionAndNotifyOnlyWhenItMoves) {
  int picks = 0;
  list->OnSelect = [&] { ++picks; };
  Fill(2);
  form->Show();
  EXPECT_TRUE(List().UserKeyDown());
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_TRUE(List().UserKeyDown());
  EXPECT_TRUE(List().UserKeyDown());
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_TRUE(List().UserKeyUp());
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(picks, 3);
}

TEST_F(HeadlessDropDownListTest, ADisabledListOrAHiddenFormTakesNoInput) {
  int events = 0;
  list->OnSelect = [&] { ++events; };
  list->OnDropDown = [&] { ++events; };
  Fill(2);
  EXPECT_FALSE(List().UserPick(1));
  form->Show();
  list->SetEnabled(false);
  EXPECT_FALSE(List().UserDropDown());
  EXPECT_FALSE(List().UserPick(1));
  EXPECT_FALSE(List().UserKeyDown());
  EXPECT_EQ(events, 0);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(HeadlessDropDownListTest, TheDroppedListIsAtLeastAsWideAsTheControl) {
  EXPECT_EQ(list->DroppedWidth(), 209);
  list->SetMinDroppedWidth(150);
  EXPECT_EQ(list->DroppedWidth(), 209);
  list->SetMinDroppedWidth(300);
  EXPECT_EQ(list->DroppedWidth(), 300);
  list->SetMinDroppedWidth(0);
  EXPECT_EQ(list->DroppedWidth(), 209);
}

TEST_F(HeadlessDropDownListTest, TheControlIsAsHighAsTheSelectionFieldInItsEdge) {
  list->SetItemHeight(22);
  EXPECT_EQ(list->Bounds(), (ui::Bounds{8, 200, 209, 28}));
  list->SetItemHeight(0);
  EXPECT_EQ(list->ItemHeight(), 22);
  EXPECT_EQ(List().FieldRect(), (ui::Rect{3, 3, 209 - 3 - 17, 25}));
}

TEST_F(HeadlessDropDownListTest, WithoutAnOwnerAnEntryIsItsTextWithPrefixesHandled) {
  list->Add("Smith && &Sons");
  list->SetItemIndex(0);
  const ui::DrawnEntry field = List().PaintField();
  EXPECT_EQ(field.index, 0);
  const EntryOp* text = field.Find(EntryOp::Kind::Text);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text, "Smith & Sons");
  EXPECT_EQ(text->underline, 8);
  EXPECT_EQ(field.Find(EntryOp::Kind::Focus), nullptr);

  list->SetItemIndex(-1);
  const ui::DrawnEntry empty = List().PaintField();
  EXPECT_EQ(empty.index, -1);
  EXPECT_EQ(empty.Find(EntryOp::Kind::Text), nullptr);
  EXPECT_NE(empty.Find(EntryOp::Kind::Fill), nullptr);
}

TEST_F(HeadlessDropDownListTest, TheFocusedFieldIsHighlightedAndFramed) {
  list->OnDrawItem = [](ui::EntryCanvas& canvas, int, const ui::Rect& rect) {
    canvas.FillRect(rect);
  };
  Fill(1);
  list->SetItemIndex(0);
  form->Show();
  ASSERT_TRUE(list->Focused());
  const ui::DrawnEntry field = List().PaintField();
  EXPECT_TRUE(field.selected);
  EXPECT_EQ(field.ops.front().background, EntryColour::Highlight);
  EXPECT_NE(field.Find(EntryOp::Kind::Focus), nullptr);
}

TEST_F(HeadlessDropDownListTest, TheDroppedListShowsDropDownCountRowsWithTheSelectionInSight) {
  list->SetItemHeight(22);
  list->SetDropDownCount(3);
  std::vector<int> drawn;
  list->OnDrawItem = [&](ui::EntryCanvas& canvas, int index, const ui::Rect& rect) {
    drawn.push_back(index);
    canvas.FillRect(rect);
  };
  Fill(6);
  list->SetItemIndex(4);
  EXPECT_TRUE(List().PaintList().empty());
  form->Show();
  ASSERT_TRUE(List().UserDropDown());
  drawn.clear();
  const std::vector<ui::DrawnEntry> rows = List().PaintList();
  EXPECT_EQ(drawn, (std::vector<int>{2, 3, 4}));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].rect, (ui::Rect{0, 0, 207, 22}));
  EXPECT_EQ(rows[2].rect, (ui::Rect{0, 44, 207, 66}));
  EXPECT_TRUE(rows[2].selected);
  EXPECT_NE(rows[2].Find(EntryOp::Kind::Focus), nullptr);
  EXPECT_EQ(rows[1].ops.front().background, EntryColour::Window);
  EXPECT_TRUE(List().UserCloseUp());
  EXPECT_FALSE(list->DroppedDown());
}

TEST_F(HeadlessDropDownListTest, TheDefaultFontWidthCountsCharactersNotBytes) {
  EXPECT_EQ(list->DefaultFontTextWidth(""), 0);
  EXPECT_EQ(list->DefaultFontTextWidth("abc"), 3 * ui::HeadlessDropDownList::CharWidth);
  EXPECT_EQ(list->DefaultFontTextWidth("\xC3\xBC&"), 2 * ui::HeadlessDropDownList::CharWidth);
}

TEST_F(HeadlessDropDownListTest, AnErrorInTheOwnersHookIsReportedAndTheListGoesOn) {
  list->OnSelect = [] { throw platform::Error("No such printer"); };
  Fill(2);
  form->Show();
  EXPECT_TRUE(List().UserPick(1));
  EXPECT_EQ(list->ItemIndex(), 1);
  ASSERT_EQ(kit.App().Messages().size(), 1u);
  EXPECT_EQ(kit.App().Messages()[0].text, "No such printer.");
}

}  // namespace
