#include "ui/headless/HeadlessTreeView.h"

#include <algorithm>

namespace ui {

// Nodes are only ever appended, and only removed as a whole set of siblings, so a node's
// position among its siblings never changes while it lives.
struct HeadlessTreeView::Node {
  Node* parent = nullptr;
  std::size_t index = 0;
  std::vector<std::unique_ptr<Node>> children;
  std::string text;
  int image = 0;
  int selectedImage = 0;
  void* data = nullptr;
  bool expanded = false;
};

HeadlessTreeView::HeadlessTreeView(Container& parent, const ui::Bounds& bounds,
                                   HeadlessApplication& app)
    : HeadlessControl(parent, bounds, app), root_(std::make_unique<Node>()) {}

// The owner may be gone already: the last nodes leave without a word.
HeadlessTreeView::~HeadlessTreeView() {
  OnNodeRemoved = nullptr;
  DestroyWindow();
}

HeadlessTreeView::Node* HeadlessTreeView::Own(TreeNode* node) const {
  return reinterpret_cast<Node*>(node);
}

TreeNode* HeadlessTreeView::Handle(Node* node) const {
  return reinterpret_cast<TreeNode*>(node);
}

bool HeadlessTreeView::HasWindow() const {
  return windowExists_;
}

void HeadlessTreeView::WindowNeeded() {
  if (windowExists_) return;
  windowExists_ = true;
  ++windowsCreated_;
  if (OnWindowCreated) OnWindowCreated();
}

void HeadlessTreeView::DestroyWindow() {
  if (!windowExists_) return;
  RemoveChildren(*root_);
  windowExists_ = false;
}

void HeadlessTreeView::SetImages(intptr_t imageList) {
  images_ = imageList;
}

TreeNode* HeadlessTreeView::AddTopLevel(const std::string& text) {
  WindowNeeded();
  return Add(*root_, text);
}

TreeNode* HeadlessTreeView::AddChild(TreeNode* parent, const std::string& text) {
  if (parent == nullptr) return AddTopLevel(text);
  return Add(*Own(parent), text);
}

TreeNode* HeadlessTreeView::Add(Node& parent, const std::string& text) {
  if (capacity_ && count_ >= *capacity_) return nullptr;
  auto node = std::make_unique<Node>();
  node->parent = &parent;
  node->index = parent.children.size();
  node->text = text;
  parent.children.push_back(std::move(node));
  ++count_;
  return Handle(parent.children.back().get());
}

void HeadlessTreeView::DeleteChildren(TreeNode* node) {
  if (node != nullptr) RemoveChildren(*Own(node));
}

void HeadlessTreeView::DeleteAll() {
  if (windowExists_) RemoveChildren(*root_);
}

void HeadlessTreeView::RemoveChildren(Node& node) {
  for (auto& child : node.children) Forget(*child);
  count_ -= std::min(count_, node.children.size());
  node.children.clear();
  node.expanded = false;
}

// A node and its subtree leave: the owner hears of each node while it can still read it.
void HeadlessTreeView::Forget(Node& node) {
  for (auto& child : node.children) Forget(*child);
  count_ -= std::min(count_, node.children.size());
  if (selected_ == &node) selected_ = nullptr;
  if (firstVisible_ == &node) firstVisible_ = nullptr;
  if (OnNodeRemoved) OnNodeRemoved(Handle(&node));
}

TreeNode* HeadlessTreeView::FirstNode() {
  WindowNeeded();
  return root_->children.empty() ? nullptr : Handle(root_->children.front().get());
}

TreeNode* HeadlessTreeView::NextSibling(TreeNode* node) {
  if (node == nullptr) return nullptr;
  Node* own = Own(node);
  auto& siblings = own->parent->children;
  return own->index + 1 < siblings.size() ? Handle(siblings[own->index + 1].get()) : nullptr;
}

TreeNode* HeadlessTreeView::FirstChild(TreeNode* node) {
  if (node == nullptr) return nullptr;
  auto& children = Own(node)->children;
  return children.empty() ? nullptr : Handle(children.front().get());
}

std::vector<TreeNode*> HeadlessTreeView::AllNodes() {
  WindowNeeded();
  std::vector<TreeNode*> nodes;
  nodes.reserve(count_);
  std::vector<Node*> pending;
  for (auto it = root_->children.rbegin(); it != root_->children.rend(); ++it) {
    pending.push_back(it->get());
  }
  while (!pending.empty()) {
    Node* node = pending.back();
    pending.pop_back();
    nodes.push_back(Handle(node));
    for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
      pending.push_back(it->get());
    }
  }
  return nodes;
}

std::size_t HeadlessTreeView::Count() const {
  return count_;
}

std::string HeadlessTreeView::Text(TreeNode* node) const {
  return node == nullptr ? std::string() : Own(node)->text;
}

