#pragma once
// The pictures of the system image list: which small icon a file gets by its extension, and
// the freedesktop icon name that shows each one on this desktop.

#include <string>

namespace platform {

enum class SystemIcon : int;

SystemIcon IconForFileName(const std::string& name);
// "folder", "x-office-document", ...; the generic file's name for an unknown index.
std::string FreedesktopIconName(int index);

}  // namespace platform
