#include "platform/shell/CommandLine.h"

namespace platform {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& parameters) {
  std::vector<std::string> arguments;
  size_t i = 0;
  while (i < parameters.size()) {
    while (i < parameters.size() && IsBlank(parameters[i])) ++i;
    if (i == parameters.size()) break;
    std::string argument;
    int quotes = 0;  // odd while inside a quoted part
    while (i < parameters.size() && !(IsBlank(parameters[i]) && quotes == 0)) {
      size_t backslashes = 0;
      while (i < parameters.size() && parameters[i] == '\\') ++backslashes, ++i;
      if (i == parameters.size() || parameters[i] != '"') {
        argument.append(backslashes, '\\');
        if (backslashes == 0) argument += parameters[i++];
        continue;
      }
      argument.append(backslashes / 2, '\\');
      ++i;
      if (backslashes % 2 == 1) {
        argument += '"';
        continue;
      }
      ++quotes;
      for (; i < parameters.size() && parameters[i] == '"'; ++i) {
        if (++quotes == 3) {
          argument += '"';
          quotes = 0;
        }
      }
      if (quotes == 2) quotes = 0;
    }
    arguments.push_back(argument);
  }
  return arguments;
}

}  // namespace platform
