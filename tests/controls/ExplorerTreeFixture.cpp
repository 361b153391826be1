#include "tests/controls/ExplorerTreeFixture.h"

namespace testsupport {

namespace {

platform::DriveMap DrivesIn(const TempDir& temp) {
  temp.MakeDir("c");
  temp.MakeDir("d");
  temp.MakeDir("e");
  return {{'A', temp.Path() / "a"},
          {'C', temp.Path() / "c"},
          {'D', temp.Path() / "d"},
          {'E', temp.Path() / "e"}};
}

}  // namespace

ExplorerTreeFixture::ExplorerTreeFixture()
    : files_(DrivesIn(temp_), temp_.Path() / "c" / "Windows"),
      shell_(files_, temp_.Path() / "programs"),
      form_(kit_.CreateForm(nullptr)) {
  files_.SetCurrentDirectory("C:\\");
  form_->Show();
}

ExplorerTreeFixture::~ExplorerTreeFixture() {
  tree_.reset();
  EXPECT_EQ(controls::TZELDirectoryEntry::Live(), 0) << "an entry outlived its tree";
}

controls::TZELExplorerTree& ExplorerTreeFixture::Tree() {
  if (!tree_) {
    tree_ = MakeTree(&view_);
    tree_->OnChange = [this](controls::TZELExplorerTree& sender, ui::TreeNode*) {
      changes.push_back(sender.Directory());
    };
  }
  return *tree_;
}

ui::HeadlessTreeView& ExplorerTreeFixture::View() {
  Tree();
  return *view_;
}

std::unique_ptr<controls::TZELExplorerTree> ExplorerTreeFixture::MakeTree(
    ui::HeadlessTreeView** view) {
  auto base = std::make_unique<ui::HeadlessTreeView>(*form_, ui::Bounds{232, 24, 201, 193}, app_);
  *view = base.get();
  return std::make_unique<controls::TZELExplorerTree>(files_, system_, shell_, app_,
                                                      std::move(base));
}

ui::TreeNode* ExplorerTreeFixture::Node(const std::string& fullPath) {
  for (ui::TreeNode* node : View().AllNodes()) {
    controls::TZELDirectoryEntry* entry = Tree().Entry(node);
    if (entry != nullptr && entry->FullPath == fullPath) return node;
  }
  return nullptr;
}

std::vector<std::string> ExplorerTreeFixture::Children(const std::string& fullPath) {
  ui::TreeNode* parent = fullPath.empty() ? nullptr : Node(fullPath);
  EXPECT_TRUE(fullPath.empty() || parent != nullptr) << "no node " << fullPath;
  std::vector<std::string> children;
  ui::TreeNode* child = parent == nullptr ? View().FirstNode() : View().FirstChild(parent);
  for (; child != nullptr; child = View().NextSibling(child)) {
    controls::TZELDirectoryEntry* entry = Tree().Entry(child);
    children.push_back(entry != nullptr ? entry->FullPath : "<" + View().Text(child) + ">");
  }
  return children;
}

}  // namespace testsupport
