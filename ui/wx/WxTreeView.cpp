#include "ui/wx/WxTreeView.h"

#include <wx/toplevel.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/Error.h"
#include "platform/shell/Shell.h"
#include "ui/wx/WxForm.h"
#include "ui/wx/WxSystemIcons.h"
#include "ui/wx/WxText.h"
#include "ui/wx/WxTheme.h"

namespace ui {

namespace {

// The icon and the gap before a node's text.
constexpr int kIconRoom = 20;

// Where a scrolled window's view starts, in scroll units, and the pixels of a unit.
struct ScrollPosition {
  wxPoint start;
  wxPoint unit;
};

ScrollPosition Scrolled(const wxTreeCtrl& window) {
  ScrollPosition at;
  window.GetScrollPixelsPerUnit(&at.unit.x, &at.unit.y);
  window.GetViewStart(&at.start.x, &at.start.y);
  return at;
}

constexpr long kStyle =
    wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_EDIT_LABELS | wxBORDER_SIMPLE;

// The owner's data pointer of one node.
class NodeData : public wxTreeItemData {
 public:
  void* data = nullptr;
};

}  // namespace

WxTreeView::WxTreeView(Container& parent, const ui::Bounds& bounds)
    : WxControl(parent, bounds, [](wxWindow* client, wxPoint at, wxSize size) {
        auto* tree = new wxTreeCtrl(client, wxID_ANY, at, size, kStyle);
        tree->Hide();
        // The tree ignores a font equal to the one it inherits, and would keep the theme's:
        // the dialog font that every control gets must differ from this one.
        tree->SetFont(WxTheme::DialogFont(true));
        return tree;
      }) {
  root_ = Window()->AddRoot(wxString());
  Window()->Bind(wxEVT_TREE_ITEM_EXPANDING, &WxTreeView::Expanding, this);
  Window()->Bind(wxEVT_TREE_SEL_CHANGED, &WxTreeView::SelectionChanged, this);
  Window()->Bind(wxEVT_DESTROY, &WxTreeView::Destroyed, this);
  form_ = static_cast<WxForm&>(parent.OwningForm()).Window();
  form_->Bind(wxEVT_SHOW, &WxTreeView::FormShown, this);
}

// The owner may be gone already: the last nodes leave without a word. The native control
// goes with the base class, and must not call back into this part of the object.
WxTreeView::~WxTreeView() {
  OnNodeRemoved = nullptr;
  if (form_) form_->Unbind(wxEVT_SHOW, &WxTreeView::FormShown, this);
  DestroyWindow();
  if (Window() == nullptr) return;
  Window()->Unbind(wxEVT_TREE_ITEM_EXPANDING, &WxTreeView::Expanding, this);
  Window()->Unbind(wxEVT_TREE_SEL_CHANGED, &WxTreeView::SelectionChanged, this);
  Window()->Unbind(wxEVT_DESTROY, &WxTreeView::Destroyed, this);
}

wxTreeItemId WxTreeView::Item(TreeNode* node) {
  return wxTreeItemId(static_cast<void*>(node));
}

TreeNode* WxTreeView::Node(const wxTreeItemId& item) const {
  return item.IsOk() && item != root_ ? static_cast<TreeNode*>(item.GetID()) : nullptr;
}

bool WxTreeView::HasWindow() const {
  return hasWindow_ && Window() != nullptr;
}

void WxTreeView::WindowNeeded() {
  if (HasWindow()) return;
  if (Window() == nullptr) throw platform::Error("Control has no parent window");
  hasWindow_ = true;
  KeepSelectionOnRoot();
  Window()->Show();
  if (OnWindowCreated) OnWindowCreated();
}

void WxTreeView::DestroyWindow() {
  if (!HasWindow()) return;
  ForgetChildren(root_);
  hasWindow_ = false;
  selected_ = nullptr;
  Native([&] { Window()->DeleteChildren(root_); });
  KeepSelectionOnRoot();
  Window()->Hide();
}

// A form that is shown shows its tree.
void WxTreeView::FormShown(wxShowEvent& event) {
  event.Skip();
  if (event.IsShown() && !HasWindow() && Window() != nullptr) {
    App().Dispatch([this] { WindowNeeded(); });
  }
}

// The form is going and takes the control with it.
void WxTreeView::Destroyed(wxWindowDestroyEvent& event) {
  event.Skip();
  if (event.GetEventObject() != Window() || !hasWindow_) return;
  App().Dispatch([this] { ForgetChildren(root_); });
  hasWindow_ = false;
  selected_ = nullptr;
}

void WxTreeView::SetImages(intptr_t imageList) {
  if (Window() == nullptr) return;
  if (imageList == platform::SYSTEM_IMAGE_LIST) {
    Window()->AssignImageList(NewWxSystemImageList());
  } else {
    Window()->SetImageList(nullptr);
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
  wxTreeItemId item = Window()->AppendItem(parent, ToWx(text));
  return item.IsOk() ? Node(item) : nullptr;
}

void WxTreeView::DeleteChildren(TreeNode* node) {
  if (node == nullptr || !HasWindow()) return;
  wxTreeItemId item = Item(node);
  ForgetChildren(item);
  Native([&] {
    Window()->Collapse(item);
    Window()->DeleteChildren(item);
  });
  KeepSelectionOnRoot();
}

void WxTreeView::DeleteAll() {
  if (!HasWindow()) return;
  ForgetChildren(root_);
  Native([&] { Window()->DeleteChildren(root_); });
  KeepSelectionOnRoot();
}

void WxTreeView::ForgetChildren(const wxTreeItemId& item) {
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = Window()->GetFirstChild(item, cookie); child.IsOk();
       child = Window()->GetNextChild(item, cookie)) {
    Forget(child);
  }
}

// A node and its subtree leave: the owner hears of each node while it can still read it.
void WxTreeView::Forget(const wxTreeItemId& item) {
  ForgetChildren(item);
  TreeNode* node = Node(item);
  if (node == selected_) selected_ = nullptr;
  if (node == toShow_) toShow_ = nullptr;
  if (OnNodeRemoved) OnNodeRemoved(node);
}

// With no item selected, the control would select one by itself when it is next idle and
// report that as a change; the hidden root stands for "nothing selected" instead.
void WxTreeView::KeepSelectionOnRoot() {
  if (!Window()->GetSelection().IsOk()) Native([&] { Window()->SelectItem(root_); });
}

TreeNode* WxTreeView::FirstNode() {
  WindowNeeded();
  wxTreeItemIdValue cookie;
  return Node(Window()->GetFirstChild(root_, cookie));
}

TreeNode* WxTreeView::NextSibling(TreeNode* node) {
  if (node == nullptr || !HasWindow()) return nullptr;
  return Node(Window()->GetNextSibling(Item(node)));
}

TreeNode* WxTreeView::FirstChild(TreeNode* node) {
  if (node == nullptr || !HasWindow()) return nullptr;
  wxTreeItemIdValue cookie;
  return Node(Window()->GetFirstChild(Item(node), cookie));
}

std::vector<TreeNode*> WxTreeView::AllNodes() {
  WindowNeeded();
  std::vector<TreeNode*> nodes;
  std::function<void(const wxTreeItemId&)> visit = [&](const wxTreeItemId& parent) {
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = Window()->GetFirstChild(parent, cookie); child.IsOk();
         child = Window()->GetNextChild(parent, cookie)) {
      nodes.push_back(Node(child));
      visit(child);
    }
  };
  visit(root_);
  return nodes;
}

