#include "tools/reg/RegTool.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <istream>
#include <ostream>

#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "tools/reg/RegValueText.h"

namespace tools {
namespace {

using platform::AsciiUpper;
using platform::RegValue;

constexpr char kRoot[] = "HKEY_CURRENT_USER";

struct Syntax {
  std::string operation;
  size_t operands;
  std::vector<std::string> switches;
};

const std::vector<Syntax> kSyntax = {
    {"QUERY", 1, {"/V", "/VE"}},
    {"ADD", 1, {"/V", "/VE", "/T", "/D", "/F"}},
    {"DELETE", 1, {"/V", "/VE", "/F"}},
    {"IMPORT", 1, {}},
    {"EXPORT", 2, {"/Y"}},
};

// "HKCU\Software" or "HKEY_CURRENT_USER\Software" to "Software"; nothing for other roots.
std::optional<std::string> KeyPath(const std::string& text) {
  size_t slash = std::min(text.find('\\'), text.size());
  std::string root = AsciiUpper(text.substr(0, slash));
  if (root != "HKCU" && root != kRoot) return std::nullopt;
  return slash < text.size() ? text.substr(slash + 1) : std::string();
}

std::optional<RegValue> ParseData(const std::string& type, const std::string& data) {
  if (type == "REG_SZ") return RegValue::String(data);
  if (type == "REG_EXPAND_SZ") return RegValue::ExpandString(data);
  if (type != "REG_DWORD") return std::nullopt;
  bool hex = data.size() > 2 && data[0] == '0' && (data[1] == 'x' || data[1] == 'X');
  const char* first = data.data() + (hex ? 2 : 0);
  const char* last = data.data() + data.size();
  if (data.empty()) return RegValue::Dword(0);
  uint32_t number = 0;
  auto [end, error] = std::from_chars(first, last, number, hex ? 16 : 10);
  if (error != std::errc() || end != last) return std::nullopt;
  return RegValue::Dword(number);
}

std::string ShownName(const std::string& name) {
  return name.empty() ? "(Default)" : name;
}

}  // namespace

RegTool::RegTool(platform::RegistryStore& store, std::istream& in, std::ostream& out,
                 std::ostream& err)
    : store_(store), in_(in), out_(out), err_(err) {}

int RegTool::Run(const std::vector<std::string>& args) {
  Command command;
  if (!args.empty()) command.operation = AsciiUpper(args[0]);
  auto syntax = std::find_if(kSyntax.begin(), kSyntax.end(),
                             [&](const Syntax& s) { return s.operation == command.operation; });
  if (syntax == kSyntax.end()) return SyntaxError("");
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (!ParseSwitches(rest, syntax->switches, command) ||
      command.operands.size() != syntax->operands) {
    return SyntaxError(command.operation);
  }
  try {
    return Execute(command);
  } catch (const platform::Error& error) {
    return Fail(error.Message());
  }
}

bool RegTool::ParseSwitches(const std::vector<std::string>& args,
                            const std::vector<std::string>& allowed, Command& command) {
  for (size_t i = 0; i < args.size(); ++i) {
    std::string name = AsciiUpper(args[i]);
    if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
      if (name.starts_with('/') && name.size() <= 3) return false;  // a switch, but not here
      command.operands.push_back(args[i]);
      continue;
    }
    bool takesArgument = name == "/V" || name == "/T" || name == "/D";
    if (takesArgument && ++i == args.size()) return false;
    if (name == "/V" || name == "/VE") {
      if (command.value) return false;
      command.value = name == "/V" ? args[i] : std::string();
    } else if (name == "/T") {
      command.type = AsciiUpper(args[i]);
    } else if (name == "/D") {
      command.data = args[i];
    } else {
      command.force = true;
    }
  }
  return true;
}

int RegTool::Execute(Command& command) {
  if (command.operation == "IMPORT") return Import(command);
  std::optional<std::string> key = KeyPath(command.operands[0]);
  if (!key) {
    return Fail("Invalid key name.\nType \"REG " + command.operation + " /?\" for usage.");
  }
  command.key = *key;
  if (command.operation == "QUERY") return Query(command);
  if (command.operation == "ADD") return Add(command);
  if (command.operation == "DELETE") return Delete(command);
  return Export(command);
}

