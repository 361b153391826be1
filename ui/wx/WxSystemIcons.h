#pragma once
// The platform's system image list of small icons, drawn with the desktop theme's icon of
// each index's name.

#include <wx/bitmap.h>
#include <wx/imaglist.h>

namespace ui {

// The 16 x 16 picture of a system image list index; an empty bitmap when the theme has none.
wxBitmap WxSystemIcon(int iconIndex);

// Every index of the system image list, in order, as a new wx image list.
wxImageList* NewWxSystemImageList();

}  // namespace ui
