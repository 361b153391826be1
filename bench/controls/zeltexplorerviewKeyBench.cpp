// An arrow key in the file list on the real window kit, in a folder that sits beside 100,000
// files, against the same key in the same folder beside ten files, both timed in each
// iteration: the key moves the selection and the rows in sight are painted again, each with
// the shell's icon of its file. The goal: the large parent costs at most twice the small one.
// Needs a display: run it under xvfb-run.

#include <benchmark/benchmark.h>
#include <time.h>
#include <wx/dcmemory.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "controls/zeltexplorerview.h"
#include "platform/files/FileSystem.h"
#include "platform/shell/Shell.h"
#include "tests/support/TempDir.h"
#include "ui/wx/WxKit.h"
#include "ui/wx/WxSortedListBox.h"

namespace {

namespace fs = std::filesystem;

constexpr int kBesideLarge = 100000;
constexpr int kBesideSmall = 10;
constexpr int kListed = 300;
constexpr int kKeysPerTurn = kListed - 1;  // then the key turns round: the list never ends

// Drive E: with Large\Docs and Small\Docs, the same files in both; made once, removed at exit.
class SampleDrive {
 public:
  SampleDrive() {
    Fill(Drive() / "Large", kBesideLarge);
    Fill(Drive() / "Small", kBesideSmall);
  }

  const fs::path& Root() const { return temp_.Path(); }
  fs::path Drive() const { return temp_.Path() / "e"; }

 private:
  static void Fill(const fs::path& parent, int besides) {
    fs::create_directories(parent / "Docs");
    for (int i = 0; i < besides; ++i) std::ofstream(parent / ("file " + std::to_string(i)));
    const char* types[] = {".doc", ".txt", ".rtf", ".pdf", ".xls"};
    for (int i = 0; i < kListed; ++i) {
      std::ofstream(parent / "Docs" / ("Report " + std::to_string(i) + types[i % 5]));
    }
  }

  testsupport::TempDir temp_;
};

const SampleDrive& Sample() {
  static SampleDrive drive;
  return drive;
}

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One list on a form of its own, showing a folder as the folder tree hands it over.
class ShownList {
 public:
  ShownList(ui::WxKit& kit, platform::FileSystem& files, platform::Shell& shell,
            const std::string& folder)
      : kit_(kit), form_(kit.CreateForm(nullptr)) {
    form_->SetClientSize({273, 200});
    list_ = std::make_unique<controls::TZELExplorerView>(
        files, shell, kit.App(), kit.CreateSortedListBox(*form_, {8, 8, 257, 184}));
    form_->Show();
    list_->OpenPath(folder);
    Settle();
    Press(WXK_HOME);
  }
  ~ShownList() {
    form_->Close();
    list_.reset();
    form_.reset();
  }

  int Count() { return list_->Entries().Count(); }
  int Current() { return list_->ItemIndex(); }
  // The processor time of one key: its handling and the paint of the rows in sight. The real
  // window's own repaint follows untimed.
  double TimedKey(int keyCode) {
    wxBitmap picture(Window().GetClientSize());
    wxMemoryDC dc(picture);
    const double start = CpuSeconds();
    Press(keyCode);
    Base().PaintTo(dc);
    const double spent = CpuSeconds() - start;
    Settle();
    return spent;
  }

 private:
  ui::WxSortedListBox& Base() { return static_cast<ui::WxSortedListBox&>(list_->Base()); }
  wxWindow& Window() { return *Base().NativeWindow(); }
  void Press(int keyCode) {
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = keyCode;
    key.SetEventObject(&Window());
    Window().GetEventHandler()->ProcessEvent(key);
  }
  void Settle() {
    for (int i = 0; i < 3; ++i) kit_.App().ProcessMessages();
  }

  ui::WxKit& kit_;
  std::unique_ptr<ui::Form> form_;
  std::unique_ptr<controls::TZELExplorerView> list_;
};

ui::WxKit* Kit() {
  static std::unique_ptr<ui::WxKit> kit = ui::WxKit::Start("sheafmill-bench");
  return kit.get();
}

void BM_ArrowKeyBeside100000Files(benchmark::State& state) {
  platform::FileSystem files(platform::DriveMap{{'E', Sample().Drive()}},
                             Sample().Root() / "windows");
  platform::Shell shell(files, Sample().Root() / "programs");
  ShownList small(*Kit(), files, shell, "E:\\SMALL\\DOCS\\");
  ShownList large(*Kit(), files, shell, "E:\\LARGE\\DOCS\\");
  if (small.Count() != kListed || large.Count() != kListed) {
    state.SkipWithError("the lists lost files");
    return;
  }
  double baseline = 0;
  double measured = 0;
  int pressed = 0;
  for (auto _ : state) {
    const int key = (pressed++ / kKeysPerTurn) % 2 == 0 ? WXK_DOWN : WXK_UP;
    baseline += small.TimedKey(key);
    measured += large.TimedKey(key);
    if (small.Current() != large.Current()) state.SkipWithError("the keys went astray");
  }
  const auto keys = static_cast<double>(state.iterations());
  state.counters["small_parent_ms"] = 1e3 * baseline / keys;
  state.counters["large_parent_ms"] = 1e3 * measured / keys;
  state.counters["ratio_to_small_parent"] = measured / baseline;
  std::printf(
      "arrow key beside %d files / beside %d files: %.2fx processor time (goal: at most "
      "2x)\n",
      kBesideLarge, kBesideSmall, measured / baseline);
}

BENCHMARK(BM_ArrowKeyBeside100000Files)->Unit(benchmark::kMillisecond)->Iterations(600);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (Kit() == nullptr) {
    std::fprintf(stderr, "No display: run this benchmark under xvfb-run\n");
    return 1;
  }
  Sample();  // the files are made before any clock runs
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
