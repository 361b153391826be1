#pragma once
// A base for server objects that answer late-bound calls by name. It keeps the name table
// (letter case ignored, as automation names are), turns each Invoke back into a call by
// name, and turns the errors the object raises into the results a client expects.

#include <map>
#include <string>
#include <vector>

#include "platform/automation/Dispatch.h"
#include "platform/automation/DispatchInvoke.h"

namespace platform {

class DispatchObject : public IDispatch {
 public:
  HRESULT GetIDsOfNames(const std::vector<std::string>& names, std::vector<DISPID>& ids) override;
  HRESULT Invoke(DISPID member, uint16_t flags, const DispParams& params, Variant* result,
                 ExcepInfo* excepInfo) override;

 protected:
  struct Call {
    uint16_t Kind = 0;
    std::string Name;
    std::vector<Variant> Args;  // a property write's value comes last
    std::vector<NamedArg> Named;
  };

  // Whether the object has a member of this name, which comes as the client wrote it:
  // compare ignoring letter case.
  virtual bool HasMember(const std::string& name) const = 0;
  // Answers one call. Raise EOleException for an exception with a description, or
  // EOleSysError for a bare result code; other errors become exceptions with their message.
  virtual Variant OnInvoke(const Call& call) = 0;

 private:
  DISPID IdOf(const std::string& name);
  HRESULT Translate(DISPID member, uint16_t flags, const DispParams& params, Call& call) const;

  std::vector<std::string> names_;          // the name of id i + 1, as first asked for
  std::map<std::string, DISPID> idsByKey_;  // upper-case name -> id
};

}  // namespace platform
