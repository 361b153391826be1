#include "options/OptionUnit.h"

#include <optional>

#include "convert/DriverNames.h"
#include "platform/WinTypes.h"
#include "platform/registry/RegKey.h"

namespace {

constexpr char kCaption[] = "Advanced Options";
constexpr ui::Size kClientSize{402, 224};
constexpr char kNoFontsNote[] =
    "***No Fonts Embeded***. If you wish to embed fonts, click the button.";
constexpr char kOverwriteCaption[] =
    "If the destination PDF file exists, overwrite without confirmation";
// How long one wait for the printing preferences lasts before the windows get their
// messages processed.
constexpr uint32_t kWaitSlice = 100;

std::string FontNote(int32_t count) {
  return "***" + std::to_string(count) +
         " font(s) embedded***. If you wish to embed fonts, click the button.";
}

}  // namespace

TForm2::TForm2(ui::Kit& kit, ui::Form& owner, platform::RegistryStore& registry,
               platform::Shell& shell, TOptionsState state)
    : window_(kit.CreateForm(&owner)),
      kit_(kit),
      registry_(registry),
      shell_(shell),
      state_(state) {
  window_->SetCaption(kCaption);
  window_->SetClientSize(kClientSize);
  window_->SetPosition(ui::FormPosition::OwnerFormCenter);
  CreateControls();
  ConnectHandlers();
  kit_.App().Dispatch([this] { FormCreate(); });
}

TForm2::~TForm2() = default;

void TForm2::CreateControls() {
  Label2 = NewLabel("Label2", {27, 27, 26, 13}, "Title", true);
  Edit1 = NewEdit("Edit1", {72, 24, 297, 21}, 0);
  Label1 = NewLabel("Label1", {19, 51, 44, 13}, "Subject", true);
  Edit2 = NewEdit("Edit2", {72, 48, 297, 21}, 1);
  Label3 = NewLabel("Label3", {21, 76, 38, 13}, "Author", true);
  Edit3 = NewEdit("Edit3", {72, 72, 297, 21}, 2);
  Label4 = NewLabel("Label4", {13, 100, 55, 13}, "Keywords", true);
  Edit4 = NewEdit("Edit4", {72, 96, 297, 21}, 3);
  CheckBox1 = kit_.CreateCheckBox(*window_, {9, 128, 385, 17});
  CheckBox1->SetName("CheckBox1");
  CheckBox1->SetCaption(kOverwriteCaption);
  CheckBox1->SetBold(true);
  CheckBox1->SetChecked(true);
  CheckBox1->SetTabOrder(4);
  Label5 = NewLabel("Label5", {43, 146, 326, 13}, kNoFontsNote, false);
  Button3 = NewButton("Button3", {144, 160, 137, 25}, "Printing Preferences...", 7);
  Button1 = NewButton("Button1", {96, 192, 75, 25}, "OK", 5);
  Button2 = NewButton("Button2", {240, 192, 75, 25}, "Cancel", 6);
}

void TForm2::ConnectHandlers() {
  Button1->OnClick = [this] { Button1Click(); };
  Button2->OnClick = [this] { Button2Click(); };
  Button3->OnClick = [this] { Button3Click(); };
  Label5->OnClick = [this] { Label5Click(); };
}

void TForm2::FormCreate() {
  RundllPath = "rundll" + std::to_string(32) + ".exe";
  RefreshFontNote();
}

void TForm2::Button1Click() {
  state_.DocTitle = Edit1->Text();
  state_.DocSubject = Edit2->Text();
  state_.DocAuthor = Edit3->Text();
  state_.DocKeywords = Edit4->Text();
  state_.OverwriteMode = CheckBox1->Checked() ? 3 : 1;
  window_->Close();
}

void TForm2::Button2Click() {
  window_->Close();
}

void TForm2::Button3Click() {
  const std::string parameters =
      std::string("printui.dll,PrintUIEntry /e /n \"") + kDriverPrinterName + "\"";
  RunAndWait("open", RundllPath, parameters, "", platform::SW_SHOW, true);
  // The user may have changed the font embedding in the preferences.
  RefreshFontNote();
}

void TForm2::Label5Click() {
  RefreshFontNote();
}

void TForm2::RefreshFontNote() {
  const char* name = state_.IsWow64 ? "AllIndex" : "EmbedNum";
  std::optional<platform::RegKey> key =
      platform::RegKey::Open(registry_, kDriverKey, platform::KEY_ALL_ACCESS);
  if (!key) return;
  if (key->ValueExists(name)) {
    const int32_t count = key->ReadInteger(name);
    if (count > 0) Label5->SetCaption(FontNote(count));
  }
  key->Close();
}

int32_t TForm2::RunAndWait(const std::string& verb, const std::string& file,
                           const std::string& parameters, const std::string& directory,
                           uint16_t showCommand, bool wait) {
  const std::optional<platform::ProcessHandle> process =
      shell_.ShellExecuteEx({verb, file, parameters, directory, showCommand});
  if (!process) return -1;
  int32_t result = 0;
  if (wait) {
    while (shell_.WaitForSingleObject(*process, kWaitSlice) == platform::WAIT_TIMEOUT) {
      kit_.App().ProcessMessages();
    }
    const std::optional<uint32_t> code = shell_.GetExitCodeProcess(*process);
    result = code ? static_cast<int32_t>(*code) : -1;
  }
  // The handle is not needed any more; a program still running goes on.
  shell_.CloseHandle(*process);
  return result;
}

std::unique_ptr<ui::Label> TForm2::NewLabel(const char* name, const ui::Bounds& bounds,
                                            const char* caption, bool bold) {
  std::unique_ptr<ui::Label> label = kit_.CreateLabel(*window_, bounds);
  label->SetName(name);
  label->SetCaption(caption);
  label->SetBold(bold);
  return label;
}

std::unique_ptr<ui::Edit> TForm2::NewEdit(const char* name, const ui::Bounds& bounds,
                                          int tabOrder) {
  std::unique_ptr<ui::Edit> edit = kit_.CreateEdit(*window_, bounds);
  edit->SetName(name);
  edit->SetTabOrder(tabOrder);
  return edit;
}

std::unique_ptr<ui::Button> TForm2::NewButton(const char* name, const ui::Bounds& bounds,
                                              const char* caption, int tabOrder) {
  std::unique_ptr<ui::Button> button = kit_.CreateButton(*window_, bounds);
  button->SetName(name);
  button->SetCaption(caption);
  button->SetTabOrder(tabOrder);
  return button;
}
