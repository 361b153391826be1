#include "tools/printui/PrintUiCommand.h"

#include "platform/driver/DriverNames.h"
#include "platform/system/System.h"

namespace printui {

namespace {

bool IsPrintUiEntry(const std::string& entry) {
  const std::string upper = platform::System::UpperAscii(entry);
  return upper == "PRINTUI.DLL,PRINTUIENTRY" || upper == "PRINTUI,PRINTUIENTRY";
}

PrintUiRequest Refused(std::string error) {
  return {false, "", std::move(error)};
}

}  // namespace

PrintUiRequest ParsePrintUiCommand(const std::vector<std::string>& args) {
  if (args.empty() || !IsPrintUiEntry(args[0])) {
    const std::string entry = args.empty() ? std::string("(none)") : args[0];
    return Refused("The entry " + entry +
                   " is not offered here: only printui.dll,PrintUIEntry /e /n \"printer\".");
  }
  bool preferences = false;
  bool named = false;
  std::string printer;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "/e") {
      preferences = true;
    } else if (arg == "/n" && i + 1 < args.size()) {
      named = true;
      printer = args[++i];
    } else if (arg.starts_with("/n") && arg.size() > 2) {
      named = true;
      printer = arg.substr(2);
    } else {
      return Refused("PrintUIEntry: " + arg +
                     " is not offered here: only /e /n \"printer\" (printing preferences).");
    }
  }
  if (!preferences || !named) {
    return Refused("PrintUIEntry: only /e /n \"printer\" (printing preferences) is offered here.");
  }
  if (platform::System::CompareTextIgnoreCase(printer, platform::driver::PrinterName) != 0) {
    return Refused("The printer \"" + printer + "\" has no printing preferences here.");
  }
  return {true, printer, ""};
}

}  // namespace printui
