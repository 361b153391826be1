#pragma once
// The wxWidgets kit on GTK: the real windows. One per process; it starts wx and GTK and ends
// them when it goes. Every window must be destroyed before the kit.

#include <memory>

#include "ui/Kit.h"
#include "ui/wx/WxApplication.h"

namespace ui {

class WxKit : public Kit {
 public:
  // Starts wx and GTK for the program named `programName`; nothing when there is no display
  // to open.
  static std::unique_ptr<WxKit> Start(const char* programName);
  ~WxKit() override;
  WxKit(const WxKit&) = delete;
  WxKit& operator=(const WxKit&) = delete;

  WxApplication& App() override { return app_; }

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
  WxKit() = default;
  WxApplication app_;
};

}  // namespace ui
