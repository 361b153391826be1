#include "controls/zeltexplorerview.h"

#include <utility>
#include <vector>

#include "platform/Error.h"
#include "platform/WinTypes.h"
#include "platform/system/System.h"

namespace controls {

namespace {

// A read that has added this many entries shows the hourglass.
constexpr int kHourGlassPosition = 100;
constexpr uint32_t kNotListed = platform::FILE_ATTRIBUTE_HIDDEN | platform::FILE_ATTRIBUTE_SYSTEM |
                                platform::FILE_ATTRIBUTE_VOLUME |
                                platform::FILE_ATTRIBUTE_DIRECTORY;
constexpr uint32_t kIconFlags =
    platform::SHGFI_SYSICONINDEX | platform::SHGFI_SMALLICON | platform::SHGFI_OPENICON;
constexpr int kTextLeft = 18;

constexpr const char* kDefaultMask = "*.*";
constexpr int kDefaultItemHeight = 18;
constexpr int kDefaultColumns = 1;

// Every pattern as written, blanks kept; "" and ";" give empty patterns.
std::vector<std::string> SplitMask(const std::string& mask) {
  std::vector<std::string> patterns;
  size_t start = 0;
  for (size_t semicolon = mask.find(';'); semicolon != std::string::npos;
       semicolon = mask.find(';', start)) {
    patterns.push_back(mask.substr(start, semicolon - start));
    start = semicolon + 1;
  }
  patterns.push_back(mask.substr(start));
  return patterns;
}

bool SameFileName(const std::string& a, const std::string& b) {
  return platform::System::CompareTextIgnoreCase(a, b) == 0;
}

// "X:" or "\\server\share" at the start of the path, else "".
std::string DrivePart(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
  if (path.rfind("\\\\", 0) != 0) return "";
  size_t share = path.find('\\', 2);
  if (share == std::string::npos) return path;
  size_t end = path.find('\\', share + 1);
  return path.substr(0, end);
}

bool IsPattern(const std::string& name) {
  return name.find_first_of("*?") != std::string::npos;
}

// Whether every pattern names files of the listed folder alone, as a search takes them: one
// with a folder or a drive in it lists another folder, and the search refuses the characters
// that no name holds.
bool IsFolderMask(const std::string& mask) {
  return mask.find_first_of("\\/:\"<>|") == std::string::npos;
}

// Ends a folder search on every path.
class SearchScope {
 public:
  SearchScope(platform::FileSystem& files, platform::SearchHandle handle)
      : files_(files), handle_(handle) {}
  ~SearchScope() { files_.FindClose(handle_); }
  SearchScope(const SearchScope&) = delete;
  SearchScope& operator=(const SearchScope&) = delete;

 private:
  platform::FileSystem& files_;
  platform::SearchHandle handle_;
};

// Puts the process's current directory back, if it still exists, on every path.
class DirectoryScope {
 public:
  explicit DirectoryScope(platform::FileSystem& files)
      : files_(files), saved_(files.GetCurrentDirectory()) {}
  ~DirectoryScope() {
    if (files_.DirectoryExists(saved_)) files_.SetCurrentDirectory(saved_);
  }
  DirectoryScope(const DirectoryScope&) = delete;
  DirectoryScope& operator=(const DirectoryScope&) = delete;

  const std::string& Saved() const { return saved_; }

