#include "ui/wx/WxKit.h"

#include <wx/app.h>
#include <wx/init.h>

#include <cstdlib>

#include "ui/wx/WxButton.h"
#include "ui/wx/WxCheckBox.h"
#include "ui/wx/WxDropDownList.h"
#include "ui/wx/WxEdit.h"
#include "ui/wx/WxForm.h"
#include "ui/wx/WxGroupBox.h"
#include "ui/wx/WxLabel.h"
#include "ui/wx/WxSortedListBox.h"
#include "ui/wx/WxTheme.h"
#include "ui/wx/WxTreeView.h"

namespace ui {

std::unique_ptr<WxKit> WxKit::Start(const char* programName) {
  // GTK hides scroll bars until the pointer hovers them; the lists need them in sight. The
  // setting is read once, when GTK starts.
  setenv("GTK_OVERLAY_SCROLLING", "0", 1);
  // The program reads no command line: wx and GTK get the program name alone.
  static char name[256];
  std::snprintf(name, sizeof name, "%s", programName);
  static char* arguments[] = {name, nullptr};
  int count = 1;
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(count, arguments)) {
    return nullptr;
  }
  wxTheApp->SetExitOnFrameDelete(false);
  WxTheme::InstallClassicMetrics();
  return std::unique_ptr<WxKit>(new WxKit);
}

WxKit::~WxKit() {
  wxEntryCleanup();
}

std::unique_ptr<Form> WxKit::CreateForm(Form* owner) {
  return std::make_unique<WxForm>(app_, owner);
}

std::unique_ptr<Label> WxKit::CreateLabel(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<WxLabel>(parent, bounds);
}

std::unique_ptr<CheckBox> WxKit::CreateCheckBox(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<WxCheckBox>(parent, bounds);
}

std::unique_ptr<Button> WxKit::CreateButton(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<WxButton>(parent, bounds);
}

std::unique_ptr<GroupBox> WxKit::CreateGroupBox(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<WxGroupBox>(parent, bounds);
}

std::unique_ptr<Edit> WxKit::CreateEdit(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<WxEdit>(parent, bounds);
}

std::unique_ptr<DropDownList> WxKit::CreateDropDownList(Container& parent,
                                                        const ui::Bounds& bounds) {
  return std::make_unique<WxDropDownList>(parent, bounds);
}

std::unique_ptr<SortedListBox> WxKit::CreateSortedListBox(Container& parent,
                                                          const ui::Bounds& bounds) {
  return std::make_unique<WxSortedListBox>(parent, bounds);
}

std::unique_ptr<TreeView> WxKit::CreateTreeView(Container& parent, const ui::Bounds& bounds) {
  return std::make_unique<WxTreeView>(parent, bounds);
}

}  // namespace ui
