#include "platform/hosts/office/FileAlias.h"

#include <atomic>
#include <string>

#include <rtl/textcvt.h>
#include <rtl/ustring.hxx>

#include "platform/Error.h"

namespace fs = std::filesystem;

namespace platform::hosts::uno {
namespace {

bool IsUtf8(const std::string& bytes) {
  rtl::OUString text;
  return rtl_convertStringToUString(
      &text.pData, bytes.data(), static_cast<sal_Int32>(bytes.size()), RTL_TEXTENCODING_UTF8,
      RTL_TEXTTOUNICODE_FLAGS_UNDEFINED_ERROR | RTL_TEXTTOUNICODE_FLAGS_MBUNDEFINED_ERROR |
          RTL_TEXTTOUNICODE_FLAGS_INVALID_ERROR);
}

}  // namespace

FileAlias::FileAlias(const fs::path& file, const fs::path& folder) : path_(file) {
  if (IsUtf8(file.string())) return;
  static std::atomic<unsigned> counter{0};
  // The extension stays: the office's type detection looks at it too.
  fs::path link = folder / ("alias-" + std::to_string(++counter) +
                            (IsUtf8(file.extension().string()) ? file.extension().string() : ""));
  std::error_code error;
  fs::create_symlink(fs::absolute(file), link, error);
  if (error) throw Error("Cannot make a name LibreOffice can open for " + file.string());
  path_ = link;
  linked_ = true;
}

FileAlias::~FileAlias() {
  std::error_code error;
  if (linked_) fs::remove(path_, error);
}

}  // namespace platform::hosts::uno
