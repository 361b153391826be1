#pragma once
// The scripted server's state, one per process: the record of calls, the scripted failures
// and forgotten members, the member-ids by name, the documents open, and the application
// objects made and alive.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace scriptedserver {

struct ServerScript {
  std::string label = "App";
  std::vector<std::string> calls;
  std::map<std::pair<std::string, std::string>, std::string> failures;  // description
  std::set<std::pair<std::string, std::string>> forgotten;
  std::vector<std::string> names;  // the member name of id i + 1, as first asked for
  std::set<std::wstring> openDocuments;
  int32_t created = 0;
  int32_t alive = 0;  // not reset: objects of an earlier test may still end
  int32_t locks = 0;  // LockServer and objects of any kind: the DLL stays while any is held

  // The id of a name; names differ only by letter case share one.
  int32_t IdOf(const std::string& name);
  // The name of an id, empty for an id never given.
  std::string NameOf(int32_t id) const;
  void Reset(const std::string& newLabel);
};

ServerScript& Script();

// The member names compare ignoring the case of ASCII letters, as automation names do.
std::string UpperAscii(std::string text);
std::string Utf8(const wchar_t* text, size_t length);

}  // namespace scriptedserver
