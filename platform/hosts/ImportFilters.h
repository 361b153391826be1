#pragma once
// Which import filter reads a file, chosen the way the application would treat the file: by
// the type its name announces (".doc" is a Word document, whatever the office might guess
// from its bytes) and, within that type, by the format its first bytes show (a ".doc" saved
// as rich text, a ".xls" saved as a web page). A name the application does not know
// ("notes.txt~", "x.docbak", "report.docm") leaves the choice to the bytes alone, as the
// application opens whatever it can read. Pinning the filter keeps a damaged file from being
// read as something else, slowly and into garbage; a format no pinned filter reads is left
// to the office's type detection among the application's own kinds of document.

#include <filesystem>
#include <string>

#include "platform/hosts/Office.h"

namespace platform::hosts {

enum class HostFamily { Word, Excel, PowerPoint, AutoCAD };

// The application's name as users know it: "Word", "Excel", ...
const char* HostFamilyName(HostFamily family);

// Raises platform::Error when the file is missing or cannot be read, and for drawings whose
// bytes are not a format the CAD application reads ("... is damaged or not a DXF drawing").
// `displayName` names the file in messages.
ImportFilter ChooseImportFilter(HostFamily family, const std::filesystem::path& file,
                                const std::string& displayName);

}  // namespace platform::hosts
