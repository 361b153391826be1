#include "ui/headless/HeadlessKit.h"

#include "ui/headless/HeadlessButton.h"
#include "ui/headless/HeadlessCheckBox.h"
#include "ui/headless/HeadlessDropDownList.h"
#include "ui/headless/HeadlessEdit.h"
#include "ui/headless/HeadlessForm.h"
#include "ui/headless/HeadlessGroupBox.h"
#include "ui/headless/HeadlessLabel.h"
#include "ui/headless/HeadlessSortedListBox.h"
#include "ui/headless/HeadlessTreeView.h"

namespace ui {

std::unique_ptr<Form> HeadlessKit::CreateForm(Form* owner) {
  return std::make_unique<HeadlessForm>(app_, owner);
}

std::unique_ptr<Label> HeadlessKit::CreateLabel(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<HeadlessLabel>(parent, bounds, app_);
}

std::unique_ptr<CheckBox> HeadlessKit::CreateCheckBox(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<HeadlessCheckBox>(parent, bounds, app_);
}

std::unique_ptr<Button> HeadlessKit::CreateButton(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<HeadlessButton>(parent, bounds, app_);
}

std::unique_ptr<GroupBox> HeadlessKit::CreateGroupBox(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<HeadlessGroupBox>(parent, bounds, app_);
}

std::unique_ptr<Edit> HeadlessKit::CreateEdit(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<HeadlessEdit>(parent, bounds, app_);
}

std::unique_ptr<DropDownList> HeadlessKit::CreateDropDownList(Container& parent,
                                                              const ui::Bounds& bounds) {
  return std::make_unique<HeadlessDropDownList>(parent, bounds, app_);
}

std::unique_ptr<SortedListBox> HeadlessKit::CreateSortedListBox(Container& parent,
                                                                const ui::Bounds& bounds) {
  return std::make_unique<HeadlessSortedListBox>(parent, bounds, app_);
}

std::unique_ptr<TreeView> HeadlessKit::CreateTreeView(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<HeadlessTreeView>(parent, bounds, app_);
}

}  // namespace ui
