#pragma once
// sheafmill-reg: the Windows "reg" command over the current user's registry store, with its
// syntax, its output and its exit codes (0 success, 1 failure) for query, add, delete,
// import and export. Keys are written "HKCU\..." or "HKEY_CURRENT_USER\...".

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry/RegistryStore.h"

namespace tools {

class RegTool {
 public:
  RegTool(platform::RegistryStore& store, std::istream& in, std::ostream& out, std::ostream& err);

  // `args` without the program name, as "query", "HKCU\Software", "/v", "Name".
  int Run(const std::vector<std::string>& args);

 private:
  struct Command {
    std::string operation;  // upper case: QUERY, ADD, ...
    std::vector<std::string> operands;
    std::string key;                   // relative to the root, once parsed
    std::optional<std::string> value;  // /v NAME, or "" for /ve
    std::optional<std::string> type;   // /t
    std::optional<std::string> data;   // /d
    bool force = false;                // /f, /y
  };

  int Execute(Command& command);
  // Sorts `args` into operands and the `allowed` switches; false for any other switch.
  static bool ParseSwitches(const std::vector<std::string>& args,
                            const std::vector<std::string>& allowed, Command& command);
  int Query(const Command& command);
  int Add(const Command& command);
  int Delete(const Command& command);
  int Import(const Command& command);
  int Export(const Command& command);

  std::string FullName(const std::string& key) const;
  static std::string ValueLine(const std::string& name, const platform::RegValue& value);
  bool Confirm(const std::string& question);
  int Done(const std::string& message);
  int Fail(const std::string& message);
  int SyntaxError(const std::string& operation);
  int NotFound();

  platform::RegistryStore& store_;
  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace tools
