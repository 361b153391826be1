#pragma once
// The main window's Advanced Options exchange: the document properties are read from the PDF
// driver's key, the options dialog is shown over the main window with them and the overwrite
// choice, and afterwards, however the dialog was closed, the driver's key gets the overwrite
// choice as its automatic output and the four properties back. A driver key that does not
// exist is neither read, nor written, nor created.

#include "options/OptionUnit.h"

// platform::ERegistryException ("Invalid data type for '%s'") when a property is stored with
// another type: then the dialog is not shown and nothing is written.
void ShowAdvancedOptions(ui::Kit& kit, ui::Form& mainWindow, platform::RegistryStore& registry,
                         platform::Shell& shell, TOptionsState state);
