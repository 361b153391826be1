#include "platform/registry/RegHive.h"

#include <algorithm>

#include "platform/AsciiCase.h"

namespace platform {
namespace {

// Stands for "\" in sort keys: sorting below every printable character keeps a key's
// subkeys directly after it ("A", "A\B", "A B").
constexpr char kSortSeparator = '\x01';

std::string Parent(const std::string& normalized) {
  auto slash = normalized.rfind('\\');
  return slash == std::string::npos ? std::string() : normalized.substr(0, slash);
}

template <typename Values>
auto FindEntry(Values& values, const std::string& name) {
  return std::find_if(values.begin(), values.end(),
                      [&](const auto& entry) { return SameTextAscii(entry.first, name); });
}

}  // namespace

const RegValue* RegKeyData::Find(const std::string& name) const {
  auto it = FindEntry(values, name);
  return it == values.end() ? nullptr : &it->second;
}

void RegKeyData::Set(const std::string& name, const RegValue& value) {
  auto it = FindEntry(values, name);
  if (it == values.end()) {
    values.emplace_back(name, value);
  } else {
    it->second = value;
  }
}

bool RegKeyData::Remove(const std::string& name) {
  auto it = FindEntry(values, name);
  if (it == values.end()) return false;
  values.erase(it);
  return true;
}

RegHive::RegHive() {
  keys_.emplace("", RegKeyData{});
}

std::string RegHive::Normalize(const std::string& key) {
  std::string normalized;
  size_t start = 0;
  while (start <= key.size()) {
    size_t end = std::min(key.find('\\', start), key.size());
    if (end > start) {
      if (!normalized.empty()) normalized += '\\';
      normalized.append(key, start, end - start);
    }
    start = end + 1;
  }
  return normalized;
}

size_t RegHive::Depth(const std::string& normalized) {
  if (normalized.empty()) return 0;
  return static_cast<size_t>(std::count(normalized.begin(), normalized.end(), '\\')) + 1;
}

std::string RegHive::SortKey(const std::string& normalized) {
  std::string sortKey = AsciiUpper(normalized);
  std::replace(sortKey.begin(), sortKey.end(), '\\', kSortSeparator);
  return sortKey;
}

const RegKeyData* RegHive::Find(const std::string& key) const {
  auto it = keys_.find(SortKey(Normalize(key)));
  return it == keys_.end() ? nullptr : &it->second;
}

RegKeyData* RegHive::Find(const std::string& key) {
  return const_cast<RegKeyData*>(std::as_const(*this).Find(key));
}

RegKeyData& RegHive::Create(const std::string& key) {
  std::string normalized = Normalize(key);
  if (auto* existing = Find(normalized)) return *existing;
  Create(Parent(normalized));
  return keys_.emplace(SortKey(normalized), RegKeyData{normalized, {}}).first->second;
}

bool RegHive::Delete(const std::string& key) {
  std::string sortKey = SortKey(Normalize(key));
  auto first = keys_.find(sortKey);
  if (sortKey.empty() || first == keys_.end()) return false;
  keys_.erase(first, SubtreeEnd(sortKey));
  return true;
}

std::map<std::string, RegKeyData>::const_iterator RegHive::SubtreeEnd(
    const std::string& sortKey) const {
  if (sortKey.empty()) return keys_.end();
  return keys_.lower_bound(sortKey + static_cast<char>(kSortSeparator + 1));
}

std::vector<std::string> RegHive::SubKeys(const std::string& key) const {
  std::string sortKey = SortKey(Normalize(key));
  std::vector<std::string> names;
  if (!keys_.contains(sortKey)) return names;
  size_t prefix = sortKey.empty() ? 0 : sortKey.size() + 1;
  for (auto it = std::next(keys_.find(sortKey)), end = SubtreeEnd(sortKey); it != end; ++it) {
    if (it->first.find(kSortSeparator, prefix) == std::string::npos) {
      names.push_back(it->second.path.substr(prefix));
    }
  }
  return names;
}

std::vector<const RegKeyData*> RegHive::Subtree(const std::string& key) const {
  std::string sortKey = SortKey(Normalize(key));
  std::vector<const RegKeyData*> keys;
  auto first = keys_.find(sortKey);
  if (first == keys_.end()) return keys;
  for (auto it = first, end = SubtreeEnd(sortKey); it != end; ++it) keys.push_back(&it->second);
  return keys;
}

}  // namespace platform
