#pragma once
// One entry of a wildcard search, as FindFirstFile and FindNextFile report it.

#include <cstdint>
#include <string>

namespace platform {

struct FindData {
  uint32_t Attributes = 0;
  std::string Name;  // the long name, as the host file system spells it
};

}  // namespace platform
