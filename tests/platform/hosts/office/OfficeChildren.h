#pragma once
// The office processes this test program has started and not yet collected.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace hoststest {

// Children of this process named `name` (the office's soffice.bin, the DWG reader's node),
// ended or not.
inline int OfficeChildren(const std::string& name = "soffice.bin") {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string text;
    if (!std::getline(stat, text)) continue;
    // "pid (comm) state ppid ...": the name may hold blanks, so read from its closing bracket.
    size_t close = text.rfind(')');
    if (close == std::string::npos || text.find("(" + name + ")") == std::string::npos) continue;
    char state = 0;
    long parent = 0;
    if (std::sscanf(text.c_str() + close + 1, " %c %ld", &state, &parent) == 2 &&
        parent == ::getpid()) {
      ++count;
    }
  }
  return count;
}

}  // namespace hoststest
