#include "tools/batch/PrivateTempFolder.h"

#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <system_error>

#include "platform/Error.h"
#include "platform/system/AbandonedFiles.h"

namespace batch {

namespace {

constexpr char kPrefix[] = "sheafmill-batch-";

}  // namespace

PrivateTempFolder::PrivateTempFolder() {
  // Folders of runs that were killed (kill -9) would otherwise stay for ever.
  platform::RemoveAbandoned(std::filesystem::temp_directory_path(), kPrefix);
  std::string pattern =
      (std::filesystem::temp_directory_path() / (kPrefix + std::to_string(::getpid()) + "-XXXXXX"))
          .string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw platform::Error("cannot make a temporary folder in " +
                          std::filesystem::temp_directory_path().string());
  }
  path_ = pattern;
  ::setenv("TMPDIR", pattern.c_str(), 1);
}

void PrivateTempFolder::Remove() const {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

}  // namespace batch
