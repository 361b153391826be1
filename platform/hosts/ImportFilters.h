#pragma once
// Which import filter reads a file, chosen the way the application would treat the file: by
// the type its name announces (".doc" is a Word document, whatever the office might guess
// from its bytes) and, within that type, by the format its first bytes show (a ".doc" saved
// as rich text, a ".xls" saved as a web page). Pinning the filter keeps a damaged file from
// being read as something else, slowly and into garbage.

#include <filesystem>
#include <string>

#include "platform/hosts/Office.h"

namespace platform::hosts {

enum class HostFamily { Word, Excel, PowerPoint, AutoCAD };

// The application's name as users know it: "Word", "Excel", ...
const char* HostFamilyName(HostFamily family);

// Raises platform::Error when the application does not read files of that type, when the
// file is missing, and when its bytes are not a format of its type ("... is damaged or not a
// Word document"). `displayName` names the file in messages.
ImportFilter ChooseImportFilter(HostFamily family, const std::filesystem::path& file,
                                const std::string& displayName);

}  // namespace platform::hosts
