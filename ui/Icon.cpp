#include "ui/Icon.h"

#include <sstream>

#include "platform/Error.h"

namespace ui {

XpmHeader ReadXpmHeader(const Icon& icon) {
  XpmHeader header;
  if (icon.xpm == nullptr || icon.xpm[0] == nullptr) {
    throw platform::Error("The icon holds no picture");
  }
  std::istringstream line(icon.xpm[0]);
  line >> header.width >> header.height >> header.colours >> header.charsPerPixel;
  if (!line || header.width <= 0 || header.height <= 0 || header.colours <= 0 ||
      header.charsPerPixel <= 0) {
    throw platform::Error("The icon's header is not an XPM header: \"" + std::string(icon.xpm[0]) +
                          "\"");
  }
  return header;
}

}  // namespace ui
