#include "ui/wx/WxTreeView.h"

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
// after msgdlg.h, which it needs
#include <wx/generic/msgdlgg.h>
#include <wx/testing.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/shell/Shell.h"
#include "tests/support/wx/WxTestKit.h"
#include "ui/wx/WxForm.h"
#include "ui/wx/WxText.h"

namespace {

using testsupport::WxSettle;
using testsupport::WxTestKit;
using ui::TreeNode;
using Strings = std::vector<std::string>;

// The general error report, answered with OK after its text was noted.
class ExpectReport : public wxExpectModalBase<wxGenericMessageDialog, ExpectReport> {
 public:
  explicit ExpectReport(std::string& text) : text_(text) {}

 protected:
  int OnInvoked(wxGenericMessageDialog* box) const override {
    text_ = ui::FromWx(box->GetMessage());
    return wxID_OK;
  }

 private:
  std::string& text_;
};

class WxTreeViewTest : public ::testing::Test {
 protected:
  WxTreeViewTest() {
    form_->SetClientSize({220, 240});
    made_ = kit_.CreateTreeView(*form_, {8, 8, 200, 220});
    tree_ = static_cast<ui::WxTreeView*>(made_.get());
    tree_->OnWindowCreated = [this] { ++created_; };
    tree_->OnNodeRemoved = [this](TreeNode* node) { removed_.push_back(tree_->Text(node)); };
    tree_->OnSelectionChanged = [this](TreeNode* node) { changes_.push_back(tree_->Text(node)); };
    tree_->OnBeforeExpand = [this](TreeNode* node) {
      expanding_.push_back(tree_->Text(node));
      return true;
    };
  }
  ~WxTreeViewTest() override {
    made_.reset();
    form_.reset();
    WxSettle(2);
  }

  ui::WxForm& Form() { return static_cast<ui::WxForm&>(*form_); }
  // C: (DOCS (2024), WORK), D:
  void Fill() {
    TreeNode* c = tree_->AddTopLevel("C:");
    TreeNode* docs = tree_->AddChild(c, "DOCS");
    tree_->AddChild(docs, "2024");
    tree_->AddChild(c, "WORK");
    tree_->AddTopLevel("D:");
  }
  TreeNode* Find(const Strings& path) {
    TreeNode* node = nullptr;
    for (const auto& text : path) {
      node = node == nullptr ? tree_->FirstNode() : tree_->FirstChild(node);
      while (node != nullptr && tree_->Text(node) != text) node = tree_->NextSibling(node);
    }
    return node;
  }

