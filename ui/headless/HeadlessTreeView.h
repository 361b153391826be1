#pragma once
// The tree-view base in memory, with the native control's behaviour that its users rely on.
// Tests drive it as a user would (expand, collapse, click) and read what the window shows.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/Bounds.h"
#include "ui/TreeView.h"
#include "ui/headless/HeadlessControl.h"

namespace ui {

class HeadlessTreeView : public HeadlessControl<TreeView> {
 public:
  HeadlessTreeView(Container& parent, const ui::Bounds& bounds, HeadlessApplication& app);
  ~HeadlessTreeView() override;

  bool HasWindow() const override;
  void WindowNeeded() override;
  void DestroyWindow() override;
  void SetImages(intptr_t imageList) override;

  TreeNode* AddTopLevel(const std::string& text) override;
  TreeNode* AddChild(TreeNode* parent, const std::string& text) override;
  void DeleteChildren(TreeNode* node) override;
  void DeleteAll() override;

  TreeNode* FirstNode() override;
  TreeNode* NextSibling(TreeNode* node) override;
  TreeNode* FirstChild(TreeNode* node) override;
  std::vector<TreeNode*> AllNodes() override;
  std::size_t Count() const override;

  std::string Text(TreeNode* node) const override;
  void SetText(TreeNode* node, const std::string& text) override;
  int ImageIndex(TreeNode* node) const override;
  void SetImageIndex(TreeNode* node, int index) override;
  int SelectedIndex(TreeNode* node) const override;
  void SetSelectedIndex(TreeNode* node, int index) override;
  void* Data(TreeNode* node) const override;
  void SetData(TreeNode* node, void* data) override;

  TreeNode* Selected() const override;
  void Select(TreeNode* node) override;
  void MakeFirstVisible(TreeNode* node) override;

  void BeginUpdate() override;
  void EndUpdate() override;

  // What a user does: the expand button (only a node with children has one; true when the
  // node is expanded afterwards), the collapse button, a click on a node (true when the input
  // reached the tree: enabled, on a form that takes input). An error that escapes the hooks
  // goes to the general error report.
  bool UserExpand(TreeNode* node);
  void UserCollapse(TreeNode* node);
  bool UserClick(TreeNode* node);

  // What the window shows.
  TreeNode* Parent(TreeNode* node) const;
  bool IsExpanded(TreeNode* node) const;
  bool HasExpandButton(TreeNode* node) const;
  // The texts of a node's children, or of the top level for none.
  std::vector<std::string> ChildTexts(TreeNode* node) const;
  // The node found by following texts from the top level, or none.
  TreeNode* Find(const std::vector<std::string>& texts) const;
  TreeNode* FirstVisible() const;
  intptr_t Images() const;

  // Counters: native windows created; outermost batches ended (each one a redraw); open batches.
  int WindowsCreated() const;
  int Redraws() const;
  int UpdateDepth() const;
  // From now on the control refuses a node once it holds `limit` nodes (none: no limit).
  void SetCapacity(std::optional<std::size_t> limit);

 private:
  struct Node;
  Node* Own(TreeNode* node) const;
  TreeNode* Handle(Node* node) const;
  TreeNode* Add(Node& parent, const std::string& text);
  void RemoveChildren(Node& node);
  void Forget(Node& node);
  bool Expand(Node& node);
  std::vector<Node*> TopDownAncestors(Node& node) const;

  std::unique_ptr<Node> root_;
  bool windowExists_ = false;
  std::size_t count_ = 0;
  Node* selected_ = nullptr;
  Node* firstVisible_ = nullptr;
  intptr_t images_ = 0;
  int windowsCreated_ = 0;
  int redraws_ = 0;
  int updateDepth_ = 0;
  std::optional<std::size_t> capacity_;
};

}  // namespace ui
