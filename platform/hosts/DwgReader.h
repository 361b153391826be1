#pragma once
// Reads DWG drawings: LibreDWG, built to WebAssembly, run by node as a child process
// (dwg2dxf.mjs in the reader's folder, beside its node_modules), writes each as DXF. The
// process ends within the time limit, and with this program (it is an OfficeProcess).

#include <chrono>
#include <filesystem>
#include <set>
#include <string>

namespace platform::hosts {

class DwgReader {
 public:
  DwgReader(std::filesystem::path folder, std::chrono::milliseconds limit);

  // "programs/dwg" beside the running executable when it is there, else the build tree's.
  static std::filesystem::path DefaultFolder();

  // Whether node and the reader's script and modules are there.
  bool Installed() const;
  // Writes `dwg` as DXF into `dxf` and returns the names of the layers that the drawing has
  // switched off. Raises platform::Error with the reader's reason on the message's last line.
  std::set<std::string> ToDxf(const std::filesystem::path& dwg,
                              const std::filesystem::path& dxf) const;

 private:
  std::filesystem::path folder_;
  std::chrono::milliseconds limit_;
};

}  // namespace platform::hosts
