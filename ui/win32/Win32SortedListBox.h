#pragma once
// The sorted list box of the native kit: a window of the kit's own class that paints only the
// rows in sight, with the window's own scroll bars. Layout, selection and scrolling follow
// the shared rules of SortedListBox; this window only paints, scrolls and hands the user's
// clicks and keys on. Each row's icon comes from the shell's system image list.

#include "ui/SortedListBox.h"
#include "ui/win32/Win32Control.h"

namespace ui {

class Win32SortedListBox : public Win32Control<SortedListBox> {
 public:
  Win32SortedListBox(Container& parent, const ui::Bounds& bounds);

  // The client area; a multi-column list's scroll bar lies inside it, below the rows.
  int ClientWidth() const override;
  int ClientHeight() const override;
  int ColumnBarHeight() const override;

  void FormShowing() override { WindowNeeded(); }
  // Paints the client area as the window shows it onto `dc`.
  void PaintTo(HDC dc);

  // The window procedure of the kit's list class.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  void Changed() override;

 private:
  LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void KeyPressed(WPARAM key);
  void Scrolled(int bar, int request);
  void UpdateScrollBars();

  bool scrollBarsStale_ = false;
};

}  // namespace ui
