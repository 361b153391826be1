// The entry points of the scripted server's DLL: COM's, and the test's (ServerControl.h).

#include <unknwn.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "tests/support/win32/server/ScriptedClassFactory.h"
#include "tests/support/win32/server/ServerControl.h"
#include "tests/support/win32/server/ServerScript.h"

using scriptedserver::Script;
using scriptedserver::UpperAscii;

// The one class of the DLL, whatever class id it is registered under.
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE
    DllGetClassObject(REFCLSID, REFIID iid, LPVOID* object) {
  auto* factory = new scriptedserver::ScriptedClassFactory();
  const HRESULT result = factory->QueryInterface(iid, object);
  factory->Release();
  return result;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return Script().locks == 0 ? S_OK : S_FALSE;
}

extern "C" {

__declspec(dllexport) void ServerReset(const char* label) {
  Script().Reset(label);
}

__declspec(dllexport) void ServerFail(const char* object, const char* member,
                                      const char* description) {
  Script().failures[{object, UpperAscii(member)}] = description;
}

__declspec(dllexport) void ServerForget(const char* object, const char* member) {
  Script().forgotten.insert({object, UpperAscii(member)});
}

__declspec(dllexport) int32_t ServerCallLog(char* buffer, int32_t size) {
  std::string log;
  for (const std::string& call : Script().calls) log += call + "\n";
  if (buffer && size > 0) {
    std::memcpy(buffer, log.data(), std::min(log.size(), static_cast<size_t>(size)));
  }
  return static_cast<int32_t>(log.size());
}

__declspec(dllexport) int32_t ServerCreated() {
  return Script().created;
}

__declspec(dllexport) int32_t ServerAlive() {
  return Script().alive;
}
}