std::size_t WxTreeView::Count() const {
  return HasWindow() ? Window()->GetCount() : 0;
}

std::string WxTreeView::Text(TreeNode* node) const {
  return node == nullptr || !HasWindow() ? std::string()
                                         : FromWx(Window()->GetItemText(Item(node)));
}

void WxTreeView::SetText(TreeNode* node, const std::string& text) {
  if (node != nullptr && HasWindow()) Window()->SetItemText(Item(node), ToWx(text));
}

int WxTreeView::ImageIndex(TreeNode* node) const {
  return node == nullptr || !HasWindow()
             ? -1
             : Window()->GetItemImage(Item(node), wxTreeItemIcon_Normal);
}

void WxTreeView::SetImageIndex(TreeNode* node, int index) {
  if (node != nullptr && HasWindow())
    Window()->SetItemImage(Item(node), index, wxTreeItemIcon_Normal);
}

int WxTreeView::SelectedIndex(TreeNode* node) const {
  return node == nullptr || !HasWindow()
             ? -1
             : Window()->GetItemImage(Item(node), wxTreeItemIcon_Selected);
}

// wx draws an expanded node's selected image only when it has one of its own.
void WxTreeView::SetSelectedIndex(TreeNode* node, int index) {
  if (node == nullptr || !HasWindow()) return;
  Window()->SetItemImage(Item(node), index, wxTreeItemIcon_Selected);
  Window()->SetItemImage(Item(node), index, wxTreeItemIcon_SelectedExpanded);
}

