// rundll32.exe printui.dll,PrintUIEntry /e /n "VELTRA Ashgrove PDF Creator"
//
// The printing preferences of the PDF printer driver, as programs open them on Windows: a
// window that chooses the font families the driver embeds, stored in the driver's settings
// key of the current user (the store of $SHEAFMILL_PROFILE, else the user's configuration
// folder). The program ends when the window is closed: 0 after OK or Cancel, 1 when it
// cannot show the preferences (another entry or printer, the driver not installed, no
// display), after saying why.

#include <wx/app.h>
#include <wx/init.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "platform/driver/DriverNames.h"
#include "platform/printing/Printers.h"
#include "platform/registry/RegistryStore.h"
#include "platform/system/System.h"
#include "tools/printui/EmbeddedFonts.h"
#include "tools/printui/PreferencesDialog.h"
#include "tools/printui/PrintUiCommand.h"

namespace {

constexpr char kProgram[] = "rundll32.exe";

// Starts wx and GTK with the program name alone: the command line is PrintUIEntry's.
bool StartWindows() {
  static char name[] = "rundll32.exe";
  static char* arguments[] = {name, nullptr};
  int count = 1;
  wxApp::SetInstance(new wxApp);
  return wxEntryStart(count, arguments);
}

// Says why there are no preferences, in a message box too when there is a display: the
// program usually runs without a terminal in sight.
int Refuse(const std::string& why, bool windows) {
  std::cerr << kProgram << ": " << why << "\n";
  if (windows) {
    wxMessageBox(wxString::FromUTF8(why), "Printing Preferences", wxOK | wxICON_ERROR);
  }
  return 1;
}

bool DriverInstalled(platform::RegistryStore& store) {
  const platform::Printers printers(store);
  const auto found =
      printers.EnumPrinters(platform::PRINTER_ENUM_LOCAL | platform::PRINTER_ENUM_CONNECTIONS);
  return std::any_of(found.printers.begin(), found.printers.end(), [](const auto& printer) {
    return platform::System::CompareTextIgnoreCase(printer.PrinterName,
                                                   platform::driver::PrinterName) == 0;
  });
}

// Shows the preferences until the user closes them; OK stores the choice.
int ShowPreferences(const std::string& printer, bool windows) {
  platform::RegistryStore store(platform::RegistryStore::UserFolder());
  if (!DriverInstalled(store)) {
    return Refuse("The printer \"" + printer + "\" is not installed.", windows);
  }
  if (!windows) {
    return Refuse("There is no display to show the printing preferences of \"" + printer + "\" on.",
                  false);
  }
  const std::vector<std::string> chosen = printui::EmbeddedFonts::Read(store);
  printui::PreferencesDialog dialog(platform::driver::PrinterName,
                                    printui::PreferencesDialog::InstalledFamilies(), chosen);
  if (dialog.ShowModal() == wxID_OK) printui::EmbeddedFonts::Write(store, dialog.Chosen());
  return 0;
}

int Run(const std::vector<std::string>& args) {
  const printui::PrintUiRequest request = printui::ParsePrintUiCommand(args);
  const bool windows = StartWindows();
  int result = 1;
  try {
    result =
        request.ok ? ShowPreferences(request.printer, windows) : Refuse(request.error, windows);
  } catch (const std::exception& error) {
    result = Refuse(error.what(), windows);
  }
  if (windows) wxEntryCleanup();
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << kProgram << ": " << error.what() << "\n";
    return 1;
  }
}
