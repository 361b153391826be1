// sheafmill-driver install | uninstall [--purge]
//
// Installs the PDF printer "VELTRA Ashgrove PDF Creator" for the current user (the store of
// $SHEAFMILL_PROFILE, else the user's configuration folder), or removes it. Uninstalling
// keeps the printer's settings key, which holds the user's document properties, unless
// --purge is given. Both commands may be run any number of times.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "platform/driver/DriverInstaller.h"
#include "platform/driver/DriverNames.h"

namespace {

int Usage() {
  std::cerr << "usage: sheafmill-driver install\n"
               "       sheafmill-driver uninstall [--purge]\n";
  return 2;
}

int Run(const std::vector<std::string>& args) {
  using namespace platform;
  using namespace platform::driver;
  using Args = std::vector<std::string>;
  bool install = args == Args{"install"};
  bool purge = args == Args{"uninstall", "--purge"};
  if (!install && !purge && args != Args{"uninstall"}) return Usage();

  RegistryStore store(RegistryStore::UserFolder());
  Printers printers(store);
  if (install) {
    Install(store, printers);
    std::cout << PrinterName << " is installed (" << store.File().string() << ").\n";
  } else {
    Uninstall(store, printers, purge ? SettingsOnUninstall::Remove : SettingsOnUninstall::Keep);
    std::cout << PrinterName << " is removed" << (purge ? "" : "; its settings are kept") << ".\n";
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::cerr << "sheafmill-driver: " << error.what() << "\n";
    return 1;
  }
}
