#include "ui/win32/Win32Form.h"

#include <functional>
#include <vector>

#include "platform/Error.h"
#include "platform/win32/WideText.h"
#include "ui/Control.h"
#include "ui/GroupBox.h"
#include "ui/win32/Win32Icon.h"
#include "ui/win32/Win32Native.h"
#include "ui/win32/Win32Theme.h"

namespace ui {

namespace {

// A fixed dialog frame: a caption with the system menu and the close box, no resizing, no
// minimise or maximise box. Group boxes draw no background of their own, so the form paints
// under its children.
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kOwnedStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

HWND NativeOf(const Control* control) {
  const auto* native = dynamic_cast<const Win32Native*>(control);
  return native != nullptr ? native->Handle() : nullptr;
}

// Every control of a container, group-box members after their box.
void VisitControls(const Container& container, const std::function<void(Control&)>& visit) {
  for (Control* control : container.Controls()) {
    visit(*control);
    if (const auto* box = dynamic_cast<const Container*>(control)) VisitControls(*box, visit);
  }
}

// The visible, enabled top-level windows of this thread but one: a modal form disables them.
std::vector<HWND> OtherEnabledWindows(HWND except) {
  struct Search {
    HWND except;
    std::vector<HWND> found;
  } search{except, {}};
  struct Collect {
    static BOOL CALLBACK Window(HWND window, LPARAM data) {
      auto& s = *reinterpret_cast<Search*>(data);
      if (window != s.except && IsWindowVisible(window) && IsWindowEnabled(window)) {
        s.found.push_back(window);
      }
      return TRUE;
    }
  };
  EnumThreadWindows(GetCurrentThreadId(), Collect::Window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

RECT CenteredIn(const RECT& area, const RECT& window) {
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int left = area.left + (area.right - area.left - width) / 2;
  const int top = area.top + (area.bottom - area.top - height) / 2;
  return {left, top, left + width, top + height};
}

}  // namespace

Win32Form::Win32Form(Win32Application& app, Form* owner) : app_(app), owner_(owner) {
  HWND ownerWindow = owner == nullptr ? nullptr : static_cast<Win32Form*>(owner)->Handle();
  window_ =
      CreateWindowExW(kExStyle, Win32Theme::kFormClass, L"",
                      owner == nullptr ? kMainStyle : kOwnedStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      320, 240, ownerWindow, nullptr, GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) throw platform::Error("Error creating window");
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(Win32Theme::DialogFont(false)), 0);
}

Win32Form::~Win32Form() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
  if (icon_ != nullptr) DestroyIcon(icon_);
}

std::string Win32Form::Caption() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
  return platform::win32::Narrow(text);
}

void Win32Form::SetCaption(const std::string& caption) {
  SetWindowTextW(window_, platform::win32::Wide(caption).c_str());
}

Size Win32Form::ClientSize() const {
  RECT client{};
  GetClientRect(window_, &client);
  return {client.right, client.bottom};
}

