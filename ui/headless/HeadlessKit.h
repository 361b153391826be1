#pragma once
// The in-memory widget kit: windows and controls without a display, driven by tests and the
// batch tool through the Headless* classes.

#include <memory>

#include "ui/Kit.h"
#include "ui/headless/HeadlessApplication.h"

namespace ui {

class HeadlessKit : public Kit {
 public:
  HeadlessApplication& App() override { return app_; }

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
  HeadlessApplication app_;
};

}  // namespace ui
