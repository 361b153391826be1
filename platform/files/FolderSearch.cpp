#include "platform/files/FolderSearch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

#include "platform/WinTypes.h"
#include "platform/files/ReservedCharacters.h"

namespace platform {
namespace {

bool IsDotName(std::string_view name) {
  return name == "." || name == "..";
}

// Both the permission bits and access(): a file marked 0444 reads as read-only even for
// root, who could write it, as a read-only file does on Windows.
bool IsReadOnly(const struct stat& status, int writable) {
  return (status.st_mode & 0222) == 0 || writable != 0;
}

uint32_t Attributes(const struct stat& status, bool readOnly, std::string_view name) {
  uint32_t attributes = FILE_ATTRIBUTE_SYSTEM;
  if (S_ISDIR(status.st_mode)) {
    attributes = FILE_ATTRIBUTE_DIRECTORY;
  } else if (S_ISREG(status.st_mode)) {
    attributes = FILE_ATTRIBUTE_ARCHIVE | (readOnly ? FILE_ATTRIBUTE_READONLY : 0);
  }
  if (!name.empty() && name[0] == '.' && !IsDotName(name)) attributes |= FILE_ATTRIBUTE_HIDDEN;
  return attributes;
}

}  // namespace

FolderSearch::FolderSearch(const std::filesystem::path& folder, std::string_view pattern,
                           bool withDots, bool withReadOnly)
    : pattern_(pattern),
      dotsLeft_(withDots ? 2 : 0),
      withReadOnly_(withReadOnly),
      asRoot_(geteuid() == 0) {
  dir_ = opendir(folder.c_str());
  if (dir_ == nullptr) {
    openError_ = errno;
    return;
  }
  struct statvfs volume {};
  readOnlyVolume_ = fstatvfs(dirfd(dir_), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0;
}

FolderSearch::~FolderSearch() {
  if (dir_ != nullptr) closedir(dir_);
}

bool FolderSearch::Next(FindData& data) {
  if (dir_ == nullptr) return false;
  while (dotsLeft_ > 0) {
    const char* name = dotsLeft_-- == 2 ? "." : "..";
    if (pattern_.Matches(name)) {
      data = {FILE_ATTRIBUTE_DIRECTORY, name};
      return true;
    }
  }
  while (const dirent* entry = readdir(dir_)) {
    if (IsDotName(entry->d_name)) continue;
    std::string name = ToWindowsName(entry->d_name);
    if (!pattern_.Matches(name)) continue;
    data = {EntryAttributes(*entry), std::move(name)};
    return true;
  }
  return false;
}

uint32_t FolderSearch::EntryAttributes(const dirent& entry) const {
  const std::string_view name = entry.d_name;
  const uint32_t hidden = name[0] == '.' ? FILE_ATTRIBUTE_HIDDEN : 0;
  if (entry.d_type == DT_DIR) return FILE_ATTRIBUTE_DIRECTORY | hidden;
  if (entry.d_type == DT_REG && !withReadOnly_) return FILE_ATTRIBUTE_ARCHIVE | hidden;
  const int folder = dirfd(dir_);
  // One call per plain file: whoever is not root may write exactly what access() allows;
  // root may write everything on a writable volume, so only the permission bits count.
  if (entry.d_type == DT_REG && !asRoot_) {
    const bool readOnly = faccessat(folder, entry.d_name, W_OK, AT_EACCESS) != 0;
    return FILE_ATTRIBUTE_ARCHIVE | (readOnly ? FILE_ATTRIBUTE_READONLY : 0) | hidden;
  }
  struct stat status {};
  if (fstatat(folder, entry.d_name, &status, 0) != 0) return FILE_ATTRIBUTE_SYSTEM;
  const bool readOnly =
      S_ISREG(status.st_mode) &&
      (asRoot_ ? readOnlyVolume_ || (status.st_mode & 0222) == 0
               : IsReadOnly(status, faccessat(folder, entry.d_name, W_OK, AT_EACCESS)));
  return Attributes(status, readOnly, name);
}

uint32_t FolderSearch::AttributesOf(const std::filesystem::path& file, const std::string& name) {
  struct stat status {};
  if (stat(file.c_str(), &status) != 0) return INVALID_FILE_ATTRIBUTES;
  return AttributesOf(status, file, name);
}

uint32_t FolderSearch::AttributesOf(const struct stat& status, const std::filesystem::path& file,
                                    const std::string& name) {
  const bool readOnly = S_ISREG(status.st_mode) && IsReadOnly(status, access(file.c_str(), W_OK));
  return Attributes(status, readOnly, name);
}

}  // namespace platform
