// sheafmill-icon SIZE FILE: writes the main window's icon as a PNG file of SIZE x SIZE
// pixels for the desktop's icon theme. The build runs it, so that the installed icons are
// always the window's.

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "app/SheafmillIcon.h"
#include "ui/Icon.h"

namespace {

struct Rgba {
  double red = 0, green = 0, blue = 0, alpha = 0;
};

// The icon's pixels, row by row; its colours are "None" or "#RRGGBB".
std::vector<Rgba> ReadPixels(const ui::Icon& icon, const ui::XpmHeader& header) {
  const auto keySize = static_cast<size_t>(header.charsPerPixel);
  std::map<std::string, Rgba> colours;
  for (int i = 1; i <= header.colours; ++i) {
    const std::string line = icon.xpm[i];
    const std::string spec = line.substr(line.find(" c ", keySize) + 3);
    Rgba colour;
    if (spec.size() == 7 && spec[0] == '#') {
      const unsigned long rgb = std::stoul(spec.substr(1), nullptr, 16);
      colour = {double(rgb >> 16 & 0xFF), double(rgb >> 8 & 0xFF), double(rgb & 0xFF), 255};
    }
    colours[line.substr(0, keySize)] = colour;
  }
  std::vector<Rgba> pixels;
  for (int y = 0; y < header.height; ++y) {
    const std::string row = icon.xpm[1 + header.colours + y];
    for (size_t x = 0; x + keySize <= row.size(); x += keySize) {
      pixels.push_back(colours.at(row.substr(x, keySize)));
    }
  }
  return pixels;
}

// Each target pixel averages a grid of samples over the part of the picture it covers, so
// whole multiples of the icon's size stay sharp and smaller sizes blend instead of dropping
// lines. Colours are weighted by their opacity, so that transparency does not darken edges.
std::vector<unsigned char> Resample(const std::vector<Rgba>& pixels, const ui::XpmHeader& header,
                                    int size) {
  constexpr int kSamples = 4;
  std::vector<unsigned char> out;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      Rgba sum;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const int px = ((x * kSamples + sx) * header.width) / (size * kSamples);
          const int py = ((y * kSamples + sy) * header.height) / (size * kSamples);
          const Rgba& p = pixels[static_cast<size_t>(py * header.width + px)];
          sum.red += p.red * p.alpha;
          sum.green += p.green * p.alpha;
          sum.blue += p.blue * p.alpha;
          sum.alpha += p.alpha;
        }
      }
      const double weight = sum.alpha > 0 ? sum.alpha : 1;
      for (double channel : {sum.red / weight, sum.green / weight, sum.blue / weight,
                             sum.alpha / (kSamples * kSamples)}) {
        out.push_back(static_cast<unsigned char>(channel + 0.5));
      }
    }
  }
  return out;
}

bool WritePng(const char* file, const std::vector<unsigned char>& rgba, int size) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(size);
  image.height = static_cast<png_uint_32>(size);
  image.format = PNG_FORMAT_RGBA;
  return png_image_write_to_file(&image, file, 0, rgba.data(), 0, nullptr) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  const ui::Icon icon = SheafmillIcon();
  const ui::XpmHeader header = ui::ReadXpmHeader(icon);
  const int size = argc == 3 ? std::atoi(argv[1]) : 0;
  if (size <= 0) {
    std::cerr << "usage: sheafmill-icon SIZE FILE\n";
    return 2;
  }
  if (!WritePng(argv[2], Resample(ReadPixels(icon, header), header, size), size)) {
    std::cerr << "sheafmill-icon: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
