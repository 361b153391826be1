#pragma once
// The native window kit of Windows: registers the common controls (version 6, as the
// executable's manifest asks) and the kit's window classes for this process.

#include <memory>

#include "ui/Kit.h"

namespace ui {

std::unique_ptr<Kit> StartWin32Kit();

}  // namespace ui