 private:
  platform::FileSystem& files_;
  std::string saved_;
};

// `folder` and `name` joined by one "\".
std::string InFolder(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

}  // namespace

// What OpenPath found in a path: the folder it names, and a pattern or a file name in it.
struct TZELExplorerView::ParsedPath {
  std::string folder;
  std::string pattern;
  std::string fileName;
};

TZELExplorerView::TZELExplorerView(platform::FileSystem& files, platform::Shell& shell,
                                   ui::Application& application,
                                   std::unique_ptr<ui::SortedListBox> base)
    : files_(files),
      shell_(shell),
      application_(application),
      base_(std::move(base)),
      folder_(files.GetCurrentDirectory()),
      mask_(kDefaultMask) {
  base_->SetItemHeight(kDefaultItemHeight);
  base_->SetColumns(kDefaultColumns);
  base_->OnWindowCreated = [this] {
    changes_.reset();  // the new window holds no entries
    ReadEntries();
  };
  base_->OnDrawItem = [this](ui::Canvas& canvas, int index, const ui::Rect& rect) {
    DrawItem(canvas, index, rect);
  };
  base_->OnSelectionChange = [this] { Changed(); };
}

void TZELExplorerView::SetFolder(const std::string& path) {
  if (SameFolder(path)) return;
  // A relative path starts from the folder shown, not from where another list left the
  // process.
  if (files_.DirectoryExists(folder_)) files_.SetCurrentDirectory(folder_);
  EnterDirectory(path);
  folder_ = files_.GetCurrentDirectory();
  ReadEntries();
}

void TZELExplorerView::SetMask(const std::string& mask) {
  if (mask == mask_) return;
  std::string previous = std::exchange(mask_, mask);
  try {
    ReadEntries();
  } catch (const platform::EInOutError&) {
    // The folder could not be entered: nothing was read, so nothing changes.
    mask_ = std::move(previous);
    throw;
  }
}

void TZELExplorerView::SetCharCase(TEditCharCase charCase) {
  charCase_ = charCase;
  ReadEntries();
}

int TZELExplorerView::EntryList::Count() const {
  view_.base_->WindowNeeded();
  return view_.base_->Count();
}

std::string TZELExplorerView::EntryList::operator[](int index) const {
  view_.base_->WindowNeeded();
  return view_.base_->Item(index);
}

bool TZELExplorerView::Selected(int index) {
  base_->WindowNeeded();
  return base_->Selected(index);
}

int TZELExplorerView::ItemIndex() {
  base_->WindowNeeded();
  return base_->ItemIndex();
}

void TZELExplorerView::Reload() {
  ReadEntries();
}

void TZELExplorerView::ReadEntries() {
  if (!base_->HasWindow()) return;
  EnterDirectory(folder_);
  diskFolder_ = files_.DiskSpelling(folder_).value_or(folder_);
  {
    std::optional<ui::BusyCursor> busy;
    if (!UpdateEntries(busy)) ReadAllEntries(busy);
  }
  Changed();
}

// The folder's change notices start before it is read, so that a change made during the read
// is told at the next one; they count only once the read is complete.
void TZELExplorerView::ReadAllEntries(std::optional<ui::BusyCursor>& busy) {
  changes_.reset();
  std::unique_ptr<platform::FolderWatch> changes;
  if (IsFolderMask(mask_)) changes = std::make_unique<platform::FolderWatch>(files_, folder_);
  base_->Clear();
  for (const std::string& pattern : SplitMask(mask_)) AddMatches(pattern, busy);
  changes_ = std::move(changes);
  changesMask_ = mask_;
}

// Brings the entries of the last read up to date with the names that the folder's notices
// tell, to what a read gives; false when the notices cannot tell, and then also from now on.
bool TZELExplorerView::UpdateEntries(std::optional<ui::BusyCursor>& busy) {
  std::unique_ptr<platform::FolderWatch> changes = std::move(changes_);
  if (!changes || changes->Path() != folder_ || changesMask_ != mask_) return false;
  const std::optional<std::vector<platform::FindData>> changed = changes->Changes();
  if (!changed) return false;
  base_->ResetView();
  for (const platform::FindData& entry : *changed) {
    if (!UpdateEntry(entry, busy)) return false;
  }
  changes_ = std::move(changes);
  return true;
}

// A name that sorts equal to another name is left to a read: only the folder's own order
// places it among its equals.
bool TZELExplorerView::UpdateEntry(const platform::FindData& entry,
                                   std::optional<ui::BusyCursor>& busy) {
  const auto [first, last] = base_->EqualRange(entry.Name);
  for (int index = first; index < last; ++index) {
    if (base_->Item(index) != entry.Name) return false;
  }
  for (int index = last - 1; index >= first; --index) base_->Delete(index);
  if ((entry.Attributes & kNotListed) != 0) return true;
  for (const std::string& pattern : SplitMask(mask_)) {
    if (!pattern.empty() && platform::FileSystem::MatchesPattern(pattern, entry.Name)) {
      AddEntry(entry.Name, busy);
    }
  }
  return true;
}

void TZELExplorerView::AddMatches(const std::string& pattern, std::optional<ui::BusyCursor>& busy) {
  if (pattern.empty()) return;
  platform::FindData found;
  // Read-only files are listed like any other, so the search need not find out which are.
  platform::SearchHandle search =
      files_.FindFirstFileEx(pattern, found, platform::FindInfoLevel::FindExInfoBasic);
  if (search == platform::INVALID_HANDLE_VALUE) return;
  SearchScope scope(files_, search);
  do {
    if ((found.Attributes & kNotListed) == 0) AddEntry(std::move(found.Name), busy);
  } while (files_.FindNextFile(search, found));
}

void TZELExplorerView::AddEntry(std::string name, std::optional<ui::BusyCursor>& busy) {
  int position = base_->Add(std::move(name));
  if (position < 0) throw platform::EOutOfResources("Unable to insert a line");
  if (position == kHourGlassPosition && !busy) busy.emplace(application_);
}

void TZELExplorerView::EnterDirectory(const std::string& path) {
  if (!files_.SetCurrentDirectory(path)) {
    throw platform::EInOutError(static_cast<int>(files_.LastError()));
  }
}

// The folder shown, also in its letter case on disk: on a host whose names are
// case-sensitive, Docs and docs may be two folders.
bool TZELExplorerView::SameFolder(const std::string& path) const {
  if (!SameFileName(path, folder_)) return false;
  return files_.DiskSpelling(path).value_or(path) == files_.DiskSpelling(folder_).value_or(folder_);
}

std::string TZELExplorerView::FullPath(const std::string& entry) const {
  return InFolder(folder_, entry);
}

// The full path of the current entry, or "" when it is not selected.
std::string TZELExplorerView::CurrentFileName() {
  int index = ItemIndex();
  if (index < 0 || !base_->Selected(index)) return "";
  return FullPath(base_->Item(index));
}

void TZELExplorerView::OpenPath(const std::string& path) {
  if (path.empty() || SameFileName(path, CurrentFileName())) return;
  ParsedPath parsed = ParsePath(path);
  SetFolder(parsed.folder);
  if (!parsed.pattern.empty()) {
    SetMask(parsed.pattern);
  } else if (!parsed.fileName.empty()) {
    MakeCurrent(parsed.fileName);
  }
}

// Walks the path from the process's current directory and puts that back afterwards.
TZELExplorerView::ParsedPath TZELExplorerView::ParsePath(const std::string& path) {
  DirectoryScope restore(files_);
  std::string drive = DrivePart(path);
  std::string rest = path.substr(drive.size());
  if (drive.empty()) drive = DrivePart(restore.Saved());
  if (files_.DirectoryExists(drive)) {
    files_.SetCurrentDirectory(drive);  // that drive's current directory
  } else {
    EnterDirectory(drive + "\\");  // fails with the platform's reason
  }

  size_t separator = rest.rfind('\\');
  ParsedPath parsed;
  std::string last = rest;
  if (separator != std::string::npos) {
    last = rest.substr(separator + 1);
    EnterDirectory(separator == 0 ? "\\" : rest.substr(0, separator));
  }
  if (IsPattern(last)) {
    parsed.pattern = last;
  } else if (!last.empty() && files_.FileExists(last)) {
    parsed.fileName = last;
  } else if (!last.empty()) {
    EnterDirectory(last);
  }
  parsed.folder = files_.GetCurrentDirectory();
  return parsed;
}

// Makes the entry with that name the current one; when the mask hides the file, the mask
// becomes the file's name first.
void TZELExplorerView::MakeCurrent(const std::string& fileName) {
  int index = FindEntry(fileName);
  if (index < 0) {
    SetMask(fileName);
    index = FindEntry(fileName);
  }
  base_->SetItemIndex(index);
  Changed();
}

int TZELExplorerView::FindEntry(const std::string& fileName) const {
  for (int index = 0; index < base_->Count(); ++index) {
    if (SameFileName(base_->Item(index), fileName)) return index;
  }
  return -1;
}

// Icons are not kept with the entries: each paint asks the shell again.
void TZELExplorerView::DrawItem(ui::Canvas& canvas, int index, const ui::Rect& rect) {
  const std::string& entry = base_->Item(index);
  canvas.FillRect(rect);
  // The folder as the disk spells it: an upper-cased name would make every row's lookup
  // search the parent folder for it.
  platform::ShellFileInfo info = shell_.GetFileInfo(InFolder(diskFolder_, entry), kIconFlags);
  if (info.ok && info.imageList != 0) canvas.DrawIcon(rect.left, rect.top, info.iconIndex);
  canvas.DrawString(rect.left + kTextLeft, rect.top, entry);
}

void TZELExplorerView::Changed() {
  if (OnChange) OnChange(*this);
}

}  // namespace controls
