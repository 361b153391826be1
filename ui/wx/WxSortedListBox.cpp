#include "ui/wx/WxSortedListBox.h"

#include <wx/artprov.h>
#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include <algorithm>
#include <optional>

#include "platform/shell/Shell.h"

namespace ui {

namespace {

constexpr int kIconSize = 16;

wxRect ToWxRect(const Rect& rect) {
  return {rect.left, rect.top, rect.Width(), rect.Height()};
}

// The drawing of the visible rows onto the window's paint context.
class WxRowPainter : public ItemCanvas {
 public:
  WxRowPainter(wxWindow& window, wxDC& dc, WxSortedListBox& list)
      : window_(window), dc_(dc), list_(list) {
    dc_.SetFont(window.GetFont());
    dc_.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
  }

  void PrepareItem(int, const Rect&, bool selected) override {
    background_ =
        wxSystemSettings::GetColour(selected ? wxSYS_COLOUR_HIGHLIGHT : wxSYS_COLOUR_LISTBOX);
    dc_.SetTextForeground(wxSystemSettings::GetColour(selected ? wxSYS_COLOUR_HIGHLIGHTTEXT
                                                               : wxSYS_COLOUR_LISTBOXTEXT));
    dc_.SetTextBackground(background_);
  }
  void FillRect(const Rect& rect) override {
    dc_.SetBrush(wxBrush(background_));
    dc_.SetPen(*wxTRANSPARENT_PEN);
    dc_.DrawRectangle(ToWxRect(rect));
  }
  void DrawIcon(int x, int y, int iconIndex) override {
    const wxBitmap& icon = list_.Icon(iconIndex);
    if (icon.IsOk()) dc_.DrawBitmap(icon, x, y, true);
  }
  void DrawString(int x, int y, const std::string& text) override {
    dc_.DrawText(ToWx(text), x, y);
  }
  void DrawFocusRect(const Rect& rect) override {
    wxRendererNative::Get().DrawFocusRect(&window_, dc_, ToWxRect(rect));
  }

 private:
  wxWindow& window_;
  wxDC& dc_;
  WxSortedListBox& list_;
  wxColour background_;
};

std::optional<ListKey> ToListKey(int keyCode) {
  switch (keyCode) {
    case WXK_UP:
      return ListKey::Up;
    case WXK_DOWN:
      return ListKey::Down;
    case WXK_LEFT:
      return ListKey::Left;
    case WXK_RIGHT:
      return ListKey::Right;
    case WXK_HOME:
      return ListKey::Home;
    case WXK_END:
      return ListKey::End;
    case WXK_PAGEUP:
      return ListKey::PageUp;
    case WXK_PAGEDOWN:
      return ListKey::PageDown;
    case WXK_SPACE:
      return ListKey::Space;
    default:
      return std::nullopt;
  }
}

KeyModifiers ModifiersOf(const wxKeyboardState& state) {
  return KeyModifiers{state.ShiftDown(), state.ControlDown()};
}

}  // namespace

WxListWindow::WxListWindow(wxWindow* parent, wxPoint at, wxSize size)
    : wxWindow(parent, wxID_ANY, at, size,
               wxBORDER_SIMPLE | wxWANTS_CHARS | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
}

WxSortedListBox::WxSortedListBox(Container& parent, const ui::Bounds& bounds)
    : WxControl(parent, bounds, [](wxWindow* client, wxPoint at, wxSize size) {
        return new WxListWindow(client, at, size);
      }) {
  WxListWindow& window = *Window();
  columnBar_ =
      new wxScrollBar(&window, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_HORIZONTAL);
  columnBar_->Hide();
  for (const auto& type :
       {wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN,
        wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN, wxEVT_SCROLL_THUMBTRACK,
        wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_CHANGED}) {
    columnBar_->Bind(type, [this](wxScrollEvent& event) { OnColumnBarScroll(event); });
  }
  window.Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
  window.Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) { OnMouseDown(event); });
  window.Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& event) { OnMouseDown(event); });
  window.Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) { OnKeyDown(event); });
  window.Bind(wxEVT_MOUSEWHEEL, [this](wxMouseEvent& event) { OnWheel(event); });
  for (const auto& type :
       {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
        wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
        wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE}) {
    window.Bind(type, [this](wxScrollWinEvent& event) { OnScroll(event); });
  }
  window.Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    App().Dispatch([this] { Resized(); });
    event.Skip();
  });
  auto repaint = [this](wxFocusEvent& event) {
    Window()->Refresh(false);
    event.Skip();
  };
  window.Bind(wxEVT_SET_FOCUS, repaint);
  window.Bind(wxEVT_KILL_FOCUS, repaint);
}

int WxSortedListBox::ClientWidth() const {
  return Window() ? Window()->GetClientSize().x : 0;
}

int WxSortedListBox::ClientHeight() const {
  return Window() ? Window()->GetClientSize().y : 0;
}

int WxSortedListBox::ColumnBarHeight() const {
  return columnBar_ ? columnBar_->GetBestSize().y : 0;
}

