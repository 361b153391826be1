#pragma once
// Parameters of a started program split into arguments as Windows programs split their
// command line (CommandLineToArgvW): blanks and tabs separate arguments outside double
// quotes; 2n backslashes before a quote give n backslashes and the quote opens or closes a
// quoted part; 2n+1 backslashes before a quote give n backslashes and a literal quote;
// backslashes before anything else stay as they are; inside quotes every third consecutive
// quote is a literal one.

#include <string>
#include <vector>

namespace platform {

std::vector<std::string> SplitCommandLine(const std::string& parameters);

}  // namespace platform
