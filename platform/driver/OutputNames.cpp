#include "platform/driver/OutputNames.h"

#include <string_view>

namespace platform::driver {

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
  return wow64 ? "output.pdf.pdf" : DocumentStem(documentName) + "000.pdf";
}

std::string DocumentsFolderName(const std::string& documentName, int number) {
  std::string name = DocumentFileName(documentName);
  if (name.empty()) name = "Untitled";
  if (number > 0) name += " (" + std::to_string(number) + ")";
  return name + ".pdf";
}

}  // namespace platform::driver
