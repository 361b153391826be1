#include "platform/shell/FileIcons.h"

#include <array>
#include <map>

#include "platform/shell/Shell.h"
#include "platform/system/System.h"

namespace platform {

SystemIcon IconForFileName(const std::string& name) {
  static const std::map<std::string, SystemIcon> byExtension = {
      {"doc", SystemIcon::DocWord},        {"docx", SystemIcon::DocWord},
      {"rtf", SystemIcon::DocWord},        {"xls", SystemIcon::DocExcel},
      {"xlsx", SystemIcon::DocExcel},      {"ppt", SystemIcon::DocPowerPoint},
      {"pptx", SystemIcon::DocPowerPoint}, {"txt", SystemIcon::DocText},
      {"htm", SystemIcon::DocWeb},         {"html", SystemIcon::DocWeb},
      {"dwg", SystemIcon::DocCad},         {"dxf", SystemIcon::DocCad},
      {"pdf", SystemIcon::DocPdf}};
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return SystemIcon::GenericFile;
  const auto found = byExtension.find(System::LowerAscii(name.substr(dot + 1)));
  return found == byExtension.end() ? SystemIcon::GenericFile : found->second;
}

std::string FreedesktopIconName(int index) {
  static const std::array<const char*, static_cast<size_t>(SystemIcon::Count)> names = {
      "text-x-generic",         // GenericFile
      "folder",                 // Folder
      "folder-open",            // FolderOpen
      "drive-harddisk",         // DriveFixed
      "drive-removable-media",  // DriveRemovable
      "folder-remote",          // DriveRemote
      "drive-optical",          // DriveCdrom
      "drive-harddisk",         // DriveRamdisk
      "x-office-document",      // DocWord
      "x-office-spreadsheet",   // DocExcel
      "x-office-presentation",  // DocPowerPoint
      "text-x-generic",         // DocText
      "text-html",              // DocWeb
      "image-x-generic",        // DocCad
      "application-pdf",        // DocPdf
  };
  if (index < 0 || index >= static_cast<int>(names.size())) return names[0];
  return names[static_cast<size_t>(index)];
}

}  // namespace platform
