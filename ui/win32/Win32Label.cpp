#include "ui/win32/Win32Label.h"

#include <algorithm>
#include <limits>

namespace ui {

namespace {

// The width of a group box's frame line with its inner margin.
constexpr int kBoxEdge = 2;

}  // namespace

Win32Label::Win32Label(Container& parent, const ui::Bounds& bounds)
    : Win32Control(parent, bounds, {L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY}) {}

void Win32Label::SetCaption(const std::string& caption) {
  SetNativeText(caption);
  FitToText();
}

void Win32Label::SetBold(bool bold) {
  bold_ = bold;
  SetFont(bold);
  FitToText();
}

void Win32Label::Command(int code) {
  if ((code == STN_CLICKED || code == STN_DBLCLK) && OnClick) OnClick();
}

void Win32Label::FitToText() {
  const std::wstring text = platform::win32::Wide(Caption());
  HDC dc = GetDC(Handle());
  HGDIOBJ old = SelectObject(dc, Win32Theme::DialogFont(bold_));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(Handle(), dc);
  ui::Bounds bounds = Bounds();
  const int width = std::max(1, std::min<int>(extent.cx, ClipRight() - bounds.left));
  if (width == bounds.width) return;
  bounds.width = width;
  SetBounds(bounds);
}

// The right edge past which the label is not seen: the group box only frames its members.
int Win32Label::ClipRight() const {
  if (const auto* box = dynamic_cast<const Win32Native*>(Parent())) {
    RECT rect{};
    GetWindowRect(box->Handle(), &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(Handle()), reinterpret_cast<POINT*>(&rect), 2);
    return rect.right - kBoxEdge;
  }
  return std::numeric_limits<int>::max();
}

}  // namespace ui
