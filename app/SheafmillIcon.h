#pragma once
// The main window's icon.

#include "ui/Icon.h"

ui::Icon SheafmillIcon();
