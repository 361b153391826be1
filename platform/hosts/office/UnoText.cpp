#include "platform/hosts/office/UnoText.h"

#include "platform/hosts/FileUrl.h"

namespace platform::hosts::uno {

rtl::OUString FileUrl(const std::filesystem::path& path) {
  return rtl::OUString::createFromAscii(hosts::FileUrl(path).c_str());
}

}  // namespace platform::hosts::uno