void HeadlessTreeView::SetText(TreeNode* node, const std::string& text) {
  if (node != nullptr) Own(node)->text = text;
}

int HeadlessTreeView::ImageIndex(TreeNode* node) const {
  return node == nullptr ? 0 : Own(node)->image;
}

void HeadlessTreeView::SetImageIndex(TreeNode* node, int index) {
  if (node != nullptr) Own(node)->image = index;
}

int HeadlessTreeView::SelectedIndex(TreeNode* node) const {
  return node == nullptr ? 0 : Own(node)->selectedImage;
}

void HeadlessTreeView::SetSelectedIndex(TreeNode* node, int index) {
  if (node != nullptr) Own(node)->selectedImage = index;
}

void* HeadlessTreeView::Data(TreeNode* node) const {
  return node == nullptr ? nullptr : Own(node)->data;
}

void HeadlessTreeView::SetData(TreeNode* node, void* data) {
  if (node != nullptr) Own(node)->data = data;
}

TreeNode* HeadlessTreeView::Selected() const {
  return Handle(selected_);
}

void HeadlessTreeView::Select(TreeNode* node) {
  Node* own = Own(node);
  if (own != nullptr) {
    for (Node* ancestor : TopDownAncestors(*own)) Expand(*ancestor);
  }
  if (own == selected_) return;
  selected_ = own;
  if (OnSelectionChanged) OnSelectionChanged(node);
}

std::vector<HeadlessTreeView::Node*> HeadlessTreeView::TopDownAncestors(Node& node) const {
  std::vector<Node*> ancestors;
  for (Node* up = node.parent; up != nullptr && up != root_.get(); up = up->parent) {
    ancestors.push_back(up);
  }
  std::reverse(ancestors.begin(), ancestors.end());
  return ancestors;
}

bool HeadlessTreeView::Expand(Node& node) {
  if (node.expanded || node.children.empty()) return node.expanded;
  bool allowed = OnBeforeExpand ? OnBeforeExpand(Handle(&node)) : true;
  // The hook may have replaced the children; a node left without any cannot open.
  node.expanded = allowed && !node.children.empty();
  return node.expanded;
}

void HeadlessTreeView::MakeFirstVisible(TreeNode* node) {
  firstVisible_ = Own(node);
}

void HeadlessTreeView::BeginUpdate() {
  WindowNeeded();
  ++updateDepth_;
}

void HeadlessTreeView::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0) ++redraws_;
}

bool HeadlessTreeView::UserExpand(TreeNode* node) {
  if (!HasExpandButton(node)) return false;
  Input([&] { Expand(*Own(node)); });
  return IsExpanded(node);
}

// Collapsing hides the selection, so the native control moves it to the collapsed node.
void HeadlessTreeView::UserCollapse(TreeNode* node) {
  if (node == nullptr) return;
  Input([&] {
    Own(node)->expanded = false;
    for (Node* up = selected_ == nullptr ? nullptr : selected_->parent; up != nullptr;
         up = up->parent) {
      if (up == Own(node)) Select(node);
    }
  });
}

bool HeadlessTreeView::UserClick(TreeNode* node) {
  return Input([&] { Select(node); });
}

TreeNode* HeadlessTreeView::Parent(TreeNode* node) const {
  if (node == nullptr || Own(node)->parent == root_.get()) return nullptr;
  return Handle(Own(node)->parent);
}

bool HeadlessTreeView::IsExpanded(TreeNode* node) const {
  return node != nullptr && Own(node)->expanded;
}

bool HeadlessTreeView::HasExpandButton(TreeNode* node) const {
  return node != nullptr && !Own(node)->children.empty();
}

std::vector<std::string> HeadlessTreeView::ChildTexts(TreeNode* node) const {
  const Node& parent = node == nullptr ? *root_ : *Own(node);
  std::vector<std::string> texts;
  for (auto& child : parent.children) texts.push_back(child->text);
  return texts;
}

TreeNode* HeadlessTreeView::Find(const std::vector<std::string>& texts) const {
  Node* node = root_.get();
  for (const auto& text : texts) {
    auto found = std::find_if(node->children.begin(), node->children.end(),
                              [&](const auto& child) { return child->text == text; });
    if (found == node->children.end()) return nullptr;
    node = found->get();
  }
  return node == root_.get() ? nullptr : Handle(node);
}

TreeNode* HeadlessTreeView::FirstVisible() const {
  return Handle(firstVisible_);
}

intptr_t HeadlessTreeView::Images() const {
  return images_;
}

int HeadlessTreeView::WindowsCreated() const {
  return windowsCreated_;
}

int HeadlessTreeView::Redraws() const {
  return redraws_;
}

int HeadlessTreeView::UpdateDepth() const {
  return updateDepth_;
}

void HeadlessTreeView::SetCapacity(std::optional<std::size_t> limit) {
  capacity_ = limit;
}

}  // namespace ui
