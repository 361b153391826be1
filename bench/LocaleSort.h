#pragma once
// The baselines' sort: names in the order of the user's locale, letter case ignored, with
// one sort key made per name, as the cheapest sort in that order goes.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/system/System.h"

namespace bench {

inline void SortAsTheLocaleDoes(std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(names.size());
  for (std::string& name : names)
    keyed.emplace_back(platform::System::SortKey(name), std::move(name));
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].second);
}

}  // namespace bench
