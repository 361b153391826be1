#pragma once
// One running wildcard search over one host folder. The folder is read once, entry by entry,
// as the caller asks for the next match; only matching entries are looked at more closely,
// so a search stays cheap in folders of many thousand files.

#include <dirent.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/files/FindData.h"
#include "platform/files/WildcardPattern.h"

namespace platform {

class FolderSearch {
 public:
  // `withDots`: report "." and ".." first (when they match), as Windows does in every folder
  // but a drive root. `withReadOnly`: find out the read-only bit of each plain file, which
  // costs a call per file.
  FolderSearch(const std::filesystem::path& folder, std::string_view pattern, bool withDots,
               bool withReadOnly = true);
  ~FolderSearch();
  FolderSearch(const FolderSearch&) = delete;
  FolderSearch& operator=(const FolderSearch&) = delete;

  int OpenError() const { return openError_; }  // errno of opening the folder, else 0
  bool Next(FindData& data);

  // The Windows attributes of a host file whose name (on disk) is `name`: directory; hidden
  // for a name beginning with "."; read-only for a file that has no write permission bit or
  // that the user may not write; archive for every other plain file; system for anything
  // that is neither a plain file nor a folder (devices, sockets, dangling links).
  // INVALID_FILE_ATTRIBUTES when the file cannot be examined.
  static uint32_t AttributesOf(const std::filesystem::path& file, const std::string& name);
  // The same for a file whose status is already known.
  static uint32_t AttributesOf(const struct stat& status, const std::filesystem::path& file,
                               const std::string& name);

 private:
  uint32_t EntryAttributes(const dirent& entry) const;

  DIR* dir_ = nullptr;
  int openError_ = 0;
  WildcardPattern pattern_;
  int dotsLeft_;
  bool withReadOnly_;
  bool asRoot_;
  bool readOnlyVolume_ = false;
};

}  // namespace platform
