#pragma once
// Installing the PDF printer for the current user, as its setup program would: the printer
// joins the installed printers and the settings key gets its initial values. Both steps are
// idempotent and never change a value that is already there.

#include "platform/printing/Printers.h"
#include "platform/registry/RegistryStore.h"

namespace platform::driver {

// Creates the settings key with `AutomaticOutput` 0, `AutomaticPath`, `Title`, `Subject`,
// `Author`, `Keywords` "" and `EmbedNum`, `AllIndex` 0 where missing, adds the printer when
// it is not installed, and makes it the default printer when there is none.
void Install(RegistryStore& store, Printers& printers);

// What uninstalling does with the user's settings key. Keeping it is the default: the
// document properties in it are the user's, and a reinstall finds them again.
enum class SettingsOnUninstall { Keep, Remove };

// Removes the printer, and the default-printer setting when it named the printer.
void Uninstall(RegistryStore& store, Printers& printers, SettingsOnUninstall settings);

bool IsInstalled(const Printers& printers);

}  // namespace platform::driver
