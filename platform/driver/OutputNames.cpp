#include "platform/driver/OutputNames.h"

#include <string_view>

namespace platform::driver {

namespace {

constexpr char NumberedSuffix[] = "000.pdf";
// The longest file name, in bytes, that the file systems take.
constexpr size_t MaxNameBytes = 255;

// `stem` cut at a whole UTF-8 character so that `suffixBytes` more still make a name.
std::string FittingStem(const std::string& stem, size_t suffixBytes) {
  if (stem.size() + suffixBytes <= MaxNameBytes) return stem;
  size_t end = MaxNameBytes - suffixBytes;
  while (end > 0 && (static_cast<unsigned char>(stem[end]) & 0xC0) == 0x80) --end;
  return stem.substr(0, end);
}

}  // namespace

std::string DocumentFileName(const std::string& documentName) {
  auto separator = documentName.find_last_of("\\/:");
  std::string name =
      separator == std::string::npos ? documentName : documentName.substr(separator + 1);
  for (char& c : name) {
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("\"<>|?*").find(c) != std::string_view::npos) {
      c = '_';
    }
  }
  return name;
}

std::string DocumentStem(const std::string& documentName) {
  std::string name = DocumentFileName(documentName);
  return name.substr(0, name.rfind('.'));
}

std::string AutomaticOutputName(const std::string& documentName, bool wow64) {
  if (wow64) return "output.pdf.pdf";
  return FittingStem(DocumentStem(documentName), sizeof NumberedSuffix - 1) + NumberedSuffix;
}

std::string DocumentsFolderName(const std::string& documentName, int number) {
  std::string name = DocumentFileName(documentName);
  if (name.empty()) name = "Untitled";
  if (number > 0) name += " (" + std::to_string(number) + ")";
  return name + ".pdf";
}

}  // namespace platform::driver
