#include "platform/system/ChildEnvironment.h"

#include <algorithm>

extern char** environ;

namespace platform {

std::vector<std::string> ChildEnvironment(const std::vector<std::string>& changes) {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable = *entry;
    const std::string name = variable.substr(0, variable.find('=') + 1);
    const bool replaced = std::any_of(changes.begin(), changes.end(), [&](const std::string& c) {
      return c.compare(0, name.size(), name) == 0;
    });
    if (!replaced) variables.push_back(variable);
  }
  variables.insert(variables.end(), changes.begin(), changes.end());
  return variables;
}

std::vector<char*> ExecPointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace platform
