#pragma once
// The control library's pictures, found by resource name as the platform's resource loader
// finds them in the program's module: the pictures are compiled in, the name table below is
// the module's resource directory.

#include <string>

#include "ui/Icon.h"

namespace controls {

// The bitmap resource of that name (letter case ignored, as resource names are);
// platform::Error "Resource <name> not found" when the module holds none.
ui::Icon FindBitmapResource(const std::string& name);

}  // namespace controls
