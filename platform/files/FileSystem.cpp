#include "platform/files/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

#include "platform/Error.h"
#include "platform/WinTypes.h"
#include "platform/files/FolderNames.h"
#include "platform/files/FolderSearch.h"
#include "platform/files/MountTable.h"
#include "platform/files/ReservedCharacters.h"

namespace platform {
namespace {

uint32_t ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
      return ERROR_ACCESS_DENIED;
    case EMFILE:
    case ENFILE:
      return ERROR_TOO_MANY_OPEN_FILES;
    case EEXIST:
    case ENOTEMPTY:
      return ERROR_ALREADY_EXISTS;
    case EXDEV:
      return ERROR_NOT_SAME_DEVICE;
    case EBUSY:
    case ETXTBSY:
      return ERROR_SHARING_VIOLATION;
    default:
      return ERROR_GEN_FAILURE;
  }
}

bool IsFolder(const std::filesystem::path& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string RootOf(char letter) {
  return std::string{letter, ':', '\\'};
}

// The names of `path` below `folder`, or nothing when `folder` does not hold it.
std::optional<std::vector<std::string>> NamesBelow(const std::filesystem::path& path,
                                                   const std::filesystem::path& folder) {
  auto p = path.begin();
  for (const auto& part : folder) {
    if (part.empty()) continue;  // a trailing separator
    if (p == path.end() || *p != part) return std::nullopt;
    ++p;
  }
  std::vector<std::string> names;
  for (; p != path.end(); ++p) {
    if (!p->empty()) names.push_back(p->string());
  }
  return names;
}

// Renames without ever replacing an existing target: renameat2 where the file system
// offers it, else a hard link (which fails on an existing target) and the removal of the
// old name.
int RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  if (link(from.c_str(), to.c_str()) != 0) return errno;
  return unlink(from.c_str()) == 0 ? 0 : errno;
}

}  // namespace

FileSystem::FileSystem(DriveMap drives, std::filesystem::path windowsDir)
    : windowsDir_(std::filesystem::absolute(windowsDir)) {
  for (auto& [letter, folder] : drives) {
    const char upper = WindowsPath{letter, {}}.DriveLetter();
    if (upper < 'A' || upper > 'Z') {
      throw Error("Invalid drive letter '" + std::string(1, letter) + "'");
    }
    auto normal = std::filesystem::absolute(folder).lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
    drives_[upper] = normal;
  }
  std::error_code error;
  std::filesystem::create_directories(windowsDir_, error);
  if (!IsFolder(windowsDir_)) {
    throw Error("Cannot create the Windows directory " + windowsDir_.string() + ": " +
                error.message());
  }
  const auto here = ToWindows(std::filesystem::current_path(error));
  const std::string start = here ? *here : RootOf(drives_.empty() ? 'C' : drives_.begin()->first);
  current_ = *WindowsPath::Parse(start, WindowsPath{});
}

FileSystem::~FileSystem() = default;

