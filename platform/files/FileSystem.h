#pragma once
// The Windows view of the file system: drive letters mapped to host folders, "X:\DIR\FILE"
// paths resolved case-insensitively, wildcard search with the platform's matching rules,
// the process's current directory, attributes, deletion and renaming. Operations report
// failure by their result and leave the Windows error code in LastError().

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace platform {

// Drive letter ('A'..'Z') to host folder.
using DriveMap = std::map<char, std::filesystem::path>;

struct FindData {
  uint32_t Attributes = 0;
  std::string Name;  // the long name, as the host file system reports it
  uint64_t Size = 0;
};

using SearchHandle = intptr_t;
inline constexpr SearchHandle INVALID_HANDLE_VALUE = -1;

class FileSystem {
 public:
  // `windowsDir` is the host folder that serves as the Windows directory; it is created.
  FileSystem(DriveMap drives, std::filesystem::path windowsDir);

  const DriveMap& Drives() const;

  // Path translation. ToHost resolves each existing component with the exact name first,
  // then a case-insensitive match; components that do not exist are kept as written.
  // Relative paths resolve against the current directory. Nothing for a path on no drive.
  std::optional<std::filesystem::path> ToHost(const std::string& winPath) const;
  // The drive path of a host path ("C:\Docs\a.doc"), or nothing when no drive maps it. The
  // drive with the longest matching host folder wins.
  std::optional<std::string> ToWindows(const std::filesystem::path& hostPath) const;

  uint32_t GetLogicalDrives() const;                    // bit 0 = A ... bit 25 = Z
  uint32_t GetDriveType(const std::string& root) const;  // DRIVE_* constants
  std::string GetWindowsDirectory() const;               // drive path, no trailing "\"

  // Wildcard search over one folder: "X:\DIR\*.doc". "." and ".." are reported as on Windows.
  SearchHandle FindFirstFile(const std::string& pattern, FindData& data);
  bool FindNextFile(SearchHandle handle, FindData& data);
  bool FindClose(SearchHandle handle);

  uint32_t GetFileAttributes(const std::string& path);  // INVALID_FILE_ATTRIBUTES if absent
  bool FileExists(const std::string& path);              // a file, not a folder
  bool DirectoryExists(const std::string& path);

  std::string GetCurrentDirectory() const;  // no trailing "\" except at a drive root
  bool SetCurrentDirectory(const std::string& path);

  bool DeleteFile(const std::string& path);
  bool MoveFile(const std::string& from, const std::string& to);  // fails if `to` exists

  uint32_t LastError() const;

  // The platform's wildcard rule for one name: "*" and "?" ignoring letter case, "*.*"
  // also matching names without a dot, and "*.ext" with a three-letter extension also
  // matching longer extensions that begin with it (the effect of short 8.3 aliases).
  static bool MatchesPattern(const std::string& pattern, const std::string& name);

 private:
  struct Search;
  DriveMap drives_;
  std::filesystem::path windowsDir_;
  std::string currentDirectory_;
  mutable uint32_t lastError_ = 0;
  std::map<SearchHandle, std::unique_ptr<Search>> searches_;
  SearchHandle nextHandle_ = 1;
};

}  // namespace platform
