#pragma once
// The program entry on a started widget kit: the application title, the platform of the
// user's profile, the process printer list and the main window, then the message loop until
// the main window has closed.

#include <functional>

#include "platform/Platform.h"
#include "ui/Kit.h"

// Opens the platform the program runs on, once the application title is set, so that a
// failure reaches the error report under it; raises platform::Error when it cannot.
using PlatformOpener = std::function<platform::Platform&()>;

// Returns the process's exit code: 0, or 1 when the platform could not be opened (the error
// report has said why).
int RunSheafmill(ui::Kit& kit, const PlatformOpener& openPlatform);
// The same on a platform of `options` with nothing installed on it.
int RunSheafmill(ui::Kit& kit, const platform::PlatformOptions& options);
