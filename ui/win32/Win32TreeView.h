#pragma once
// The tree-view base of the native kit: the common controls' tree view, with expand buttons,
// lines and lines at the root, label editing and the selection shown without the focus. A
// node is the control's HTREEITEM. The control stands hidden on its form from the start, so
// that it keeps its place among the form's child windows; the tree's window is "created" by
// showing it, at the latest when the form is shown, and "destroyed" by emptying and hiding it.

#include <exception>
#include <functional>

#include "ui/TreeView.h"
#include "ui/win32/Win32Control.h"

namespace ui {

class Win32TreeView : public Win32Control<TreeView> {
 public:
  Win32TreeView(Container& parent, const ui::Bounds& bounds);
  ~Win32TreeView() override;

  bool HasWindow() const override { return hasWindow_; }
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

  TreeNode* Selected() const override { return hasWindow_ ? selected_ : nullptr; }
  void Select(TreeNode* node) override;
  void MakeFirstVisible(TreeNode* node) override;

  void BeginUpdate() override;
  void EndUpdate() override;

  bool Notify(const NMHDR& header, LRESULT& result) override;
  void FormShowing() override { WindowNeeded(); }

  static HTREEITEM Item(TreeNode* node) { return reinterpret_cast<HTREEITEM>(node); }
  static TreeNode* Node(HTREEITEM item) { return reinterpret_cast<TreeNode*>(item); }

 private:
  TreeNode* Append(HTREEITEM parent, const std::string& text);
  HTREEITEM Next(HTREEITEM item, UINT relation) const;
  bool GetItem(TVITEMW& item) const;
  void SetItem(TVITEMW& item);
  void Forget(HTREEITEM item);
  void ForgetChildren(HTREEITEM item);
  // Gives the ancestors that the hook refused to open.
  std::vector<HTREEITEM> ExpandAncestors(TreeNode* node);
  void DropStaleSelection();
  void Native(const std::function<void()>& call);
  void RunHook(const std::function<void()>& hook);
  bool Expanding(const NMTREEVIEWW& change);
  void SelectionChanged(const NMTREEVIEWW& change);

  bool hasWindow_ = false;
  TreeNode* selected_ = nullptr;
  int updateDepth_ = 0;
  int ownCalls_ = 0;
  int quiet_ = 0;            // the control's own selections and removals, not the user's
  int quietExpansions_ = 0;  // expansions whose hook has run already
  std::exception_ptr hookError_;
};

}  // namespace ui
