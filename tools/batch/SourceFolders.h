#pragma once
// The folders that a recursive run converts: SOURCE and every folder below it, parents before
// their subfolders, each level in name order. Hidden folders (".name") are left out, and so is
// a link that leads out of SOURCE or to a folder walked already (a loop, or a second name of
// one folder), so that the walk ends, stays inside, and converts no folder twice.

#include <filesystem>
#include <vector>

namespace batch {

// Relative paths below `root`; the first is "" (the root itself).
std::vector<std::filesystem::path> SourceFolders(const std::filesystem::path& root);

// Whether `inner` lies inside `outer` (not the same folder); links and "..", also of folders
// that do not exist yet, are resolved first.
bool LiesInside(const std::filesystem::path& inner, const std::filesystem::path& outer);

}  // namespace batch
