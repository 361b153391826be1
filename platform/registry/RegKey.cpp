#include "platform/registry/RegKey.h"

#include "platform/Error.h"
#include "platform/WinTypes.h"

namespace platform {
namespace {

ERegistryException InvalidType(const std::string& name) {
  return ERegistryException("Invalid data type for '" + name + "'");
}

}  // namespace

RegKey::RegKey(RegistryStore& store, std::string path, uint32_t access)
    : store_(&store), path_(std::move(path)), access_(access) {}

std::optional<RegKey> RegKey::Open(RegistryStore& store, const std::string& path, uint32_t access) {
  if (!store.KeyExists(path)) return std::nullopt;
  return RegKey(store, path, access);
}

RegistryStore& RegKey::Store() const {
  if (store_ == nullptr) throw Error("The registry key \"" + path_ + "\" is closed");
  return *store_;
}

bool RegKey::ValueExists(const std::string& name) const {
  return Store().GetValue(path_, name).has_value();
}

std::string RegKey::ReadString(const std::string& name) const {
  std::optional<RegValue> value = Store().GetValue(path_, name);
  if (!value) return {};
  if (value->type != RegType::Sz && value->type != RegType::ExpandSz) throw InvalidType(name);
  return value->text;
}

int32_t RegKey::ReadInteger(const std::string& name) const {
  std::optional<RegValue> value = Store().GetValue(path_, name);
  if (!value || value->type != RegType::Dword) throw InvalidType(name);
  return static_cast<int32_t>(value->dword);
}

void RegKey::WriteInteger(const std::string& name, int32_t value) {
  Write(name, RegValue::Dword(static_cast<uint32_t>(value)));
}

void RegKey::WriteString(const std::string& name, const std::string& value) {
  Write(name, RegValue::String(value));
}

void RegKey::Write(const std::string& name, const RegValue& value) {
  bool allowed = (access_ & KEY_SET_VALUE) != 0;
  if (!allowed || !Store().SetValue(path_, name, value)) {
    throw ERegistryException("Failed to set data for '" + name + "'");
  }
}

void RegKey::Close() {
  store_ = nullptr;
}

}  // namespace platform
