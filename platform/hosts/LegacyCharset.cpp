#include "platform/hosts/LegacyCharset.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

#include <uchardet/uchardet.h>

#include "platform/AsciiCase.h"

namespace platform::hosts {
namespace {

constexpr char kWordDefault[] = "WINDOWS-1252";
constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

}  // namespace

std::string LegacyCharset(std::string_view text) {
  std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(
      uchardet_new(), uchardet_delete);
  if (!detector || uchardet_handle_data(detector.get(), text.data(), text.size()) != 0) {
    return kWordDefault;
  }
  uchardet_data_end(detector.get());
  std::string name = AsciiUpper(uchardet_get_charset(detector.get()));
  // Short Western text is told from Central European only by chance: Word's code page holds.
  if (name.empty() || name.starts_with("ISO-8859-1") || name == "ISO-8859-2" ||
      name == "WINDOWS-1250") {
    return kWordDefault;
  }
  return name;
}

// uchardet's names are the IANA ones ("WINDOWS-1251", "IBM866", "SHIFT_JIS"); the office's
// follow its own table ("MS_1251", "IBM_866", "SHIFT_JIS").
std::string OfficeCharsetName(std::string_view ianaName) {
  std::string name = AsciiUpper(ianaName);
  if (name == "UTF-8" || name == "ASCII") return "UTF8";
  // UTF-16 without a mark is left to the office's own guess of Unicode text.
  if (name.starts_with("UTF-16") || name.starts_with("UTF-32")) return "UNICODE";
  if (name == "GB18030") return "GB_18030";
  if (name == "MAC-CYRILLIC") return "APPLE_CYRILLIC";
  if (name.starts_with("WINDOWS-")) return "MS_" + name.substr(8);
  if (name.starts_with("IBM") && name.size() > 3 && name[3] != '-') {
    return "IBM_" + name.substr(3);
  }
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return name;
}

std::optional<std::string> LegacyTextAsUtf8(std::string_view text, const std::string& ianaName) {
  iconv_t converter = ::iconv_open("UTF-8", ianaName.c_str());
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string utf8, out(64 * 1024, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  while (inLeft > 0) {
    char* to = out.data();
    size_t outLeft = out.size();
    bool stuck = ::iconv(converter, &in, &inLeft, &to, &outLeft) == static_cast<size_t>(-1) &&
                 errno != E2BIG;
    utf8.append(out.data(), out.size() - outLeft);
    if (stuck) {
      utf8 += kReplacement;
      ++in;
      --inLeft;
      ::iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
  }
  ::iconv_close(converter);
  return utf8;
}

}  // namespace platform::hosts
