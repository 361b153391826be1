#pragma once
// A private machine for folder-tree tests: drive A has no medium (its host folder is
// missing), C, D and E are fixed drives on temporary folders, the Windows directory is
// C:\Windows and the current directory C:\. The trees stand on a shown form of the headless
// kit. Tests may force a drive's type.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/zeltexplorertree.h"
#include "platform/files/FileSystem.h"
#include "platform/shell/Shell.h"
#include "platform/system/System.h"
#include "tests/support/TempDir.h"
#include "ui/headless/HeadlessKit.h"
#include "ui/headless/HeadlessTreeView.h"

namespace testsupport {

class ExplorerTreeFixture : public testing::Test {
 protected:
  ExplorerTreeFixture();
  ~ExplorerTreeFixture() override;

  // The control, created on first use; each OnChange records Directory() in changes.
  controls::TZELExplorerTree& Tree();
  ui::HeadlessTreeView& View();
  // One more tree on the same machine.
  std::unique_ptr<controls::TZELExplorerTree> MakeTree(ui::HeadlessTreeView** view);
  void DestroyTree() { tree_.reset(); }

  // A folder below the temporary folder: "c/Docs/2024" is C:\Docs\2024.
  void MakeDirs(const std::string& relative) { temp_.MakeDir(relative); }
  void MakeFile(const std::string& relative) { temp_.WriteFile(relative, "x"); }

  // The node whose entry has this FullPath; none when there is no such node.
  ui::TreeNode* Node(const std::string& fullPath);
  // The children of the node with this FullPath ("" for the top level): a FullPath for a
  // drive or folder node, the text in angle brackets for a placeholder ("<**>").
  std::vector<std::string> Children(const std::string& fullPath);
  bool Expand(const std::string& fullPath) { return View().UserExpand(Node(fullPath)); }
  controls::TZELDirectoryEntry* EntryOf(const std::string& fullPath) {
    return Tree().Entry(Node(fullPath));
  }

  TempDir temp_;
  platform::FileSystem files_;
  platform::System system_;
  platform::Shell shell_;
  ui::HeadlessKit kit_;
  ui::HeadlessApplication& app_ = kit_.App();
  std::unique_ptr<ui::Form> form_;
  std::vector<std::string> changes;

 private:
  std::unique_ptr<controls::TZELExplorerTree> tree_;
  ui::HeadlessTreeView* view_ = nullptr;
};

}  // namespace testsupport
