#pragma once
// TZELExplorerTree: a tree of the machine's drives and their folders from which the user
// picks one folder, offered as a path through Directory. The top level lists the drive
// letters that exist; a folder level is read from the file system only when it is first
// needed, and a cheap probe decides beforehand whether a node gets an expand button.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/files/FileSystem.h"
#include "platform/shell/Shell.h"
#include "platform/system/System.h"
#include "ui/Application.h"
#include "ui/TreeView.h"

namespace controls {

class TZELExplorerTree;

// The entry of a drive or folder node, held in the node's data pointer and owned by the tree.
struct TZELDirectoryEntry {
  // `diskPath` as the file system spells it, ending in "\".
  explicit TZELDirectoryEntry(std::string diskPath);
  ~TZELDirectoryEntry();
  TZELDirectoryEntry(const TZELDirectoryEntry&) = delete;
  TZELDirectoryEntry& operator=(const TZELDirectoryEntry&) = delete;

  // Ends in "\", ASCII letters upper case; a drive root is "X:\".
  std::string FullPath;
  // The same path in the letter case of the folder names on disk. The platform's calls get
  // it: on a host whose names are case-sensitive, an upper-case name must be looked up among
  // all names of its folder, which makes a folder of 10,000 subfolders quadratic to probe.
  std::string DiskPath;
  // Set before the node's folder is read, never cleared: a read is never repeated.
  bool ChildrenRead = false;

  // Entries alive in the process, so that tests can see that every node's entry is freed.
  static int Live();

 private:
  static inline int live_ = 0;
};

// The state of one folder enumeration. A handler of OnFindDirectory fills in Attr and Name.
struct TZELDirectoryRecord {
  uint32_t Attr = 0;
  std::string Name;
  platform::SearchHandle FindHandle = 0;
  platform::FindData FindData;
};

// A drive or folder is about to be listed; setting doAdd false leaves it out.
using TZELAddFileEvent =
    std::function<void(TZELExplorerTree& sender, const std::string& fileName, bool& doAdd)>;
// Replaces the platform's folder search: result 0 when record holds an entry, anything else
// ends the enumeration; first is true for the first step of each enumeration.
using TZELFindDirectoryEvent =
    std::function<void(TZELExplorerTree& sender, const std::string& path, int32_t& result,
                       bool first, TZELDirectoryRecord& record)>;
using TZELNodeEvent = std::function<void(TZELExplorerTree& sender, ui::TreeNode* node)>;
using TZELExpandingEvent =
    std::function<void(TZELExplorerTree& sender, ui::TreeNode* node, bool& allowExpansion)>;

class TZELExplorerTree {
 public:
  // `base` is the kit's tree view; the control installs its hooks on it and builds the
  // drive level when the base creates its window.
  TZELExplorerTree(platform::FileSystem& files, platform::System& system, platform::Shell& shell,
                   ui::Application& application, std::unique_ptr<ui::TreeView> base);
  ~TZELExplorerTree();
  TZELExplorerTree(const TZELExplorerTree&) = delete;
  TZELExplorerTree& operator=(const TZELExplorerTree&) = delete;

  ui::TreeView& Base() const { return *base_; }

  // "nil" when no folder is selected, else the selected node's FullPath.
  std::string Directory() const;
  // The selected folder in the letter case of its names on disk, ending in "\"; "nil" when
  // none is selected. Two folders whose names differ in letter case alone differ here.
  std::string DiskDirectory() const;
  // Selects the folder; "" raises "Invalid Directory Name", "nil" does nothing. Of folders
  // whose names differ in letter case alone, the one spelt as in `value` is chosen.
  void SetDirectory(const std::string& value);
  bool Network() const { return network_; }
  void SetNetwork(bool network);
  // Read at the next BuildDriveLevel.
  bool FastLoad() const { return fastLoad_; }
  void SetFastLoad(bool fastLoad) { fastLoad_ = fastLoad; }
  // Selection changes raise OnChange only while set.
  bool Ready() const { return ready_; }
  // The last selected folder per drive letter A to Z.
  const std::array<std::string, 26>& LastDirs() const { return lastDirs_; }
  // The entry of a drive or folder node; none for a placeholder.
  TZELDirectoryEntry* Entry(ui::TreeNode* node) const;

  // A form reads the control's properties between these two.
  void BeginLoading() { loading_ = true; }
  void Loaded();

  // Discards every node and lists the drives anew.
  void BuildDriveLevel();
  bool FolderExists(const std::string& path);

  TZELNodeEvent OnChange;
  TZELExpandingEvent OnExpanding;
  TZELAddFileEvent OnAddDirectory;
  TZELNodeEvent OnDeleteItem;
  TZELNodeEvent OnGetIcon;
  TZELFindDirectoryEvent OnFindDirectory;

 private:
  void WindowCreated();
  void AddDrive(int index, uint32_t mask);
  ui::TreeNode* AddDriveNode(const std::string& path);
  ui::TreeNode* AddFolderNode(ui::TreeNode* parent, const std::string& path);
  ui::TreeNode* AddEntryNode(ui::TreeNode* parent, std::string path, uint32_t shellFlags);
  ui::TreeNode* AddPlaceholder(ui::TreeNode* parent, const std::string& text);
  void AssignIcons(ui::TreeNode* node, int icon);
  bool AcceptFolder(const std::string& path);
  // Calls `take` with the name of each subfolder that AcceptFolder lets through, until `take`
  // answers false. The paths are copies: handlers may change the tree meanwhile.
  void ForEachFolder(std::string fullPath, std::string diskPath,
                     const std::function<bool(const std::string&)>& take);
  bool FindStep(const std::string& fullPath, const std::string& diskPath, bool first,
                TZELDirectoryRecord& record);
  void ReadFolder(ui::TreeNode* node);
  void ProbeFolder(ui::TreeNode* node);
  void ProbeChildFolders(ui::TreeNode* node);
  TZELDirectoryEntry* UnreadEntry(ui::TreeNode* node) const;
  bool BeforeExpansion(ui::TreeNode* node);
  void SelectionChanged(ui::TreeNode* node);
  void ClearNodes();
  void NodeRemoved(ui::TreeNode* node);
  std::string CheckedDirectory(std::string value);
  ui::TreeNode* FindNode(ui::TreeNode* first, const std::string& prefix);
  void RebuildAndReselect();
  void ReselectLastDir();

  platform::FileSystem& files_;
  platform::System& system_;
  platform::Shell& shell_;
  ui::Application& application_;
  std::unique_ptr<ui::TreeView> base_;
  intptr_t systemImages_ = 0;
  int folderIcon_ = 0;
  int openFolderIcon_ = 0;
  std::string windowsDir_;
  std::array<std::string, 26> lastDirs_;
  bool ready_ = false;
  bool network_ = true;
  bool fastLoad_ = false;
  bool loading_ = false;
  bool destroying_ = false;
};

}  // namespace controls
