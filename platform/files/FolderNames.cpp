#include "platform/files/FolderNames.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/files/FolderSearch.h"
#include "platform/files/ReservedCharacters.h"
#include "platform/system/CaseFolding.h"

namespace platform {
namespace {

std::u32string Folded(const std::string& windowsName) {
  return FoldedCodePoints(windowsName);
}

}  // namespace

FolderNames::FolderNames(const std::filesystem::path& folder) : folder_(folder), watch_(folder) {
  if (!watch_.Changes()) return;
  FolderSearch search(folder_, "*", false, false);
  FindData entry;
  while (search.Next(entry)) names_[Folded(entry.Name)].push_back(ToHostName(entry.Name));
}

std::optional<std::vector<std::string>> FolderNames::Matching(const std::string& name) {
  const std::optional<std::vector<FindData>> changes = watch_.Changes();
  if (!changes) return std::nullopt;
  for (const FindData& change : *changes) {
    const std::string hostName = ToHostName(change.Name);
    Forget(hostName);
    // Every entry counts, also a link that leads nowhere, as a search of the folder finds it.
    struct stat status {};
    if (lstat((folder_ / hostName).c_str(), &status) == 0)
      names_[Folded(change.Name)].push_back(hostName);
  }
  const auto found = names_.find(Folded(name));
  if (found == names_.end()) return std::vector<std::string>{};
  return found->second;
}

void FolderNames::Forget(const std::string& hostName) {
  const auto bucket = names_.find(Folded(ToWindowsName(hostName)));
  if (bucket == names_.end()) return;
  std::erase(bucket->second, hostName);
  if (bucket->second.empty()) names_.erase(bucket);
}

}  // namespace platform
