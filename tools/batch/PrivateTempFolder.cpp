#include "tools/batch/PrivateTempFolder.h"

#include <stdlib.h>

#include <string>
#include <system_error>

#include "platform/Error.h"

namespace batch {

PrivateTempFolder::PrivateTempFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "sheafmill-batch-XXXXXX").string();
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