void Win32Form::SetClientSize(const Size& size) {
  RECT frame{0, 0, size.width, size.height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::SetIcon(const Icon& icon) {
  HICON replaced = icon_;
  icon_ = NewIconFromXpm(icon);
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  if (replaced != nullptr) DestroyIcon(replaced);
}

bool Win32Form::Visible() const {
  return IsWindowVisible(window_) != FALSE;
}

// The first showing puts the focus on the first control in tab order; a later one leaves it
// where the user left it.
void Win32Form::Show() {
  const bool first = !shownOnce_;
  PrepareShow();
  ShowWindow(window_, platform::SW_SHOW);
  SetForegroundWindow(window_);
  if (first || lastFocus_ == nullptr) FocusFirst();
}

int Win32Form::ShowModal() {
  if (owner_ == nullptr) throw platform::Error("A main window cannot be shown modally");
  if (Visible()) throw platform::Error("Cannot make a visible window modal");
  ResetModalResult();
  modal_ = true;
  const std::vector<HWND> disabled = OtherEnabledWindows(window_);
  for (HWND other : disabled) EnableWindow(other, FALSE);
  lastFocus_ = nullptr;
  Show();
  RunModalLoop();
  // The others come back before the form goes, so that the owner is activated again.
  for (HWND other : disabled) EnableWindow(other, TRUE);
  ShowWindow(window_, platform::SW_HIDE);
  modal_ = false;
  return ModalResult();
}

void Win32Form::RunModalLoop() {
  while (modal_ && app_.DeliverNext()) {
  }
}

void Win32Form::PrepareShow() {
  VisitControls(*this, [this](Control& control) {
    if (auto* native = dynamic_cast<Win32Native*>(&control)) {
      app_.Dispatch([native] { native->FormShowing(); });
    }
  });
  ApplyTabOrder();
  RECT frame{};
  GetWindowRect(window_, &frame);
  RECT area{};
  if (position_ == FormPosition::OwnerFormCenter && owner_ != nullptr) {
    GetWindowRect(static_cast<Win32Form*>(owner_)->Handle(), &area);
  } else if (position_ == FormPosition::ScreenCenter && !shownOnce_) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  if (area.right > area.left) {
    const RECT placed = CenteredIn(area, frame);
    SetWindowPos(window_, nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  shownOnce_ = true;
}

// The dialog manager's Tab key follows the order of the child windows; group boxes go to the
// bottom, so that the controls lying on them are drawn above them.
void Win32Form::ApplyTabOrder() {
  HWND after = HWND_TOP;
  for (const Control* control : TabSequence(*this)) {
    HWND native = NativeOf(control);
    if (native == nullptr) continue;
    SetWindowPos(native, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = native;
  }
  VisitControls(*this, [](Control& control) {
    if (dynamic_cast<GroupBox*>(&control) != nullptr) {
      SetWindowPos(NativeOf(&control), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  });
}

void Win32Form::FocusFirst() {
  for (const Control* control : TabSequence(*this)) {
    HWND native = NativeOf(control);
    if (native != nullptr && control->Enabled()) {
      SetFocus(native);
      return;
    }
  }
}

void Win32Form::Close() {
  CloseRequest();
}

bool Win32Form::CloseRequest() {
  if (modal_) {
    if (ModalResult() == mrNone) {
      SetModalResult(mrCancel);  // ends the modal loop through EndModal
    } else {
      EndModal();
    }
    return !modal_;
  }
  if (!QueryClose()) return false;
  ShowWindow(window_, platform::SW_HIDE);
  app_.MainFormClosed(*this);
  return true;
}

void Win32Form::EndModal() {
  if (!modal_) return;
  if (QueryClose()) {
    modal_ = false;
    PostMessageW(window_, WM_NULL, 0, 0);  // wakes the modal loop
  } else {
    ResetModalResult();
  }
}

// The focus leaves with the form and comes back to the control that had it, as a dialog's.
void Win32Form::Activated(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
  } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
    SetFocus(lastFocus_);
  } else {
    FocusFirst();
  }
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  form->window_ = window;  // messages arrive before CreateWindowExW returns
  return form->Receive(message, wParam, lParam);
}

// Every handler runs through the dispatcher: no error may cross Windows' own code.
LRESULT Win32Form::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      app_.Dispatch([this] { CloseRequest(); });
      return 0;
    case WM_QUERYENDSESSION: {
      bool canClose = true;
      app_.Dispatch([&] {
        if (OnCloseQuery) OnCloseQuery(canClose);
      });
      return canClose ? TRUE : FALSE;
    }
    case WM_ENDSESSION:
      if (wParam != FALSE) {
        app_.Dispatch(OnClose);
        ShowWindow(window_, platform::SW_HIDE);
        app_.MainFormClosed(*this);
      }
      return 0;
    case WM_ACTIVATE:
      app_.Dispatch([this, wParam] { Activated(LOWORD(wParam) != WA_INACTIVE); });
      return 0;
    case WM_SETCURSOR:
      if (app_.GetCursor() == Cursor::HourGlass) {
        ::SetCursor(app_.CursorHandle());
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (Win32Native* native = Win32Native::Of(reinterpret_cast<HWND>(lParam))) {
        app_.Dispatch([native, wParam] { native->Command(HIWORD(wParam)); });
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      LRESULT result = 0;
      bool handled = false;
      if (Win32Native* native = Win32Native::Of(header->hwndFrom)) {
        app_.Dispatch([&] { handled = native->Notify(*header, result); });
      }
      if (handled) return result;
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (Win32Native* native = Win32Native::Of(item->hwndItem)) {
        app_.Dispatch([native, item] { native->DrawItem(*item); });
        return TRUE;
      }
      break;
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace ui
