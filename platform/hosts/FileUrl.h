#pragma once
// The file URL of a host path, as the office takes it.

#include <filesystem>
#include <string>

namespace platform::hosts {

// "file:///..." with every byte outside the unreserved characters and "/" escaped, so that
// a name that is not UTF-8 keeps its bytes.
std::string FileUrl(const std::filesystem::path& path);

}  // namespace platform::hosts
