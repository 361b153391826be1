#include "platform/hosts/PageInk.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/hosts/OfficeProcess.h"

namespace fs = std::filesystem;

namespace platform::hosts {
namespace {

constexpr const char* kRenderer = "/usr/bin/pdftoppm";
// Coarse enough to be quick, fine enough that a hairline still greys its pixels.
constexpr const char* kResolution = "36";
// Anti-aliasing leaves the paper a shade off white here and there; ink is darker.
constexpr unsigned char kInk = 250;

// The pixels of a binary greyscale image ("P5 width height 255" and a byte a pixel).
std::optional<std::string> Pixels(const fs::path& image) {
  std::ifstream in(image, std::ios::binary);
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  in >> magic >> width >> height >> maximum;
  if (!in || magic != "P5" || maximum != 255 || width <= 0 || height <= 0) return std::nullopt;
  in.get();
  std::string pixels(static_cast<size_t>(width) * static_cast<size_t>(height), '\0');
  in.read(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  if (!in) return std::nullopt;
  return pixels;
}

// A folder of its own for the rendered page, removed with the object.
class RenderFolder {
 public:
  RenderFolder() {
    std::string pattern = (fs::temp_directory_path() / "sheafmill-ink-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~RenderFolder() {
    std::error_code error;
    if (!path_.empty()) fs::remove_all(path_, error);
  }
  RenderFolder(const RenderFolder&) = delete;
  RenderFolder& operator=(const RenderFolder&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

std::optional<bool> FirstPageHasInk(const fs::path& pdf, std::chrono::milliseconds limit) {
  RenderFolder folder;
  if (folder.Path().empty() || ::access(kRenderer, X_OK) != 0) return std::nullopt;
  fs::path root = folder.Path() / "page";
  OfficeProcess renderer(kRenderer, {"-r", kResolution, "-gray", "-f", "1", "-l", "1",
                                     "-singlefile", pdf.string(), root.string()});
  std::optional<int> status = renderer.WaitFor(limit);
  if (!status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) return std::nullopt;
  std::optional<std::string> pixels = Pixels(root.string() + ".pgm");
  if (!pixels) return std::nullopt;
  return std::any_of(pixels->begin(), pixels->end(),
                     [](char pixel) { return static_cast<unsigned char>(pixel) < kInk; });
}

}  // namespace platform::hosts
