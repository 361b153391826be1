#pragma once
// The tree-view base: the native tree control with its node list, as the in-house controls
// use it; a form control that the kit makes. Every node has a text, an image index, a
// selected-image index (both into the image list set with SetImages) and one data pointer that the
// owner of the tree manages.
//
// The native window is created on first use: adding, finding or walking nodes and beginning
// a batch create it (and run OnWindowCreated); Selected() and Count() never do and answer
// none and 0 while there is no window. Destroying the window takes every node with it.
// Destroying the tree view itself reports nothing: its owner empties it first.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

// The handle of one node, valid until the node leaves the tree. Only the kit knows what it
// points to.
struct TreeNode;

class TreeView : public Control {
 public:
  virtual bool HasWindow() const = 0;
  // Creates the native window unless it exists, then runs OnWindowCreated.
  virtual void WindowNeeded() = 0;
  // Every node leaves the tree (each through OnNodeRemoved); the next use creates a new,
  // empty window.
  virtual void DestroyWindow() = 0;
  void RecreateWindow() {
    DestroyWindow();
    WindowNeeded();
  }

  // The system image list (the shell's handle), shared: the tree never destroys it.
  virtual void SetImages(intptr_t imageList) = 0;

  // Adds a node at the end of the top level, or at the end of parent's children. Gives none
  // when the native control refuses the node.
  virtual TreeNode* AddTopLevel(const std::string& text) = 0;
  virtual TreeNode* AddChild(TreeNode* parent, const std::string& text) = 0;
  // Removes every child of node, which collapses.
  virtual void DeleteChildren(TreeNode* node) = 0;
  virtual void DeleteAll() = 0;

  virtual TreeNode* FirstNode() = 0;  // the first top-level node
  virtual TreeNode* NextSibling(TreeNode* node) = 0;
  virtual TreeNode* FirstChild(TreeNode* node) = 0;
  // Every node from top to bottom: each node before its children, children in order.
  virtual std::vector<TreeNode*> AllNodes() = 0;
  virtual std::size_t Count() const = 0;

  virtual std::string Text(TreeNode* node) const = 0;
  virtual void SetText(TreeNode* node, const std::string& text) = 0;
  virtual int ImageIndex(TreeNode* node) const = 0;
  virtual void SetImageIndex(TreeNode* node, int index) = 0;
  virtual int SelectedIndex(TreeNode* node) const = 0;
  virtual void SetSelectedIndex(TreeNode* node, int index) = 0;
  virtual void* Data(TreeNode* node) const = 0;
  virtual void SetData(TreeNode* node, void* data) = 0;

  virtual TreeNode* Selected() const = 0;
  // Expands the node's collapsed ancestors from the top down, each through OnBeforeExpand
  // (a refused one stays collapsed), then selects it. OnSelectionChanged follows only when
  // the selection really changes. A removed selected node leaves no selection, silently.
  virtual void Select(TreeNode* node) = 0;
  virtual void MakeFirstVisible(TreeNode* node) = 0;

  // Batches suspend redrawing until the outermost one ends.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;

  std::function<void()> OnWindowCreated;
  // A node is about to expand; false refuses.
  std::function<bool(TreeNode* node)> OnBeforeExpand;
  std::function<void(TreeNode* node)> OnSelectionChanged;
  // For every node that leaves the tree, however it leaves, while it can still be read.
  std::function<void(TreeNode* node)> OnNodeRemoved;

 protected:
  explicit TreeView(Container& parent) : Control(parent) {}
};

// Holds a batch open for its lifetime.
class TreeUpdate {
 public:
  explicit TreeUpdate(TreeView& tree) : tree_(tree) { tree_.BeginUpdate(); }
  ~TreeUpdate() { tree_.EndUpdate(); }
  TreeUpdate(const TreeUpdate&) = delete;
  TreeUpdate& operator=(const TreeUpdate&) = delete;

 private:
  TreeView& tree_;
};

}  // namespace ui
