#pragma once
// TZELPrinterCombo: a drop-down list of the installed printers, each drawn with a small
// printer picture before its name. Its window shows the process's current printer when it
// is created; a user's pick makes the picked printer the process's current printer. Choosing
// an entry from code only moves the selection.

#include <functional>
#include <memory>
#include <string>

#include "controls/ProcessPrinters.h"
#include "ui/Bitmap.h"
#include "ui/DropDownList.h"

namespace controls {

class TZELPrinterCombo;

using TZELPrinterComboEvent = std::function<void(TZELPrinterCombo& sender)>;

class TZELPrinterCombo {
 public:
  static constexpr int EntryHeight = 22;
  static constexpr char NoPrinters[] = "(No Printers connected)";

  // `base` is the kit's drop-down list, placed on its owner; the control sets its entry
  // height, loads PrinterGlyph and fills the entries whenever the base creates its window.
  TZELPrinterCombo(ProcessPrinters& printers, std::unique_ptr<ui::DropDownList> base);
  TZELPrinterCombo(const TZELPrinterCombo&) = delete;
  TZELPrinterCombo& operator=(const TZELPrinterCombo&) = delete;

  ui::DropDownList& Base() const { return *base_; }

  // The entry shown in the closed control, -1 for none. Both create the window first when
  // there is none, and with it fill the entries (EPrinter when there is no default printer).
  // Setting it neither changes the current printer nor notifies.
  int SelectedIndex();
  void SetSelectedIndex(int index);
  // The process list's name at SelectedIndex, not the entry text: EListError
  // "List index out of bounds (%d)" when that is no index of the names.
  std::string SelectedPrinter();

  const ui::Bitmap& PrinterGlyph() const { return glyph_; }
  // The widest entry text in the default user-interface font, measured at each drop-down.
  int MaxItemWidth() const { return maxItemWidth_; }
  int DropDownCount() const { return base_->DropDownCount(); }
  void SetDropDownCount(int count) { base_->SetDropDownCount(count); }

  // The user changed the selection: OnClick, then the current printer follows, then OnChange.
  TZELPrinterComboEvent OnClick;
  TZELPrinterComboEvent OnChange;
  TZELPrinterComboEvent OnDropDown;

 private:
  void Fill();
  void UserSelected();
  void DroppingDown();
  void DrawItem(ui::EntryCanvas& canvas, int index, const ui::Rect& rect) const;

  ProcessPrinters& printers_;
  std::unique_ptr<ui::DropDownList> base_;
  ui::Bitmap glyph_;
  ui::Rgb transparent_;
  int maxItemWidth_ = 0;
};

}  // namespace controls
