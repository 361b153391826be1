#include "options/AdvancedOptions.h"

#include <optional>

#include "convert/DriverNames.h"
#include "platform/WinTypes.h"
#include "platform/registry/RegKey.h"

namespace {

// A missing value empties its field; without the key every field keeps its value.
void ReadDocumentProperties(platform::RegistryStore& registry, TOptionsState& state) {
  std::optional<platform::RegKey> key =
      platform::RegKey::Open(registry, kDriverKey, platform::KEY_ALL_ACCESS);
  if (!key) return;
  state.DocTitle = key->ReadString("Title");
  state.DocSubject = key->ReadString("Subject");
  state.DocAuthor = key->ReadString("Author");
  state.DocKeywords = key->ReadString("Keywords");
  key->Close();
}

void WriteDriverOptions(platform::RegistryStore& registry, const TOptionsState& state) {
  std::optional<platform::RegKey> key =
      platform::RegKey::Open(registry, kDriverKey, platform::KEY_WRITE);
  if (!key) return;
  if (state.OverwriteMode == 1 || state.OverwriteMode == 3) {
    key->WriteInteger("AutomaticOutput", state.OverwriteMode);
  }
  key->WriteString("Title", state.DocTitle);
  key->WriteString("Subject", state.DocSubject);
  key->WriteString("Author", state.DocAuthor);
  key->WriteString("Keywords", state.DocKeywords);
  key->Close();
}

}  // namespace

void ShowAdvancedOptions(ui::Kit& kit, ui::Form& mainWindow, platform::RegistryStore& registry,
                         platform::Shell& shell, TOptionsState state) {
  ReadDocumentProperties(registry, state);
  {
    TForm2 dialog(kit, mainWindow, registry, shell, state);
    if (state.OverwriteMode == 3) dialog.CheckBox1->SetChecked(true);
    if (state.OverwriteMode == 1) dialog.CheckBox1->SetChecked(false);
    dialog.Edit1->SetText(state.DocTitle);
    dialog.Edit2->SetText(state.DocSubject);
    dialog.Edit3->SetText(state.DocAuthor);
    dialog.Edit4->SetText(state.DocKeywords);
    dialog.Window().ShowModal();
  }
  WriteDriverOptions(registry, state);
}
