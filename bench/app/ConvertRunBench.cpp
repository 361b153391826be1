// Whole conversion runs through the main window on the headless kit with an instant scripted
// Word, whose print call writes the driver's output file at once. What is left is the
// program's own time per file: the status lines, the pumps, the driver values, the naming and
// the re-read of the destination list after every file. It is printed for passes of 200 and
// 2,000 files, with the growth per file between them, against a baseline measured in the same
// run: the file work alone (write the output, rename it) for the same files.
// The destination list's own part is measured apart as well: the Reload after each new file in
// a folder of 200 and 2,000 files, against a full read of the same folder, in processor time.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/SheafmillUnit.h"
#include "controls/zeltexplorerview.h"
#include "platform/driver/DriverInstaller.h"
#include "tests/support/ScriptedServer.h"
#include "tests/support/TempDir.h"
#include "ui/headless/HeadlessButton.h"
#include "ui/headless/HeadlessKit.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

void Touch(const fs::path& file) {
  std::ofstream(file) << "%PDF-1.4\n";
}

std::string StemOf(const std::string& path) {
  const std::string name = path.substr(path.find_last_of('\\') + 1);
  return name.substr(0, name.rfind('.'));
}

// Seconds per file of one whole run over `count` documents.
double ProgramSecondsPerFile(int count) {
  const testsupport::TempDir temp;
  const fs::path& root = temp.Path();
  const fs::path home = root / "home";
  fs::create_directories(home / "Desk");
  for (int i = 0; i < count; ++i) Touch(home / "Desk" / ("doc" + std::to_string(i) + ".doc"));
  double perFile = 0;
  {
    platform::Platform world({root / "profile", home, root / "programs"});
    platform::driver::Install(world.Registry(), world.Printing());
    world.Registry().SetValue(
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop",
        platform::RegValue::String("C:\\Desk"));
    world.Sys().SetWow64(false);
    testsupport::ScriptedServer word("Word.Application", "Word");
    word.Register(world.Automation());
    std::string opened;
    word.SetOnCall([&](const testsupport::RecordedCall& call) {
      if (call.Name == "Open") opened = call.Named.front().Value.Text();
      if (call.Name == "PrintOut") Touch(home / "Desk" / (StemOf(opened) + "000.pdf"));
    });
    ui::HeadlessKit kit;
    controls::ProcessPrinters printers(world.Printing());
    TForm1 form(kit, world, printers);
    form.Window().Show();
    const auto start = Clock::now();
    static_cast<ui::HeadlessButton&>(*form.Button4).Click();
    perFile = std::chrono::duration<double>(Clock::now() - start).count() / count;
    if (form.ZELExplorerView2->Entries().Count() != count) {
      std::fprintf(stderr, "the run converted %d of %d files\n",
                   form.ZELExplorerView2->Entries().Count(), count);
    }
  }
  return perFile;
}

// The same files' output written and renamed, nothing else.
double BaselineSecondsPerFile(int count) {
  const testsupport::TempDir temp;
  const fs::path& root = temp.Path();
  const auto start = Clock::now();
  for (int i = 0; i < count; ++i) {
    const std::string stem = "doc" + std::to_string(i);
    Touch(root / (stem + "000.pdf"));
    fs::rename(root / (stem + "000.pdf"), root / (stem + ".pdf"));
  }
  const double perFile = std::chrono::duration<double>(Clock::now() - start).count() / count;
  return perFile;
}

double ProcessorSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct ReloadCosts {
  double reload = 0;    // seconds of a Reload after one new file
  double fullRead = 0;  // seconds of a read of the whole folder by a new list
};

// `count` files written one by one into a folder of `count` files, the list re-read after each.
ReloadCosts DestinationReloadPerFile(int count) {
  const testsupport::TempDir temp;
  const fs::path& root = temp.Path();
  fs::create_directories(root / "Out");
  for (int i = 0; i < count; ++i) Touch(root / "Out" / ("old" + std::to_string(i) + ".pdf"));
  ReloadCosts costs;
  {
    platform::FileSystem files(platform::DriveMap{{'E', root}}, root / "windows");
    platform::Shell shell(files, root / "programs");
    ui::HeadlessKit kit;
    std::unique_ptr<ui::Form> form = kit.CreateForm(nullptr);
    auto newList = [&] {
      auto list = std::make_unique<controls::TZELExplorerView>(
          files, shell, kit.App(), kit.CreateSortedListBox(*form, {0, 0, 201, 193}));
      list->SetFolder("E:\\Out");
      list->SetMask("*.pdf");
      return list;
    };
    auto list = newList();
    list->Entries().Count();
    for (int i = 0; i < count; ++i) {
      Touch(root / "Out" / ("new" + std::to_string(i) + ".pdf"));
      const double start = ProcessorSeconds();
      list->Reload();
      costs.reload += ProcessorSeconds() - start;
    }
    if (list->Entries().Count() != 2 * count) std::fprintf(stderr, "the list lost files\n");
    const int reads = 20;
    const double start = ProcessorSeconds();
    for (int i = 0; i < reads; ++i) newList()->Entries().Count();
    costs.fullRead = (ProcessorSeconds() - start) / reads;
    costs.reload /= count;
  }
  return costs;
}

void PrintReloadCosts() {
  std::printf("\n%-8s %16s %16s %10s\n", "files", "reload ms/file", "full read ms", "ratio");
  double perFile[2] = {};
  const int counts[2] = {200, 2000};
  for (int i = 0; i < 2; ++i) {
    const ReloadCosts costs = DestinationReloadPerFile(counts[i]);
    perFile[i] = costs.reload;
    std::printf("%-8d %16.3f %16.3f %9.2fx\n", counts[i], costs.reload * 1e3, costs.fullRead * 1e3,
                costs.reload / costs.fullRead);
  }
  std::printf(
      "growth of the destination list's re-read per file from 200 to 2,000 files: %.2fx "
      "(goal: at most 1.2x)\n",
      perFile[1] / perFile[0]);
}

}  // namespace

int main() {
  std::printf("%-8s %16s %16s %10s\n", "files", "program ms/file", "baseline ms/file", "ratio");
  double perFile[2] = {};
  const int counts[2] = {200, 2000};
  for (int i = 0; i < 2; ++i) {
    perFile[i] = ProgramSecondsPerFile(counts[i]);
    const double baseline = BaselineSecondsPerFile(counts[i]);
    std::printf("%-8d %16.3f %16.3f %9.1fx\n", counts[i], perFile[i] * 1e3, baseline * 1e3,
                perFile[i] / baseline);
  }
  std::printf("growth of the program's time per file from 200 to 2,000 files: %.2fx\n",
              perFile[1] / perFile[0]);
  PrintReloadCosts();
  return 0;
}
