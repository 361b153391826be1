#pragma once
// Host file names may hold characters that Windows refuses in a name (" * : < > ? \ | and
// the control characters). The Windows view spells each of them as the private-use
// character U+F000 + its code, so that such a file is listed, opened and named like any
// other; the host path gets the original character back.

#include <string>
#include <string_view>

namespace platform {

// The name as the Windows view spells it.
std::string ToWindowsName(std::string_view hostName);
// The name as the host spells it: the inverse of ToWindowsName.
std::string ToHostName(std::string_view windowsName);

}  // namespace platform