const wxBitmap& WxSortedListBox::Icon(int iconIndex) {
  auto known = icons_.find(iconIndex);
  if (known != icons_.end()) return known->second;
  wxBitmap icon = wxArtProvider::GetBitmap(ToWx(platform::Shell::IconName(iconIndex)), wxART_OTHER,
                                           wxSize(kIconSize, kIconSize));
  if (!icon.IsOk() && iconIndex != static_cast<int>(platform::SystemIcon::GenericFile)) {
    // The theme has no picture of this type: any file's picture serves.
    icon = Icon(static_cast<int>(platform::SystemIcon::GenericFile));
  }
  if (icon.IsOk() && icon.GetSize() != wxSize(kIconSize, kIconSize)) {
    icon = wxBitmap(icon.ConvertToImage().Rescale(kIconSize, kIconSize, wxIMAGE_QUALITY_HIGH));
  }
  return icons_.emplace(iconIndex, icon).first->second;
}

// Many changes come at once (a read adds every file): the window repaints once, and the
// scroll bar is brought up to date once, when the messages are next processed.
void WxSortedListBox::Changed() {
  if (!Window()) return;
  Window()->Refresh(false);
  if (scrollBarsStale_) return;
  scrollBarsStale_ = true;
  Window()->CallAfter([this] {
    scrollBarsStale_ = false;
    UpdateScrollBars();
  });
}

// The vertical bar is set again only when it really changes: showing or hiding it resizes
// the client area, and the resize would otherwise set the bars again, without end.
void WxSortedListBox::UpdateScrollBars() {
  if (!Window()) return;
  ListScroll scroll = Scroll();
  if (scroll.range <= scroll.page) scroll.range = 0;  // everything in sight: no bar
  UpdateColumnBar(scroll);
  ListScroll rows = scroll.horizontal ? ListScroll{} : scroll;
  if (shownRows_ == rows) return;
  ListScroll moved = shownRows_.value_or(rows);
  moved.position = rows.position;
  if (shownRows_ && moved == rows) {
    Window()->SetScrollPos(wxVERTICAL, rows.position);
  } else {
    Window()->SetScrollbar(wxVERTICAL, rows.position, rows.page, rows.range);
  }
  shownRows_ = rows;
}

// The column bar spans the client width below the rows, as long as the columns overflow.
void WxSortedListBox::UpdateColumnBar(const ListScroll& scroll) {
  bool shown = scroll.horizontal && scroll.range > 0;
  if (shown) {
    int height = ColumnBarHeight();
    columnBar_->SetSize(0, ClientHeight() - height, ClientWidth(), height);
    if (columnBar_->GetRange() != scroll.range || columnBar_->GetThumbSize() != scroll.page) {
      columnBar_->SetScrollbar(scroll.position, scroll.page, scroll.range, scroll.page);
    } else if (columnBar_->GetThumbPosition() != scroll.position) {
      columnBar_->SetThumbPosition(scroll.position);
    }
  }
  if (columnBar_->IsShown() != shown) columnBar_->Show(shown);
}

// A list that is seen has its window: the first paint creates it, and with it the owner
// fills it.
void WxSortedListBox::OnPaint() {
  wxAutoBufferedPaintDC dc(Window());
  if (!HasWindow()) App().Dispatch([this] { WindowNeeded(); });
  PaintTo(dc);
}

void WxSortedListBox::PaintTo(wxDC& dc) {
  dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX)));
  dc.Clear();
  if (!Window()) return;
  WxRowPainter painter(*Window(), dc, *this);
  App().Dispatch([&] { PaintItems(painter, Focused()); });
}

void WxSortedListBox::OnMouseDown(const wxMouseEvent& event) {
  Window()->SetFocus();
  int index = ItemAtPoint(event.GetX(), event.GetY());
  App().Dispatch([this, index, modifiers = ModifiersOf(event)] { Click(index, modifiers); });
}

void WxSortedListBox::OnKeyDown(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_TAB) {
    Window()->Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward
                                         : wxNavigationKeyEvent::IsForward);
    return;
  }
  std::optional<ListKey> key = ToListKey(event.GetKeyCode());
  if (!key) {
    event.Skip();
    return;
  }
  App().Dispatch([this, key = *key, modifiers = ModifiersOf(event)] { KeyDown(key, modifiers); });
}

void WxSortedListBox::OnScroll(const wxScrollWinEvent& event) {
  ListScroll scroll = Scroll();
  if ((event.GetOrientation() == wxHORIZONTAL) != scroll.horizontal) return;
  int position = scroll.position;
  wxEventType type = event.GetEventType();
  if (type == wxEVT_SCROLLWIN_TOP) position = 0;
  if (type == wxEVT_SCROLLWIN_BOTTOM) position = scroll.range;
  if (type == wxEVT_SCROLLWIN_LINEUP) position -= 1;
  if (type == wxEVT_SCROLLWIN_LINEDOWN) position += 1;
  if (type == wxEVT_SCROLLWIN_PAGEUP) position -= scroll.page;
  if (type == wxEVT_SCROLLWIN_PAGEDOWN) position += scroll.page;
  if (type == wxEVT_SCROLLWIN_THUMBTRACK || type == wxEVT_SCROLLWIN_THUMBRELEASE) {
    position = event.GetPosition();
  }
  App().Dispatch([this, position] { ScrollTo(position); });
}

void WxSortedListBox::OnColumnBarScroll(const wxScrollEvent& event) {
  App().Dispatch([this, position = event.GetPosition()] { ScrollTo(position); });
}

void WxSortedListBox::OnWheel(const wxMouseEvent& event) {
  int steps = event.GetWheelRotation() / std::max(1, event.GetWheelDelta());
  int position = Scroll().position - steps * (Columns() > 0 ? 1 : 3);
  App().Dispatch([this, position] { ScrollTo(position); });
}

}  // namespace ui
