// The current user's registry on Windows: HKEY_CURRENT_USER itself. The store folder of the
// other platform has no meaning here.

#include "platform/registry/RegistryStore.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace platform {
namespace {

using win32::Narrow;
using win32::Wide;

// Key paths may begin with "\", meaning HKEY_CURRENT_USER itself.
std::wstring KeyPath(const std::string& key) {
  return Wide(key.starts_with('\\') ? std::string_view(key).substr(1) : std::string_view(key));
}

// An open key, closed on every path.
class OpenKey {
 public:
  OpenKey(const std::string& key, REGSAM access) {
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(key).c_str(), 0, access, &key_) != 0) {
      key_ = nullptr;
    }
  }
  ~OpenKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  explicit operator bool() const { return key_ != nullptr; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// Text data as stored, without the terminating NULs that writers may or may not have stored.
std::string TextOf(const std::vector<uint8_t>& data) {
  std::wstring text(data.size() / sizeof(wchar_t), L'\0');
  std::copy(data.begin(), data.begin() + static_cast<ptrdiff_t>(text.size() * sizeof(wchar_t)),
            reinterpret_cast<uint8_t*>(text.data()));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return Narrow(text);
}

RegValue ValueOf(DWORD type, std::vector<uint8_t> data) {
  switch (static_cast<RegType>(type)) {
    case RegType::Sz:
      return RegValue::String(TextOf(data));
    case RegType::ExpandSz:
      return RegValue::ExpandString(TextOf(data));
    case RegType::Dword: {
      if (data.size() != sizeof(uint32_t)) break;
      uint32_t dword = 0;
      std::copy(data.begin(), data.end(), reinterpret_cast<uint8_t*>(&dword));
      return RegValue::Dword(dword);
    }
    default:
      break;
  }
  return RegValue::Bytes(static_cast<RegType>(type), std::move(data));
}

std::optional<RegValue> QueryValue(HKEY key, const std::wstring& name) {
  DWORD type = 0;
  DWORD size = 0;
  // A value may grow between the two calls; ask again with the new size then.
  for (;;) {
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != 0) return {};
    std::vector<uint8_t> data(size);
    const LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
    if (status == ERROR_MORE_DATA) continue;
    if (status != 0) return {};
    data.resize(size);
    return ValueOf(type, std::move(data));
  }
}

std::vector<uint8_t> DataOf(const RegValue& value) {
  switch (value.type) {
    case RegType::Sz:
    case RegType::ExpandSz: {
      const std::wstring text = Wide(value.text);
      const auto* begin = reinterpret_cast<const uint8_t*>(text.c_str());
      return {begin, begin + (text.size() + 1) * sizeof(wchar_t)};
    }
    case RegType::Dword: {
      const auto* begin = reinterpret_cast<const uint8_t*>(&value.dword);
      return {begin, begin + sizeof(value.dword)};
    }
    default:
      return value.bytes;
  }
}

// The names that RegEnumKeyExW or RegEnumValueW give, one index after another.
template <typename Enumerate>
std::vector<std::string> Names(const std::string& key, Enumerate enumerate) {
  std::vector<std::string> names;
  const OpenKey open(key, KEY_READ);
  if (!open) return names;
  // Names of keys and values are at most 16,383 characters long.
  std::wstring name(16384, L'\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    if (enumerate(open.Get(), index, name.data(), &length) != 0) break;
    names.push_back(Narrow(std::wstring_view(name.data(), length)));
  }
  return names;
}

}  // namespace

RegistryStore::RegistryStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

bool RegistryStore::KeyExists(const std::string& key) const {
  return static_cast<bool>(OpenKey(key, KEY_READ));
}

std::optional<RegValue> RegistryStore::GetValue(const std::string& key,
                                                const std::string& name) const {
  const OpenKey open(key, KEY_READ);
  if (!open) return {};
  return QueryValue(open.Get(), Wide(name));
}

std::vector<std::string> RegistryStore::ValueNames(const std::string& key) const {
  return Names(key, [](HKEY open, DWORD index, wchar_t* name, DWORD* length) {
    return RegEnumValueW(open, index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

std::vector<std::pair<std::string, RegValue>> RegistryStore::Values(const std::string& key) const {
  std::vector<std::pair<std::string, RegValue>> values;
  const OpenKey open(key, KEY_READ);
  if (!open) return values;
  for (const std::string& name : ValueNames(key)) {
    if (auto value = QueryValue(open.Get(), Wide(name))) values.emplace_back(name, *value);
  }
  return values;
}

std::vector<std::string> RegistryStore::SubKeys(const std::string& key) const {
  return Names(key, [](HKEY open, DWORD index, wchar_t* name, DWORD* length) {
    return RegEnumKeyExW(open, index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

bool RegistryStore::SetValue(const std::string& key, const std::string& name,
                             const RegValue& value) {
  const OpenKey open(key, KEY_SET_VALUE);
  if (!open) return false;
  const std::vector<uint8_t> data = DataOf(value);
  return RegSetValueExW(open.Get(), Wide(name).c_str(), 0, static_cast<DWORD>(value.type),
                        data.data(), static_cast<DWORD>(data.size())) == 0;
}

bool RegistryStore::DeleteValue(const std::string& key, const std::string& name) {
  const OpenKey open(key, KEY_SET_VALUE);
  return open && RegDeleteValueW(open.Get(), Wide(name).c_str()) == 0;
}

void RegistryStore::CreateKey(const std::string& key) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(key).c_str(), 0, nullptr, 0, KEY_READ, nullptr,
                      &created, nullptr) == 0) {
    RegCloseKey(created);
  }
}

bool RegistryStore::DeleteKey(const std::string& key) {
  const std::wstring path = KeyPath(key);
  if (path.empty()) return false;  // never the root
  // With a subkey named, RegDeleteTreeW removes that key too.
  return RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()) == 0;
}

}  // namespace platform
