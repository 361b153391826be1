#include "tests/support/win32/ScriptedComServer.h"

#include <stdexcept>

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"
#include "tests/support/win32/server/ServerControl.h"

namespace testsupport {
namespace {

using platform::win32::Wide;

constexpr wchar_t kClassKey[] = L"Software\\Classes\\CLSID\\{A8DFC08D-9FC8-4B86-8AC8-3FB7C9E69FE4}";
constexpr wchar_t kServerDll[] = L"scripted_com_server.dll";

HMODULE Module(void* module) {
  return static_cast<HMODULE>(module);
}

template <typename Function>
Function Export(void* module, const char* name) {
  auto* address = ::GetProcAddress(Module(module), name);
  if (!address) throw std::runtime_error(std::string("the scripted server lacks ") + name);
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

// The scripted server's DLL beside the running test executable.
std::wstring ServerPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + kServerDll;
}

void SetDefault(HKEY root, const std::wstring& key, const std::wstring& name,
                const std::wstring& value) {
  HKEY opened = nullptr;
  if (::RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, platform::KEY_WRITE, nullptr, &opened,
                        nullptr) != 0) {
    throw std::runtime_error("cannot register the scripted server");
  }
  ::RegSetValueExW(opened, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(opened);
}

void RegisterIn(HKEY root, const std::wstring& progId, const std::wstring& dll) {
  SetDefault(root, L"Software\\Classes\\" + progId + L"\\CLSID", L"",
             Wide(ScriptedComServer::Clsid().Text));
  SetDefault(root, kClassKey, L"", progId);
  SetDefault(root, std::wstring(kClassKey) + L"\\ProgID", L"", progId);
  SetDefault(root, std::wstring(kClassKey) + L"\\InprocServer32", L"", dll);
  SetDefault(root, std::wstring(kClassKey) + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
}

}  // namespace

ScriptedComServer::ScriptedComServer(const std::string& progId, const std::string& label)
    : progId_(Wide(progId)) {
  // Test processes run side by side in one Wine prefix and share its registry: one
  // registration at a time.
  turn_ = ::CreateMutexW(nullptr, FALSE, L"Local\\SheafmillScriptedComServer");
  // An abandoned turn is a test process that ended without giving it back.
  const DWORD waited = turn_ ? ::WaitForSingleObject(turn_, 60000) : platform::WAIT_FAILED;
  if (waited != 0 && waited != WAIT_ABANDONED) {
    throw std::runtime_error("the scripted server is not free");
  }
  const std::wstring dll = ServerPath();
  module_ = ::LoadLibraryW(dll.c_str());
  if (!module_) throw std::runtime_error("cannot load the scripted server");
  Export<ServerResetFunction>(module_, "ServerReset")(label.c_str());
  Register(dll);
}

ScriptedComServer::~ScriptedComServer() {
  Unregister();
  ::FreeLibrary(Module(module_));
  ::ReleaseMutex(turn_);
  ::CloseHandle(turn_);
}

const platform::CLSID& ScriptedComServer::Clsid() {
  static const platform::CLSID clsid{"{A8DFC08D-9FC8-4B86-8AC8-3FB7C9E69FE4}"};
  return clsid;
}

void ScriptedComServer::Register(const std::wstring& dll) {
  RegisterIn(HKEY_CURRENT_USER, progId_, dll);
  // Windows merges the user's classes into the classes root; Wine's root is the machine's
  // only, so there the class is registered for the machine too.
  HKEY seen = nullptr;
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, progId_.c_str(), 0, platform::KEY_READ, &seen) == 0) {
    ::RegCloseKey(seen);
    return;
  }
  machineToo_ = true;
  RegisterIn(HKEY_LOCAL_MACHINE, progId_, dll);
}

void ScriptedComServer::Unregister() {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    if (root == HKEY_LOCAL_MACHINE && !machineToo_) continue;
    ::RegDeleteTreeW(root, (L"Software\\Classes\\" + progId_).c_str());
    ::RegDeleteTreeW(root, kClassKey);
  }
}

void ScriptedComServer::Fail(const std::string& object, const std::string& member,
                             const std::string& description) {
  Export<ServerFailFunction>(module_, "ServerFail")(object.c_str(), member.c_str(),
                                                    description.c_str());
}

void ScriptedComServer::Forget(const std::string& object, const std::string& member) {
  Export<ServerForgetFunction>(module_, "ServerForget")(object.c_str(), member.c_str());
}

std::vector<std::string> ScriptedComServer::CallTexts() const {
  const auto log = Export<ServerCallLogFunction>(module_, "ServerCallLog");
  std::string text(static_cast<size_t>(log(nullptr, 0)), '\0');
  log(text.data(), static_cast<int32_t>(text.size()));
  std::vector<std::string> calls;
  for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    calls.push_back(text.substr(start, end - start));
  }
  return calls;
}

int ScriptedComServer::Created() const {
  return Export<ServerCountFunction>(module_, "ServerCreated")();
}

int ScriptedComServer::Alive() const {
  return Export<ServerCountFunction>(module_, "ServerAlive")();
}

}  // namespace testsupport
