#include "platform/hosts/FileUrl.h"

#include <cctype>
#include <cstring>

namespace platform::hosts {

std::string FileUrl(const std::filesystem::path& path) {
  static const char* hex = "0123456789ABCDEF";
  std::string url = "file://";
  for (unsigned char c : path.string()) {
    if (std::isalnum(c) || std::strchr("/-._~", c)) {
      url += static_cast<char>(c);
    } else {
      url += {'%', hex[c >> 4], hex[c & 0xF]};
    }
  }
  return url;
}

}  // namespace platform::hosts
