#include "platform/registry/RegistryStore.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/Error.h"
#include "platform/registry/FileLock.h"
#include "platform/registry/RegHive.h"
#include "platform/registry/RegParser.h"
#include "platform/registry/RegWriter.h"
#include "platform/registry/StoreFile.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

RegHive LoadHive(const fs::path& file) {
  RegHive hive;
  std::optional<std::string> bytes = ReadWholeFile(file);
  if (!bytes) return hive;
  std::string text = RegParser::DecodeFileText(*bytes);
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) return hive;
  RegParser::Apply(text, file.string(), hive);
  return hive;
}

// The file format has no way to write a line break in a name.
void CheckName(const std::string& name, const std::string& what) {
  if (name.find_first_of("\r\n") != std::string::npos) {
    throw Error(what + " \"" + name + "\" contains a line break");
  }
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

RegistryStore::RegistryStore(fs::path folder)
    : folder_(std::move(folder)), file_(folder_ / "user.reg") {}

fs::path RegistryStore::UserFolder() {
  if (std::string profile = Environment("SHEAFMILL_PROFILE"); !profile.empty()) return profile;
  if (fs::path config = Environment("XDG_CONFIG_HOME"); config.is_absolute()) {
    return config / "sheafmill";
  }
  std::string home = Environment("HOME");
  if (const passwd* user = home.empty() ? ::getpwuid(::getuid()) : nullptr) home = user->pw_dir;
  return fs::path(home) / ".config" / "sheafmill";
}

const fs::path& RegistryStore::File() const {
  return file_;
}

void RegistryStore::Read(const std::function<void(const RegHive&)>& reader) const {
  FileLock lock(folder_ / "user.reg.lock", FileLock::Mode::Shared);
  reader(LoadHive(file_));
}

bool RegistryStore::Change(const std::function<bool(RegHive&)>& change) {
  std::error_code error;
  fs::create_directories(folder_, error);
  if (error) throw Error("Cannot create \"" + folder_.string() + "\": " + error.message());
  FileLock lock(folder_ / "user.reg.lock", FileLock::Mode::Exclusive);
  // Writers replace the store only under this lock: a temporary store seen now was left by
  // one that was killed.
  RemoveStaleTemporaries(file_);
  RegHive hive = LoadHive(file_);
  if (!change(hive)) return false;
  ReplaceFile(file_, RegWriter::Format(hive.Subtree("")));
  return true;
}

bool RegistryStore::KeyExists(const std::string& key) const {
  return StoredKeyName(key).has_value();
}

std::optional<std::string> RegistryStore::StoredKeyName(const std::string& key) const {
  std::optional<std::string> name;
  Read([&](const RegHive& hive) {
    if (const RegKeyData* data = hive.Find(key)) name = data->path;
  });
  return name;
}

std::optional<RegValue> RegistryStore::GetValue(const std::string& key,
                                                const std::string& name) const {
  std::optional<RegValue> value;
  Read([&](const RegHive& hive) {
    const RegKeyData* data = hive.Find(key);
    if (const RegValue* found = data ? data->Find(name) : nullptr) value = *found;
  });
  return value;
}

std::vector<std::string> RegistryStore::ValueNames(const std::string& key) const {
  std::vector<std::string> names;
  Read([&](const RegHive& hive) {
    if (const RegKeyData* data = hive.Find(key)) {
      for (const auto& entry : data->values) names.push_back(entry.first);
    }
  });
  return names;
}

std::vector<std::pair<std::string, RegValue>> RegistryStore::Values(const std::string& key) const {
  std::vector<std::pair<std::string, RegValue>> values;
  Read([&](const RegHive& hive) {
    if (const RegKeyData* data = hive.Find(key)) values = data->values;
  });
  return values;
}

std::vector<std::string> RegistryStore::SubKeys(const std::string& key) const {
  std::vector<std::string> names;
  Read([&](const RegHive& hive) { names = hive.SubKeys(key); });
  return names;
}

bool RegistryStore::SetValue(const std::string& key, const std::string& name,
                             const RegValue& value) {
  CheckName(name, "The value name");
  return Change([&](RegHive& hive) {
    RegKeyData* data = hive.Find(key);
    if (data != nullptr) data->Set(name, value);
    return data != nullptr;
  });
}

bool RegistryStore::DeleteValue(const std::string& key, const std::string& name) {
  return Change([&](RegHive& hive) {
    RegKeyData* data = hive.Find(key);
    return data != nullptr && data->Remove(name);
  });
}

void RegistryStore::CreateKey(const std::string& key) {
  CheckName(key, "The key name");
  // Deeper trees slow every later reading of the store down, so Windows refuses them too.
  if (RegHive::Depth(RegHive::Normalize(key)) > RegHive::MaxDepth) {
    throw Error("The key \"" + key.substr(0, 80) + "...\" is nested deeper than " +
                std::to_string(RegHive::MaxDepth) + " levels");
  }
  Change([&](RegHive& hive) {
    if (hive.Find(key) != nullptr) return false;
    hive.Create(key);
    return true;
  });
}

bool RegistryStore::DeleteKey(const std::string& key) {
  return Change([&](RegHive& hive) { return hive.Delete(key); });
}

void RegistryStore::Import(const fs::path& regFile) {
  std::optional<std::string> bytes = ReadWholeFile(regFile);
  if (!bytes) throw Error("Cannot read \"" + regFile.string() + "\": the file does not exist");
  std::string text = RegParser::DecodeFileText(*bytes);
  Change([&](RegHive& hive) {
    RegParser::Apply(text, regFile.string(), hive);
    return true;
  });
}

bool RegistryStore::Export(const std::string& key, const fs::path& regFile) const {
  std::optional<std::string> text;
  Read([&](const RegHive& hive) {
    std::vector<const RegKeyData*> keys = hive.Subtree(key);
    if (!keys.empty()) text = RegWriter::Format(keys);
  });
  if (text) ReplaceFile(regFile, *text);
  return text.has_value();
}

}  // namespace platform
