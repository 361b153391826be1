#include "tests/support/win32/server/ServerScript.h"

#include <windows.h>

namespace scriptedserver {

int32_t ServerScript::IdOf(const std::string& name) {
  const std::string key = UpperAscii(name);
  for (size_t i = 0; i < names.size(); ++i) {
    if (UpperAscii(names[i]) == key) return static_cast<int32_t>(i + 1);
  }
  names.push_back(name);
  return static_cast<int32_t>(names.size());
}

std::string ServerScript::NameOf(int32_t id) const {
  if (id < 1 || static_cast<size_t>(id) > names.size()) return {};
  return names[static_cast<size_t>(id) - 1];
}

void ServerScript::Reset(const std::string& newLabel) {
  label = newLabel;
  calls.clear();
  failures.clear();
  forgotten.clear();
  openDocuments.clear();
  created = 0;
}

ServerScript& Script() {
  static ServerScript script;
  return script;
}

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string Utf8(const wchar_t* text, size_t length) {
  if (length == 0) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), result.data(), size, nullptr,
                      nullptr);
  return result;
}

}  // namespace scriptedserver
