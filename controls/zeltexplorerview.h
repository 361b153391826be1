#pragma once
// TZELExplorerView: a list of the plain files of one folder whose names match a mask, sorted
// as the platform sorts names, each row drawn with the shell's small icon of the file. The
// list only lists and draws; it never opens, changes or deletes a file. Reading or entering
// a folder makes it the process's current directory.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/files/FileSystem.h"
#include "platform/files/FolderWatch.h"
#include "platform/shell/Shell.h"
#include "ui/Application.h"
#include "ui/SortedListBox.h"

namespace controls {

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TZELExplorerView;

using TZELNotifyEvent = std::function<void(TZELExplorerView& sender)>;

class TZELExplorerView {
 public:
  // `base` is the kit's sorted list box; the control installs its hooks on it and reads the
  // folder whenever the base creates its window. Nothing is read before that.
  TZELExplorerView(platform::FileSystem& files, platform::Shell& shell,
                   ui::Application& application, std::unique_ptr<ui::SortedListBox> base);
  TZELExplorerView(const TZELExplorerView&) = delete;
  TZELExplorerView& operator=(const TZELExplorerView&) = delete;

  ui::SortedListBox& Base() const { return *base_; }

  // The listed folder as the file system reports it after entering it: no trailing "\"
  // except at a drive root. Setting it enters the folder (platform::EInOutError when it
  // cannot) and reads it.
  const std::string& Folder() const { return folder_; }
  void SetFolder(const std::string& path);
  // Patterns joined by ";". A different text (letter case counts) reads the list again.
  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& mask);
  // Kept with the control; setting it reads the list again. It never changes an entry.
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase charCase);
  // Changing these re-creates the window, which reads the list again.
  bool MultiSelect() const { return base_->MultiSelect(); }
  void SetMultiSelect(bool multiSelect) { base_->SetMultiSelect(multiSelect); }
  int ItemHeight() const { return base_->ItemHeight(); }
  void SetItemHeight(int height) { base_->SetItemHeight(height); }
  int Columns() const { return base_->Columns(); }
  void SetColumns(int columns) { base_->SetColumns(columns); }

  // The entries (bare file names, sorted) and the selection. Asking creates the window, and
  // with it reads the list, when there is none yet.
  class EntryList {
   public:
    int Count() const;
    // "List index out of bounds (%d)" outside 0..Count()-1.
    std::string operator[](int index) const;

   private:
    friend class TZELExplorerView;
    explicit EntryList(TZELExplorerView& view) : view_(view) {}
    TZELExplorerView& view_;
  };
  EntryList Entries() { return EntryList(*this); }
  bool Selected(int index);
  // The selected entry of a single-selection list, the focused entry of a multiple-selection
  // list; -1 for none.
  int ItemIndex();

  // Shows the folder that the path names; a last component with "*" or "?" becomes the
  // mask, one that names a file becomes the current entry.
  void OpenPath(const std::string& path);
  // Reads the list again, whether or not anything changed.
  void Reload();

  // After every read, and whenever the user moves the current entry.
  TZELNotifyEvent OnChange;

 private:
  struct ParsedPath;

  // Every read: from the folder's change notices when they can tell, else the whole folder.
  void ReadEntries();
  void ReadAllEntries(std::optional<ui::BusyCursor>& busy);
  bool UpdateEntries(std::optional<ui::BusyCursor>& busy);
  bool UpdateEntry(const platform::FindData& entry, std::optional<ui::BusyCursor>& busy);
  void AddMatches(const std::string& pattern, std::optional<ui::BusyCursor>& busy);
  void AddEntry(std::string name, std::optional<ui::BusyCursor>& busy);
  void EnterDirectory(const std::string& path);
  bool SameFolder(const std::string& path) const;
  std::string FullPath(const std::string& entry) const;
  std::string CurrentFileName();
  ParsedPath ParsePath(const std::string& path);
  void MakeCurrent(const std::string& fileName);
  int FindEntry(const std::string& fileName) const;
  void DrawItem(ui::Canvas& canvas, int index, const ui::Rect& rect);
  void Changed();

  platform::FileSystem& files_;
  platform::Shell& shell_;
  ui::Application& application_;
  std::unique_ptr<ui::SortedListBox> base_;
  std::string folder_;
  std::string diskFolder_;  // folder_ in the letter case of the disk, found at each read
  std::string mask_;
  TEditCharCase charCase_ = TEditCharCase::ecLowerCase;
  // The changes to folder_ since the last read, and the mask of that read; none after a read
  // of a mask that lists other folders, or that ended in an error.
  std::unique_ptr<platform::FolderWatch> changes_;
  std::string changesMask_;
};

}  // namespace controls
