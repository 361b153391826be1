#include "ui/win32/Win32DropDownList.h"

#include "ui/win32/Win32RowDrawing.h"

namespace ui {

namespace {

constexpr DWORD kStyle = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                         CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;

// The drawing of one entry onto the combo's device context.
class Win32EntryPainter : public EntryPainter {
 public:
  explicit Win32EntryPainter(HDC dc) : row_(dc) {}

  void PrepareEntry(int, const Rect&, bool selected) override { row_.Prepare(selected); }
  void FillRect(const Rect& rect) override { row_.Fill(rect); }
  void DrawBitmap(int x, int y, const Bitmap& bitmap, Rgb transparent) override {
    for (int py = 0; py < bitmap.Height(); ++py) {
      for (int px = 0; px < bitmap.Width(); ++px) {
        const Rgb pixel = bitmap.Pixel(px, py);
        SetPixel(
            row_.Dc(), x + px, y + py,
            pixel == transparent ? row_.Background() : RGB(pixel.red, pixel.green, pixel.blue));
      }
    }
  }
  void DrawText(const Rect& rect, const std::string& text) override {
    std::wstring wide = platform::win32::Wide(text);
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    DrawTextExW(row_.Dc(), wide.data(), static_cast<int>(wide.size()), &area,
                DT_SINGLELINE | DT_VCENTER, nullptr);
  }
  void DrawFocusRect(const Rect& rect) override { row_.FocusFrame(rect); }

 private:
  Win32RowDrawing row_;
};

}  // namespace

Win32DropDownList::Win32DropDownList(Container& parent, const ui::Bounds& bounds)
    : Win32Control(parent, bounds, {L"COMBOBOX", kStyle}) {
  SetBounds(bounds);
}

// The native height counts the dropped-down list in.
void Win32DropDownList::SetBounds(const ui::Bounds& bounds) {
  const int listHeight = DropDownCount() * ItemHeight() + 2;
  MoveWindow(Handle(), bounds.left, bounds.top, bounds.width, bounds.height + listHeight, TRUE);
}

int Win32DropDownList::DefaultFontTextWidth(const std::string& text) const {
  const std::wstring wide = platform::win32::Wide(text);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Win32Theme::DialogFont(false));
  SIZE extent{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return extent.cx;
}

// The native combo tells of the user's picks only; CB_SETCURSEL raises nothing.
void Win32DropDownList::Command(int code) {
  switch (code) {
    case CBN_DROPDOWN:
      DropDown();
      SendMessageW(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(DroppedWidth()), 0);
      break;
    case CBN_CLOSEUP:
      CloseUp();
      break;
    case CBN_SELCHANGE:
      Pick(static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)));
      break;
    default:
      break;
  }
}

void Win32DropDownList::DrawItem(const DRAWITEMSTRUCT& item) {
  Win32EntryPainter painter(item.hDC);
  const Rect area{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  const int index = static_cast<int>(item.itemID) < Count() ? static_cast<int>(item.itemID) : -1;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  PaintEntry(painter, index, area, selected, focused);
}

void Win32DropDownList::Changed() {
  if (shownHeight_ != ItemHeight()) {
    shownHeight_ = ItemHeight();
    SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ItemHeight());
    SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, ItemHeight());
  }
  SyncEntries();
  if (SendMessageW(Handle(), CB_GETCURSEL, 0, 0) != ItemIndex()) {
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(ItemIndex()), 0);
  }
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Win32DropDownList::SyncEntries() {
  bool same = SendMessageW(Handle(), CB_GETCOUNT, 0, 0) == Count();
  for (int i = 0; same && i < Count(); ++i) {
    const auto length = SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    same = text == platform::win32::Wide(Item(i));
  }
  if (same) return;
  SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < Count(); ++i) {
    const std::wstring text = platform::win32::Wide(Item(i));
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

}  // namespace ui
