#include "ui/wx/WxTreeView.h"

#include <utility>
#include <vector>

#include "platform/Error.h"
#include "platform/shell/Shell.h"
#include "ui/wx/WxSystemIcons.h"
#include "ui/wx/WxText.h"
#include "ui/wx/WxTheme.h"

namespace ui {

namespace {

constexpr long kStyle =
    wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_EDIT_LABELS | wxBORDER_SUNKEN;

// The owner's data pointer of one node.
class NodeData : public wxTreeItemData {
 public:
  void* data = nullptr;
};

}  // namespace

WxTreeView::WxTreeView(wxWindow* parent, const wxPoint& position, const wxSize& size,
                       Application& app)
    : parent_(parent), position_(position), size_(size), app_(app) {}

// The owner may be gone already: the last nodes leave without a word.
WxTreeView::~WxTreeView() {
  OnNodeRemoved = nullptr;
  DestroyWindow();
}

wxTreeItemId WxTreeView::Item(TreeNode* node) {
  return wxTreeItemId(static_cast<void*>(node));
}

TreeNode* WxTreeView::Node(const wxTreeItemId& item) const {
  return item.IsOk() && item != root_ ? static_cast<TreeNode*>(item.GetID()) : nullptr;
}

bool WxTreeView::HasWindow() const {
  return ctrl_.get() != nullptr;
}

void WxTreeView::WindowNeeded() {
  if (ctrl_) return;
  if (!parent_) throw platform::Error("Control has no parent window");
  auto* ctrl = new wxTreeCtrl(parent_.get(), wxID_ANY, position_, size_, kStyle);
  ctrl_ = ctrl;
  // The tree ignores a font equal to the one it inherits, and would keep the theme's.
  ctrl->SetFont(WxTheme::DialogFont(true));
  ctrl->SetFont(WxTheme::DialogFont(false));
  root_ = ctrl->AddRoot(wxString());
  if (imageList_ == platform::SYSTEM_IMAGE_LIST) ctrl->AssignImageList(NewWxSystemImageList());
  ctrl->Bind(wxEVT_TREE_ITEM_EXPANDING, [this](wxTreeEvent& event) { Expanding(event); });
  ctrl->Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) { SelectionChanged(event); });
  ctrl->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) { Destroyed(event); });
  KeepSelectionOnRoot();
  if (updateDepth_ > 0) {
    ctrl->Freeze();
    frozen_ = true;
  }
  if (OnWindowCreated) OnWindowCreated();
}

void WxTreeView::DestroyWindow() {
  if (!ctrl_) return;
  ForgetChildren(root_);
  wxTreeCtrl* ctrl = ctrl_.get();
  ctrl_.Release();  // the destroy event then finds a window that is no longer ours
  selected_ = nullptr;
  frozen_ = false;
  ctrl->Destroy();
}

// The parent window is going and takes the control with it.
void WxTreeView::Destroyed(wxWindowDestroyEvent& event) {
  event.Skip();
  if (!ctrl_ || event.GetEventObject() != ctrl_.get()) return;
  app_.Dispatch([this] { ForgetChildren(root_); });
  ctrl_.Release();
  selected_ = nullptr;
  frozen_ = false;
}

void WxTreeView::SetImages(intptr_t imageList) {
  imageList_ = imageList;
  if (!ctrl_) return;
  if (imageList_ == platform::SYSTEM_IMAGE_LIST) {
    ctrl_->AssignImageList(NewWxSystemImageList());
  } else {
    ctrl_->SetImageList(nullptr);
  }
}

TreeNode* WxTreeView::AddTopLevel(const std::string& text) {
  WindowNeeded();
  return Append(root_, text);
}

TreeNode* WxTreeView::AddChild(TreeNode* parent, const std::string& text) {
  if (parent == nullptr) return AddTopLevel(text);
  return Append(Item(parent), text);
}

TreeNode* WxTreeView::Append(const wxTreeItemId& parent, const std::string& text) {
  wxTreeItemId item = ctrl_->AppendItem(parent, ToWx(text));
  return item.IsOk() ? Node(item) : nullptr;
}

