// sheafmill-icon SIZE FILE: writes the main window's icon as an XPM file of SIZE x SIZE
// pixels, a multiple of the icon's own size, for the desktop's icon theme. The build runs it,
// so that the installed icons are always the window's.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "app/SheafmillIcon.h"
#include "ui/Icon.h"

namespace {

// Each pixel becomes a square of `factor` x `factor` pixels.
void WriteScaled(std::ostream& out, const ui::Icon& icon, const ui::XpmHeader& header, int factor) {
  const int size = header.width * factor;
  out << "/* XPM */\nstatic const char* sheafmill[] = {\n";
  out << "\"" << size << " " << header.height * factor << " " << header.colours << " "
      << header.charsPerPixel << "\",\n";
  for (int i = 1; i <= header.colours; ++i) out << "\"" << icon.xpm[i] << "\",\n";
  const auto pixelChars = static_cast<size_t>(header.charsPerPixel);
  for (int y = 0; y < header.height; ++y) {
    const std::string row = icon.xpm[1 + header.colours + y];
    std::string scaled;
    for (size_t x = 0; x + pixelChars <= row.size(); x += pixelChars) {
      for (int i = 0; i < factor; ++i) scaled += row.substr(x, pixelChars);
    }
    for (int i = 0; i < factor; ++i) out << "\"" << scaled << "\",\n";
  }
  out << "};\n";
}

}  // namespace

int main(int argc, char** argv) {
  const ui::Icon icon = SheafmillIcon();
  const ui::XpmHeader header = ui::ReadXpmHeader(icon);
  const int size = argc == 3 ? std::atoi(argv[1]) : 0;
  if (size <= 0 || size % header.width != 0) {
    std::cerr << "usage: sheafmill-icon SIZE FILE (SIZE a multiple of " << header.width << ")\n";
    return 2;
  }
  std::ofstream out(argv[2]);
  WriteScaled(out, icon, header, size / header.width);
  out.close();
  if (!out) {
    std::cerr << "sheafmill-icon: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
