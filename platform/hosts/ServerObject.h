#pragma once
// A base for the hosts' automation objects: each object declares its members with their
// parameters, and calls are routed to them by name (letter case ignored). Like the hosts it
// stands in for, a member answers a method call and a property read alike, so that
// "Documents" and "Item(...)" work whichever way a client asks; only writable properties
// take a property write. Errors raised by a member reach the client as exceptions with the
// member's description.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/DispatchObject.h"
#include "platform/hosts/MemberArgs.h"

namespace platform::hosts {

class ServerObject : public DispatchObject {
 protected:
  using Reader = std::function<Variant(const MemberArgs& args)>;
  using Writer = std::function<void(const Variant& value)>;

  // A method, or a property when `write` is given.
  void Member(const std::string& name, std::vector<std::string> parameters, Reader read,
              Writer write = nullptr);

  bool HasMember(const std::string& name) const override;
  Variant OnInvoke(const Call& call) override;

  // Wraps a server object in a variant, as members return objects.
  static Variant Object(std::shared_ptr<IDispatch> object) {
    return Variant::FromDispatch(std::move(object));
  }

 private:
  struct Entry {
    std::vector<std::string> parameters;
    Reader read;
    Writer write;
  };
  std::map<std::string, Entry> members_;  // upper-case name -> member
};

}  // namespace platform::hosts
