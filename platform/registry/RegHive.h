#pragma once
// The keys and values of one registry tree in memory, as read from a store file. Keys are
// kept sorted the way Windows enumerates them (ASCII letter case ignored, a parent directly
// before its subkeys); values keep the order in which they were first written.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry/RegistryStore.h"

namespace platform {

struct RegKeyData {
  std::string path;  // relative to the root, letter case as created; "" is the root
  std::vector<std::pair<std::string, RegValue>> values;

  const RegValue* Find(const std::string& name) const;
  void Set(const std::string& name, const RegValue& value);  // an existing value keeps its place
  bool Remove(const std::string& name);
};

class RegHive {
 public:
  RegHive();

  // Windows nests keys at most this deep below a root key.
  static constexpr size_t MaxDepth = 512;

  // Drops a leading "\" and empty parts: "\A\\B\" is "A\B".
  static std::string Normalize(const std::string& key);
  // The number of names in a normalized key path ("A\B" is 2, the root 0).
  static size_t Depth(const std::string& normalized);

  const RegKeyData* Find(const std::string& key) const;
  RegKeyData* Find(const std::string& key);
  RegKeyData& Create(const std::string& key);  // with its parents
  bool Delete(const std::string& key);         // with its subkeys; never the root
  std::vector<std::string> SubKeys(const std::string& key) const;
  // The key and all keys below it, parents first; empty when the key is missing.
  std::vector<const RegKeyData*> Subtree(const std::string& key) const;

 private:
  static std::string SortKey(const std::string& normalized);
  std::map<std::string, RegKeyData>::const_iterator SubtreeEnd(const std::string& sortKey) const;

  std::map<std::string, RegKeyData> keys_;  // by SortKey
};

}  // namespace platform
