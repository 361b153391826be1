#include "ui/win32/Win32CheckBox.h"

namespace ui {

Win32CheckBox::Win32CheckBox(Container& parent, const ui::Bounds& bounds)
    : Win32Control(parent, bounds, {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP}) {}

bool Win32CheckBox::Checked() const {
  return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CheckBox::SetChecked(bool checked) {
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32CheckBox::SetBold(bool bold) {
  bold_ = bold;
  SetFont(bold);
}

void Win32CheckBox::Command(int code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

}  // namespace ui
