#pragma once
// A window icon as XPM data: the format both kits read without files or resources.

namespace ui {

struct Icon {
  const char* const* xpm = nullptr;
};

// The numbers of the XPM's first line: "<width> <height> <colours> <characters per pixel>".
struct XpmHeader {
  int width = 0;
  int height = 0;
  int colours = 0;
  int charsPerPixel = 0;
};

// Raises platform::Error when the first line is not four positive numbers.
XpmHeader ReadXpmHeader(const Icon& icon);

}  // namespace ui
