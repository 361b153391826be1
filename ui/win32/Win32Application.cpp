#include "ui/win32/Win32Application.h"

#include "platform/win32/WideText.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Theme.h"

namespace ui {

void Win32Application::ProcessMessages() {
  if (pumping_) return;
  pumping_ = true;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    Deliver(message);
  }
  pumping_ = false;
}

bool Win32Application::DeliverNext() {
  MSG message;
  if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
    PostQuitMessage(static_cast<int>(message.wParam));
    return false;
  }
  Deliver(message);
  return true;
}

// Keyboard navigation (Tab, arrows between buttons, the mnemonics) is the dialog manager's,
// for every form of the kit.
void Win32Application::Deliver(MSG& message) {
  HWND root = message.hwnd == nullptr ? nullptr : GetAncestor(message.hwnd, GA_ROOT);
  wchar_t className[32] = {};
  if (root != nullptr && GetClassNameW(root, className, 32) > 0 &&
      lstrcmpW(className, Win32Theme::kFormClass) == 0 && IsDialogMessageW(root, &message)) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Win32Application::Run(Form& mainForm) {
  mainForm_ = &static_cast<Win32Form&>(mainForm);
  mainClosed_ = false;
  mainForm.Show();
  while (!mainClosed_ && mainForm.Visible() && DeliverNext()) {
  }
  mainForm_ = nullptr;
}

void Win32Application::MainFormClosed(const Win32Form& form) {
  if (&form != mainForm_) return;
  mainClosed_ = true;
  PostMessageW(nullptr, WM_NULL, 0, 0);  // wakes the loop that waits for a message
}

void Win32Application::SetCursor(Cursor cursor) {
  cursor_ = cursor;
  ::SetCursor(CursorHandle());
}

HCURSOR Win32Application::CursorHandle() const {
  return LoadCursorW(
      nullptr, reinterpret_cast<LPCWSTR>(cursor_ == Cursor::HourGlass ? IDC_WAIT : IDC_ARROW));
}

void Win32Application::ShowMessage(const std::string& text) {
  ShowBox(text, 0);
}

void Win32Application::ShowError(const std::string& text) {
  ShowBox(text, MB_ICONSTOP);
}

// Without an owner the box is centred on the screen; task-modal, it blocks every window of
// the program while it is open.
void Win32Application::ShowBox(const std::string& text, UINT icon) {
  MessageBoxW(nullptr, platform::win32::Wide(text).c_str(), platform::win32::Wide(title_).c_str(),
              MB_OK | MB_TASKMODAL | icon);
}

}  // namespace ui
