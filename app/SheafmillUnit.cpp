#include "app/SheafmillUnit.h"

#include <algorithm>
#include <array>

#include "app/SheafmillIcon.h"
#include "app/VendorNotice.h"
#include "convert/Wow64Check.h"
#include "options/AdvancedOptions.h"
#include "platform/AsciiCase.h"
#include "platform/WinTypes.h"
#include "platform/registry/RegKey.h"

namespace {

constexpr char kCaption[] = "Sheafmill 3.01 - Batch Convert to PDF files";
constexpr ui::Size kClientSize{659, 446};
// The word that every printer name of the PDF driver's family holds, in upper case.
constexpr char kFamilyWord[] = "VELTRA";
constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace

TForm1::TForm1(ui::Kit& kit, platform::Platform& platform, controls::ProcessPrinters& printers)
    : window_(kit.CreateForm(nullptr)),
      kit_(kit),
      platform_(platform),
      printers_(printers),
      run_(*this, platform.Automation(), platform.Registry(), platform.Files(), platform.Sys(),
           platform.ProfileLocks()) {
  window_->SetCaption(kCaption);
  window_->SetClientSize(kClientSize);
  window_->SetPosition(ui::FormPosition::ScreenCenter);
  window_->SetIcon(SheafmillIcon());
  CreateControls();
  ConnectHandlers();
  kit_.App().Dispatch([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
  ui::Form& form = *window_;
  GroupBox3 = NewGroupBox("GroupBox3", {8, 8, 209, 185}, "File Format", 13);
  CheckBox1 = NewCheckBox(form, "CheckBox1", {16, 24, 185, 17}, "Microsoft Word (.DOC)", true, 1);
  CheckBox2 = NewCheckBox(form, "CheckBox2", {16, 48, 185, 17}, "Microsoft Excel (.XLS)", false, 2);
  CheckBox3 =
      NewCheckBox(form, "CheckBox3", {16, 72, 185, 17}, "Microsoft PowerPoint (.PPT)", false, 3);
  CheckBox4 = NewCheckBox(form, "CheckBox4", {16, 96, 185, 17}, "Plain Text File (.TXT)", true, 4);
  CheckBox5 =
      NewCheckBox(form, "CheckBox5", {16, 120, 185, 17}, "Rich Text File  (.RTF)  ", true, 5);
  CheckBox6 =
      NewCheckBox(*GroupBox3, "CheckBox6", {16, 144, 177, 17}, "Web Pages (.HTM, .HTML)", false, 0);
  CheckBox7 = NewCheckBox(*GroupBox3, "CheckBox7", {16, 168, 185, 17},
                          "AutoCAD drawings (.DWG, .DXF)", false, 1);
  ZELPrinterCombo1 = std::make_unique<controls::TZELPrinterCombo>(
      printers_, kit_.CreateDropDownList(form, {8, 200, 209, 28}));
  ZELPrinterCombo1->Base().SetName("ZELPrinterCombo1");
  ZELPrinterCombo1->Base().SetTabOrder(7);
  GroupBox4 = NewGroupBox("GroupBox4", {16, 232, 185, 113}, "Control Center", 14);
  Button4 = NewButton(form, "Button4", {44, 248, 129, 25}, "Convert", 0);
  Button2 = NewButton(*GroupBox4, "Button2", {44, 280, 129, 25}, "Advanced Options", 1);
  Button1 = NewButton(*GroupBox4, "Button1", {44, 312, 129, 25}, "Exit", 0);
  GroupBox5 = NewGroupBox("GroupBox5", {16, 352, 185, 65}, "Status", 15);
  Label1 = NewLabel(*GroupBox5, "Label1", {24, 376, 146, 13}, "Ready. Please choose file type");
  Label2 =
      NewLabel(*GroupBox5, "Label2", {24, 392, 131, 13}, "                  and source files ");
  Label3 = NewLabel(form, "Label3", {14, 424, 187, 13}, kVendorNotice);
  GroupBox1 = NewGroupBox("GroupBox1", {224, 8, 425, 217}, "Source Files", 11);
  ZELExplorerTree1 = NewExplorerTree("ZELExplorerTree1", {232, 24, 201, 193}, 8);
  ZELExplorerView1 =
      NewExplorerView("ZELExplorerView1", {432, 24, 201, 193}, "*.doc;*.txt;*.rtf", true, 6);
  GroupBox2 = NewGroupBox("GroupBox2", {224, 225, 425, 216}, "Destination Files (Format: PDF)", 12);
  ZELExplorerTree2 = NewExplorerTree("ZELExplorerTree2", {232, 240, 201, 193}, 9);
  ZELExplorerView2 = NewExplorerView("ZELExplorerView2", {432, 240, 201, 193}, "*.pdf", false, 10);
}

void TForm1::ConnectHandlers() {
  window_->OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  window_->OnClose = [this] { FormClose(); };
  Button1->OnClick = [this] { Button1Click(); };
  Button2->OnClick = [this] { Button2Click(); };
  Button4->OnClick = [this] { Button4Click(); };
  Label3->OnClick = [this] { Label3Click(); };
  CheckBox1->OnClick = [this] { CheckBox1Click(); };
  CheckBox2->OnClick = [this] { CheckBox2Click(); };
  CheckBox3->OnClick = [this] { CheckBox3Click(); };
  CheckBox4->OnClick = [this] { CheckBox4Click(); };
  CheckBox5->OnClick = [this] { CheckBox5Click(); };
  CheckBox6->OnClick = [this] { CheckBox6Click(); };
  CheckBox7->OnClick = [this] { CheckBox7Click(); };
  ZELExplorerTree1->OnChange = [this](controls::TZELExplorerTree& sender, ui::TreeNode* node) {
    ZELExplorerTree1Change(sender, node);
  };
  ZELExplorerTree2->OnChange = [this](controls::TZELExplorerTree& sender, ui::TreeNode* node) {
    ZELExplorerTree2Change(sender, node);
  };
}

void TForm1::FormCreate() {
  IsWow64 = IsWow64Windows(platform_.Sys());
  Label3->SetCaption(NoticeForYear(Label3->Caption(), platform_.Sys().CurrentDate().year));
  OverwriteMode = 3;
  CheckVeltraPrinter();
  // An error here (no Desktop folder: "Invalid Directory Name") ends FormCreate before the
  // preselection.
  OpenDesktopFolder();
  PreselectPrinter();
}

// The source tree opens on the user's Desktop folder, and through its change handler the
// source list, the destination tree and the destination list follow.
void TForm1::OpenDesktopFolder() {
  std::string path;
  if (auto key = platform::RegKey::Open(platform_.Registry(), kShellFolders, platform::KEY_READ)) {
    path = key->ReadString("Desktop");
    key->Close();
  }
  ZELExplorerTree1->SetDirectory(path);
}

// The combo shows the first printer whose name holds the family word as written (the check
// above upper-cased); with none, the last printer. Selecting from code leaves the process's
// current printer at the default printer.
void TForm1::PreselectPrinter() {
  const int count = printers_.Count();
  for (int j = 0; j < count; ++j) {
    ZELPrinterCombo1->SetSelectedIndex(j);
    if (ZELPrinterCombo1->SelectedPrinter().find(kFamilyWord) != std::string::npos) return;
  }
}

void TForm1::CheckVeltraPrinter() {
  printers_.Refresh();
  const std::vector<std::string> names = printers_.Names();
  bool found = std::any_of(names.begin(), names.end(), [](const std::string& name) {
    return platform::AsciiUpper(name).find(kFamilyWord) != std::string::npos;
  });
  if (!found) {
    kit_.App().ShowMessage(kNoVeltraPrinter);
    OpenVendorPage();
  }
}

void TForm1::FormCloseQuery(bool& canClose) {
  if (run_.Running()) {
    // The run stops after the current file, ends its application and switches the driver
    // off; the window closes then.
    run_.RequestStop();
    closeAfterRun_ = true;
    canClose = false;
    return;
  }
  canClose = true;
  ResetDriverOnClose();
}

void TForm1::FormClose() {
  ResetDriverOnClose();
}

// Closing is always allowed: a registry that cannot be read or written any more is reported,
// once for both writes, and the window closes all the same.
void TForm1::ResetDriverOnClose() {
  try {
    // A run of another window or process that owns the driver keeps it pointed at its folder.
    run_.SwitchDriverOff();
  } catch (...) {
    if (!closeErrorShown_) kit_.App().ShowException(std::current_exception());
    closeErrorShown_ = true;
  }
}

void TForm1::Button1Click() {
  window_->Close();
}

void TForm1::Button2Click() {
  ShowAdvancedOptions(kit_, *window_, platform_.Registry(), platform_.ShellServices(),
                      {DocTitle, DocSubject, DocAuthor, DocKeywords, OverwriteMode, IsWow64});
}

void TForm1::Button4Click() {
  try {
    run_.Execute({HostApp, OverwriteMode, IsWow64});
  } catch (...) {
    CloseIfAsked();
    throw;
  }
  CloseIfAsked();
}

void TForm1::CloseIfAsked() {
  if (!closeAfterRun_) return;
  closeAfterRun_ = false;
  window_->Close();
}

void TForm1::Label3Click() {
  OpenVendorPage();
}

void TForm1::CheckBox1Click() {
  UpdateSourceMask();
}

void TForm1::CheckBox2Click() {
  UpdateSourceMask();
}

void TForm1::CheckBox3Click() {
  UpdateSourceMask();
}

void TForm1::CheckBox4Click() {
  UpdateSourceMask();
}

void TForm1::CheckBox5Click() {
  UpdateSourceMask();
}

void TForm1::CheckBox6Click() {
  UpdateSourceMask();
}

void TForm1::CheckBox7Click() {
  UpdateSourceMask();
}

void TForm1::UpdateSourceMask() {
  // The boxes in mask order, which is not their order on screen.
  const std::pair<const ui::CheckBox*, const char*> patterns[] = {
      {CheckBox1.get(), ";*.doc"},       {CheckBox4.get(), ";*.txt"}, {CheckBox5.get(), ";*.rtf"},
      {CheckBox2.get(), ";*.xls"},       {CheckBox3.get(), ";*.ppt"}, {CheckBox6.get(), ";*.htm"},
      {CheckBox7.get(), ";*.dwg;*.dxf"},
  };
  std::string mask;
  for (const auto& [box, pattern] : patterns) {
    if (box->Checked()) mask += pattern;
  }
  if (!mask.empty()) mask.erase(0, 1);
  ZELExplorerView1->SetMask(mask);
  ZELExplorerView1->Reload();
}

void TForm1::ZELExplorerTree1Change(controls::TZELExplorerTree&, ui::TreeNode*) {
  ZELExplorerView1->OpenPath(ZELExplorerTree1->DiskDirectory());
  ZELExplorerTree2->SetDirectory(ZELExplorerTree1->DiskDirectory());
}

void TForm1::ZELExplorerTree2Change(controls::TZELExplorerTree&, ui::TreeNode*) {
  ZELExplorerView2->OpenPath(ZELExplorerTree2->DiskDirectory());
}

std::array<ui::CheckBox*, 7> TForm1::FileTypeBoxes() const {
  return {CheckBox1.get(), CheckBox2.get(), CheckBox3.get(), CheckBox4.get(),
          CheckBox5.get(), CheckBox6.get(), CheckBox7.get()};
}

bool TForm1::BoxChecked(int number) {
  return FileTypeBoxes()[static_cast<size_t>(number - 1)]->Checked();
}

std::string TForm1::SourceDirectory() {
  return ZELExplorerTree1->DiskDirectory();
}

std::string TForm1::DestinationDirectory() {
  return ZELExplorerTree2->DiskDirectory();
}

void TForm1::SetSourceMask(const std::string& mask) {
  ZELExplorerView1->SetMask(mask);
}

void TForm1::ReloadSource() {
  ZELExplorerView1->Reload();
}

int TForm1::SourceCount() {
  return ZELExplorerView1->Entries().Count();
}

std::string TForm1::SourceEntry(int index) {
  return ZELExplorerView1->Entries()[index];
}

void TForm1::ReloadDestination() {
  ZELExplorerView2->Reload();
}

void TForm1::SetStatus(StatusLine line, const std::string& text) {
  (line == StatusLine::Upper ? Label1 : Label2)->SetCaption(text);
}

void TForm1::ProcessMessages() {
  kit_.App().ProcessMessages();
}

void TForm1::ShowMessage(const std::string& text) {
  kit_.App().ShowMessage(text);
}

// While a run is in progress nothing may start another or change the folders and the list
// that it walks; Exit stays available and stops the run.
void TForm1::EnableRunControls(bool enabled) {
  const std::initializer_list<ui::Control*> others = {
      Button4.get(), Button2.get(), &ZELExplorerTree1->Base(), &ZELExplorerTree2->Base()};
  for (ui::Control* control : others) control->SetEnabled(enabled);
  for (ui::CheckBox* box : FileTypeBoxes()) box->SetEnabled(enabled);
}

void TForm1::OpenVendorPage() {
  // Whether a browser could be started is not reported.
  platform_.ShellServices().ShellExecute({"open", kVendorWebPage, "", "", platform::SW_SHOW});
}

std::unique_ptr<ui::GroupBox> TForm1::NewGroupBox(const char* name, const ui::Bounds& bounds,
                                                  const char* caption, int tabOrder) {
  std::unique_ptr<ui::GroupBox> box = kit_.CreateGroupBox(*window_, bounds);
  box->SetName(name);
  box->SetCaption(caption);
  box->SetBold(true);
  box->SetTabOrder(tabOrder);
  return box;
}

std::unique_ptr<ui::CheckBox> TForm1::NewCheckBox(ui::Container& parent, const char* name,
                                                  const ui::Bounds& bounds, const char* caption,
                                                  bool checked, int tabOrder) {
  std::unique_ptr<ui::CheckBox> box = kit_.CreateCheckBox(parent, bounds);
  box->SetName(name);
  box->SetCaption(caption);
  box->SetChecked(checked);
  box->SetTabOrder(tabOrder);
  return box;
}

std::unique_ptr<ui::Button> TForm1::NewButton(ui::Container& parent, const char* name,
                                              const ui::Bounds& bounds, const char* caption,
                                              int tabOrder) {
  std::unique_ptr<ui::Button> button = kit_.CreateButton(parent, bounds);
  button->SetName(name);
  button->SetCaption(caption);
  button->SetTabOrder(tabOrder);
  return button;
}

std::unique_ptr<ui::Label> TForm1::NewLabel(ui::Container& parent, const char* name,
                                            const ui::Bounds& bounds, const char* caption) {
  std::unique_ptr<ui::Label> label = kit_.CreateLabel(parent, bounds);
  label->SetName(name);
  label->SetCaption(caption);
  return label;
}

// A folder tree with no folder selected ("nil"), network drives listed and every folder
// probed for subfolders. Both kits keep the selection visible when the tree loses the focus
// and draw the tree in the window colour.
std::unique_ptr<controls::TZELExplorerTree> TForm1::NewExplorerTree(const char* name,
                                                                    const ui::Bounds& bounds,
                                                                    int tabOrder) {
  auto tree = std::make_unique<controls::TZELExplorerTree>(platform_.Files(), platform_.Sys(),
                                                           platform_.ShellServices(), kit_.App(),
                                                           kit_.CreateTreeView(*window_, bounds));
  tree->Base().SetName(name);
  tree->Base().SetTabOrder(tabOrder);
  tree->BeginLoading();
  tree->SetNetwork(true);
  tree->SetFastLoad(false);
  tree->Loaded();
  return tree;
}

std::unique_ptr<controls::TZELExplorerView> TForm1::NewExplorerView(
    const char* name, const ui::Bounds& bounds, const char* mask, bool multiSelect, int tabOrder) {
  auto view = std::make_unique<controls::TZELExplorerView>(
      platform_.Files(), platform_.ShellServices(), kit_.App(),
      kit_.CreateSortedListBox(*window_, bounds));
  view->Base().SetName(name);
  view->Base().SetTabOrder(tabOrder);
  view->SetItemHeight(18);
  view->SetMask(mask);
  view->SetMultiSelect(multiSelect);
  view->SetCharCase(controls::TEditCharCase::ecLowerCase);
  view->SetColumns(1);
  return view;
}
