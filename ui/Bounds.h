#pragma once
// Where a control stands: left, top, width and height in pixels, in the client coordinates of
// its form whatever group box it belongs to. And the size of a form's client area.

namespace ui {

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Bounds&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

}  // namespace ui
