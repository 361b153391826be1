#pragma once
// The client side of a late-bound call: look the member and its named arguments up by name
// on the object at the time of the call, invoke, and turn a failure into an error.

#include <string>
#include <vector>

#include "platform/automation/Variant.h"

namespace platform {

struct NamedArg {
  std::string Name;
  Variant Value;
};

// Calls `name` on the object that `object` refers to. `kind` is DISPATCH_METHOD,
// DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT or METHOD | PROPERTYGET; for a property write
// the last positional argument is the value written. Raises EOleError when `object` holds
// no object, EOleException with the server's description when the server raised one, and
// EOleSysError with the result code for every other failure.
Variant DispatchInvoke(const Variant& object, uint16_t kind, const std::string& name,
                       const std::vector<Variant>& args = {},
                       const std::vector<NamedArg>& named = {});

}  // namespace platform
