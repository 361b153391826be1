#pragma once
// The program's way into the wx kit, without wx in sight.

#include <memory>

#include "ui/Kit.h"

namespace ui {

// Starts the wx kit; nothing when there is no display to open.
std::unique_ptr<Kit> StartWxKit(const char* programName);

}  // namespace ui
