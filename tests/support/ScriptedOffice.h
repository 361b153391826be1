#pragma once
// Four scripted authoring applications that print for real: each print call (PrintOut;
// PlotToDevice for the CAD application) submits a one-page PDF of the document opened last
// to the spooler, titled with the document's file name, as the applications print to a
// printer. Whole conversion runs can so be tested through the real driver and real files.

#include <filesystem>
#include <set>
#include <string>

#include "platform/automation/AutomationRuntime.h"
#include "platform/printing/Spooler.h"
#include "tests/support/ScriptedServer.h"

namespace testsupport {

class ScriptedOffice {
 public:
  // Print jobs are made in `spoolFolder`.
  ScriptedOffice(platform::AutomationRuntime& runtime, platform::Spooler& spooler,
                 std::filesystem::path spoolFolder);

  // Documents whose file name is listed here are "printed" without a job reaching the
  // spooler, as by a printer that loses jobs.
  void LoseJobsOf(const std::string& fileName) { lost_.insert(fileName); }

  ScriptedServer word{"Word.Application", "Word"};
  ScriptedServer excel{"Excel.Application", "Excel"};
  ScriptedServer powerPoint{"PowerPoint.Application", "PowerPoint"};
  ScriptedServer autoCad{"AutoCAD.Application", "AutoCAD"};

 private:
  void PrintOnCall(ScriptedServer& server, const std::string& printMember);
  void Print(const std::string& path);

  platform::Spooler& spooler_;
  std::filesystem::path spoolFolder_;
  std::set<std::string> lost_;
  int jobs_ = 0;
};

}  // namespace testsupport
