#include "ui/win32/Win32Kit.h"

#include "ui/win32/Win32Button.h"
#include "ui/win32/Win32CheckBox.h"
#include "ui/win32/Win32DropDownList.h"
#include "ui/win32/Win32Edit.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32GroupBox.h"
#include "ui/win32/Win32Label.h"
#include "ui/win32/Win32SortedListBox.h"
#include "ui/win32/Win32TreeView.h"

namespace ui {

std::unique_ptr<Form> Win32Kit::CreateForm(Form* owner) {
  return std::make_unique<Win32Form>(app_, owner);
}

std::unique_ptr<Label> Win32Kit::CreateLabel(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<Win32Label>(parent, bounds);
}

std::unique_ptr<CheckBox> Win32Kit::CreateCheckBox(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<Win32CheckBox>(parent, bounds);
}

std::unique_ptr<Button> Win32Kit::CreateButton(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<Win32Button>(parent, bounds);
}

std::unique_ptr<GroupBox> Win32Kit::CreateGroupBox(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<Win32GroupBox>(parent, bounds);
}

std::unique_ptr<Edit> Win32Kit::CreateEdit(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<Win32Edit>(parent, bounds);
}

std::unique_ptr<DropDownList> Win32Kit::CreateDropDownList(Container& parent,
                                                           const ui::Bounds& bounds) {
  return std::make_unique<Win32DropDownList>(parent, bounds);
}

std::unique_ptr<SortedListBox> Win32Kit::CreateSortedListBox(Container& parent,
                                                             const ui::Bounds& bounds) {
  return std::make_unique<Win32SortedListBox>(parent, bounds);
}

std::unique_ptr<TreeView> Win32Kit::CreateTreeView(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<Win32TreeView>(parent, bounds);
}

}  // namespace ui
