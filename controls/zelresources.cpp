#include "controls/zelresources.h"

#include "platform/Error.h"
#include "platform/system/System.h"

namespace controls {

namespace {

// A small grey printer with a sheet of paper and a green and a red light, 16 colours, on an
// olive background that the combo treats as transparent (its bottom-left pixel).
const char* const kPrinter[] = {
    "16 14 7 1",        "o c #808000",      "k c #000000",      "g c #808080",
    "s c #C0C0C0",      "w c #FFFFFF",      "G c #00FF00",      "r c #FF0000",
    "oooowwwwwwwwoooo", "oooowkkkkkkwoooo", "oooowwwwwwwwoooo", "oooowkkkkwwwoooo",
    "ookkkkkkkkkkkkoo", "okssssssssssssko", "okssssssssGsrsko", "okssssssssssssko",
    "okggggggggggggko", "okgkkkkkkkkkkgko", "okkwwwwwwwwwwkko", "ooowkkkkkkkkwooo",
    "ooowwwwwwwwwwooo", "oooooooooooooooo",
};

struct Resource {
  const char* name;
  const char* const* xpm;
};

constexpr Resource kResources[] = {
    {"ZELPrinterResource", kPrinter},
};

}  // namespace

ui::Icon FindBitmapResource(const std::string& name) {
  for (const Resource& resource : kResources) {
    if (platform::System::UpperAscii(resource.name) == platform::System::UpperAscii(name)) {
      return ui::Icon{resource.xpm};
    }
  }
  throw platform::Error("Resource " + name + " not found");
}

}  // namespace controls
