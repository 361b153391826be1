#include "ui/headless/HeadlessSortedListBox.h"

#include <algorithm>

namespace ui {

namespace {

// The client edge of a list box: two pixels on every side.
constexpr int kEdge = 2;

// Records what the owner draws into the rows.
class RecordingCanvas : public ItemCanvas {
 public:
  explicit RecordingCanvas(std::vector<DrawnRow>& rows) : rows_(rows) {}

  void PrepareItem(int index, const Rect& rect, bool selected) override {
    background_ = selected ? ListColour::Highlight : ListColour::Window;
    foreground_ = selected ? ListColour::HighlightText : ListColour::WindowText;
    rows_.push_back(DrawnRow{index, rect, {}});
  }
  void FillRect(const Rect& rect) override { Record(DrawOp::Kind::Fill).rect = rect; }
  void DrawIcon(int x, int y, int iconIndex) override {
    DrawOp& op = Record(DrawOp::Kind::Icon);
    op.x = x;
    op.y = y;
    op.icon = iconIndex;
  }
  void DrawString(int x, int y, const std::string& text) override {
    DrawOp& op = Record(DrawOp::Kind::Text);
    op.x = x;
    op.y = y;
    op.text = text;
  }
  void DrawFocusRect(const Rect& rect) override { Record(DrawOp::Kind::Focus).rect = rect; }

 private:
  DrawOp& Record(DrawOp::Kind kind) {
    DrawOp& op = rows_.back().ops.emplace_back();
    op.kind = kind;
    op.background = background_;
    op.foreground = foreground_;
    return op;
  }

  std::vector<DrawnRow>& rows_;
  ListColour background_ = ListColour::Window;
  ListColour foreground_ = ListColour::WindowText;
};

}  // namespace

std::vector<std::string> DrawnRow::Texts() const {
  std::vector<std::string> texts;
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOp::Kind::Text) texts.push_back(op.text);
  }
  return texts;
}

bool DrawnRow::Focused() const {
  return std::any_of(ops.begin(), ops.end(),
                     [](const DrawOp& op) { return op.kind == DrawOp::Kind::Focus; });
}

int HeadlessSortedListBox::ClientWidth() const {
  return std::max(0, Bounds().width - 2 * kEdge);
}

int HeadlessSortedListBox::ClientHeight() const {
  return std::max(0, Bounds().height - 2 * kEdge);
}

void HeadlessSortedListBox::SetBounds(const ui::Bounds& bounds) {
  HeadlessControl::SetBounds(bounds);
  Resized();
}

bool HeadlessSortedListBox::UserClick(int index, KeyModifiers modifiers) {
  ShownOnScreen();
  return Input([this, index, modifiers] { Click(index, modifiers); });
}

bool HeadlessSortedListBox::UserClickAt(int x, int y, KeyModifiers modifiers) {
  ShownOnScreen();
  return UserClick(ItemAtPoint(x, y), modifiers);
}

bool HeadlessSortedListBox::UserKey(ListKey key, KeyModifiers modifiers) {
  ShownOnScreen();
  return Input([this, key, modifiers] { KeyDown(key, modifiers); });
}

void HeadlessSortedListBox::ShownOnScreen() {
  if (TakesInput() && !HasWindow()) App().Dispatch([this] { WindowNeeded(); });
}

std::vector<DrawnRow> HeadlessSortedListBox::Paint() {
  WindowNeeded();
  std::vector<DrawnRow> rows;
  RecordingCanvas canvas(rows);
  PaintItems(canvas, Focused());
  return rows;
}

bool HeadlessSortedListBox::HasRoomForItem() const {
  return !capacity_ || static_cast<std::size_t>(Count()) < *capacity_;
}

}  // namespace ui
