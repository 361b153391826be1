#include "ui/headless/HeadlessTreeView.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "ui/headless/HeadlessKit.h"

namespace {

using ui::TreeNode;

class HeadlessTreeViewTest : public testing::Test {
 protected:
  static std::unique_ptr<ui::Form> Shown(std::unique_ptr<ui::Form> form) {
    form->Show();
    return form;
  }

  HeadlessTreeViewTest() {
    tree.OnWindowCreated = [this] { ++created; };
    tree.OnNodeRemoved = [this](TreeNode* node) { removed.push_back(tree.Text(node)); };
    tree.OnSelectionChanged = [this](TreeNode* node) { changes.push_back(tree.Text(node)); };
    tree.OnBeforeExpand = [this](TreeNode* node) {
      expanding.push_back(tree.Text(node));
      return tree.Text(node) != refuse;
    };
  }

  // C: (DOCS (2024), WORK), D:
  void Fill() {
    TreeNode* c = tree.AddTopLevel("C:");
    TreeNode* docs = tree.AddChild(c, "DOCS");
    tree.AddChild(docs, "2024");
    tree.AddChild(c, "WORK");
    tree.AddTopLevel("D:");
  }

  ui::HeadlessKit kit;
  ui::HeadlessApplication& app = kit.App();
  std::unique_ptr<ui::Form> form = Shown(kit.CreateForm(nullptr));
  ui::HeadlessTreeView tree{*form, {232, 24, 201, 193}, app};
  int created = 0;
  std::vector<std::string> removed;
  std::vector<std::string> changes;
  std::vector<std::string> expanding;
  std::string refuse;
};

TEST_F(HeadlessTreeViewTest, TheWindowIsCreatedByAddingWalkingOrBatchingButNotByAsking) {
  EXPECT_EQ(tree.Selected(), nullptr);
  EXPECT_EQ(tree.Count(), 0u);
  EXPECT_FALSE(tree.HasWindow());
  EXPECT_EQ(created, 0);

  EXPECT_EQ(tree.FirstNode(), nullptr);
  EXPECT_TRUE(tree.HasWindow());
  EXPECT_EQ(created, 1);

  tree.DestroyWindow();
  tree.BeginUpdate();
  tree.EndUpdate();
  EXPECT_EQ(created, 2);

  tree.DestroyWindow();
  tree.AddTopLevel("C:");
  tree.DestroyWindow();
  EXPECT_TRUE(tree.AllNodes().empty());
  EXPECT_EQ(created, 4);
  EXPECT_EQ(tree.WindowsCreated(), 4);
}

TEST_F(HeadlessTreeViewTest, NodesAreAppendedAndWalkedTopToBottom) {
  Fill();
  TreeNode* c = tree.FirstNode();
  EXPECT_EQ(tree.Text(c), "C:");
  EXPECT_EQ(tree.Text(tree.NextSibling(c)), "D:");
  EXPECT_EQ(tree.NextSibling(tree.NextSibling(c)), nullptr);
  TreeNode* docs = tree.FirstChild(c);
  EXPECT_EQ(tree.Text(tree.NextSibling(docs)), "WORK");
  EXPECT_EQ(tree.Parent(docs), c);
  EXPECT_EQ(tree.Parent(c), nullptr);

  std::vector<std::string> order;
  for (TreeNode* node : tree.AllNodes()) order.push_back(tree.Text(node));
  EXPECT_EQ(order, (std::vector<std::string>{"C:", "DOCS", "2024", "WORK", "D:"}));
  EXPECT_EQ(tree.Count(), 5u);
  EXPECT_EQ(tree.Find({"C:", "DOCS", "2024"}), tree.FirstChild(docs));
  EXPECT_EQ(tree.Find({"C:", "2024"}), nullptr);
}

TEST_F(HeadlessTreeViewTest, EachNodeKeepsTextImagesAndData) {
  int payload = 7;
  TreeNode* node = tree.AddTopLevel("C:");
  tree.SetText(node, "Local Disk (C:)");
  tree.SetImageIndex(node, 3);
  tree.SetSelectedIndex(node, 4);
  tree.SetData(node, &payload);
  tree.SetImages(0x5157);
  EXPECT_EQ(tree.Text(node), "Local Disk (C:)");
  EXPECT_EQ(tree.ImageIndex(node), 3);
  EXPECT_EQ(tree.SelectedIndex(node), 4);
  EXPECT_EQ(tree.Data(node), &payload);
  EXPECT_EQ(tree.Images(), 0x5157);
}

TEST_F(HeadlessTreeViewTest, EveryNodeThatLeavesIsReportedWhileItCanBeRead) {
  Fill();
  TreeNode* c = tree.FirstNode();
  tree.UserExpand(c);
  ASSERT_TRUE(tree.IsExpanded(c));

  tree.DeleteChildren(c);
  EXPECT_EQ(removed, (std::vector<std::string>{"2024", "DOCS", "WORK"}));
  EXPECT_FALSE(tree.IsExpanded(c));
  EXPECT_FALSE(tree.HasExpandButton(c));
  EXPECT_EQ(tree.Count(), 2u);

  removed.clear();
  tree.DeleteAll();
  EXPECT_EQ(removed, (std::vector<std::string>{"C:", "D:"}));
  EXPECT_EQ(tree.Count(), 0u);
}

TEST_F(HeadlessTreeViewTest, DestroyingTheWindowTakesTheNodesAndTheSelection) {
  Fill();
  tree.Select(tree.Find({"C:", "DOCS"}));
  changes.clear();

  tree.RecreateWindow();
  EXPECT_EQ(removed.size(), 5u);
  EXPECT_EQ(tree.Count(), 0u);
  EXPECT_EQ(tree.Selected(), nullptr);
  EXPECT_TRUE(changes.empty());  // the selection goes silently
  EXPECT_EQ(created, 2);
}

TEST_F(HeadlessTreeViewTest, SelectingExpandsTheAncestorsTopDownAndReportsRealChangesOnly) {
  Fill();
  TreeNode* year = tree.Find({"C:", "DOCS", "2024"});
  tree.Select(year);
  EXPECT_EQ(expanding, (std::vector<std::string>{"C:", "DOCS"}));
  EXPECT_TRUE(tree.IsExpanded(tree.Find({"C:"})));
  EXPECT_EQ(tree.Selected(), year);
  EXPECT_EQ(changes, (std::vector<std::string>{"2024"}));

  tree.Select(year);
  tree.UserClick(year);
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_EQ(expanding.size(), 2u);  // expanded nodes are not asked again
}

TEST_F(HeadlessTreeViewTest, ARefusedAncestorStaysCollapsedAndTheNodeIsSelectedAnyway) {
  Fill();
  refuse = "DOCS";
  tree.Select(tree.Find({"C:", "DOCS", "2024"}));
  EXPECT_TRUE(tree.IsExpanded(tree.Find({"C:"})));
  EXPECT_FALSE(tree.IsExpanded(tree.Find({"C:", "DOCS"})));
  EXPECT_EQ(changes, (std::vector<std::string>{"2024"}));
}

TEST_F(HeadlessTreeViewTest, TheSelectionChangeCanReadTheNewSelection) {
  Fill();
  TreeNode* seen = nullptr;
  tree.OnSelectionChanged = [&](TreeNode*) { seen = tree.Selected(); };
  TreeNode* d = tree.Find({"D:"});
  tree.UserClick(d);
  EXPECT_EQ(seen, d);
}

TEST_F(HeadlessTreeViewTest, RemovingTheSelectedNodeLeavesNoSelectionSilently) {
  Fill();
  tree.Select(tree.Find({"C:", "DOCS", "2024"}));
  changes.clear();
  tree.DeleteChildren(tree.Find({"C:"}));
  EXPECT_EQ(tree.Selected(), nullptr);
  EXPECT_TRUE(changes.empty());
}

TEST_F(HeadlessTreeViewTest, TheUserExpandsOnlyNodesWithAButton) {
  Fill();
  EXPECT_FALSE(tree.UserExpand(tree.Find({"D:"})));
  EXPECT_TRUE(expanding.empty());

  refuse = "C:";
  EXPECT_FALSE(tree.UserExpand(tree.Find({"C:"})));
  EXPECT_EQ(expanding, (std::vector<std::string>{"C:"}));
  refuse.clear();
  EXPECT_TRUE(tree.UserExpand(tree.Find({"C:"})));
}

TEST_F(HeadlessTreeViewTest, ANodeWhoseHookTakesAllChildrenDoesNotOpen) {
  Fill();
  TreeNode* docs = tree.Find({"C:", "DOCS"});
  tree.OnBeforeExpand = [&](TreeNode* node) {
    tree.DeleteChildren(node);
    return true;
  };
  EXPECT_FALSE(tree.UserExpand(docs));
  EXPECT_FALSE(tree.HasExpandButton(docs));
}

TEST_F(HeadlessTreeViewTest, AnErrorInAUserActionGoesToTheGeneralErrorReport) {
  Fill();
  tree.OnSelectionChanged = [](TreeNode*) { throw std::runtime_error("File not found"); };
  tree.UserClick(tree.Find({"D:"}));
  ASSERT_EQ(app.Messages().size(), 1u);
  EXPECT_EQ(app.Messages()[0].text, "File not found.");
  EXPECT_EQ(app.Messages()[0].icon, ui::MessageIcon::Stop);
}

TEST_F(HeadlessTreeViewTest, UserInputReachesOnlyAnEnabledTreeOnAShownForm) {
  Fill();
  tree.SetEnabled(false);
  EXPECT_FALSE(tree.UserClick(tree.Find({"D:"})));
  EXPECT_FALSE(tree.UserExpand(tree.Find({"C:"})));
  EXPECT_TRUE(changes.empty());
  EXPECT_TRUE(expanding.empty());
  tree.SetEnabled(true);
  EXPECT_TRUE(tree.UserClick(tree.Find({"D:"})));
  EXPECT_TRUE(tree.Focused());
  EXPECT_EQ(tree.Bounds(), (ui::Bounds{232, 24, 201, 193}));
}

TEST_F(HeadlessTreeViewTest, TheKitMakesTreesOnItsForms) {
  std::unique_ptr<ui::TreeView> made = kit.CreateTreeView(*form, {232, 240, 201, 193});
  EXPECT_NE(dynamic_cast<ui::HeadlessTreeView*>(made.get()), nullptr);
  EXPECT_EQ(form->Controls().back(), made.get());
  EXPECT_FALSE(made->HasWindow());
}

TEST_F(HeadlessTreeViewTest, CollapsingAnAncestorMovesTheSelectionToIt) {
  Fill();
  tree.Select(tree.Find({"C:", "DOCS", "2024"}));
  changes.clear();
  tree.UserCollapse(tree.Find({"C:"}));
  EXPECT_EQ(tree.Selected(), tree.Find({"C:"}));
  EXPECT_EQ(changes, (std::vector<std::string>{"C:"}));

  changes.clear();
  tree.UserCollapse(tree.Find({"D:"}));
  EXPECT_TRUE(changes.empty());
}

TEST_F(HeadlessTreeViewTest, BatchesNestAndRedrawOnceAtTheOutermostEnd) {
  tree.BeginUpdate();
  tree.BeginUpdate();
  tree.EndUpdate();
  EXPECT_EQ(tree.Redraws(), 0);
  EXPECT_EQ(tree.UpdateDepth(), 1);
  tree.EndUpdate();
  EXPECT_EQ(tree.Redraws(), 1);
  tree.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(tree.UpdateDepth(), 0);
  {
    ui::TreeUpdate batch(tree);
    EXPECT_EQ(tree.UpdateDepth(), 1);
  }
  EXPECT_EQ(tree.Redraws(), 2);
}

TEST_F(HeadlessTreeViewTest, AFullControlRefusesNodes) {
  tree.SetCapacity(2);
  TreeNode* c = tree.AddTopLevel("C:");
  EXPECT_NE(tree.AddChild(c, "DOCS"), nullptr);
  EXPECT_EQ(tree.AddChild(c, "WORK"), nullptr);
  EXPECT_EQ(tree.AddTopLevel("D:"), nullptr);
  EXPECT_EQ(tree.Count(), 2u);
  tree.SetCapacity(std::nullopt);
  EXPECT_NE(tree.AddTopLevel("D:"), nullptr);
}

TEST_F(HeadlessTreeViewTest, MakeFirstVisibleRemembersTheNodeUntilItLeaves) {
  Fill();
  TreeNode* work = tree.Find({"C:", "WORK"});
  tree.MakeFirstVisible(work);
  EXPECT_EQ(tree.FirstVisible(), work);
  tree.DeleteChildren(tree.Find({"C:"}));
  EXPECT_EQ(tree.FirstVisible(), nullptr);
}

}  // namespace
