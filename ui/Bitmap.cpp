#include "ui/Bitmap.h"

#include <map>
#include <string>

#include "platform/Error.h"

namespace ui {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "#RRGGBB"; anything else raises.
Rgb ParseColour(const std::string& spec, const std::string& line) {
  int digits[6];
  bool valid = spec.size() == 7 && spec[0] == '#';
  for (int i = 0; valid && i < 6; ++i) {
    digits[i] = HexDigit(spec[static_cast<size_t>(i) + 1]);
    valid = digits[i] >= 0;
  }
  if (!valid) {
    throw platform::Error("A bitmap colour must read \"c #RRGGBB\": \"" + line + "\"");
  }
  auto channel = [&](int i) { return static_cast<uint8_t>(digits[i] * 16 + digits[i + 1]); };
  return {channel(0), channel(2), channel(4)};
}

}  // namespace

Bitmap::Bitmap(const Icon& xpm) {
  const XpmHeader header = ReadXpmHeader(xpm);
  const auto keySize = static_cast<size_t>(header.charsPerPixel);
  std::map<std::string, Rgb> colours;
  for (int i = 1; i <= header.colours; ++i) {
    const std::string line = xpm.xpm[i] != nullptr ? xpm.xpm[i] : "";
    const size_t c = line.find(" c ", keySize);
    if (line.size() < keySize || c == std::string::npos) {
      throw platform::Error("Not an XPM colour line: \"" + line + "\"");
    }
    colours[line.substr(0, keySize)] = ParseColour(line.substr(c + 3), line);
  }
  for (int y = 0; y < header.height; ++y) {
    const char* row = xpm.xpm[1 + header.colours + y];
    const std::string line = row != nullptr ? row : "";
    if (line.size() != keySize * static_cast<size_t>(header.width)) {
      throw platform::Error("Bitmap row " + std::to_string(y) + " is not " +
                            std::to_string(header.width) + " pixels wide");
    }
    for (size_t x = 0; x < line.size(); x += keySize) {
      const auto colour = colours.find(line.substr(x, keySize));
      if (colour == colours.end()) {
        throw platform::Error("Bitmap row " + std::to_string(y) + " uses an undeclared colour");
      }
      pixels_.push_back(colour->second);
    }
  }
  width_ = header.width;
  height_ = header.height;
}

Rgb Bitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    throw platform::Error("No pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                          ") in a bitmap of " + std::to_string(width_) + " x " +
                          std::to_string(height_));
  }
  return pixels_[static_cast<size_t>(y * width_ + x)];
}

}  // namespace ui
