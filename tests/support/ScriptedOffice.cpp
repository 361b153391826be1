#include "tests/support/ScriptedOffice.h"

#include <memory>

#include "convert/DriverNames.h"
#include "platform/automation/AutomationRuntime.h"
#include "tests/support/PdfFixtures.h"

namespace testsupport {

namespace {

std::string FileNameOf(const std::string& path) {
  const size_t separator = path.find_last_of("\\:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

// The path an Open call names: the first argument, or the named FileName.
std::string OpenedPath(const RecordedCall& call) {
  if (!call.Args.empty()) return call.Args.front().Text();
  for (const auto& named : call.Named) {
    if (named.Name == "FileName") return named.Value.Text();
  }
  return "";
}

}  // namespace

ScriptedOffice::ScriptedOffice(platform::AutomationRuntime& runtime, platform::Spooler& spooler,
                               std::filesystem::path spoolFolder)
    : spooler_(spooler), spoolFolder_(std::move(spoolFolder)) {
  std::filesystem::create_directories(spoolFolder_);
  for (ScriptedServer* server : {&word, &excel, &powerPoint, &autoCad}) server->Register(runtime);
  PrintOnCall(word, "PrintOut");
  PrintOnCall(excel, "PrintOut");
  PrintOnCall(powerPoint, "PrintOut");
  PrintOnCall(autoCad, "PlotToDevice");
}

void ScriptedOffice::PrintOnCall(ScriptedServer& server, const std::string& printMember) {
  auto opened = std::make_shared<std::string>();
  server.SetOnCall([this, opened, printMember](const RecordedCall& call) {
    if (call.Name == "Open") *opened = OpenedPath(call);
    if (call.Name == printMember) Print(*opened);
  });
}

void ScriptedOffice::Print(const std::string& path) {
  const std::string name = FileNameOf(path);
  if (lost_.count(name) != 0) return;
  const auto job = spoolFolder_ / ("job" + std::to_string(++jobs_) + ".pdf");
  WriteOnePagePdf(job, name);
  spooler_.Submit({kDriverPrinterName, name, job});
}

}  // namespace testsupport
