#include "ui/win32/StartWin32Kit.h"

#include "platform/Error.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Kit.h"
#include "ui/win32/Win32SortedListBox.h"
#include "ui/win32/Win32Theme.h"

namespace ui {

namespace {

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background, UINT style) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw platform::Error("The window classes cannot be registered");
  }
}

}  // namespace

std::unique_ptr<Kit> StartWin32Kit() {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterWindowClass(Win32Theme::kFormClass, Win32Form::WindowProc,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), 0);
  RegisterWindowClass(Win32Theme::kListClass, Win32SortedListBox::WindowProc, nullptr,
                      CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
  return std::make_unique<Win32Kit>();
}

}  // namespace ui
