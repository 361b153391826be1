#pragma once
// A widget kit: the application object and the factory of forms and controls. The program
// builds its windows through a Kit and never learns which one it runs on.

#include <memory>

#include "ui/Application.h"
#include "ui/Bounds.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/DropDownList.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/SortedListBox.h"
#include "ui/TreeView.h"

namespace ui {

class Kit {
 public:
  virtual ~Kit() = default;

  virtual Application& App() = 0;

  // A hidden form; `owner` is null for a main window.
  virtual std::unique_ptr<Form> CreateForm(Form* owner) = 0;
  // Controls at `bounds` in the client coordinates of the form that `parent` is or lies on.
  // A control must be destroyed before its container.
  virtual std::unique_ptr<Label> CreateLabel(Container& parent, const ui::Bounds& bounds) = 0;
  virtual std::unique_ptr<CheckBox> CreateCheckBox(Container& parent, const ui::Bounds& bounds) = 0;
  virtual std::unique_ptr<Button> CreateButton(Container& parent, const ui::Bounds& bounds) = 0;
  virtual std::unique_ptr<GroupBox> CreateGroupBox(Container& parent, const ui::Bounds& bounds) = 0;
  virtual std::unique_ptr<Edit> CreateEdit(Container& parent, const ui::Bounds& bounds) = 0;
  virtual std::unique_ptr<DropDownList> CreateDropDownList(Container& parent,
                                                           const ui::Bounds& bounds) = 0;
  virtual std::unique_ptr<SortedListBox> CreateSortedListBox(Container& parent,
                                                             const ui::Bounds& bounds) = 0;
  virtual std::unique_ptr<TreeView> CreateTreeView(Container& parent, const ui::Bounds& bounds) = 0;
};

}  // namespace ui
