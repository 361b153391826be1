#pragma once
// A small picture without transparency of its own (the platform's 16-colour bitmap), read
// from XPM data whose colours are all "#RRGGBB". Kits draw it pixel by pixel, so that a
// colour of the owner's choosing can stand in for the background.

#include <cstdint>
#include <vector>

#include "ui/Icon.h"

namespace ui {

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

class Bitmap {
 public:
  Bitmap() = default;
  // Raises platform::Error when the data is not such an XPM.
  explicit Bitmap(const Icon& xpm);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }
  // x from the left, y from the top; platform::Error outside the picture.
  Rgb Pixel(int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

}  // namespace ui
