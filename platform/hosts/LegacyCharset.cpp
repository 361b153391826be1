#include "platform/hosts/LegacyCharset.h"

#include <memory>

#include <uchardet/uchardet.h>

#include "platform/AsciiCase.h"

namespace platform::hosts {
namespace {

constexpr char kWordDefault[] = "MS_1252";

// uchardet's names are the IANA ones ("WINDOWS-1251", "IBM866", "SHIFT_JIS"); the office's
// follow its own table ("MS_1251", "IBM_866", "SHIFT_JIS").
std::string OfficeName(std::string name) {
  name = AsciiUpper(name);
  if (name == "UTF-8" || name == "ASCII") return "UTF8";
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

}  // namespace

std::string LegacyCharset(std::string_view text) {
  std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(
      uchardet_new(), uchardet_delete);
  if (!detector || uchardet_handle_data(detector.get(), text.data(), text.size()) != 0) {
    return kWordDefault;
  }
  uchardet_data_end(detector.get());
  std::string name = uchardet_get_charset(detector.get());
  // UTF-16 without a mark is left to the office's own guess of Unicode text.
  if (name.starts_with("UTF-16") || name.starts_with("UTF-32")) return "UNICODE";
  // Short Western text is told from Central European only by chance: Word's code page holds.
  if (name.empty() || name.starts_with("ISO-8859-1") || name == "ISO-8859-2" ||
      name == "WINDOWS-1250" || name == "WINDOWS-1252") {
    return kWordDefault;
  }
  return OfficeName(name);
}

}  // namespace platform::hosts
