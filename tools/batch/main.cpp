// sheafmill-batch: Sheafmill's main window without a display, driven from the command line,
// so that documents can be converted in a terminal, a script or on a server.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramWorld.h"
#include "convert/DriverOwnership.h"
#include "tools/batch/BatchKit.h"
#include "tools/batch/BatchOptions.h"
#include "tools/batch/BatchReport.h"
#include "tools/batch/BatchRun.h"
#include "tools/batch/InterruptSignal.h"
#include "tools/batch/ParallelRun.h"
#include "tools/batch/PrivateTempFolder.h"
#include "tools/batch/StatusPrinter.h"
#include "tools/batch/TestOffice.h"
#include "tools/batch/WorkerProcesses.h"

namespace {

int UsageFailure(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "sheafmill-batch: %s\n", problem.c_str());
  std::fputs(batch::BatchUsage().c_str(), stderr);
  std::fputs("Try 'sheafmill-batch --help' for more.\n", stderr);
  return 2;
}

// The tool's own tests run it over an office that needs no LibreOffice.
platform::hosts::OfficeFactory OfficeForThisRun() {
  const char* scripted = std::getenv("SHEAFMILL_TEST_SCRIPTED_HOSTS");
  if (scripted == nullptr || std::string(scripted) != "1") return {};
  return batch::MakeTestOffice;
}

int Run(const batch::BatchOptions& options) {
  // A report that cannot be written is wrong usage, found before anything is converted.
  std::unique_ptr<batch::BatchReport> report;
  if (options.report) report = std::make_unique<batch::BatchReport>(*options.report);
  const platform::PlatformOptions platformOptions = platform::Platform::UserOptions();
  const batch::PrivateTempFolder temporary;
  batch::WorkerProcesses workers;
  // A second Ctrl+C ends the process at once, and the offices and workers with it. First the
  // driver's automatic output is switched off, as closing the window would, through a store of
  // its own on the same profile (unless another process's run owns the driver), and the
  // temporary files of the run, the workers' profiles among them, are removed.
  batch::InterruptSignal interrupt(
      [profile = platformOptions.profileFolder, &temporary, &workers] {
        workers.Terminate();
        platform::RegistryStore store(profile);
        platform::Locks locks(profile);
        DriverOwnership::ResetAtExit(store, locks);
        temporary.Remove();
      },
      options.worker.has_value());
  batch::BatchKit kit;
  kit.App().SetTitle("Sheafmill");
  // One office serves the passes of the run in turn, each application after the one before.
  ProgramWorld world(platformOptions, OfficeForThisRun(), platform::hosts::OfficeLifetime::Process);
  if (!world.HostsRegistered()) {
    std::fputs("sheafmill-batch: LibreOffice is not installed, so no document can be opened\n",
               stderr);
  }
  // A report on standard output moves the status lines to standard error.
  std::FILE* statusOut = report && report->ToStandardOutput() ? stderr : stdout;
  // A worker's lines go to its parent, or meet those of the other workers: they stay whole lines.
  const bool terminal = !options.worker && ::isatty(::fileno(statusOut)) == 1;
  batch::StatusPrinter status(statusOut, terminal);
  if (options.jobs > 1 && !options.worker) {
    batch::BatchRun planner(options, kit, world.Platform(), interrupt, status, nullptr);
    return batch::ParallelRun(options, world.Platform(), temporary.Path(), interrupt, status,
                              report.get(), workers)
        .Execute(planner);
  }
  return batch::BatchRun(options, kit, world.Platform(), interrupt, status, report.get()).Execute();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return UsageFailure("");
  if (args == std::vector<std::string>{"--version"}) {
    std::puts("sheafmill-batch " SHEAFMILL_VERSION);
    return 0;
  }
  try {
    const batch::BatchOptions options = batch::ParseBatchOptions(args);
    if (options.help) {
      std::fputs(batch::BatchHelp().c_str(), stdout);
      return 0;
    }
    return Run(options);
  } catch (const batch::UsageError& error) {
    return UsageFailure(error.what());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "sheafmill-batch: %s\n", error.what());
    return 1;
  }
}
