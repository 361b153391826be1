#pragma once
// A folder named on the batch tool's command line, turned into the drive path that the
// program's folder trees take.

#include <string>

#include "platform/files/FileSystem.h"

namespace batch {

enum class MissingFolder { Refuse, Create, Allow };

// `argument` is a drive path ("C:\Docs", "c:/docs") or a host folder, absolute or relative to
// the working folder; the result is a drive path without a trailing "\" (but for a drive
// root). Raises UsageError when the folder lies on no drive (naming the drives), is not a
// folder, or is missing and `missing` says Refuse; Allow leaves a missing folder missing.
std::string DriveFolder(const std::string& argument, platform::FileSystem& files,
                        MissingFolder missing);

}  // namespace batch
