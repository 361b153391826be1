// The kernel's own answers: the WOW64 test, the local date, the error mode, sleeping, and
// comparison of names in the user's locale.

#include "platform/system/System.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace platform {
namespace {

using win32::Wide;

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

// The answer of IsWow64Process, looked up at run time: the Windows versions before it lack it.
std::optional<bool> AskWow64() {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return {};
  const auto function = reinterpret_cast<IsWow64ProcessFunction>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
  BOOL wow64 = FALSE;
  if (function == nullptr || !function(GetCurrentProcess(), &wow64)) return {};
  return wow64 != FALSE;
}

// CSTR_LESS_THAN, CSTR_EQUAL, CSTR_GREATER_THAN as <0, 0, >0; a failed call (0) as equal.
int Sign(int compared) {
  return compared == 0 ? 0 : compared - CSTR_EQUAL;
}

}  // namespace

std::optional<bool> System::IsWow64Process() const {
  if (wow64Set_) return wow64Override_;
  return AskWow64();
}

void System::SetWow64(std::optional<bool> answer) {
  wow64Override_ = answer;
  wow64Set_ = true;
}

LocalDate System::CurrentDate() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return LocalDate{now.wYear, now.wMonth, now.wDay};
}

uint32_t System::SetErrorMode(uint32_t mode) {
  return ::SetErrorMode(mode);
}

void System::Sleep(uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

int System::CompareString(const std::string& a, const std::string& b, bool ignoreCase) {
  const std::wstring x = Wide(a);
  const std::wstring y = Wide(b);
  return Sign(CompareStringW(LOCALE_USER_DEFAULT, ignoreCase ? NORM_IGNORECASE : 0, x.c_str(),
                             static_cast<int>(x.size()), y.c_str(), static_cast<int>(y.size())));
}

int System::CompareTextIgnoreCase(const std::string& a, const std::string& b) {
  const int order = lstrcmpiW(Wide(a).c_str(), Wide(b).c_str());
  return (order > 0) - (order < 0);
}

bool System::SameTextIgnoreCase(const std::string& a, const std::string& b) {
  return CompareTextIgnoreCase(a, b) == 0;
}

std::string System::SortKey(const std::string& text) {
  const std::wstring wide = Wide(text);
  const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const int length = static_cast<int>(wide.size());
  const int size = LCMapStringW(LOCALE_USER_DEFAULT, flags, wide.c_str(), length, nullptr, 0);
  if (size <= 0) return {};
  std::string key(static_cast<size_t>(size), '\0');
  // With LCMAP_SORTKEY the destination is a byte string, for all its wide-character type.
  LCMapStringW(LOCALE_USER_DEFAULT, flags, wide.c_str(), length,
               reinterpret_cast<wchar_t*>(key.data()), size);
  // The key ends in a NUL byte, which plain byte order needs no more than std::string does.
  if (!key.empty() && key.back() == '\0') key.pop_back();
  return key;
}

}  // namespace platform