void WxTreeView::DeleteChildren(TreeNode* node) {
  if (node == nullptr || !ctrl_) return;
  wxTreeItemId item = Item(node);
  ForgetChildren(item);
  Native([&] {
    ctrl_->Collapse(item);
    ctrl_->DeleteChildren(item);
  });
  KeepSelectionOnRoot();
}

void WxTreeView::DeleteAll() {
  if (!ctrl_) return;
  ForgetChildren(root_);
  Native([&] { ctrl_->DeleteChildren(root_); });
  KeepSelectionOnRoot();
}

void WxTreeView::ForgetChildren(const wxTreeItemId& item) {
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = ctrl_->GetFirstChild(item, cookie); child.IsOk();
       child = ctrl_->GetNextChild(item, cookie)) {
    Forget(child);
  }
}

// A node and its subtree leave: the owner hears of each node while it can still read it.
void WxTreeView::Forget(const wxTreeItemId& item) {
  ForgetChildren(item);
  TreeNode* node = Node(item);
  if (node == selected_) selected_ = nullptr;
  if (OnNodeRemoved) OnNodeRemoved(node);
}

// With no item selected, the control would select one by itself when it is next idle and
// report that as a change; the hidden root stands for "nothing selected" instead.
void WxTreeView::KeepSelectionOnRoot() {
  if (!ctrl_->GetSelection().IsOk()) Native([&] { ctrl_->SelectItem(root_); });
}

TreeNode* WxTreeView::FirstNode() {
  WindowNeeded();
  wxTreeItemIdValue cookie;
  return Node(ctrl_->GetFirstChild(root_, cookie));
}

TreeNode* WxTreeView::NextSibling(TreeNode* node) {
  if (node == nullptr || !ctrl_) return nullptr;
  return Node(ctrl_->GetNextSibling(Item(node)));
}

TreeNode* WxTreeView::FirstChild(TreeNode* node) {
  if (node == nullptr || !ctrl_) return nullptr;
  wxTreeItemIdValue cookie;
  return Node(ctrl_->GetFirstChild(Item(node), cookie));
}

std::vector<TreeNode*> WxTreeView::AllNodes() {
  WindowNeeded();
  std::vector<TreeNode*> nodes;
  std::function<void(const wxTreeItemId&)> visit = [&](const wxTreeItemId& parent) {
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = ctrl_->GetFirstChild(parent, cookie); child.IsOk();
         child = ctrl_->GetNextChild(parent, cookie)) {
      nodes.push_back(Node(child));
      visit(child);
    }
  };
  visit(root_);
  return nodes;
}

std::size_t WxTreeView::Count() const {
  return ctrl_ ? ctrl_->GetCount() : 0;
}

std::string WxTreeView::Text(TreeNode* node) const {
  return node == nullptr || !ctrl_ ? std::string() : FromWx(ctrl_->GetItemText(Item(node)));
}

void WxTreeView::SetText(TreeNode* node, const std::string& text) {
  if (node != nullptr && ctrl_) ctrl_->SetItemText(Item(node), ToWx(text));
}

int WxTreeView::ImageIndex(TreeNode* node) const {
  return node == nullptr || !ctrl_ ? -1 : ctrl_->GetItemImage(Item(node), wxTreeItemIcon_Normal);
}

void WxTreeView::SetImageIndex(TreeNode* node, int index) {
  if (node != nullptr && ctrl_) ctrl_->SetItemImage(Item(node), index, wxTreeItemIcon_Normal);
}

int WxTreeView::SelectedIndex(TreeNode* node) const {
  return node == nullptr || !ctrl_ ? -1 : ctrl_->GetItemImage(Item(node), wxTreeItemIcon_Selected);
}

// wx draws an expanded node's selected image only when it has one of its own.
void WxTreeView::SetSelectedIndex(TreeNode* node, int index) {
  if (node == nullptr || !ctrl_) return;
  ctrl_->SetItemImage(Item(node), index, wxTreeItemIcon_Selected);
  ctrl_->SetItemImage(Item(node), index, wxTreeItemIcon_SelectedExpanded);
}