  ui::WxKit& kit_ = WxTestKit();
  std::unique_ptr<ui::Form> form_ = kit_.CreateForm(nullptr);
  std::unique_ptr<ui::TreeView> made_;
  ui::WxTreeView* tree_ = nullptr;
  int created_ = 0;
  Strings removed_;
  Strings changes_;
  Strings expanding_;
};

TEST_F(WxTreeViewTest, TheWindowIsShownOnFirstUseAndCanBeMadeAgain) {
  EXPECT_FALSE(tree_->HasWindow());
  EXPECT_EQ(tree_->Selected(), nullptr);
  EXPECT_EQ(tree_->Count(), 0u);
  ASSERT_NE(tree_->Window(), nullptr);  // waiting hidden, in its place in the tab order
  EXPECT_FALSE(tree_->Window()->IsShown());
  EXPECT_EQ(tree_->Window()->GetParent(), Form().Client());
  EXPECT_EQ(tree_->Bounds(), (ui::Bounds{8, 8, 200, 220}));
  Fill();
  EXPECT_TRUE(tree_->HasWindow());
  EXPECT_TRUE(tree_->Window()->IsShown());
  EXPECT_EQ(created_, 1);
  EXPECT_EQ(tree_->Count(), 5u);

  tree_->RecreateWindow();
  EXPECT_EQ(removed_, (Strings{"2024", "DOCS", "WORK", "C:", "D:"}));
  EXPECT_EQ(created_, 2);
  EXPECT_EQ(tree_->Count(), 0u);
}

TEST_F(WxTreeViewTest, ShowingTheFormMakesTheWindow) {
  form_->Show();
  WxSettle(2);
  EXPECT_TRUE(tree_->HasWindow());
  EXPECT_EQ(created_, 1);
}

TEST_F(WxTreeViewTest, NodesKeepTextImagesAndDataAndShowButtonsForChildren) {
  int payload = 1;
  tree_->SetImages(platform::SYSTEM_IMAGE_LIST);
  Fill();
  TreeNode* c = Find({"C:"});
  tree_->SetImageIndex(c, static_cast<int>(platform::SystemIcon::DriveFixed));
  tree_->SetSelectedIndex(c, static_cast<int>(platform::SystemIcon::FolderOpen));
  tree_->SetData(c, &payload);
  EXPECT_EQ(tree_->ImageIndex(c), 3);
  EXPECT_EQ(tree_->SelectedIndex(c), 2);
  EXPECT_EQ(tree_->Data(c), &payload);
  EXPECT_EQ(tree_->Data(Find({"D:"})), nullptr);
  EXPECT_TRUE(tree_->Window()->ItemHasChildren(ui::WxTreeView::Item(c)));
  EXPECT_FALSE(tree_->Window()->ItemHasChildren(ui::WxTreeView::Item(Find({"D:"}))));

  wxImageList* images = tree_->Window()->GetImageList();
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(images->GetImageCount(), static_cast<int>(platform::SystemIcon::Count));
  EXPECT_EQ(images->GetSize(), wxSize(16, 16));

  std::vector<std::string> order;
  for (TreeNode* node : tree_->AllNodes()) order.push_back(tree_->Text(node));
  EXPECT_EQ(order, (Strings{"C:", "DOCS", "2024", "WORK", "D:"}));
}

TEST_F(WxTreeViewTest, SelectingExpandsTheAncestorsAndReportsRealChangesOnly) {
  Fill();
  TreeNode* year = Find({"C:", "DOCS", "2024"});
  tree_->Select(year);
  EXPECT_EQ(expanding_, (Strings{"C:", "DOCS"}));
  EXPECT_TRUE(tree_->Window()->IsExpanded(ui::WxTreeView::Item(Find({"C:", "DOCS"}))));
  EXPECT_EQ(tree_->Selected(), year);
  tree_->Select(year);
  EXPECT_EQ(changes_, Strings{"2024"});
}

TEST_F(WxTreeViewTest, RemovingTheSelectionLeavesNoneAndTheControlPicksNoOtherWhenIdle) {
  Fill();
  form_->Show();
  tree_->Select(Find({"C:", "DOCS", "2024"}));
  changes_.clear();
  tree_->DeleteChildren(Find({"C:"}));
  WxSettle();
  EXPECT_EQ(tree_->Selected(), nullptr);
  EXPECT_TRUE(changes_.empty());
  EXPECT_FALSE(tree_->Window()->IsExpanded(ui::WxTreeView::Item(Find({"C:"}))));
  tree_->DeleteAll();
  WxSettle();
  EXPECT_TRUE(changes_.empty());
  EXPECT_EQ(tree_->Count(), 0u);
}

TEST_F(WxTreeViewTest, AHookErrorReachesTheCallerOrForTheUserTheErrorReport) {
  Fill();
  tree_->OnBeforeExpand = [](TreeNode*) -> bool { throw std::runtime_error("Not ready"); };
  EXPECT_THROW(tree_->Select(Find({"C:", "DOCS"})), std::runtime_error);
  EXPECT_EQ(tree_->Selected(), nullptr);

  std::string reported;
  wxTreeItemId c = ui::WxTreeView::Item(Find({"C:"}));
  wxTEST_DIALOG(tree_->Window()->Expand(c), ExpectReport(reported));  // as the button does
  EXPECT_EQ(reported, "Not ready.");
  EXPECT_FALSE(tree_->Window()->IsExpanded(c));
}

TEST_F(WxTreeViewTest, AHookThatTakesEveryChildKeepsTheNodeClosed) {
  Fill();
  tree_->OnBeforeExpand = [this](TreeNode* node) {
    tree_->DeleteChildren(node);
    return true;
  };
  wxTreeItemId docs = ui::WxTreeView::Item(Find({"C:", "DOCS"}));
  tree_->Window()->Expand(ui::WxTreeView::Item(Find({"C:"})));
  tree_->Window()->Expand(docs);
  EXPECT_FALSE(tree_->Window()->IsExpanded(docs));
  EXPECT_FALSE(tree_->Window()->ItemHasChildren(docs));
}

TEST_F(WxTreeViewTest, ANativeControlThatGoesReportsEveryNode) {
  Fill();
  tree_->Window()->Destroy();  // as its form does when it goes first
  EXPECT_EQ(removed_.size(), 5u);
  EXPECT_FALSE(tree_->HasWindow());
  EXPECT_EQ(tree_->Selected(), nullptr);
  EXPECT_THROW(tree_->AddTopLevel("C:"), platform::Error);
}

TEST_F(WxTreeViewTest, BatchesFreezeTheControlUntilTheOutermostEnds) {
  tree_->BeginUpdate();
  tree_->BeginUpdate();
  EXPECT_TRUE(tree_->Window()->IsFrozen());
  tree_->EndUpdate();
  EXPECT_TRUE(tree_->Window()->IsFrozen());
  tree_->EndUpdate();
  EXPECT_FALSE(tree_->Window()->IsFrozen());
}

}  // namespace
