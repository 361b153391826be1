#pragma once
// Kernel services that are neither files nor registry: the 64-bit Windows test, the local
// date, the critical-error mode, sleeping, and locale-aware comparison of names.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

struct LocalDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

class System {
 public:
  // The answer of IsWow64Process for the current process, or nothing when the function is
  // absent. True when the process is a 32-bit build on a 64-bit host; SHEAFMILL_WOW64=0|1
  // overrides it, and SetWow64 overrides both (for tests).
  std::optional<bool> IsWow64Process() const;
  void SetWow64(std::optional<bool> answer);

  LocalDate CurrentDate() const;
  void SetCurrentDate(std::optional<LocalDate> date);  // for tests; nothing = the clock

  // Nothing to suppress on this platform; the mode is kept so that callers can save and
  // restore it.
  uint32_t SetErrorMode(uint32_t mode);

  void Sleep(uint32_t milliseconds);
  // For tests: each pause goes to `handler` instead of waiting; nothing = wait again.
  void SetSleepHandler(std::function<void(uint32_t milliseconds)> handler);

  // CompareString in the user's default locale: <0, 0, >0, in the order of the locale's
  // collation (Collation.h): "apple" < "Ärger" < "Bach" for en_US, "zebra" < "Ärger" for
  // sv_SE. With ignoreCase, letter case is ignored; otherwise lower case sorts first among
  // texts equal but for it.
  static int CompareString(const std::string& a, const std::string& b, bool ignoreCase);
  // lstrcmpi: CompareString ignoring letter case; 0 for paths equal but for it.
  static int CompareTextIgnoreCase(const std::string& a, const std::string& b);
  // CompareTextIgnoreCase(a, b) == 0, without ordering the two.
  static bool SameTextIgnoreCase(const std::string& a, const std::string& b);
  // LCMapString with LCMAP_SORTKEY: a byte string whose plain byte order is the order of
  // CompareString(a, b, true), equal keys for texts equal but for letter case. Sorting many
  // names converts each once instead of collating both sides at every comparison.
  static std::string SortKey(const std::string& text);
  // The ASCII letters a to z in upper case, everything else as it is.
  static std::string UpperAscii(std::string text);
  static std::string LowerAscii(std::string text);

 private:
  std::optional<bool> wow64Override_;
  bool wow64Set_ = false;
  std::optional<LocalDate> dateOverride_;
  uint32_t errorMode_ = 0;
  std::function<void(uint32_t)> sleepHandler_;
};

// Sets an error mode for its lifetime and restores the mode it found, on every path.
class ErrorModeScope {
 public:
  ErrorModeScope(System& system, uint32_t mode)
      : system_(system), saved_(system.SetErrorMode(mode)) {}
  ~ErrorModeScope() { system_.SetErrorMode(saved_); }
  ErrorModeScope(const ErrorModeScope&) = delete;
  ErrorModeScope& operator=(const ErrorModeScope&) = delete;

 private:
  System& system_;
  uint32_t saved_;
};

}  // namespace platform
