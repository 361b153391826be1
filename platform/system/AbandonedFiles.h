#pragma once
// Files that a process of this program leaves behind only when it is killed (kill -9, a
// crash): temporary folders, office pipes. Each is named after the process that made it,
// prefix + its process id + "-" + anything, so that a later start can tell its own dead
// leftovers from what runs or belongs to someone else.

#include <filesystem>
#include <string>

namespace platform {

// Removes, with all they hold, the entries of `folder` named `prefix` + a process id + "-"
// + anything that belong to this user and whose process no longer runs.
void RemoveAbandoned(const std::filesystem::path& folder, const std::string& prefix);

}  // namespace platform
