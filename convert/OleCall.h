#pragma once
// Late-bound calls written the way the hosts' members are documented:
//   app.Read("Documents").Method("Open", {}, {{"FileName", StrRef(path)}});
// Each step looks the member up by name on the object at the time of the call. A failing
// call raises the platform's automation error, with the host's description when it gave one.

#include <string>
#include <vector>

#include "platform/automation/DispatchInvoke.h"

class OleCall {
 public:
  explicit OleCall(platform::Variant object) : object_(std::move(object)) {}

  // A member without arguments whose result is used (a collection, an option set): made as
  // method-or-property-read.
  OleCall Read(const std::string& name) const;
  // A property read with arguments: Item(path).
  OleCall Get(const std::string& name, const std::vector<platform::Variant>& args) const;
  // A method call; the caller keeps or drops the result.
  OleCall Method(const std::string& name, const std::vector<platform::Variant>& args = {},
                 const std::vector<platform::NamedArg>& named = {}) const;
  // A property write.
  void Put(const std::string& name, const platform::Variant& value) const;

  const platform::Variant& Value() const { return object_; }

 private:
  platform::Variant object_;
};

// Argument shorthands.
inline platform::Variant Str(std::string text) {
  return platform::Variant::FromText(std::move(text));
}
inline platform::Variant StrRef(std::string text) {
  return Str(std::move(text)).ByRef();
}
inline platform::Variant Int(int32_t value) {
  return platform::Variant::FromInt(value);
}
inline platform::Variant Bool(bool value) {
  return platform::Variant::FromBool(value);
}
inline platform::Variant Omitted() {
  return platform::Variant::Omitted();
}
