// The native kit under Wine: what the program relies on of the native controls, driven by the
// messages that the user's input produces, and a picture of a form that holds every kind of
// control.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/WinApi.h"
#include "ui/win32/StartWin32Kit.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Native.h"

namespace {

ui::Kit& TestKit() {
  static std::unique_ptr<ui::Kit> kit = ui::StartWin32Kit();
  return *kit;
}

HWND HandleOf(const ui::Control& control) {
  return dynamic_cast<const ui::Win32Native&>(control).Handle();
}

HWND HandleOf(const ui::Form& form) {
  return static_cast<const ui::Win32Form&>(form).Handle();
}

LPARAM Point(int x, int y) {
  return MAKELPARAM(x, y);
}

class Win32KitTest : public ::testing::Test {
 protected:
  Win32KitTest() : form(kit.CreateForm(nullptr)) {
    kit.App().SetTitle("Sheafmill");
    form->SetClientSize({320, 240});
  }

  ui::Kit& kit = TestKit();
  std::unique_ptr<ui::Form> form;
};

TEST_F(Win32KitTest, OnlyTheUsersTogglesAndPicksAreNotified) {
  auto box = kit.CreateCheckBox(*form, {8, 8, 120, 17});
  int clicks = 0;
  box->OnClick = [&] { ++clicks; };
  box->SetChecked(true);
  EXPECT_EQ(clicks, 0) << "setting from code raises nothing";
  form->Show();
  SendMessageW(HandleOf(*box), BM_CLICK, 0, 0);  // as the mouse does
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(box->Checked());

  auto list = kit.CreateSortedListBox(*form, {8, 40, 200, 100});
  list->SetItemHeight(18);
  EXPECT_EQ(list->Add("beta"), 0);
  EXPECT_EQ(list->Add("Alpha"), 0) << "letter case is ignored";
  EXPECT_EQ(list->Add("GAMMA"), 2);
  EXPECT_EQ(list->Add("alpha"), 1) << "after its equal";
  int changes = 0;
  list->OnSelectionChange = [&] { ++changes; };
  list->SetItemIndex(3);
  EXPECT_EQ(changes, 0);
  SendMessageW(HandleOf(*list), WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 18 * 2 + 5));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Item(2), "beta");
  SendMessageW(HandleOf(*list), WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 18 * 2 + 5));
  EXPECT_EQ(changes, 1) << "the same entry again changes nothing";
  SendMessageW(HandleOf(*list), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(list->ItemIndex(), 3);

  auto combo = kit.CreateDropDownList(*form, {8, 150, 150, 28});
  combo->SetItemHeight(22);
  EXPECT_EQ(combo->Bounds(), (ui::Bounds{8, 150, 150, 28})) << "the closed control";
  combo->Add("first");
  combo->Add("second");
  int picks = 0;
  combo->OnSelect = [&] { ++picks; };
  combo->SetItemIndex(0);
  EXPECT_EQ(picks, 0);
  SendMessageW(HandleOf(*combo), WM_KEYDOWN, VK_DOWN, 0);  // the closed control's arrow key
  EXPECT_EQ(picks, 1);
  EXPECT_EQ(combo->ItemIndex(), 1);
  form->Close();
}

TEST_F(Win32KitTest, SelectingANodeOpensItsAncestorsThroughTheHook) {
  auto tree = kit.CreateTreeView(*form, {8, 8, 200, 200});
  std::vector<std::string> expanded;
  std::vector<std::string> selected;
  tree->OnBeforeExpand = [&](ui::TreeNode* node) {
    expanded.push_back(tree->Text(node));
    return tree->Text(node) != "refused";
  };
  tree->OnSelectionChanged = [&](ui::TreeNode* node) { selected.push_back(tree->Text(node)); };
  form->Show();
  ASSERT_TRUE(tree->HasWindow()) << "a shown form shows its tree";
  ui::TreeNode* drive = tree->AddTopLevel("C:");
  ui::TreeNode* folder = tree->AddChild(drive, "Work");
  ui::TreeNode* deep = tree->AddChild(folder, "Deep");
  ui::TreeNode* refused = tree->AddTopLevel("refused");
  ui::TreeNode* hidden = tree->AddChild(refused, "hidden");

  tree->Select(deep);
  EXPECT_EQ(expanded, (std::vector<std::string>{"C:", "Work"})) << "from the top down";
  EXPECT_EQ(selected, (std::vector<std::string>{"Deep"}));
  EXPECT_EQ(tree->Selected(), deep);
  tree->Select(deep);
  EXPECT_EQ(selected.size(), 1u) << "the selected node again raises nothing";

  // The user's click on a node comes as the control's own selection change.
  TreeView_SelectItem(HandleOf(*tree), reinterpret_cast<HTREEITEM>(folder));
  EXPECT_EQ(selected.back(), "Work");
  EXPECT_EQ(tree->Selected(), folder);

  expanded.clear();
  tree->Select(hidden);
  EXPECT_EQ(expanded.front(), "refused");
  EXPECT_FALSE(
      TreeView_GetItemState(HandleOf(*tree), reinterpret_cast<HTREEITEM>(refused), TVIS_EXPANDED) &
      TVIS_EXPANDED);

  std::vector<std::string> removed;
  tree->OnNodeRemoved = [&](ui::TreeNode* node) { removed.push_back(tree->Text(node)); };
  selected.clear();
  tree->Select(deep);
  tree->DeleteChildren(drive);
  EXPECT_EQ(removed, (std::vector<std::string>{"Deep", "Work"}));
  EXPECT_EQ(tree->Selected(), nullptr) << "a removed selected node leaves no selection";
  EXPECT_EQ(selected, (std::vector<std::string>{"Deep"})) << "silently";
  EXPECT_EQ(tree->Count(), 3u);
  tree->OnNodeRemoved = nullptr;
  form->Close();
}

TEST_F(Win32KitTest, TheModalLoopEndsWithTheResultAndFreesTheOwner) {
  form->Show();
  auto dialog = kit.CreateForm(form.get());
  auto ok = kit.CreateButton(*dialog, {8, 8, 75, 25});
  ok->OnClick = [&] { dialog->SetModalResult(ui::mrOk); };
  bool ownerDisabled = false;
  bool closeQueried = false;
  dialog->OnCloseQuery = [&](bool&) {
    ownerDisabled = IsWindowEnabled(HandleOf(*form)) == FALSE;
    closeQueried = true;
  };
  PostMessageW(HandleOf(*ok), BM_CLICK, 0, 0);  // delivered by the modal loop
  EXPECT_EQ(dialog->ShowModal(), ui::mrOk);
  EXPECT_TRUE(closeQueried);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(HandleOf(*form)));
  EXPECT_FALSE(dialog->Visible());

  PostMessageW(HandleOf(*dialog), WM_CLOSE, 0, 0);  // the close box
  EXPECT_EQ(dialog->ShowModal(), ui::mrCancel);
  form->Close();
}

}  // namespace
