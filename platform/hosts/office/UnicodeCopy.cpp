#include "platform/hosts/office/UnicodeCopy.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/Error.h"
#include "platform/hosts/LegacyCharset.h"

namespace fs = std::filesystem;

namespace platform::hosts::uno {

UnicodeCopy::UnicodeCopy(const fs::path& file, const std::string& charset, const fs::path& folder) {
  if (charset.empty()) return;
  std::ifstream in(file, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return;
  std::optional<std::string> text = LegacyTextAsUtf8(bytes, charset);
  if (!text) return;
  static std::atomic<unsigned> counter{0};
  // A plain extension stays: the office's type detection looks at it too.
  std::string extension = file.extension().string();
  if (!std::all_of(extension.begin(), extension.end(),
                   [](unsigned char c) { return c == '.' || std::isalnum(c); })) {
    extension.clear();
  }
  fs::path copy = folder / ("unicode-" + std::to_string(++counter) + extension);
  std::ofstream out(copy, std::ios::binary);
  out << "\xEF\xBB\xBF" << *text;
  out.close();
  if (!out) {
    std::error_code error;
    fs::remove(copy, error);
    throw Error("Cannot make a copy in UTF-8 of " + file.string() + " for LibreOffice");
  }
  path_ = copy;
}

UnicodeCopy::~UnicodeCopy() {
  std::error_code error;
  if (!path_.empty()) fs::remove(path_, error);
}

}  // namespace platform::hosts::uno
