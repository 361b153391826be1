#include "tools/batch/SourceFolders.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace batch {
namespace {

namespace fs = std::filesystem;

bool Within(const fs::path& inner, const fs::path& outer) {
  const auto [outerEnd, innerAt] =
      std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  return outerEnd == outer.end();
}

class FolderWalk {
 public:
  explicit FolderWalk(fs::path root) : root_(std::move(root)) {}

  // `folder` is a real path; `relative` is its path as the walk reached it.
  void Walk(const fs::path& folder, const fs::path& relative) {
    found_.push_back(relative);
    walked_.insert(folder);
    for (const fs::directory_entry& entry : SortedEntries(folder)) {
      std::error_code error;
      const fs::path name = entry.path().filename();
      if (name.string().starts_with(".") || !entry.is_directory(error)) continue;
      const fs::path real = fs::canonical(entry.path(), error);
      // A link leads out of the root, or to a folder walked already: to one on its own way
      // down (a loop), or to one that another name reaches too.
      if (error || !Within(real, root_) || walked_.count(real) != 0) continue;
      Walk(real, relative / name);
    }
  }
  std::vector<fs::path> Found() && { return std::move(found_); }

 private:
  static std::vector<fs::directory_entry> SortedEntries(const fs::path& folder) {
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      entries.push_back(*it);
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
      return a.path().filename() < b.path().filename();
    });
    return entries;
  }

  fs::path root_;
  std::set<fs::path> walked_;
  std::vector<fs::path> found_;
};

}  // namespace

std::vector<fs::path> SourceFolders(const fs::path& root) {
  std::error_code error;
  const fs::path real = fs::canonical(root, error);
  if (error) return {};
  FolderWalk walk(real);
  walk.Walk(real, "");
  return std::move(walk).Found();
}

bool LiesInside(const fs::path& inner, const fs::path& outer) {
  std::error_code error;
  const fs::path realInner = fs::weakly_canonical(inner, error);
  const fs::path realOuter = fs::weakly_canonical(outer, error);
  return realInner != realOuter && Within(realInner, realOuter);
}

}  // namespace batch
