// The DWG reader over a drawing of 2,000 lines and one of 20,000: the time of one conversion
// as the CAD host starts node, against a baseline measured in the same run, node with its
// default WebAssembly compilers (which optimise LibreDWG in the background and hold the
// process until they are done).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/hosts/DwgReader.h"
#include "tests/support/DwgWriter.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

fs::path WriteGrid(const fs::path& folder, int lines) {
  testsupport::DwgWriter drawing;
  for (int i = 0; i < lines; ++i) {
    double x = (i % 100) * 10, y = (i / 100) * 10;
    drawing.Line("0", {x, y, x + 8, y + 8});
  }
  fs::path file = folder / ("grid-" + std::to_string(lines) + ".dwg");
  std::ofstream(file, std::ios::binary) << drawing.Bytes();
  return file;
}

template <typename Work>
double Seconds(Work work) {
  Clock::time_point start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main() {
  fs::path folder = platform::hosts::DwgReader::DefaultFolder();
  platform::hosts::DwgReader reader(folder, std::chrono::minutes(5));
  if (!reader.Installed()) {
    std::printf("the DWG reader is not installed in %s\n", folder.c_str());
    return 1;
  }
  const testsupport::TempDir temp;
  const fs::path& work = temp.Path();
  for (int lines : {2000, 20000}) {
    fs::path drawing = WriteGrid(work, lines);
    std::string baseline = "node '" + (folder / "dwg2dxf.mjs").string() + "' '" + drawing.string() +
                           "' '" + (work / "baseline.dxf").string() + "' '" +
                           (work / "baseline.report").string() + "'";
    double before = Seconds([&] {
      if (std::system(baseline.c_str()) != 0) std::printf("the baseline run failed\n");
    });
    double now = Seconds([&] { reader.ToDxf(drawing, work / "read.dxf"); });
    std::printf("%6d lines: reader %.2f s, node's defaults %.2f s: %.1f times as fast\n", lines,
                now, before, before / now);
  }
}
