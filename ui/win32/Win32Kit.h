#pragma once
// The native window kit of Windows: forms and the common controls. Every window must be
// destroyed before the kit.

#include <memory>

#include "ui/Kit.h"
#include "ui/win32/Win32Application.h"

namespace ui {

class Win32Kit : public Kit {
 public:
  Win32Application& App() override { return app_; }

  std::unique_ptr<Form> CreateForm(Form* owner) override;
  std::unique_ptr<Label> CreateLabel(Container& parent, const ui::Bounds& bounds) override;
  std::unique_ptr<CheckBox> CreateCheckBox(Container& parent, const ui::Bounds& bounds) override;
  std::unique_ptr<Button> CreateButton(Container& parent, const ui::Bounds& bounds) override;
  std::unique_ptr<GroupBox> CreateGroupBox(Container& parent, const ui::Bounds& bounds) override;
  std::unique_ptr<Edit> CreateEdit(Container& parent, const ui::Bounds& bounds) override;
  std::unique_ptr<DropDownList> CreateDropDownList(Container& parent,
                                                   const ui::Bounds& bounds) override;
  std::unique_ptr<SortedListBox> CreateSortedListBox(Container& parent,
                                                     const ui::Bounds& bounds) override;
  std::unique_ptr<TreeView> CreateTreeView(Container& parent, const ui::Bounds& bounds) override;

 private:
  Win32Application app_;
};

}  // namespace ui
