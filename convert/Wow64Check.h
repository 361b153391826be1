#pragma once
// The 64-bit Windows test: whether the program runs as a 32-bit process on 64-bit Windows,
// where the PDF driver names its output differently. Asked at start-up and again by every
// conversion pass.

#include "platform/system/System.h"

// False when the platform has no answer (the function is missing or fails).
bool IsWow64Windows(const platform::System& system);
