#pragma once
// The classic dialog look on GTK: the dialog font, the button-face background, and control
// metrics small enough for the fixed pixel layouts of the forms.

#include <wx/colour.h>
#include <wx/font.h>

namespace ui {

class WxTheme {
 public:
  // Liberation Sans 8 stands in for the Windows dialog font, "MS Sans Serif" 8: the same
  // metrics class, and it exists on Linux (an unknown face falls back silently).
  static wxFont DialogFont(bool bold);
  static wxColour ButtonFace();
  // Lets buttons, edits and check boxes shrink to the classic sizes (25, 21 and 17 pixels
  // high) and indents group-box captions. Call once after GTK has started.
  static void InstallClassicMetrics();
};

}  // namespace ui