int RegTool::Query(const Command& command) {
  if (!store_.KeyExists(command.key)) return NotFound();
  std::string name = FullName(command.key);
  auto values = store_.Values(command.key);
  if (command.value) {
    auto found = std::find_if(values.begin(), values.end(), [&](const auto& entry) {
      return platform::SameTextAscii(entry.first, *command.value);
    });
    if (found == values.end()) return NotFound();
    out_ << "\n" << name << "\n" << ValueLine(found->first, found->second) << "\n\n";
    return 0;
  }
  out_ << "\n";
  if (!values.empty()) {
    out_ << name << "\n";
    for (const auto& [valueName, value] : values) out_ << ValueLine(valueName, value) << "\n";
    out_ << "\n";
  }
  for (const std::string& subKey : store_.SubKeys(command.key)) {
    out_ << name << "\\" << subKey << "\n";
  }
  return 0;
}

int RegTool::Add(const Command& command) {
  bool setsValue = command.value || command.type || command.data;
  std::string valueName = command.value.value_or("");
  std::optional<RegValue> value =
      ParseData(command.type.value_or("REG_SZ"), command.data.value_or(""));
  if (setsValue && !value) return SyntaxError("ADD");
  if (setsValue && !command.force && store_.GetValue(command.key, valueName) &&
      !Confirm("Value " + ShownName(valueName) + " exists, overwrite(Yes/No)?")) {
    return Done("The operation was cancelled by the user.");
  }
  store_.CreateKey(command.key);
  if (setsValue && !store_.SetValue(command.key, valueName, *value)) return NotFound();
  return Done("The operation completed successfully.");
}

int RegTool::Delete(const Command& command) {
  if (!store_.KeyExists(command.key)) return NotFound();
  if (command.value) {
    if (!store_.GetValue(command.key, *command.value)) return NotFound();
    if (!command.force &&
        !Confirm("Delete the registry value " + ShownName(*command.value) + " (Yes/No)?")) {
      return Done("The operation was cancelled by the user.");
    }
    if (!store_.DeleteValue(command.key, *command.value)) return NotFound();
    return Done("The operation completed successfully.");
  }
  if (FullName(command.key) == kRoot) return Fail("Invalid key name.");
  if (!command.force &&
      !Confirm("Permanently delete the registry key " + FullName(command.key) + " (Yes/No)?")) {
    return Done("The operation was cancelled by the user.");
  }
  if (!store_.DeleteKey(command.key)) return NotFound();
  return Done("The operation completed successfully.");
}

int RegTool::Import(const Command& command) {
  store_.Import(command.operands[0]);
  return Done("The operation completed successfully.");
}

int RegTool::Export(const Command& command) {
  if (!store_.KeyExists(command.key)) return NotFound();
  const std::string& file = command.operands[1];
  if (!command.force && std::filesystem::exists(file) &&
      !Confirm("File " + file + " already exists. Overwrite (Yes/No)?")) {
    return Done("The operation was cancelled by the user.");
  }
  if (!store_.Export(command.key, file)) return NotFound();
  return Done("The operation completed successfully.");
}

std::string RegTool::FullName(const std::string& key) const {
  std::string stored = store_.StoredKeyName(key).value_or(key);
  return stored.empty() ? kRoot : kRoot + std::string("\\") + stored;
}

std::string RegTool::ValueLine(const std::string& name, const RegValue& value) {
  return "    " + ShownName(name) + "    " + RegTypeName(value.type) + "    " + RegDataText(value);
}

bool RegTool::Confirm(const std::string& question) {
  out_ << question << " " << std::flush;
  std::string answer;
  if (!std::getline(in_, answer)) {
    out_ << "\n";
    return false;
  }
  answer = AsciiUpper(answer);
  return answer == "Y" || answer == "YES";
}

int RegTool::Done(const std::string& message) {
  out_ << message << "\n";
  return 0;
}

int RegTool::Fail(const std::string& message) {
  err_ << "ERROR: " << message << "\n";
  return 1;
}

int RegTool::SyntaxError(const std::string& operation) {
  std::string usage = operation.empty() ? "REG /?" : "REG " + operation + " /?";
  return Fail("Invalid syntax.\nType \"" + usage + "\" for usage.");
}

int RegTool::NotFound() {
  return Fail("The system was unable to find the specified registry key or value.");
}

}  // namespace tools
