#pragma once
// The platform's texts are UTF-8; Windows' wide-character calls take UTF-16. The wrappers call
// the wide-character form of each function, so that names in any script reach the system
// whole, whatever the ANSI code page of the machine.

#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace platform::win32
