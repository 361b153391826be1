#pragma once
// The order of names in a locale's collation, letter case ignored: the order that
// setlocale(LC_COLLATE, "") gives the C library for the user's locale. Each name becomes a
// sort key once, and keys compare as plain bytes. Names that are not valid UTF-8 are
// ordered too: their stray bytes collate as U+FFFD, and names that the collation takes as
// equal are ordered by their case-folded code points, so that only names equal but for
// letter case have equal keys.

#include <locale.h>

#include <string>
#include <string_view>

namespace platform {

class Collation {
 public:
  // The process's collation, first that of the user's locale (LC_ALL, LC_COLLATE, LANG);
  // the code-point order of C.UTF-8 when that locale is not installed.
  static Collation& Current();

  Collation(const Collation&) = delete;
  Collation& operator=(const Collation&) = delete;
  ~Collation();

  // Orders by the named locale from now on; false, and nothing changes, when that locale is
  // not installed. "" is the user's locale, with the fallback above.
  bool Use(const std::string& localeName);
  // As given to Use: "" for the user's.
  const std::string& LocaleName() const { return name_; }

  std::string SortKey(std::string_view text) const;

 private:
  Collation();

  locale_t locale_{};
  std::string name_;
};

// Orders by a locale for its lifetime and puts the previous one back (for tests).
class CollationScope {
 public:
  explicit CollationScope(const std::string& localeName);
  ~CollationScope();
  CollationScope(const CollationScope&) = delete;
  CollationScope& operator=(const CollationScope&) = delete;

  bool Installed() const { return installed_; }

 private:
  std::string previous_;
  bool installed_ = false;
};

}  // namespace platform
