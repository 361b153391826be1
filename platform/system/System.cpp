#include "platform/system/System.h"

#include <sys/utsname.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <thread>

#include "platform/system/CaseFolding.h"
#include "platform/system/Collation.h"

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
  if (platform::SameTextIgnoreCase(a, b)) return ignoreCase ? 0 : CompareLetterCase(a, b);
  const int order = SortKey(a).compare(SortKey(b));
  return (order > 0) - (order < 0);
}

int System::CompareTextIgnoreCase(const std::string& a, const std::string& b) {
  return CompareString(a, b, true);
}

bool System::SameTextIgnoreCase(const std::string& a, const std::string& b) {
  return platform::SameTextIgnoreCase(a, b);
}

std::string System::SortKey(const std::string& text) {
  return Collation::Current().SortKey(text);
}

}  // namespace platform
