#include "platform/hosts/office/UnoText.h"

#include <osl/file.hxx>

#include "platform/Error.h"

namespace platform::hosts::uno {

rtl::OUString FileUrl(const std::filesystem::path& path) {
  rtl::OUString url;
  if (osl::FileBase::getFileURLFromSystemPath(ToOUString(path.string()), url) !=
      osl::FileBase::E_None) {
    throw Error("\"" + path.string() + "\" cannot be named as a file URL");
  }
  return url;
}

}  // namespace platform::hosts::uno
