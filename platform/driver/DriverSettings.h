#pragma once
// The driver's per-user settings as one print job sees them: read afresh for every job, so
// that a program that changes the values between two jobs steers the second one.

#include <string>

#include "platform/registry/RegistryStore.h"

namespace platform::driver {

struct DocumentInfo {
  std::string Title;
  std::string Subject;
  std::string Author;
  std::string Keywords;
};

struct DriverSettings {
  // `AutomaticOutput` 1 or 3: write each job into AutomaticPath without asking. Any other
  // value, a missing value or a missing key: save into the user's documents folder.
  bool AutomaticOutput = false;
  // `AutomaticOutput` 1: a file already standing under the output's name is never replaced.
  bool KeepExisting = false;
  std::string AutomaticPath;
  DocumentInfo Info;

  // A value of the wrong type raises ERegistryException ("Invalid data type for '<name>'").
  static DriverSettings Read(RegistryStore& store);
};

}  // namespace platform::driver
