#include "ui/win32/Win32TreeView.h"

#include <utility>
#include <vector>

namespace ui {

namespace {

constexpr DWORD kStyle = WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                         TVS_EDITLABELS | TVS_SHOWSELALWAYS;
constexpr int kTextRoom = 1024;

// Holds a counter up for its lifetime.
class Raised {
 public:
  explicit Raised(int& counter) : counter_(counter) { ++counter_; }
  ~Raised() { --counter_; }
  Raised(const Raised&) = delete;
  Raised& operator=(const Raised&) = delete;

 private:
  int& counter_;
};

}  // namespace

Win32TreeView::Win32TreeView(Container& parent, const ui::Bounds& bounds)
    : Win32Control(parent, bounds, {WC_TREEVIEWW, kStyle, WS_EX_CLIENTEDGE}) {
  ShowWindow(Handle(), platform::SW_HIDE);
}

// The owner may be gone already: the last nodes leave without a word.
Win32TreeView::~Win32TreeView() {
  OnNodeRemoved = nullptr;
  DestroyWindow();
}

void Win32TreeView::WindowNeeded() {
  if (hasWindow_) return;
  hasWindow_ = true;
  ShowWindow(Handle(), platform::SW_SHOW);
  if (OnWindowCreated) OnWindowCreated();
}

void Win32TreeView::DestroyWindow() {
  if (!hasWindow_) return;
  ForgetChildren(TVI_ROOT);
  hasWindow_ = false;
  selected_ = nullptr;
  Raised quiet(quiet_);
  Native([&] { TreeView_DeleteAllItems(Handle()); });
  ShowWindow(Handle(), platform::SW_HIDE);
}

void Win32TreeView::SetImages(intptr_t imageList) {
  TreeView_SetImageList(Handle(), reinterpret_cast<HIMAGELIST>(imageList), TVSIL_NORMAL);
}

TreeNode* Win32TreeView::AddTopLevel(const std::string& text) {
  WindowNeeded();
  return Append(TVI_ROOT, text);
}

TreeNode* Win32TreeView::AddChild(TreeNode* parent, const std::string& text) {
  if (parent == nullptr) return AddTopLevel(text);
  WindowNeeded();
  return Append(Item(parent), text);
}

TreeNode* Win32TreeView::Append(HTREEITEM parent, const std::string& text) {
  std::wstring wide = platform::win32::Wide(text);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = wide.data();
  insert.item.lParam = 0;
  HTREEITEM item = nullptr;
  Native([&] {
    item = reinterpret_cast<HTREEITEM>(
        SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  });
  return Node(item);
}

void Win32TreeView::DeleteChildren(TreeNode* node) {
  if (node == nullptr || !hasWindow_) return;
  ForgetChildren(Item(node));
  {
    Raised quiet(quiet_);
    Native([&] {
      TreeView_Expand(Handle(), Item(node), TVE_COLLAPSE | TVE_COLLAPSERESET);
      while (HTREEITEM child = TreeView_GetChild(Handle(), Item(node))) {
        TreeView_DeleteItem(Handle(), child);
      }
    });
  }
  DropStaleSelection();
}

void Win32TreeView::DeleteAll() {
  if (!hasWindow_) return;
  ForgetChildren(TVI_ROOT);
  Raised quiet(quiet_);
  Native([&] { TreeView_DeleteAllItems(Handle()); });
}

// A node and its subtree leave: the owner hears of each node while it can still read it.
void Win32TreeView::Forget(HTREEITEM item) {
  ForgetChildren(item);
  TreeNode* node = Node(item);
  if (node == selected_) selected_ = nullptr;
  if (OnNodeRemoved) OnNodeRemoved(node);
}

void Win32TreeView::ForgetChildren(HTREEITEM item) {
  std::vector<HTREEITEM> children;
  for (HTREEITEM child = Next(item, item == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD); child != nullptr;
       child = Next(child, TVGN_NEXT)) {
    children.push_back(child);
  }
  for (HTREEITEM child : children) Forget(child);
}

// The control moves its selection to a neighbour of a removed selected node; the tree has
// none then, silently.
void Win32TreeView::DropStaleSelection() {
  if (selected_ != nullptr || TreeView_GetSelection(Handle()) == nullptr) return;
  Raised quiet(quiet_);
  Native([&] { TreeView_SelectItem(Handle(), nullptr); });
}

HTREEITEM Win32TreeView::Next(HTREEITEM item, UINT relation) const {
  return TreeView_GetNextItem(Handle(), relation == TVGN_ROOT ? nullptr : item, relation);
}

TreeNode* Win32TreeView::FirstNode() {
  WindowNeeded();
  return Node(TreeView_GetRoot(Handle()));
}

TreeNode* Win32TreeView::NextSibling(TreeNode* node) {
  if (node == nullptr || !hasWindow_) return nullptr;
  return Node(Next(Item(node), TVGN_NEXT));
}

TreeNode* Win32TreeView::FirstChild(TreeNode* node) {
  if (node == nullptr || !hasWindow_) return nullptr;
  return Node(Next(Item(node), TVGN_CHILD));
}

std::vector<TreeNode*> Win32TreeView::AllNodes() {
  WindowNeeded();
  std::vector<TreeNode*> nodes;
  std::function<void(HTREEITEM)> visit = [&](HTREEITEM first) {
    for (HTREEITEM item = first; item != nullptr; item = Next(item, TVGN_NEXT)) {
      nodes.push_back(Node(item));
      visit(Next(item, TVGN_CHILD));
    }
  };
  visit(TreeView_GetRoot(Handle()));
  return nodes;
}

std::size_t Win32TreeView::Count() const {
  return hasWindow_ ? static_cast<std::size_t>(TreeView_GetCount(Handle())) : 0;
}

bool Win32TreeView::GetItem(TVITEMW& item) const {
  return item.hItem != nullptr && hasWindow_ &&
         SendMessageW(Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

void Win32TreeView::SetItem(TVITEMW& item) {
  if (item.hItem != nullptr && hasWindow_) {
    SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

std::string Win32TreeView::Text(TreeNode* node) const {
  wchar_t text[kTextRoom] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = Item(node);
  item.pszText = text;
  item.cchTextMax = kTextRoom;
  return GetItem(item) ? platform::win32::Narrow(text) : std::string();
}

void Win32TreeView::SetText(TreeNode* node, const std::string& text) {
  std::wstring wide = platform::win32::Wide(text);
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = Item(node);
  item.pszText = wide.data();
  SetItem(item);
}

int Win32TreeView::ImageIndex(TreeNode* node) const {
  TVITEMW item{};
  item.mask = TVIF_IMAGE;
  item.hItem = Item(node);
  return GetItem(item) ? item.iImage : -1;
}

void Win32TreeView::SetImageIndex(TreeNode* node, int index) {
  TVITEMW item{};
  item.mask = TVIF_IMAGE;
  item.hItem = Item(node);
  item.iImage = index;
  SetItem(item);
}

int Win32TreeView::SelectedIndex(TreeNode* node) const {
  TVITEMW item{};
  item.mask = TVIF_SELECTEDIMAGE;
  item.hItem = Item(node);
  return GetItem(item) ? item.iSelectedImage : -1;
}

void Win32TreeView::SetSelectedIndex(TreeNode* node, int index) {
  TVITEMW item{};
  item.mask = TVIF_SELECTEDIMAGE;
  item.hItem = Item(node);
  item.iSelectedImage = index;
  SetItem(item);
}

void* Win32TreeView::Data(TreeNode* node) const {
  TVITEMW item{};
  item.mask = TVIF_PARAM;
  item.hItem = Item(node);
  return GetItem(item) ? reinterpret_cast<void*>(item.lParam) : nullptr;
}

void Win32TreeView::SetData(TreeNode* node, void* data) {
  TVITEMW item{};
  item.mask = TVIF_PARAM;
  item.hItem = Item(node);
  item.lParam = reinterpret_cast<LPARAM>(data);
  SetItem(item);
}

void Win32TreeView::Select(TreeNode* node) {
  if (!hasWindow_) return;
  const std::vector<HTREEITEM> refused =
      node != nullptr ? ExpandAncestors(node) : std::vector<HTREEITEM>{};
  if (node != selected_) {
    Native([&] {
      Raised quiet(quietExpansions_);
      TreeView_SelectItem(Handle(), Item(node));
    });
    if (selected_ != node) {  // the control had it selected already and said nothing
      selected_ = node;
      if (OnSelectionChanged) OnSelectionChanged(node);
    }
  }
  // The control opens every ancestor of the node it selects; a refused one stays shut.
  Raised quiet(quietExpansions_);
  for (HTREEITEM up : refused) TreeView_Expand(Handle(), up, TVE_COLLAPSE);
  if (node != nullptr && refused.empty()) TreeView_EnsureVisible(Handle(), Item(node));
}

// The control tells of an expansion by code only the first time: the hook runs here for
// every collapsed ancestor, from the top down, and the control's own notification is quiet.
std::vector<HTREEITEM> Win32TreeView::ExpandAncestors(TreeNode* node) {
  std::vector<HTREEITEM> ancestors;
  std::vector<HTREEITEM> refused;
  for (HTREEITEM up = Next(Item(node), TVGN_PARENT); up != nullptr; up = Next(up, TVGN_PARENT)) {
    ancestors.push_back(up);
  }
  for (auto up = ancestors.rbegin(); up != ancestors.rend(); ++up) {
    const bool expanded =
        (TreeView_GetItemState(Handle(), *up, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    if (expanded) continue;
    if (OnBeforeExpand && !OnBeforeExpand(Node(*up))) {
      refused.push_back(*up);
      continue;
    }
    if (Next(*up, TVGN_CHILD) == nullptr) continue;
    Raised quiet(quietExpansions_);
    Native([&] { TreeView_Expand(Handle(), *up, TVE_EXPAND); });
  }
  return refused;
}

void Win32TreeView::MakeFirstVisible(TreeNode* node) {
  if (node == nullptr || !hasWindow_) return;
  TreeView_Select(Handle(), Item(node), TVGN_FIRSTVISIBLE);
}

void Win32TreeView::BeginUpdate() {
  WindowNeeded();
  if (updateDepth_++ == 0) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void Win32TreeView::EndUpdate() {
  if (updateDepth_ == 0 || --updateDepth_ > 0) return;
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

// A message to the control that raises notifications: an error of a hook inside it waits
// until the control is done, then goes to the caller, so that no error crosses Windows' code.
void Win32TreeView::Native(const std::function<void()>& call) {
  {
    Raised own(ownCalls_);
    call();
  }
  if (hookError_) std::rethrow_exception(std::exchange(hookError_, nullptr));
}

// Hooks run from notifications: inside our own calls their errors go to the caller, for the
// user's input to the general error report.
void Win32TreeView::RunHook(const std::function<void()>& hook) {
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

bool Win32TreeView::Notify(const NMHDR& header, LRESULT& result) {
  const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
  switch (header.code) {
    case TVN_ITEMEXPANDINGW:
      result = Expanding(change) ? FALSE : TRUE;
      return true;
    case TVN_SELCHANGEDW:
      SelectionChanged(change);
      return true;
    case TVN_ENDLABELEDITW:
      // The new text is only shown; the node's folder stays what it was.
      result = reinterpret_cast<const NMTVDISPINFOW&>(header).item.pszText != nullptr;
      return true;
    default:
      return false;
  }
}

bool Win32TreeView::Expanding(const NMTREEVIEWW& change) {
  if ((change.action & TVE_EXPAND) == 0 || quiet_ > 0 || quietExpansions_ > 0) return true;
  HTREEITEM item = change.itemNew.hItem;
  bool allowed = false;
  RunHook([&] { allowed = !OnBeforeExpand || OnBeforeExpand(Node(item)); });
  // The hook may have taken every child: a node without any does not open.
  return allowed && hasWindow_ && Next(item, TVGN_CHILD) != nullptr;
}

void Win32TreeView::SelectionChanged(const NMTREEVIEWW& change) {
  TreeNode* node = Node(change.itemNew.hItem);
  if (quiet_ > 0 || node == selected_) return;
  selected_ = node;
  RunHook([&] {
    if (OnSelectionChanged) OnSelectionChanged(node);
  });
}

}  // namespace ui
