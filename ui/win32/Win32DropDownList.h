#pragma once
// The drop-down list of the native kit: a CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED combo box
// whose entries and selection field the owner paints. The bounds are those of the closed
// control; the native window is as high again as its dropped-down list.

#include <string>

#include "ui/DropDownList.h"
#include "ui/win32/Win32Control.h"

namespace ui {

class Win32DropDownList : public Win32Control<DropDownList> {
 public:
  Win32DropDownList(Container& parent, const ui::Bounds& bounds);

  void SetBounds(const ui::Bounds& bounds) override;
  int DefaultFontTextWidth(const std::string& text) const override;

  void Command(int code) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  void FormShowing() override { WindowNeeded(); }

 protected:
  void Changed() override;

 private:
  void SyncEntries();

  int shownHeight_ = 0;  // the item height the native control was last given
};

}  // namespace ui
