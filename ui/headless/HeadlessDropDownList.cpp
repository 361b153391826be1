#include "ui/headless/HeadlessDropDownList.h"

#include <algorithm>

#include "platform/Error.h"
#include "ui/PrefixText.h"

namespace ui {

namespace {

bool IsUtf8Lead(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

int TextWidth(const std::string& text) {
  return HeadlessDropDownList::CharWidth *
         static_cast<int>(std::count_if(text.begin(), text.end(), IsUtf8Lead));
}

// Records what the owner draws into the entries.
class RecordingPainter : public EntryPainter {
 public:
  explicit RecordingPainter(std::vector<DrawnEntry>& entries) : entries_(entries) {}

  void PrepareEntry(int index, const Rect& rect, bool selected) override {
    background_ = selected ? EntryColour::Highlight : EntryColour::Window;
    foreground_ = selected ? EntryColour::HighlightText : EntryColour::WindowText;
    entries_.push_back(DrawnEntry{index, rect, selected, {}});
  }
  void FillRect(const Rect& rect) override { Record(EntryOp::Kind::Fill).rect = rect; }
  void DrawBitmap(int x, int y, const Bitmap& bitmap, Rgb transparent) override {
    EntryOp& op = Record(EntryOp::Kind::Bitmap);
    op.rect = {x, y, x + bitmap.Width(), y + bitmap.Height()};
    const Rgb shown = background_ == EntryColour::Highlight ? HeadlessDropDownList::HighlightColour
                                                            : HeadlessDropDownList::WindowColour;
    for (int py = 0; py < bitmap.Height(); ++py) {
      for (int px = 0; px < bitmap.Width(); ++px) {
        const Rgb pixel = bitmap.Pixel(px, py);
        op.pixels.push_back(pixel == transparent ? shown : pixel);
      }
    }
  }
  // Where the text lands: vertically centred in the rectangle, cut off at its right edge.
  void DrawText(const Rect& rect, const std::string& text) override {
    const PrefixText parsed = ParsePrefix(text);
    EntryOp& op = Record(EntryOp::Kind::Text);
    const int top = rect.top + (rect.Height() - HeadlessDropDownList::LineHeight) / 2;
    op.rect = {rect.left, top, std::min(rect.right, rect.left + TextWidth(parsed.shown)),
               top + HeadlessDropDownList::LineHeight};
    op.text = parsed.shown;
    op.underline = parsed.underline;
  }
  void DrawFocusRect(const Rect& rect) override { Record(EntryOp::Kind::Focus).rect = rect; }

 private:
  EntryOp& Record(EntryOp::Kind kind) {
    EntryOp& op = entries_.back().ops.emplace_back();
    op.kind = kind;
    op.background = background_;
    op.foreground = foreground_;
    return op;
  }

  std::vector<DrawnEntry>& entries_;
  EntryColour background_ = EntryColour::Window;
  EntryColour foreground_ = EntryColour::WindowText;
};

}  // namespace

const EntryOp* DrawnEntry::Find(EntryOp::Kind kind) const {
  auto at =
      std::find_if(ops.begin(), ops.end(), [&](const EntryOp& op) { return op.kind == kind; });
  return at == ops.end() ? nullptr : &*at;
}

int HeadlessDropDownList::DefaultFontTextWidth(const std::string& text) const {
  return TextWidth(text);
}

bool HeadlessDropDownList::UserDropDown() {
  ShownOnScreen();
  return Input([this] {
    DropDown();
    // The list opens with the selected entry in sight.
    const int last = std::max(0, Count() - DropDownCount());
    top_ = std::clamp(ItemIndex() - DropDownCount() + 1, 0, last);
  });
}

bool HeadlessDropDownList::UserCloseUp() {
  return Input([this] { CloseUp(); });
}

bool HeadlessDropDownList::UserPick(int index) {
  ShownOnScreen();
  if (index < 0 || index >= Count()) throw platform::EListError::OutOfBounds(index);
  if (!DroppedDown() && !UserDropDown()) return false;
  return Input([this, index] { Pick(index); });
}

bool HeadlessDropDownList::UserStep(int delta) {
  ShownOnScreen();
  return Input([this, delta] { Step(delta); });
}

void HeadlessDropDownList::ShownOnScreen() {
  if (TakesInput() && !HasWindow()) App().Dispatch([this] { WindowNeeded(); });
}

Rect HeadlessDropDownList::FieldRect() const {
  return {FieldEdge, FieldEdge, Bounds().width - FieldEdge - ButtonWidth, FieldEdge + ItemHeight()};
}

DrawnEntry HeadlessDropDownList::PaintField() {
  WindowNeeded();
  std::vector<DrawnEntry> entries;
  RecordingPainter painter(entries);
  PaintEntry(painter, ItemIndex(), FieldRect(), Focused(), Focused());
  return entries.front();
}

std::vector<DrawnEntry> HeadlessDropDownList::PaintList() {
  WindowNeeded();
  std::vector<DrawnEntry> entries;
  if (!DroppedDown()) return entries;
  RecordingPainter painter(entries);
  const int end = std::min(Count(), top_ + DropDownCount());
  for (int index = top_; index < end; ++index) {
    const int y = (index - top_) * ItemHeight();
    const Rect rect{0, y, DroppedWidth() - 2, y + ItemHeight()};
    PaintEntry(painter, index, rect, index == ItemIndex(), index == ItemIndex());
  }
  return entries;
}

}  // namespace ui
