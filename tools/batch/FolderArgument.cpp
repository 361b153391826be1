#include "tools/batch/FolderArgument.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "tools/batch/BatchOptions.h"

namespace batch {
namespace {

namespace fs = std::filesystem;

bool IsDrivePath(const std::string& text) {
  const bool letter =
      text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':';
  return letter && (text.size() == 2 || text[2] == '\\' || text[2] == '/');
}

std::string DriveList(const platform::FileSystem& files) {
  std::string list;
  for (const auto& [letter, host] : files.Drives()) {
    list += (list.empty() ? "" : ", ") + std::string(1, letter) + ": = " + host.string();
  }
  return list.empty() ? "none" : list;
}

std::string WithoutTrailingBackslash(std::string path) {
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

// The drive path of a host folder; the folder itself may not exist yet.
std::string DrivePathOf(const std::string& argument, const platform::FileSystem& files) {
  std::error_code error;
  fs::path host = fs::absolute(argument, error).lexically_normal();
  if (error) throw UsageError("cannot make a path of \"" + argument + "\": " + error.message());
  const std::optional<std::string> path = files.ToWindows(host);
  if (!path) {
    throw UsageError("the folder " + host.string() +
                     " is on no drive; the drives are: " + DriveList(files) +
                     ". Map a drive with sheafmill-reg, for example: sheafmill-reg add "
                     "\"HKCU\\Software\\Sheafmill\\Platform\\Drives\" /v D: /t REG_SZ /d "
                     "/mnt/data /f");
  }
  return *path;
}

void CreateFolder(const std::string& drivePath, const platform::FileSystem& files) {
  const std::optional<fs::path> host = files.ToHost(drivePath);
  std::error_code error;
  if (!host || (fs::create_directories(*host, error), error)) {
    throw UsageError("cannot create the folder " + drivePath +
                     (error ? ": " + error.message() : ""));
  }
}

}  // namespace

std::string DriveFolder(const std::string& argument, platform::FileSystem& files,
                        MissingFolder missing) {
  std::string path = argument;
  if (IsDrivePath(path)) {
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.size() == 2) path += '\\';  // "C:" alone is the drive's root here
  } else {
    path = DrivePathOf(argument, files);
  }
  path = WithoutTrailingBackslash(path);
  if (files.DirectoryExists(path)) return path;
  if (files.FileExists(path)) throw UsageError(argument + " is not a folder");
  if (missing == MissingFolder::Refuse)
    throw UsageError("the folder " + argument + " does not exist");
  if (missing == MissingFolder::Allow) return path;
  CreateFolder(path, files);
  if (!files.DirectoryExists(path)) throw UsageError("the folder " + path + " cannot be reached");
  return path;
}

}  // namespace batch
