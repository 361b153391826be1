#include "platform/hosts/CadOffice.h"

#include <stdlib.h>

#include <fstream>
#include <optional>
#include <set>
#include <sstream>

#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "platform/hosts/CadDrawing.h"
#include "platform/hosts/DxfRewriter.h"

namespace fs = std::filesystem;

namespace platform::hosts {
namespace {

// The folder of one drawing's DXF copies, removed with the object.
class WorkFolder {
 public:
  WorkFolder() {
    std::string pattern = (fs::temp_directory_path() / "sheafmill-cad-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw Error("Cannot make a work folder in " + fs::temp_directory_path().string());
    }
    path_ = pattern;
  }
  ~WorkFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

std::string ReadAll(const fs::path& file, const std::string& displayName) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in && !in.eof()) throw Error("The file \"" + displayName + "\" could not be read.");
  return text.str();
}

void WriteAll(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out << text;
  if (!out.flush()) throw Error("Cannot write " + file.string());
}

}  // namespace

CadOffice::CadOffice(std::unique_ptr<Office> office, DwgReader reader,
                     std::chrono::milliseconds limit)
    : office_(std::move(office)), reader_(std::move(reader)), limit_(limit) {}

std::unique_ptr<OfficeDocument> CadOffice::Open(const fs::path& file,
                                                const std::string& displayName,
                                                const ImportFilter& filter) {
  WorkFolder work;
  fs::path source = file;
  // The DWG reader's layer marks are not to be trusted; the drawing's own are.
  std::optional<std::set<std::string>> offLayers;
  if (SameTextAscii(file.extension().string(), ".dwg")) {
    if (!reader_.Installed()) {
      throw Error("\"" + displayName +
                  "\" is a DWG drawing, and the DWG reader (node with LibreDWG) is not "
                  "installed: scripts/install-deps.sh installs it.");
    }
    source = work.Path() / "read.dxf";
    try {
      offLayers = reader_.ToDxf(file, source);
    } catch (const Error& error) {
      throw Error("The DWG drawing \"" + displayName + "\" cannot be read:\n" + error.Message());
    }
  }
  DxfRewrite drawing = DxfRewriter(offLayers).Rewrite(ReadAll(source, displayName));
  fs::path ready = work.Path() / (file.stem().string() + ".dxf");
  WriteAll(ready, drawing.text);
  return std::make_unique<CadDrawing>(office_->Open(ready, displayName, filter),
                                      drawing.visibleEntities, displayName, limit_);
}

}  // namespace platform::hosts
