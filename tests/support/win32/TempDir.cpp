#include "tests/support/win32/TempDir.h"

#include <atomic>
#include <fstream>
#include <sstream>

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace testsupport {
namespace {

namespace fs = std::filesystem;
using platform::win32::Narrow;
using platform::win32::Wide;

}  // namespace

TempDir::TempDir() {
  static std::atomic<int> count{0};
  path_ = fs::temp_directory_path() / ("sheafmill-test-" + std::to_string(GetCurrentProcessId()) +
                                       "-" + std::to_string(++count));
  fs::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Tests make files read-only to provoke errors; give the rights back before removing.
  for (auto it = fs::recursive_directory_iterator(path_, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  fs::remove_all(path_, ignored);
}

std::string TempDir::Win(const std::string& relative) const {
  return Narrow((relative.empty() ? path_ : path_ / Wide(relative)).wstring());
}

std::string TempDir::MakeDir(const std::string& relative) const {
  fs::create_directories(path_ / Wide(relative));
  return Win(relative);
}

std::string TempDir::WriteFile(const std::string& relative, const std::string& content) const {
  const fs::path file = path_ / Wide(relative);
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
  return Win(relative);
}

std::string ReadFile(const std::string& file) {
  std::ifstream in(fs::path(Wide(file)), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace testsupport
