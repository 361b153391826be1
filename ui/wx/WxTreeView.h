#pragma once
// The tree-view base of the wx kit: a wxTreeCtrl with a hidden root, so that the top level
// can hold many nodes, expand buttons and lines at the root. Nodes with children (also
// placeholders) show an expand button; the images are the system image list drawn with the
// desktop theme's icons. The native control is created on first use on the parent window and
// can be destroyed and created again.

#include <wx/treectrl.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <exception>
#include <functional>

#include "ui/Application.h"
#include "ui/TreeView.h"

namespace ui {

class WxTreeView : public TreeView {
 public:
  // The native control goes on `parent` at `position` with `size`. What the user does reaches
  // the hooks through the application's dispatcher.
  WxTreeView(wxWindow* parent, const wxPoint& position, const wxSize& size, Application& app);
  ~WxTreeView() override;
  WxTreeView(const WxTreeView&) = delete;
  WxTreeView& operator=(const WxTreeView&) = delete;

  // The native control; null while there is none.
  wxTreeCtrl* Window() const { return ctrl_.get(); }

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
  void Native(const std::function<void()>& call);
  void RunHook(const std::function<void()>& hook);
  void Expanding(wxTreeEvent& event);
  void SelectionChanged(const wxTreeEvent& event);
  void Destroyed(wxWindowDestroyEvent& event);

  wxWeakRef<wxWindow> parent_;
  wxPoint position_;
  wxSize size_;
  Application& app_;
  wxWeakRef<wxTreeCtrl> ctrl_;
  wxTreeItemId root_;
  intptr_t imageList_ = 0;
  TreeNode* selected_ = nullptr;
  int updateDepth_ = 0;
  bool frozen_ = false;
  int ownCalls_ = 0;
  std::exception_ptr hookError_;
};

}  // namespace ui
