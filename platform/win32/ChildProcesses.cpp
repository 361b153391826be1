// On Windows the shell's programs are real processes whose handles ShellExecuteEx gives the
// caller; this table of the other platform's children stays empty, but the shell still needs
// its destructor.

#include "platform/shell/ChildProcesses.h"

namespace platform {

ChildProcesses::~ChildProcesses() = default;

}  // namespace platform
