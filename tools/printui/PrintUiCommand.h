#pragma once
// The command line of rundll32.exe as the printing-preferences entry of the PDF printer
// driver: "printui.dll,PrintUIEntry /e /n <printer>". Only the preferences (/e) of the
// driver's own printer are offered here.

#include <string>
#include <vector>

namespace printui {

struct PrintUiRequest {
  bool ok = false;
  std::string printer;  // the printer named after /n
  std::string error;    // what the user is told when not ok
};

// `args` as the shell split them, without the program name. The switches may stand apart
// ("/n", "name") or together ("/nname"); the entry's name ignores letter case.
PrintUiRequest ParsePrintUiCommand(const std::vector<std::string>& args);

}  // namespace printui
