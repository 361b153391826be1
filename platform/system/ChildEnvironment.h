#pragma once
// What a child process is started with: this process's environment with some variables set
// anew, and the NUL-ended pointer arrays that exec and posix_spawn take.

#include <string>
#include <vector>

namespace platform {

// The environment of this process with each "NAME=value" of `changes` set on top of it.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& changes);

// Pointers to `texts`, ended by a null pointer; valid while `texts` is unchanged.
std::vector<char*> ExecPointers(std::vector<std::string>& texts);

}  // namespace platform
