#include "controls/zeltexplorertree.h"

#include <algorithm>
#include <vector>

#include "platform/Error.h"
#include "platform/WinTypes.h"

namespace controls {

using platform::System;
using ui::TreeNode;

namespace {

constexpr uint32_t kIconIndex = platform::SHGFI_SYSICONINDEX | platform::SHGFI_SMALLICON;
constexpr uint32_t kOpenIconIndex = kIconIndex | platform::SHGFI_OPENICON;
constexpr uint32_t kNameAndIcon = kIconIndex | platform::SHGFI_DISPLAYNAME;
constexpr const char* kRecycled = "\\recycled\\";

std::string WithBackslash(std::string path) {
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

std::string DriveRoot(char letter) {
  return std::string(1, letter) + ":\\";
}

// The LastDirs slot of a path's drive letter, or -1 when it does not begin with one.
int LetterSlot(const std::string& path) {
  if (path.empty()) return -1;
  char letter = System::UpperAscii(path.substr(0, 1))[0];
  return letter >= 'A' && letter <= 'Z' ? letter - 'A' : -1;
}

// Ends the platform search of a record, also when listing its folders fails.
class SearchCloser {
 public:
  SearchCloser(platform::FileSystem& files, TZELDirectoryRecord& record)
      : files_(files), record_(record) {}
  ~SearchCloser() {
    if (record_.FindHandle != 0 && record_.FindHandle != platform::INVALID_HANDLE_VALUE) {
      files_.FindClose(record_.FindHandle);
    }
  }
  SearchCloser(const SearchCloser&) = delete;
  SearchCloser& operator=(const SearchCloser&) = delete;

 private:
  platform::FileSystem& files_;
  TZELDirectoryRecord& record_;
};

}  // namespace

TZELDirectoryEntry::TZELDirectoryEntry(std::string diskPath)
    : FullPath(System::UpperAscii(diskPath)), DiskPath(std::move(diskPath)) {
  ++live_;
}

TZELDirectoryEntry::~TZELDirectoryEntry() {
  --live_;
}

int TZELDirectoryEntry::Live() {
  return live_;
}

TZELExplorerTree::TZELExplorerTree(platform::FileSystem& files, platform::System& system,
                                   platform::Shell& shell, ui::Application& application,
                                   std::unique_ptr<ui::TreeView> base)
    : files_(files),
      system_(system),
      shell_(shell),
      application_(application),
      base_(std::move(base)) {
  std::string windows = files_.GetWindowsDirectory();
  windowsDir_ = WithBackslash(windows);
  platform::ShellFileInfo folder = shell_.GetFileInfo(windows, kIconIndex);
  systemImages_ = folder.imageList;
  base_->SetImages(systemImages_);
  folderIcon_ = folder.iconIndex;
  openFolderIcon_ = shell_.GetFileInfo(windows, kOpenIconIndex).iconIndex;

  base_->OnNodeRemoved = [this](TreeNode* node) { NodeRemoved(node); };
  base_->OnWindowCreated = [this] { WindowCreated(); };
  base_->OnBeforeExpand = [this](TreeNode* node) { return BeforeExpansion(node); };
  base_->OnSelectionChanged = [this](TreeNode* node) { SelectionChanged(node); };

  for (int i = 0; i < 26; ++i) lastDirs_[i] = DriveRoot(static_cast<char>('A' + i));
  std::string current = System::UpperAscii(files_.GetCurrentDirectory());
  if (int slot = LetterSlot(current); slot >= 0) lastDirs_[slot] = current;
}

TZELExplorerTree::~TZELExplorerTree() {
  ready_ = false;
  destroying_ = true;
  try {
    ClearNodes();
  } catch (...) {
    // An OnDeleteItem handler failed; the entries are freed before any handler runs.
  }
  base_->OnNodeRemoved = nullptr;
  base_->OnWindowCreated = nullptr;
  base_->OnBeforeExpand = nullptr;
  base_->OnSelectionChanged = nullptr;
}

TZELDirectoryEntry* TZELExplorerTree::Entry(TreeNode* node) const {
  return node == nullptr ? nullptr : static_cast<TZELDirectoryEntry*>(base_->Data(node));
}

void TZELExplorerTree::WindowCreated() {
  BuildDriveLevel();
}

void TZELExplorerTree::Loaded() {
  loading_ = false;
  BuildDriveLevel();
  SetDirectory(Directory());
}

void TZELExplorerTree::BuildDriveLevel() {
  if (!base_->HasWindow() || loading_) return;
  ready_ = false;
  ui::BusyCursor busy(application_);
  {
    ui::TreeUpdate batch(*base_);
    // A failed build leaves the drives listed so far, and a control that still reports.
    struct ReadyAtEnd {
      bool& ready;
      ~ReadyAtEnd() { ready = true; }
    } readyAtEnd{ready_};
    ClearNodes();
    application_.ProcessMessages();
    uint32_t mask = 0;
    {
      platform::ErrorModeScope quiet(system_, platform::SEM_FAILCRITICALERRORS);
      mask = files_.GetLogicalDrives();
    }
    for (int i = 0; i < 26; ++i) AddDrive(i, mask);
  }
  base_->MakeFirstVisible(base_->Selected());
}

void TZELExplorerTree::AddDrive(int index, uint32_t mask) {
  if ((mask & (1u << index)) == 0) return;
  std::string root = DriveRoot(static_cast<char>('A' + index));
  if (!network_) {
    platform::ErrorModeScope quiet(system_, platform::SEM_FAILCRITICALERRORS);
    if (files_.GetDriveType(root) == platform::DRIVE_REMOTE) return;
  }
  if (!AcceptFolder(root)) return;
  TreeNode* node = AddDriveNode(root);
  if (fastLoad_) {
    AddPlaceholder(node, "");
    return;
  }
  switch (files_.GetDriveType(root)) {
    case platform::DRIVE_UNKNOWN:
    case platform::DRIVE_NO_ROOT_DIR:
    case platform::DRIVE_REMOVABLE:
    case platform::DRIVE_CDROM:
      // Drives that may have no medium are never touched while the drives are listed.
      AddPlaceholder(node, "");
      break;
    default:
      ProbeFolder(node);
  }
}

TreeNode* TZELExplorerTree::AddDriveNode(const std::string& path) {
  return AddEntryNode(nullptr, path, kNameAndIcon);
}

// The folder was listed a moment ago: the shell need not look it up again, which in a folder
// of many thousand subfolders would be most of the reading.
TreeNode* TZELExplorerTree::AddFolderNode(TreeNode* parent, const std::string& path) {
  if (parent == nullptr) return nullptr;
  return AddEntryNode(parent, path, kNameAndIcon | platform::SHGFI_USEFILEATTRIBUTES);
}

TreeNode* TZELExplorerTree::AddEntryNode(TreeNode* parent, std::string path, uint32_t flags) {
  path = WithBackslash(std::move(path));
  platform::ShellFileInfo info =
      shell_.GetFileInfo(path, flags, platform::FILE_ATTRIBUTE_DIRECTORY);
  TreeNode* node = AddPlaceholder(parent, info.displayName);
  base_->SetData(node, new TZELDirectoryEntry(path));
  AssignIcons(node, info.iconIndex);
  return node;
}

TreeNode* TZELExplorerTree::AddPlaceholder(TreeNode* parent, const std::string& text) {
  TreeNode* node = parent == nullptr ? base_->AddTopLevel(text) : base_->AddChild(parent, text);
  if (node == nullptr) throw platform::EOutOfResources("Unable to insert an item");
  return node;
}

void TZELExplorerTree::AssignIcons(TreeNode* node, int icon) {
  base_->SetImageIndex(node, icon);
  if (icon == folderIcon_) {
    base_->SetSelectedIndex(node, openFolderIcon_);
  } else {
    platform::ShellFileInfo open = shell_.GetFileInfo(Entry(node)->DiskPath, kOpenIconIndex);
    base_->SetSelectedIndex(node, open.ok ? open.iconIndex : 0);
  }
  if (OnGetIcon) OnGetIcon(*this, node);
}

// Nothing below a folder named Recycled is listed (the folder itself is).
bool TZELExplorerTree::AcceptFolder(const std::string& path) {
  std::size_t recycled = System::LowerAscii(path).find(kRecycled);
  if (recycled != std::string::npos && recycled + 10 < path.size()) return false;
  if (!OnAddDirectory) return true;
  bool doAdd = true;
  OnAddDirectory(*this, path, doAdd);
  return doAdd;
}

void TZELExplorerTree::ForEachFolder(std::string fullPath, std::string diskPath,
                                     const std::function<bool(const std::string&)>& take) {
  TZELDirectoryRecord record;
  SearchCloser closer(files_, record);
  platform::ErrorModeScope quiet(system_, platform::SEM_FAILCRITICALERRORS);
  for (bool more = FindStep(fullPath, diskPath, true, record); more;
       more = FindStep(fullPath, diskPath, false, record)) {
    if ((record.Attr & platform::FILE_ATTRIBUTE_DIRECTORY) == 0) continue;
    if (record.Name == "." || record.Name == "..") continue;
    if (AcceptFolder(fullPath + record.Name + "\\") && !take(record.Name)) return;
  }
}

// One step of an enumeration; true while the record holds an entry. A failed first search
// counts as an entry-less step, so that the folder reads as empty.
bool TZELExplorerTree::FindStep(const std::string& fullPath, const std::string& diskPath,
                                bool first, TZELDirectoryRecord& record) {
  if (OnFindDirectory) {
    int32_t result = 0;
    OnFindDirectory(*this, fullPath, result, first, record);
    return result == 0;
  }
  if (first) {
    record.FindHandle = files_.FindFirstFile(diskPath + "*.*", record.FindData);
    if (record.FindHandle == platform::INVALID_HANDLE_VALUE) return true;
  } else if (!files_.FindNextFile(record.FindHandle, record.FindData)) {
    return false;
  }
  record.Attr = record.FindData.Attributes;
  record.Name = record.FindData.Name;
  return true;
}

TZELDirectoryEntry* TZELExplorerTree::UnreadEntry(TreeNode* node) const {
  TZELDirectoryEntry* entry = Entry(node);
  return entry == nullptr || entry->ChildrenRead ? nullptr : entry;
}

void TZELExplorerTree::ReadFolder(TreeNode* node) {
  TZELDirectoryEntry* entry = UnreadEntry(node);
  if (entry == nullptr) return;
  const std::string fullPath = entry->FullPath;
  const std::string diskPath = entry->DiskPath;
  base_->DeleteChildren(node);
  entry->ChildrenRead = true;
  struct Named {
    std::string key;  // made once per name: collating is the dear part of a comparison
    std::string name;
  };
  std::vector<Named> names;
  ForEachFolder(fullPath, diskPath, [&](const std::string& name) {
    names.push_back({System::SortKey(name), name});
    return true;
  });
  std::stable_sort(names.begin(), names.end(),
                   [](const Named& a, const Named& b) { return a.key < b.key; });
  for (const Named& named : names) AddFolderNode(node, diskPath + named.name);
}

void TZELExplorerTree::ProbeFolder(TreeNode* node) {
  TZELDirectoryEntry* entry = UnreadEntry(node);
  if (entry == nullptr) return;
  ForEachFolder(entry->FullPath, entry->DiskPath, [&](const std::string&) {
    AddPlaceholder(node, "**");
    return false;
  });
}

void TZELExplorerTree::ProbeChildFolders(TreeNode* node) {
  for (TreeNode* child = base_->FirstChild(node); child != nullptr;
       child = base_->NextSibling(child)) {
    ProbeFolder(child);
  }
}

bool TZELExplorerTree::BeforeExpansion(TreeNode* node) {
  {
    ui::BusyCursor busy(application_);
    ReadFolder(node);
    ProbeChildFolders(node);
  }
  bool allowExpansion = true;
  if (OnExpanding) OnExpanding(*this, node, allowExpansion);
  return allowExpansion;
}

void TZELExplorerTree::SelectionChanged(TreeNode* node) {
  if (destroying_ || !ready_) return;
  if (TZELDirectoryEntry* entry = Entry(node)) {
    std::string path = System::UpperAscii(entry->FullPath);
    if (int slot = LetterSlot(path); slot >= 0) lastDirs_[slot] = path;
  }
  if (OnChange) OnChange(*this, node);
}

void TZELExplorerTree::ClearNodes() {
  if (!base_->HasWindow()) return;  // no window, no nodes
  for (TreeNode* node : base_->AllNodes()) {
    delete Entry(node);
    base_->SetData(node, nullptr);
  }
  base_->DeleteAll();
}

void TZELExplorerTree::NodeRemoved(TreeNode* node) {
  if (TZELDirectoryEntry* entry = Entry(node)) {
    delete entry;
    base_->SetData(node, nullptr);
  }
  if (OnDeleteItem) OnDeleteItem(*this, node);
}

std::string TZELExplorerTree::Directory() const {
  TreeNode* node = base_->Selected();
  if (node == nullptr) return "nil";
  TZELDirectoryEntry* entry = Entry(node);
  return entry == nullptr ? std::string() : entry->FullPath;
}

std::string TZELExplorerTree::DiskDirectory() const {
  TreeNode* node = base_->Selected();
  if (node == nullptr) return "nil";
  TZELDirectoryEntry* entry = Entry(node);
  return entry == nullptr ? std::string() : entry->DiskPath;
}

void TZELExplorerTree::SetDirectory(const std::string& value) {
  if (value.empty()) throw platform::Error("Invalid Directory Name");
  if (value == "nil") return;
  std::string path = CheckedDirectory(WithBackslash(value));
  ui::BusyCursor busy(application_);
  ui::TreeUpdate batch(*base_);
  // Walk down one node per "\": C:\, then C:\DOCS\, then C:\DOCS\2024\ ...
  TreeNode* node = nullptr;
  TreeNode* level = base_->FirstNode();
  for (std::size_t end = path.find('\\'); end != std::string::npos;
       end = path.find('\\', end + 1)) {
    node = FindNode(level, path.substr(0, end + 1));
    if (node == nullptr) return;
    ReadFolder(node);
    level = base_->FirstChild(node);
  }
  base_->Select(node);
  base_->MakeFirstVisible(node);
}

// A folder that does not exist gives the root of the current directory's drive; a path on a
// hidden network drive gives the Windows directory.
std::string TZELExplorerTree::CheckedDirectory(std::string value) {
  if (!FolderExists(value.substr(0, value.size() - 1))) {
    value = files_.GetCurrentDirectory().substr(0, 1) + ":\\";
  }
  if (!network_ && files_.GetDriveType(value.substr(0, 1) + ":\\") == platform::DRIVE_REMOTE) {
    value = windowsDir_;
  }
  return value;
}

// Folders may differ in letter case alone (Docs and docs): the one spelt exactly as the
// prefix wins, else the first whose name matches when letter case is ignored.
TreeNode* TZELExplorerTree::FindNode(TreeNode* first, const std::string& prefix) {
  TreeNode* caseless = nullptr;
  const std::string upper = System::UpperAscii(prefix);
  for (TreeNode* node = first; node != nullptr; node = base_->NextSibling(node)) {
    TZELDirectoryEntry* entry = Entry(node);
    if (entry == nullptr) continue;
    if (entry->DiskPath == prefix) return node;
    if (caseless == nullptr && System::SameTextIgnoreCase(entry->FullPath, upper)) {
      caseless = node;
    }
  }
  return caseless;
}

bool TZELExplorerTree::FolderExists(const std::string& path) {
  platform::ErrorModeScope quiet(system_, platform::SEM_FAILCRITICALERRORS);
  return files_.GetFileAttributes(path) != platform::INVALID_FILE_ATTRIBUTES;
}

void TZELExplorerTree::SetNetwork(bool network) {
  if (network == network_) return;
  network_ = network;
  RebuildAndReselect();
}

void TZELExplorerTree::RebuildAndReselect() {
  std::string directory = Directory();
  BuildDriveLevel();
  SetDirectory(directory);
  if (base_->Count() > 0 && base_->Selected() == nullptr) SetDirectory(directory.substr(0, 3));
  if (base_->Count() > 0 && base_->Selected() == nullptr) ReselectLastDir();
}

// The last folder of the first drive that has no unread children, else of the last drive.
void TZELExplorerTree::ReselectLastDir() {
  try {
    TreeNode* drive = base_->FirstNode();
    for (TreeNode* next = base_->NextSibling(drive); next != nullptr;
         next = base_->NextSibling(drive)) {
      TZELDirectoryEntry* child = Entry(base_->FirstChild(drive));
      if (base_->FirstChild(drive) == nullptr || (child != nullptr && child->ChildrenRead)) break;
      drive = next;
    }
    int slot = LetterSlot(Entry(drive)->FullPath);
    if (slot < 0) return;
    const std::string last = lastDirs_[slot];
    SetDirectory(last);
    if (Directory() != last) {
      base_->Select(drive);
      SelectionChanged(drive);
    }
  } catch (const std::exception&) {
    // The previous selection is gone either way; there is nothing better to offer.
  }
}

}  // namespace controls