// The host spelling of `name` in `folder`: the exact name, else the first case-insensitive
// match. Nothing when there is neither; `error` then holds errno when the folder could not
// be examined.
std::optional<FileSystem::HostName> FileSystem::FindName(const std::filesystem::path& folder,
                                                         const std::string& name,
                                                         int& error) const {
  const std::string hostName = ToHostName(name);
  struct stat status {};
  if (stat((folder / hostName).c_str(), &status) == 0) {
    return HostName{hostName, S_ISDIR(status.st_mode)};
  }
  error = errno == ENOENT ? 0 : errno;
  if (error != 0) return std::nullopt;
  // Where several names match, the search tells which one comes first.
  const auto known = NamesOf(folder).Matching(name);
  if (!known) folderNames_.erase(folder);  // read again at the next look-up
  if (known && known->empty()) return std::nullopt;
  if (known && known->size() == 1 && stat((folder / known->front()).c_str(), &status) == 0) {
    return HostName{known->front(), S_ISDIR(status.st_mode)};
  }
  FolderSearch search(folder, name, false);
  FindData match;
  if (search.Next(match)) {
    return HostName{ToHostName(match.Name), (match.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
  }
  return std::nullopt;
}

// A few folders at a time: each holds a notice channel of the host.
FolderNames& FileSystem::NamesOf(const std::filesystem::path& folder) const {
  constexpr size_t kFoldersKept = 8;
  auto known = folderNames_.find(folder);
  if (known != folderNames_.end()) return *known->second;
  if (folderNames_.size() >= kFoldersKept) folderNames_.erase(folderNames_.begin());
  return *folderNames_.emplace(folder, std::make_unique<FolderNames>(folder)).first->second;
}

const DriveMap& FileSystem::Drives() const {
  return drives_;
}

FileSystem::Resolved FileSystem::Resolve(const std::string& winPath) const {
  const auto path = WindowsPath::Parse(winPath, current_);
  if (!path) return Resolved{std::nullopt, "", false, ERROR_PATH_NOT_FOUND, std::nullopt};
  return Resolve(*path);
}

FileSystem::Resolved FileSystem::Resolve(const WindowsPath& path) const {
  Resolved resolved;
  resolved.root = path.parts.empty();
  const auto drive = drives_.find(path.DriveLetter());
  if (drive == drives_.end()) {
    resolved.error = ERROR_PATH_NOT_FOUND;
    return resolved;
  }
  if (auto exact = ResolveExact(drive->second, path)) return *exact;
  std::filesystem::path host = drive->second;
  if (!IsFolder(host)) resolved.error = ERROR_NOT_READY;
  for (size_t i = 0; i < path.parts.size(); ++i) {
    const std::string& part = path.parts[i];
    if (!IsValidFileName(part))
      return Resolved{std::nullopt, "", false, ERROR_INVALID_NAME, std::nullopt};
    const bool last = i + 1 == path.parts.size();
    int hostError = 0;
    const auto name = resolved.error == 0 ? FindName(host, part, hostError) : std::nullopt;
    host /= name ? name->name : ToHostName(part);
    if (resolved.error != 0) continue;
    if (hostError != 0) {
      resolved.error = ErrorFromErrno(hostError);
    } else if (!name) {
      resolved.error = last ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    } else if (!last && !name->folder) {
      resolved.error = ERROR_PATH_NOT_FOUND;
    }
    if (last) resolved.name = name ? name->name : ToHostName(part);
  }
  resolved.host = host;
  return resolved;
}

// A path whose names all exist as written: one call finds it, where the walk name by name
// costs a call per name and would come to the same host path.
std::optional<FileSystem::Resolved> FileSystem::ResolveExact(const std::filesystem::path& drive,
                                                             const WindowsPath& path) const {
  if (path.parts.empty()) return std::nullopt;
  std::filesystem::path host = drive;
  for (const std::string& part : path.parts) {
    if (!IsValidFileName(part)) return std::nullopt;
    host /= ToHostName(part);
  }
  struct stat status {};
  if (stat(host.c_str(), &status) != 0) return std::nullopt;
  return Resolved{host, ToHostName(path.parts.back()), false, 0, status};
}

bool FileSystem::Fail(uint32_t error) const {
  lastError_ = error;
  return false;
}

std::optional<std::filesystem::path> FileSystem::ToHost(const std::string& winPath) const {
  return Resolve(winPath).host;
}

std::optional<std::string> FileSystem::ToWindows(const std::filesystem::path& hostPath) const {
  if (!hostPath.is_absolute()) return std::nullopt;
  const auto normal = hostPath.lexically_normal();
  std::optional<std::string> best;
  size_t bestDepth = 0;
  for (const auto& [letter, folder] : drives_) {
    const auto names = NamesBelow(normal, folder);
    const auto depth = static_cast<size_t>(std::distance(folder.begin(), folder.end()));
    if (!names || (best && depth <= bestDepth)) continue;
    WindowsPath path{letter, {}};
    for (const auto& name : *names) path.parts.push_back(ToWindowsName(name));
    best = path.ToString();
    bestDepth = depth;
  }
  return best;
}

std::optional<std::string> FileSystem::DiskSpelling(const std::string& winPath) const {
  const auto path = WindowsPath::Parse(winPath, current_);
  if (!path) return std::nullopt;
  const Resolved resolved = Resolve(*path);
  if (!resolved.host || resolved.error != 0) return std::nullopt;
  const auto names = NamesBelow(*resolved.host, drives_.at(path->DriveLetter()));
  if (!names) return std::nullopt;
  return WindowsPath{path->DriveLetter(), *names}.ToString();
}

uint32_t FileSystem::GetLogicalDrives() const {
  uint32_t mask = 0;
  for (const auto& drive : drives_) mask |= 1u << (drive.first - 'A');
  return mask;
}

uint32_t FileSystem::GetDriveType(const std::string& root) const {
  const bool isRoot = root.empty() || (root.size() == 2 && root[1] == ':') ||
                      (root.size() == 3 && root[1] == ':' && (root[2] == '\\' || root[2] == '/'));
  if (!isRoot) return DRIVE_NO_ROOT_DIR;
  const char letter =
      root.empty() ? current_.DriveLetter() : WindowsPath{root[0], {}}.DriveLetter();
  if (const auto forced = driveTypeOverrides_.find(letter); forced != driveTypeOverrides_.end()) {
    return forced->second;
  }
  const auto drive = drives_.find(letter);
  if (drive == drives_.end() || !IsFolder(drive->second)) return DRIVE_NO_ROOT_DIR;
  std::error_code error;
  const auto folder = std::filesystem::canonical(drive->second, error);
  return MountTable::ReadSystem().DriveType(error ? drive->second : folder);
}

void FileSystem::SetDriveTypeOverride(char letter, uint32_t type) {
  driveTypeOverrides_[WindowsPath{letter, {}}.DriveLetter()] = type;
}

std::string FileSystem::GetWindowsDirectory() const {
  const auto path = ToWindows(windowsDir_);
  return path ? *path : RootOf(drives_.empty() ? 'C' : drives_.begin()->first);
}

std::unique_ptr<FolderSearch> FileSystem::StartSearch(const std::string& pattern,
                                                      FindInfoLevel level) const {
  const size_t cut = pattern.find_last_of("\\/");
  const bool driveOnly = cut == std::string::npos && pattern.size() >= 2 && pattern[1] == ':';
  const size_t namesAt = cut != std::string::npos ? cut + 1 : driveOnly ? 2 : 0;
  const std::string folder = namesAt > 0 ? pattern.substr(0, namesAt) : ".";
  const std::string names = pattern.substr(namesAt);
  uint32_t error = 0;
  if (names.empty()) error = ERROR_FILE_NOT_FOUND;
  if (names.find_first_of(":\"<>|") != std::string::npos) error = ERROR_INVALID_NAME;
  const Resolved resolved = error == 0 ? Resolve(folder) : Resolved{};
  if (error == 0)
    error = resolved.error == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : resolved.error;
  if (error == 0 && !IsFolder(*resolved.host)) error = ERROR_DIRECTORY;
  if (error != 0) {
    Fail(error);
    return nullptr;
  }
  auto search = std::make_unique<FolderSearch>(*resolved.host, names, !resolved.root,
                                               level == FindInfoLevel::FindExInfoStandard);
  if (search->OpenError() != 0) {
    Fail(ErrorFromErrno(search->OpenError()));
    return nullptr;
  }
  return search;
}

SearchHandle FileSystem::FindFirstFile(const std::string& pattern, FindData& data) {
  return FindFirstFileEx(pattern, data, FindInfoLevel::FindExInfoStandard);
}

SearchHandle FileSystem::FindFirstFileEx(const std::string& pattern, FindData& data,
                                         FindInfoLevel level) {
  auto search = StartSearch(pattern, level);
  if (!search) return INVALID_HANDLE_VALUE;
  if (!search->Next(data)) {
    Fail(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  searches_[nextHandle_] = std::move(search);
  return nextHandle_++;
}

bool FileSystem::FindNextFile(SearchHandle handle, FindData& data) {
  const auto search = searches_.find(handle);
  if (search == searches_.end()) return Fail(ERROR_INVALID_HANDLE);
  return search->second->Next(data) || Fail(ERROR_NO_MORE_FILES);
}

bool FileSystem::FindClose(SearchHandle handle) {
  return searches_.erase(handle) == 1 || Fail(ERROR_INVALID_HANDLE);
}

std::optional<HostFile> FileSystem::LocateFile(const std::string& path) {
  const Resolved resolved = Resolve(path);
  if (resolved.error != 0) {
    Fail(resolved.error);
    return std::nullopt;
  }
  const uint32_t attributes =
      resolved.status ? FolderSearch::AttributesOf(*resolved.status, *resolved.host, resolved.name)
                      : FolderSearch::AttributesOf(*resolved.host, resolved.name);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    Fail(ErrorFromErrno(errno));
    return std::nullopt;
  }
  return HostFile{*resolved.host, attributes};
}

uint32_t FileSystem::GetFileAttributes(const std::string& path) {
  const auto file = LocateFile(path);
  return file ? file->attributes : INVALID_FILE_ATTRIBUTES;
}

bool FileSystem::FileExists(const std::string& path) {
  const uint32_t attributes = GetFileAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<int64_t> FileSystem::GetLastWriteTime(const std::string& path) {
  const Resolved resolved = Resolve(path);
  if (resolved.error != 0) {
    Fail(resolved.error);
    return std::nullopt;
  }
  std::error_code error;
  const auto written = std::filesystem::last_write_time(*resolved.host, error);
  if (error) {
    Fail(ErrorFromErrno(error.value()));
    return std::nullopt;
  }
  return std::chrono::duration_cast<std::chrono::nanoseconds>(written.time_since_epoch()).count();
}

bool FileSystem::DirectoryExists(const std::string& path) {
  const uint32_t attributes = GetFileAttributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string FileSystem::GetCurrentDirectory() const {
  return current_.ToString();
}

bool FileSystem::SetCurrentDirectory(const std::string& path) {
  const auto parsed = WindowsPath::Parse(path, current_);
  if (!parsed) return Fail(ERROR_PATH_NOT_FOUND);
  const Resolved resolved = Resolve(*parsed);
  if (resolved.error != 0) return Fail(resolved.error);
  if (!IsFolder(*resolved.host)) return Fail(ERROR_DIRECTORY);
  if (access(resolved.host->c_str(), X_OK) != 0) return Fail(ErrorFromErrno(errno));
  current_ = *parsed;
  return true;
}

bool FileSystem::DeleteFile(const std::string& path) {
  const Resolved resolved = Resolve(path);
  if (resolved.error != 0) return Fail(resolved.error);
  const uint32_t attributes = FolderSearch::AttributesOf(*resolved.host, resolved.name);
  if (attributes == INVALID_FILE_ATTRIBUTES) return Fail(ErrorFromErrno(errno));
  if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    return Fail(ERROR_ACCESS_DENIED);
  }
  return unlink(resolved.host->c_str()) == 0 || Fail(ErrorFromErrno(errno));
}

bool FileSystem::MoveFile(const std::string& from, const std::string& to) {
  const Resolved source = Resolve(from);
  if (source.error != 0) return Fail(source.error);
  const auto parsedTarget = WindowsPath::Parse(to, current_);
  if (!parsedTarget) return Fail(ERROR_PATH_NOT_FOUND);
  const Resolved target = Resolve(*parsedTarget);
  if (target.error != 0 && target.error != ERROR_FILE_NOT_FOUND) return Fail(target.error);
  auto destination = *target.host;
  if (target.error == 0) {
    // The target found is the source itself: only the letter case changes.
    if (destination != *source.host) return Fail(ERROR_ALREADY_EXISTS);
    if (parsedTarget->parts.empty()) return Fail(ERROR_ACCESS_DENIED);
    destination = destination.parent_path() / parsedTarget->parts.back();
    if (destination == *source.host) return true;
  }
  const int error = RenameNoReplace(*source.host, destination);
  return error == 0 || Fail(ErrorFromErrno(error));
}

uint32_t FileSystem::LastError() const {
  return lastError_;
}

bool FileSystem::MatchesPattern(const std::string& pattern, const std::string& name) {
  return WildcardPattern(pattern).Matches(name);
}

}  // namespace platform
