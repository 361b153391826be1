#include "platform/hosts/DwgReader.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

#include "platform/Error.h"
#include "platform/hosts/OfficeProcess.h"

namespace fs = std::filesystem;

namespace platform::hosts {
namespace {

constexpr const char* kScript = "dwg2dxf.mjs";
constexpr const char* kModule = "node_modules/@mlightcad/libredwg-web/package.json";

// Node compiles the reader's WebAssembly with its baseline compiler only: otherwise V8
// optimises the whole module in the background and the process cannot end before it is done,
// 12 to 35 s and 0.8 to 5 GB for every drawing (node 20 and 18), against under a second and
// 200 MB. "--no-wasm-tier-up" does not stop that work.
const std::vector<std::string> kNodeFlags = {"--liftoff-only"};

std::optional<fs::path> FindOnPath(std::string_view name) {
  const char* path = std::getenv("PATH");
  std::string_view folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  while (!folders.empty()) {
    size_t end = folders.find(':');
    std::string_view folder = folders.substr(0, end);
    folders = end == std::string_view::npos ? std::string_view() : folders.substr(end + 1);
    if (folder.empty()) continue;
    fs::path candidate = fs::path(folder) / name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return std::nullopt;
}

std::optional<fs::path> FindNode() {
  if (auto node = FindOnPath("node")) return node;
  return FindOnPath("nodejs");
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string LastLine(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  size_t start = text.rfind('\n');
  return start == std::string::npos ? text : text.substr(start + 1);
}

// "120 s", "0.5 s".
std::string Seconds(std::chrono::milliseconds limit) {
  char text[32];
  std::snprintf(text, sizeof text, "%g s", static_cast<double>(limit.count()) / 1000);
  return text;
}

}  // namespace

DwgReader::DwgReader(fs::path folder, std::chrono::milliseconds limit)
    : folder_(std::move(folder)), limit_(limit) {}

fs::path DwgReader::DefaultFolder() {
  std::error_code error;
  fs::path beside = fs::read_symlink("/proc/self/exe", error).parent_path() / "programs" / "dwg";
  if (!error && fs::exists(beside / kScript, error)) return beside;
  return SHEAFMILL_DWG_READER_FOLDER;
}

bool DwgReader::Installed() const {
  std::error_code error;
  return FindNode() && fs::exists(folder_ / kScript, error) && fs::exists(folder_ / kModule, error);
}

std::set<std::string> DwgReader::ToDxf(const fs::path& dwg, const fs::path& dxf) const {
  std::optional<fs::path> node = FindNode();
  if (!node) throw Error("The DWG reader cannot run: node is not installed.");
  fs::path report = dxf.parent_path() / "dwg2dxf.report";
  std::vector<std::string> arguments = kNodeFlags;
  arguments.insert(arguments.end(),
                   {(folder_ / kScript).string(), dwg.string(), dxf.string(), report.string()});
  OfficeProcess reader(*node, arguments);
  std::optional<int> status = reader.WaitFor(limit_);
  if (!status) {
    reader.Kill();
    throw Error("The DWG reader took longer than " + Seconds(limit_) +
                " (SHEAFMILL_OFFICE_TIMEOUT) and was stopped.");
  }
  std::string answer = ReadAll(report);
  if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
    std::string reason = LastLine(answer);
    throw Error(reason.empty()
                    ? "The DWG reader ended with " + OfficeProcess::DescribeStatus(*status) + "."
                    : reason);
  }
  std::set<std::string> offLayers;
  std::istringstream lines(answer);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) offLayers.insert(line);
  }
  return offLayers;
}

}  // namespace platform::hosts