void* WxTreeView::Data(TreeNode* node) const {
  if (node == nullptr || !ctrl_) return nullptr;
  auto* data = static_cast<NodeData*>(ctrl_->GetItemData(Item(node)));
  return data == nullptr ? nullptr : data->data;
}

void WxTreeView::SetData(TreeNode* node, void* data) {
  if (node == nullptr || !ctrl_) return;
  auto* holder = static_cast<NodeData*>(ctrl_->GetItemData(Item(node)));
  if (holder == nullptr) {
    holder = new NodeData;
    ctrl_->SetItemData(Item(node), holder);
  }
  holder->data = data;
}

TreeNode* WxTreeView::Selected() const {
  return ctrl_ ? selected_ : nullptr;
}

void WxTreeView::Select(TreeNode* node) {
  if (!ctrl_) return;
  if (node != nullptr) {
    std::vector<wxTreeItemId> ancestors;
    for (wxTreeItemId up = ctrl_->GetItemParent(Item(node)); up.IsOk() && up != root_;
         up = ctrl_->GetItemParent(up)) {
      ancestors.push_back(up);
    }
    for (auto up = ancestors.rbegin(); up != ancestors.rend(); ++up) {
      if (!ctrl_->IsExpanded(*up)) Native([&] { ctrl_->Expand(*up); });
    }
  }
  if (node == selected_) return;
  Native([&] { ctrl_->SelectItem(node == nullptr ? root_ : Item(node)); });
  if (selected_ != node) {  // the control had it selected already and said nothing
    selected_ = node;
    if (OnSelectionChanged) OnSelectionChanged(node);
  }
}

// The control scrolls an item into sight at the nearer edge; the item goes to the top here.
void WxTreeView::MakeFirstVisible(TreeNode* node) {
  if (node == nullptr || !ctrl_) return;
  ctrl_->ScrollTo(Item(node));
  wxRect rect;
  if (!ctrl_->GetBoundingRect(Item(node), rect)) return;
  int unitX = 0;
  int unitY = 0;
  ctrl_->GetScrollPixelsPerUnit(&unitX, &unitY);
  int startX = 0;
  int startY = 0;
  ctrl_->GetViewStart(&startX, &startY);
  if (unitY > 0) ctrl_->Scroll(-1, startY + rect.y / unitY);
}

void WxTreeView::BeginUpdate() {
  WindowNeeded();
  if (updateDepth_++ == 0 && !frozen_) {
    ctrl_->Freeze();
    frozen_ = true;
  }
}

void WxTreeView::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0 && frozen_) {
    frozen_ = false;
    if (ctrl_) ctrl_->Thaw();
  }
}

// A native call that raises events: an error of a hook inside it waits until the control
// is done, then goes to the caller, so that no error crosses the native control's code.
void WxTreeView::Native(const std::function<void()>& call) {
  ++ownCalls_;
  try {
    call();
  } catch (...) {
    --ownCalls_;
    throw;
  }
  --ownCalls_;
  if (hookError_) std::rethrow_exception(std::exchange(hookError_, nullptr));
}

// Hooks run from native events: inside our own calls their errors go to the caller, for
// the user's input to the general error report.
void WxTreeView::RunHook(const std::function<void()>& hook) {
  if (ownCalls_ == 0) {
    app_.Dispatch(hook);
    return;
  }
  if (hookError_) return;
  try {
    hook();
  } catch (...) {
    hookError_ = std::current_exception();
  }
}

void WxTreeView::Expanding(wxTreeEvent& event) {
  wxTreeItemId item = event.GetItem();
  bool allowed = false;
  RunHook([&] { allowed = !OnBeforeExpand || OnBeforeExpand(Node(item)); });
  // The hook may have taken every child: a node without any does not open.
  if (!allowed || !ctrl_ || !ctrl_->ItemHasChildren(item)) event.Veto();
}

void WxTreeView::SelectionChanged(const wxTreeEvent& event) {
  TreeNode* node = Node(event.GetItem());
  if (node == selected_) return;
  selected_ = node;
  RunHook([&] {
    if (OnSelectionChanged) OnSelectionChanged(node);
  });
}

}  // namespace ui
