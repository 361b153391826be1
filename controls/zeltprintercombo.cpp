#include "controls/zeltprintercombo.h"

#include <algorithm>

#include "controls/zelresources.h"
#include "platform/Error.h"

namespace controls {

namespace {

constexpr char kGlyphResource[] = "ZELPrinterResource";
// The glyph stands 6 pixels from the left edge of whatever surface is drawn on; the text
// starts 25 pixels right of the entry's left edge.
constexpr int kGlyphLeft = 6;
constexpr int kTextIndent = 25;
// Room beside the widest entry in the dropped-down list: glyph, margins and scroll bar.
constexpr int kDroppedWidthExtra = 37;

}  // namespace

TZELPrinterCombo::TZELPrinterCombo(ProcessPrinters& printers,
                                   std::unique_ptr<ui::DropDownList> base)
    : printers_(printers),
      base_(std::move(base)),
      glyph_(FindBitmapResource(kGlyphResource)),
      transparent_(glyph_.Pixel(0, glyph_.Height() - 1)) {
  base_->SetItemHeight(EntryHeight);
  base_->OnWindowCreated = [this] { Fill(); };
  base_->OnSelect = [this] { UserSelected(); };
  base_->OnDropDown = [this] { DroppingDown(); };
  base_->OnDrawItem = [this](ui::EntryCanvas& canvas, int index, const ui::Rect& rect) {
    DrawItem(canvas, index, rect);
  };
}

int TZELPrinterCombo::SelectedIndex() {
  base_->WindowNeeded();
  return base_->ItemIndex();
}

void TZELPrinterCombo::SetSelectedIndex(int index) {
  base_->WindowNeeded();
  base_->SetItemIndex(index);
}

std::string TZELPrinterCombo::SelectedPrinter() {
  const int index = SelectedIndex();
  const std::vector<std::string>& names = printers_.Names();
  if (index < 0 || index >= static_cast<int>(names.size())) {
    throw platform::EListError::OutOfBounds(index);
  }
  return names[static_cast<size_t>(index)];
}

// The entries stay when the default printer cannot be found: the error goes to the code
// whose request created the window, with nothing selected.
void TZELPrinterCombo::Fill() {
  base_->Clear();
  for (const std::string& name : printers_.Names()) base_->Add(name);
  if (base_->Count() > 0) {
    base_->SetItemIndex(printers_.PrinterIndex());
  } else {
    base_->Add(NoPrinters);
    base_->SetItemIndex(0);
    base_->SetEnabled(false);
  }
}

void TZELPrinterCombo::UserSelected() {
  if (OnClick) OnClick(*this);
  printers_.SetPrinterIndex(base_->ItemIndex());
  if (OnChange) OnChange(*this);
}

void TZELPrinterCombo::DroppingDown() {
  maxItemWidth_ = 0;
  for (int i = 0; i < base_->Count(); ++i) {
    maxItemWidth_ = std::max(maxItemWidth_, base_->DefaultFontTextWidth(base_->Item(i)));
  }
  if (OnDropDown) OnDropDown(*this);
  base_->SetMinDroppedWidth(maxItemWidth_ + kDroppedWidthExtra);
}

void TZELPrinterCombo::DrawItem(ui::EntryCanvas& canvas, int index, const ui::Rect& rect) const {
  const int glyphTop = rect.top + 2 + (base_->ItemHeight() - glyph_.Height()) / 2;
  canvas.FillRect(rect);
  canvas.DrawBitmap(kGlyphLeft, glyphTop, glyph_, transparent_);
  const ui::Rect text{rect.left + kTextIndent, rect.top, rect.right + kTextIndent, rect.bottom};
  canvas.DrawText(text, base_->Item(index));
}

}  // namespace controls
