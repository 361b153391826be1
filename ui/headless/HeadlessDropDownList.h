#pragma once
// The drop-down list in memory. Tests drive it as a user would (drop the list down, pick an
// entry, press the arrow keys) and read the selection field and the dropped-down rows as the
// owner drew them.

#include <string>
#include <vector>

#include "ui/DropDownList.h"
#include "ui/headless/HeadlessControl.h"

namespace ui {

enum class EntryColour { Window, WindowText, Highlight, HighlightText };

// One drawing call, with the colours it was drawn in.
struct EntryOp {
  enum class Kind { Fill, Bitmap, Text, Focus };
  Kind kind = Kind::Fill;
  Rect rect;                // Fill, Text, Focus; Bitmap: the rectangle the picture covers
  std::string text;         // Text: as the screen shows it, prefixes handled
  int underline = -1;       // Text: byte offset of the underlined character in `text`
  std::vector<Rgb> pixels;  // Bitmap: row by row as drawn, the transparent colour replaced
  EntryColour background = EntryColour::Window;
  EntryColour foreground = EntryColour::WindowText;
};

struct DrawnEntry {
  int index = -1;
  Rect rect;
  bool selected = false;
  std::vector<EntryOp> ops;

  const EntryOp* Find(EntryOp::Kind kind) const;
};

class HeadlessDropDownList : public HeadlessControl<DropDownList> {
 public:
  // The colours that the recorded bitmaps use for the two backgrounds.
  static constexpr Rgb WindowColour{255, 255, 255};
  static constexpr Rgb HighlightColour{0, 0, 128};
  // The headless kit's default font: every character (UTF-8 sequence) 6 pixels wide, an
  // 8-point sans-serif dialog font's widest usual letters; lines 13 pixels high.
  static constexpr int CharWidth = 6;
  static constexpr int LineHeight = 13;
  // The button at the right of the selection field.
  static constexpr int ButtonWidth = 17;

  using HeadlessControl::HeadlessControl;

  int DefaultFontTextWidth(const std::string& text) const override;

  // What a user does; each returns whether the input reached the control (enabled, on a form
  // that takes input). A control the user sees has its window: the first input creates it
  // (an error of the owner's hook goes to the error report). Picking drops the list down
  // first when it is closed.
  bool UserDropDown();
  bool UserCloseUp();
  bool UserPick(int index);  // EListError when the list has no such entry
  bool UserKeyDown() { return UserStep(1); }
  bool UserKeyUp() { return UserStep(-1); }

  // What the window shows, drawn now (painting needs the window, so these create it). The
  // selection field, in control coordinates:
  DrawnEntry PaintField();
  // The rows of the dropped-down list, in list coordinates; none while it is closed.
  std::vector<DrawnEntry> PaintList();
  Rect FieldRect() const;
  // The first entry the dropped-down list shows.
  int TopIndex() const { return top_; }

 protected:
  void Changed() override {}

 private:
  bool UserStep(int delta);
  void ShownOnScreen();

  int top_ = 0;
};

}  // namespace ui
