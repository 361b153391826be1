#include "ui/win32/Win32Icon.h"

#include <string>
#include <vector>

#include "platform/Error.h"
#include "ui/Bitmap.h"

namespace ui {

namespace {

// A colour that stands for "None" while the picture is read as a bitmap; the icons hold
// only the 16 classic colours, none of which is this.
constexpr char kTransparentSpec[] = "#FE01FD";
constexpr Rgb kTransparent{0xFE, 0x01, 0xFD};

// The XPM's lines with "c None" spelled as the stand-in colour.
std::vector<std::string> OpaqueLines(const Icon& icon) {
  const XpmHeader header = ReadXpmHeader(icon);
  std::vector<std::string> lines;
  for (int i = 0; i <= header.colours + header.height; ++i) {
    std::string line = icon.xpm[i] != nullptr ? icon.xpm[i] : "";
    if (i >= 1 && i <= header.colours) {
      const size_t none = line.find(" c None");
      if (none != std::string::npos) line = line.substr(0, none) + " c " + kTransparentSpec;
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

HICON NewIconFromXpm(const Icon& icon) {
  const std::vector<std::string> lines = OpaqueLines(icon);
  std::vector<const char*> data;
  for (const std::string& line : lines) data.push_back(line.c_str());
  const Bitmap picture(Icon{data.data()});
  const int width = picture.Width();
  const int height = picture.Height();

  BITMAPV5HEADER format{};
  format.bV5Size = sizeof format;
  format.bV5Width = width;
  format.bV5Height = -height;  // top-down rows
  format.bV5Planes = 1;
  format.bV5BitCount = 32;
  format.bV5Compression = BI_BITFIELDS;
  format.bV5RedMask = 0x00FF0000;
  format.bV5GreenMask = 0x0000FF00;
  format.bV5BlueMask = 0x000000FF;
  format.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&format), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (colour == nullptr) throw platform::Error("Not enough memory for the window icon");
  auto* pixels = static_cast<uint32_t*>(bits);
  // The mask's rows are whole 16-bit words; a set bit is a transparent pixel.
  const int maskStride = (width + 15) / 16 * 2;
  std::vector<uint8_t> maskBits(static_cast<size_t>(maskStride * height), 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb rgb = picture.Pixel(x, y);
      const bool clear = rgb == kTransparent;
      pixels[y * width + x] =
          clear ? 0
                : 0xFF000000u | static_cast<uint32_t>(rgb.red << 16 | rgb.green << 8 | rgb.blue);
      if (clear) maskBits[static_cast<size_t>(y * maskStride + x / 8)] |= 0x80 >> (x % 8);
    }
  }
  HBITMAP mask = CreateBitmap(width, height, 1, 1, maskBits.data());
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON result = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  if (result == nullptr) throw platform::Error("The window icon cannot be made");
  return result;
}

}  // namespace ui
