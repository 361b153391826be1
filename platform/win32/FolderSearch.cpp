// Windows searches a folder itself (FindFirstFileExW); this search over a host folder of the
// other platform is never started here, but the file system's table of searches still needs
// its destructor.

#include "platform/files/FolderSearch.h"

namespace platform {

FolderSearch::~FolderSearch() = default;

}  // namespace platform
