#include "platform/hosts/office/InstanceFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/Error.h"

namespace fs = std::filesystem;

namespace platform::hosts::uno {

InstanceFolder::InstanceFolder(const fs::path& parent) {
  fs::path base = parent.empty() ? fs::temp_directory_path() : parent;
  std::string pattern = (base / "sheafmill-office-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    throw Error("Cannot make a folder for LibreOffice in " + base.string() + ": " +
                std::strerror(errno));
  }
  root_ = pattern;
  std::error_code error;
  fs::create_directory(Temp(), error);
  if (error) {
    fs::remove_all(root_, error);
    throw Error("Cannot make a folder for LibreOffice in " + base.string());
  }
}

InstanceFolder::~InstanceFolder() {
  std::error_code error;
  fs::remove_all(root_, error);
}

}  // namespace platform::hosts::uno
