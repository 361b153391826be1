// The ASCII letter case of the system's names, the same on every platform.

#include "platform/AsciiCase.h"
#include "platform/system/System.h"

namespace platform {

std::string System::UpperAscii(std::string text) {
  return AsciiUpper(text);
}

std::string System::LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace platform
