#include "platform/system/AbandonedFiles.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

namespace platform {
namespace {

// The process id that `name` carries after `prefix`, or 0.
pid_t OwnerOf(const std::string& name, const std::string& prefix) {
  if (!name.starts_with(prefix)) return 0;
  const char* first = name.data() + prefix.size();
  const char* last = name.data() + name.size();
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(first, last, pid);
  if (error != std::errc() || end == first || end == last || *end != '-') return 0;
  return pid;
}

bool Ended(pid_t pid) {
  return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

void RemoveAbandoned(const std::filesystem::path& folder, const std::string& prefix) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    struct stat status {};
    if (!Ended(OwnerOf(entry.path().filename().string(), prefix)) ||
        ::lstat(entry.path().c_str(), &status) != 0 || status.st_uid != ::getuid()) {
      continue;
    }
    std::error_code ignored;
    std::filesystem::remove_all(entry.path(), ignored);
  }
}

}  // namespace platform