void* WxTreeView::Data(TreeNode* node) const {
  if (node == nullptr || !HasWindow()) return nullptr;
  auto* data = static_cast<NodeData*>(Window()->GetItemData(Item(node)));
  return data == nullptr ? nullptr : data->data;
}

void WxTreeView::SetData(TreeNode* node, void* data) {
  if (node == nullptr || !HasWindow()) return;
  auto* holder = static_cast<NodeData*>(Window()->GetItemData(Item(node)));
  if (holder == nullptr) {
    holder = new NodeData;
    Window()->SetItemData(Item(node), holder);
  }
  holder->data = data;
}

TreeNode* WxTreeView::Selected() const {
  return HasWindow() ? selected_ : nullptr;
}

void WxTreeView::Select(TreeNode* node) {
  if (!HasWindow()) return;
  if (node != nullptr) {
    std::vector<wxTreeItemId> ancestors;
    for (wxTreeItemId up = Window()->GetItemParent(Item(node)); up.IsOk() && up != root_;
         up = Window()->GetItemParent(up)) {
      ancestors.push_back(up);
    }
    for (auto up = ancestors.rbegin(); up != ancestors.rend(); ++up) {
      if (!Window()->IsExpanded(*up)) Native([&] { Window()->Expand(*up); });
    }
  }
  if (node != nullptr) ShowWhenLaidOut(node, false);
  if (node == selected_) return;
  Native([&] { Window()->SelectItem(node == nullptr ? root_ : Item(node)); });
  if (selected_ != node) {  // the control had it selected already and said nothing
    selected_ = node;
    if (OnSelectionChanged) OnSelectionChanged(node);
  }
}

// Rows of nodes just expanded get their places when the control is next idle, and a frozen
// control scrolls nowhere: scrolling to the node before then measures it where the collapsed
// parents had left it. So the node is brought into sight once more when the control is next
// idle, at the top when it was asked to stand there.
void WxTreeView::ShowWhenLaidOut(TreeNode* node, bool atTop) {
  bool scheduled = toShow_ != nullptr;
  toShow_ = node;
  showAtTop_ = atTop;
  if (!scheduled) Window()->CallAfter([this] { ShowLaidOut(); });
}

void WxTreeView::ShowLaidOut() {
  if (toShow_ == nullptr || Window()->IsFrozen()) return;  // EndUpdate asks again
  TreeNode* shown = std::exchange(toShow_, nullptr);
  Window()->EnsureVisible(Item(shown));
  if (showAtTop_) ScrollToTop(shown);
  ScrollToText(shown);
}

// The control scrolls only up and down; a node nested deeper than the tree is wide has its
// text brought in from the right, with its icon.
void WxTreeView::ScrollToText(TreeNode* node) {
  wxRect text;
  if (!Window()->GetBoundingRect(Item(node), text, true)) return;
  if (text.x >= 0 && text.GetRight() < Window()->GetClientSize().x) return;
  const ScrollPosition at = Scrolled(*Window());
  if (at.unit.x > 0) {
    Window()->Scroll(std::max(0, at.start.x + (text.x - kIconRoom) / at.unit.x), -1);
  }
}

// The control scrolls an item into sight at the nearer edge; the item goes to the top here.
void WxTreeView::MakeFirstVisible(TreeNode* node) {
  if (node == nullptr || !HasWindow()) return;
  ScrollToTop(node);
  ShowWhenLaidOut(node, true);
}

void WxTreeView::ScrollToTop(TreeNode* node) {
  Window()->ScrollTo(Item(node));
  wxRect rect;
  if (!Window()->GetBoundingRect(Item(node), rect)) return;
  const ScrollPosition at = Scrolled(*Window());
  if (at.unit.y > 0) Window()->Scroll(-1, at.start.y + rect.y / at.unit.y);
}

void WxTreeView::BeginUpdate() {
  WindowNeeded();
  if (updateDepth_++ == 0) Window()->Freeze();
}

void WxTreeView::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0 && Window() != nullptr && Window()->IsFrozen()) {
    Window()->Thaw();
    if (toShow_ != nullptr) Window()->CallAfter([this] { ShowLaidOut(); });
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
    App().Dispatch(hook);
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
  if (!allowed || !HasWindow() || !Window()->ItemHasChildren(item)) event.Veto();
}

void WxTreeView::SelectionChanged(wxTreeEvent& event) {
  TreeNode* node = Node(event.GetItem());
  if (node == selected_) return;
  selected_ = node;
  RunHook([&] {
    if (OnSelectionChanged) OnSelectionChanged(node);
  });
}

}  // namespace ui
