#include "platform/hosts/office/InstanceFolder.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/Error.h"
#include "platform/system/AbandonedFiles.h"

namespace fs = std::filesystem;

namespace platform::hosts::uno {
namespace {

constexpr char kPrefix[] = "sheafmill-office-";

fs::path BaseOf(const fs::path& parent) {
  return parent.empty() ? fs::temp_directory_path() : parent;
}

}  // namespace

InstanceFolder::InstanceFolder(const fs::path& parent) {
  fs::path base = BaseOf(parent);
  std::string pattern = (base / (kPrefix + std::to_string(::getpid()) + "-XXXXXX")).string();
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

void InstanceFolder::RemoveAbandoned(const fs::path& parent) {
  platform::RemoveAbandoned(BaseOf(parent), kPrefix);
}

InstanceFolder::~InstanceFolder() {
  std::error_code error;
  fs::remove_all(root_, error);
}

}  // namespace platform::hosts::uno
