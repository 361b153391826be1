#pragma once
// Whole-file reading and crash-safe replacing, for the store file and the files that import
// and export use.

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The file's bytes; nothing when it does not exist. Other failures raise platform::Error.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Writes a temporary file in the same folder, flushes it to disk and renames it over `file`,
// so that `file` always holds either its old content or the new one. Failures raise
// platform::Error and leave `file` as it was; a read-only `file` is never replaced.
void ReplaceFile(const std::filesystem::path& file, const std::string& content);

// Removes the temporary files that a ReplaceFile of `file` left when its process was killed.
// Call it only where no other ReplaceFile of `file` can be under way (under the file's lock).
void RemoveStaleTemporaries(const std::filesystem::path& file);

}  // namespace platform
