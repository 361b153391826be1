#pragma once
// The tree-view base of the wx kit: a wxTreeCtrl with a hidden root, so that the top level
// can hold many nodes, expand buttons and lines at the root. Nodes with children (also
// placeholders) show an expand button; the images are the system image list drawn with the
// desktop theme's icons. The native control stands hidden on its form from the start, so that
// it keeps its place in the tab order; the tree's window is "created" by showing it, at the
// latest when the form is shown, and "destroyed" by emptying and hiding it.

#include <wx/treectrl.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <exception>
#include <functional>

#include "ui/Bounds.h"
#include "ui/TreeView.h"
#include "ui/wx/WxControl.h"

namespace ui {

class WxTreeView : public WxControl<TreeView, wxTreeCtrl> {
 public:
  WxTreeView(Container& parent, const ui::Bounds& bounds);
  ~WxTreeView() override;

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

  // The native item of a node, and the node of a native item (none for the hidden root).
  static wxTreeItemId Item(TreeNode* node);
  TreeNode* Node(const wxTreeItemId& item) const;

 private:
  TreeNode* Append(const wxTreeItemId& parent, const std::string& text);
  void Forget(const wxTreeItemId& item);
  void ForgetChildren(const wxTreeItemId& item);
  void KeepSelectionOnRoot();
  void ShowWhenLaidOut(TreeNode* node, bool atTop);
  void ShowLaidOut();
  void ScrollToTop(TreeNode* node);
  void ScrollToText(TreeNode* node);
  void Native(const std::function<void()>& call);
  void RunHook(const std::function<void()>& hook);
  void Expanding(wxTreeEvent& event);
  void SelectionChanged(wxTreeEvent& event);
  void Destroyed(wxWindowDestroyEvent& event);
  void FormShown(wxShowEvent& event);

  wxWeakRef<wxWindow> form_;
  wxTreeItemId root_;
  bool hasWindow_ = false;
  TreeNode* selected_ = nullptr;
  TreeNode* toShow_ = nullptr;  // to be scrolled into sight once laid out
  bool showAtTop_ = false;
  int updateDepth_ = 0;
  int ownCalls_ = 0;
  std::exception_ptr hookError_;
};

}  // namespace ui
