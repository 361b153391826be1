#include "ui/win32/Win32SortedListBox.h"

#include <optional>

#include "ui/win32/Win32RowDrawing.h"
#include "ui/win32/Win32SystemImages.h"

namespace ui {

namespace {

// Posted to the list itself: the scroll bars are brought up to date once, after many changes.
constexpr UINT kUpdateScrollBars = WM_APP + 1;

// The drawing of the visible rows onto a device context.
class Win32RowPainter : public ItemCanvas {
 public:
  explicit Win32RowPainter(HDC dc) : row_(dc) {}

  void PrepareItem(int, const Rect&, bool selected) override { row_.Prepare(selected); }
  void FillRect(const Rect& rect) override { row_.Fill(rect); }
  void DrawIcon(int x, int y, int iconIndex) override {
    ImageList_Draw(SystemSmallImages(), iconIndex, row_.Dc(), x, y, ILD_TRANSPARENT);
  }
  void DrawString(int x, int y, const std::string& text) override {
    const std::wstring wide = platform::win32::Wide(text);
    TextOutW(row_.Dc(), x, y, wide.c_str(), static_cast<int>(wide.size()));
  }
  void DrawFocusRect(const Rect& rect) override { row_.FocusFrame(rect); }

 private:
  Win32RowDrawing row_;
};

std::optional<ListKey> ToListKey(WPARAM key) {
  switch (key) {
    case VK_UP:
      return ListKey::Up;
    case VK_DOWN:
      return ListKey::Down;
    case VK_LEFT:
      return ListKey::Left;
    case VK_RIGHT:
      return ListKey::Right;
    case VK_HOME:
      return ListKey::Home;
    case VK_END:
      return ListKey::End;
    case VK_PRIOR:
      return ListKey::PageUp;
    case VK_NEXT:
      return ListKey::PageDown;
    case VK_SPACE:
      return ListKey::Space;
    default:
      return std::nullopt;
  }
}

KeyModifiers KeyboardModifiers() {
  return KeyModifiers{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0};
}

bool HasStyle(HWND window, DWORD style) {
  return (static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & style) != 0;
}

}  // namespace

Win32SortedListBox::Win32SortedListBox(Container& parent, const ui::Bounds& bounds)
    : Win32Control(parent, bounds, {Win32Theme::kListClass, WS_TABSTOP, WS_EX_CLIENTEDGE}) {}

int Win32SortedListBox::ClientWidth() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.right;
}

int Win32SortedListBox::ClientHeight() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.bottom + (HasStyle(Handle(), WS_HSCROLL) ? ColumnBarHeight() : 0);
}

int Win32SortedListBox::ColumnBarHeight() const {
  return GetSystemMetrics(SM_CYHSCROLL);
}

void Win32SortedListBox::Changed() {
  InvalidateRect(Handle(), nullptr, FALSE);
  if (scrollBarsStale_) return;
  scrollBarsStale_ = true;
  PostMessageW(Handle(), kUpdateScrollBars, 0, 0);
}

// A bar whose page holds the whole range is hidden by Windows itself.
void Win32SortedListBox::UpdateScrollBars() {
  scrollBarsStale_ = false;
  const ListScroll scroll = Scroll();
  SCROLLINFO shown{sizeof shown, SIF_ALL, 0, 0, 0, 0, 0};
  if (scroll.range > scroll.page) {
    shown.nMax = scroll.range - 1;
    shown.nPage = static_cast<UINT>(scroll.page);
    shown.nPos = scroll.position;
  }
  SCROLLINFO empty{sizeof empty, SIF_ALL, 0, 0, 0, 0, 0};
  SetScrollInfo(Handle(), SB_HORZ, scroll.horizontal ? &shown : &empty, TRUE);
  SetScrollInfo(Handle(), SB_VERT, scroll.horizontal ? &empty : &shown, TRUE);
}

void Win32SortedListBox::Paint() {
  PAINTSTRUCT paint;
  HDC target = BeginPaint(Handle(), &paint);
  RECT client{};
  GetClientRect(Handle(), &client);
  // Drawn off screen first, so that a repaint never flickers.
  HDC buffer = CreateCompatibleDC(target);
  HBITMAP picture = CreateCompatibleBitmap(target, client.right, client.bottom);
  HGDIOBJ old = SelectObject(buffer, picture);
  PaintTo(buffer);
  BitBlt(target, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(picture);
  DeleteDC(buffer);
  EndPaint(Handle(), &paint);
}

void Win32SortedListBox::PaintTo(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  ::FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  Win32RowPainter painter(dc);
  PaintItems(painter, Focused());
}

void Win32SortedListBox::KeyPressed(WPARAM key) {
  if (const std::optional<ListKey> listKey = ToListKey(key)) KeyDown(*listKey, KeyboardModifiers());
}

void Win32SortedListBox::Scrolled(int bar, int request) {
  const ListScroll scroll = Scroll();
  if ((bar == SB_HORZ) != scroll.horizontal) return;
  int position = scroll.position;
  switch (request) {
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = scroll.range;
      break;
    case SB_LINEUP:
      position -= 1;
      break;
    case SB_LINEDOWN:
      position += 1;
      break;
    case SB_PAGEUP:
      position -= scroll.page;
      break;
    case SB_PAGEDOWN:
      position += scroll.page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO track{sizeof track, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), bar, &track);
      position = track.nTrackPos;
      break;
    }
    default:
      return;
  }
  ScrollTo(position);
}

LRESULT CALLBACK Win32SortedListBox::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  auto* list = dynamic_cast<Win32SortedListBox*>(Win32Native::Of(window));
  if (list == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return list->Receive(message, wParam, lParam);
}

// Every handler runs through the dispatcher: no error may cross Windows' own code.
LRESULT Win32SortedListBox::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      App().Dispatch([this] { Paint(); });
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      ::SetFocus(Handle());
      const int x = static_cast<short>(LOWORD(lParam));
      const int y = static_cast<short>(HIWORD(lParam));
      const KeyModifiers modifiers{(wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0};
      App().Dispatch([this, x, y, modifiers] { Click(ItemAtPoint(x, y), modifiers); });
      return 0;
    }
    case WM_KEYDOWN:
      App().Dispatch([this, wParam] { KeyPressed(wParam); });
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL: {
      const int bar = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
      App().Dispatch([this, bar, wParam] { Scrolled(bar, LOWORD(wParam)); });
      return 0;
    }
    case WM_MOUSEWHEEL: {
      const int steps = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
      App().Dispatch(
          [this, steps] { ScrollTo(Scroll().position - steps * (Columns() > 0 ? 1 : 3)); });
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_SIZE:
      App().Dispatch([this] { Resized(); });
      return 0;
    case kUpdateScrollBars:
      App().Dispatch([this] { UpdateScrollBars(); });
      return 0;
    default:
      return DefWindowProcW(Handle(), message, wParam, lParam);
  }
}

}  // namespace ui
