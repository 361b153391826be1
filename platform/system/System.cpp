#include "platform/system/System.h"

#include <sys/utsname.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <thread>

#include "platform/AsciiCase.h"
#include "platform/system/CaseFolding.h"

namespace platform {
namespace {

// A 32-bit build runs "under WOW64" when the kernel is a 64-bit one.
bool IsWow64Build() {
  if constexpr (sizeof(void*) != 4) {
    return false;
  } else {
    utsname host{};
    return uname(&host) == 0 && std::string_view(host.machine).find("64") != std::string_view::npos;
  }
}

// The order of the user's locale as Windows applies it to names: blanks and punctuation
// first, then digits, then letters; beyond ASCII, by folded code point.
uint32_t SortWeight(char32_t folded) {
  if (folded >= 0x80) return (3u << 21) | folded;
  if (folded >= 'a' && folded <= 'z') return (2u << 21) | folded;
  if (folded >= '0' && folded <= '9') return (1u << 21) | folded;
  return folded;
}

// Windows' word sort gives hyphens and apostrophes no weight of their own at first:
// "co-op" sorts next to "coop".
bool IsWordSortIgnorable(char32_t c) {
  return c == '-' || c == '\'';
}

bool NextFolded(std::string_view text, size_t& pos, bool skipIgnorable, char32_t& folded) {
  while (pos < text.size()) {
    folded = FoldCase(NextCodePoint(text, pos));
    if (!skipIgnorable || !IsWordSortIgnorable(folded)) return true;
  }
  return false;
}

int CompareFolded(std::string_view a, std::string_view b, bool skipIgnorable) {
  size_t i = 0;
  size_t j = 0;
  for (;;) {
    char32_t x = 0;
    char32_t y = 0;
    const bool hasX = NextFolded(a, i, skipIgnorable, x);
    const bool hasY = NextFolded(b, j, skipIgnorable, y);
    if (!hasX || !hasY) return static_cast<int>(hasX) - static_cast<int>(hasY);
    if (x != y) return SortWeight(x) < SortWeight(y) ? -1 : 1;
  }
}

// For texts equal but for letter case: lower case sorts first at the first difference.
int CompareLetterCase(std::string_view a, std::string_view b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const char32_t x = NextCodePoint(a, i);
    const char32_t y = NextCodePoint(b, j);
    if (x != y) return FoldCase(x) == x ? -1 : 1;
  }
  return 0;
}

// Each weight as three big-endian bytes. No weight has three zero bytes, so a zero triple
// sorts below every weight and can end a part of a key.
void AppendWeights(std::string& key, std::string_view text, bool skipIgnorable) {
  size_t pos = 0;
  char32_t folded = 0;
  while (NextFolded(text, pos, skipIgnorable, folded)) {
    const uint32_t weight = SortWeight(folded);
    key.push_back(static_cast<char>(weight >> 16));
    key.push_back(static_cast<char>((weight >> 8) & 0xFF));
    key.push_back(static_cast<char>(weight & 0xFF));
  }
}

}  // namespace

std::optional<bool> System::IsWow64Process() const {
  if (wow64Set_) return wow64Override_;
  if (const char* forced = std::getenv("SHEAFMILL_WOW64")) {
    if (std::string_view(forced) == "1") return true;
    if (std::string_view(forced) == "0") return false;
  }
  return IsWow64Build();
}

void System::SetWow64(std::optional<bool> answer) {
  wow64Override_ = answer;
  wow64Set_ = true;
}

LocalDate System::CurrentDate() const {
  if (dateOverride_) return *dateOverride_;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void System::SetCurrentDate(std::optional<LocalDate> date) {
  dateOverride_ = date;
}

uint32_t System::SetErrorMode(uint32_t mode) {
  const uint32_t previous = errorMode_;
  errorMode_ = mode;
  return previous;
}

void System::Sleep(uint32_t milliseconds) {
  if (sleepHandler_) return sleepHandler_(milliseconds);
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void System::SetSleepHandler(std::function<void(uint32_t)> handler) {
  sleepHandler_ = std::move(handler);
}

int System::CompareString(const std::string& a, const std::string& b, bool ignoreCase) {
  if (const int primary = CompareFolded(a, b, true); primary != 0) return primary;
  if (const int secondary = CompareFolded(a, b, false); secondary != 0) return secondary;
  return ignoreCase ? 0 : CompareLetterCase(a, b);
}

int System::CompareTextIgnoreCase(const std::string& a, const std::string& b) {
  return CompareString(a, b, true);
}

// The two passes of CompareString one after the other, the first one ended by a zero triple.
std::string System::SortKey(const std::string& text) {
  std::string key;
  key.reserve(6 * text.size() + 3);
  AppendWeights(key, text, true);
  key.append(3, '\0');
  AppendWeights(key, text, false);
  return key;
}

std::string System::UpperAscii(std::string text) {
  return AsciiUpper(text);
}

std::string System::LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace platform
