#pragma once
// The program entry on a started widget kit: the application title, the platform of the
// user's profile, the process printer list and the main window, then the message loop until
// the main window has closed.

#include "platform/Platform.h"
#include "ui/Kit.h"

// Returns the process's exit code: 0, or 1 when the platform could not be opened (the error
// report has said why).
int RunSheafmill(ui::Kit& kit, const platform::PlatformOptions& options);
