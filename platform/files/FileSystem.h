#pragma once
// The Windows view of the file system: drive letters mapped to host folders, "X:\DIR\FILE"
// paths resolved case-insensitively, wildcard search with the platform's matching rules,
// the process's current directory, attributes, deletion and renaming. Operations report
// failure by their result and leave the Windows error code in LastError().

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/files/FindData.h"
#include "platform/files/WindowsPath.h"

namespace platform {

// Drive letter ('A'..'Z') to host folder.
using DriveMap = std::map<char, std::filesystem::path>;

using SearchHandle = intptr_t;

enum class FindInfoLevel { FindExInfoStandard, FindExInfoBasic };
inline constexpr SearchHandle INVALID_HANDLE_VALUE = -1;

class FolderNames;
class FolderSearch;

struct HostFile {
  std::filesystem::path path;
  uint32_t attributes = 0;
};

class FileSystem {
 public:
  // `windowsDir` is the host folder that serves as the Windows directory; it is created
  // (platform::Error when it cannot be). Drive letters may be given in either case; any
  // other key raises platform::Error. The current directory starts as the host's current
  // folder when a drive maps it, else at the root of the first drive.
  FileSystem(DriveMap drives, std::filesystem::path windowsDir);
  ~FileSystem();
  FileSystem(const FileSystem&) = delete;
  FileSystem& operator=(const FileSystem&) = delete;

  const DriveMap& Drives() const;

  // Path translation. ToHost resolves each existing component with the exact name first,
  // then a case-insensitive match; components that do not exist are kept as written.
  // Relative paths resolve against the current directory. Nothing for a path on no drive
  // or with a character that Windows refuses in names. Host names with such characters are
  // spelt in the Windows view as ReservedCharacters.h says, in both directions.
  std::optional<std::filesystem::path> ToHost(const std::string& winPath) const;
  // The drive path of an absolute host path ("C:\Docs\a.doc"), or nothing when no drive
  // maps it. The drive with the longest matching host folder wins.
  std::optional<std::string> ToWindows(const std::filesystem::path& hostPath) const;
  // The absolute drive path of an existing file or folder with each name in the letter case
  // of the host ("E:\DOCS" gives "E:\Docs"), so that later calls find each name at once;
  // nothing when it does not exist.
  std::optional<std::string> DiskSpelling(const std::string& winPath) const;

  uint32_t GetLogicalDrives() const;  // bit 0 = A ... bit 25 = Z
  // DRIVE_FIXED, DRIVE_REMOTE (a network file system), DRIVE_REMOVABLE (under /media),
  // DRIVE_NO_ROOT_DIR for a letter without a drive, a drive whose folder is missing, or a
  // path that is not a root. "C:\", "C:" and "" (the current drive) are roots.
  uint32_t GetDriveType(const std::string& root) const;
  // For tests: the drive of `letter` reports `type` from now on (a network drive, a CD-ROM).
  void SetDriveTypeOverride(char letter, uint32_t type);
  std::string GetWindowsDirectory() const;  // drive path, no trailing "\"

  // Wildcard search over one folder: "X:\DIR\*.doc". "." and ".." come first in every
  // folder but a drive root, when they match. No match: ERROR_FILE_NOT_FOUND; a missing
  // folder: ERROR_PATH_NOT_FOUND; a file named as folder: ERROR_DIRECTORY; the end of the
  // search: ERROR_NO_MORE_FILES.
  SearchHandle FindFirstFile(const std::string& pattern, FindData& data);
  // FindExInfoBasic: the same search, but the read-only bit may be left out of the
  // attributes. On this platform it costs a call per file, which a caller that only tells
  // files from folders and hidden entries need not pay (a folder of many thousand files).
  SearchHandle FindFirstFileEx(const std::string& pattern, FindData& data, FindInfoLevel level);
  bool FindNextFile(SearchHandle handle, FindData& data);
  bool FindClose(SearchHandle handle);

  // INVALID_FILE_ATTRIBUTES if absent: ERROR_FILE_NOT_FOUND when only the last name is
  // missing, ERROR_PATH_NOT_FOUND when a folder on the way is.
  uint32_t GetFileAttributes(const std::string& path);
  // An existing file or folder: its host path and its attributes from one walk along the
  // path; nothing, with LastError set as GetFileAttributes sets it, when it does not exist.
  std::optional<HostFile> LocateFile(const std::string& path);
  bool FileExists(const std::string& path);  // a file, not a folder
  bool DirectoryExists(const std::string& path);
  // When the file was last written, in nanoseconds of the host clock, or nothing when it does
  // not exist. Enough to tell a file written anew from one that was already there.
  std::optional<int64_t> GetLastWriteTime(const std::string& path);

  // No trailing "\" except at a drive root; the letter case as it was set.
  std::string GetCurrentDirectory() const;
  // Windows' codes: 2 for a missing folder, 3 for a missing folder on the way, 267 for a
  // file, 5 for a folder that may not be entered, 21 for a drive whose folder is missing.
  bool SetCurrentDirectory(const std::string& path);

  bool DeleteFile(const std::string& path);  // a read-only file or a folder: access denied
  // Fails with ERROR_ALREADY_EXISTS when `to` exists; the check and the move are one atomic
  // step. A change of letter case only ("a.txt" to "A.TXT") renames.
  bool MoveFile(const std::string& from, const std::string& to);

  uint32_t LastError() const;

  // The platform's wildcard rule for one name (see WildcardPattern).
  static bool MatchesPattern(const std::string& pattern, const std::string& name);

 private:
  struct Resolved {
    std::optional<std::filesystem::path> host;  // nothing when the path is on no drive
    std::string name;                   // the last component as the host spells it; empty at a root
    bool root = false;                  // the path is a drive root
    uint32_t error = 0;                 // why the path does not exist, 0 when it does
    std::optional<struct stat> status;  // when the walk found it out already
  };

  // A name as the host spells it, and whether it names a folder.
  struct HostName {
    std::string name;
    bool folder = false;
  };

  std::optional<HostName> FindName(const std::filesystem::path& folder, const std::string& name,
                                   int& error) const;
  FolderNames& NamesOf(const std::filesystem::path& folder) const;
  Resolved Resolve(const std::string& winPath) const;
  Resolved Resolve(const WindowsPath& path) const;
  std::optional<Resolved> ResolveExact(const std::filesystem::path& drive,
                                       const WindowsPath& path) const;
  // The search that FindFirstFile starts, or nothing with LastError set.
  std::unique_ptr<FolderSearch> StartSearch(const std::string& pattern, FindInfoLevel level) const;
  bool Fail(uint32_t error) const;

  DriveMap drives_;
  std::filesystem::path windowsDir_;
  WindowsPath current_;
  mutable uint32_t lastError_ = 0;
  std::map<SearchHandle, std::unique_ptr<FolderSearch>> searches_;
  std::map<char, uint32_t> driveTypeOverrides_;
  SearchHandle nextHandle_ = 1;
  // The folders whose names were looked up ignoring letter case, by host path.
  mutable std::map<std::filesystem::path, std::unique_ptr<FolderNames>> folderNames_;
};

}  // namespace platform
