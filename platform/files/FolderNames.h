#pragma once
// The names of one host folder by their spelling with letter case folded, kept up to date by
// the folder's change notices: a name looked up ignoring letter case in a folder of many
// thousand files then costs no read of the folder but the first one.

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/files/FolderWatch.h"

namespace platform {

class FolderNames {
 public:
  // Reads the folder once its notices have started; nothing is read where there are none.
  explicit FolderNames(const std::filesystem::path& folder);

  // The host names in the folder that equal `name` (as the Windows view spells it) ignoring
  // letter case; nothing when the notices cannot tell, then and from then on.
  std::optional<std::vector<std::string>> Matching(const std::string& name);

 private:
  void Forget(const std::string& hostName);

  std::filesystem::path folder_;
  FolderWatch watch_;
  std::unordered_map<std::u32string, std::vector<std::string>> names_;  // host names
};

}  // namespace platform
