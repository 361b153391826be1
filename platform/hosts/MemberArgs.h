#pragma once
// The arguments of one call on a server member, found by position or by name as the member's
// parameter list orders them, and converted the way automation servers convert variants: an
// integer is accepted where a boolean is expected, a number where text is, and so on. A
// skipped optional argument takes the member's default.
//
// Failures raise EOleSysError with the code a server answers: DISP_E_BADPARAMCOUNT for too
// many arguments or a missing required one, DISP_E_PARAMNOTFOUND for an unknown argument
// name, DISP_E_TYPEMISMATCH for a value that does not convert.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/automation/DispatchInvoke.h"

namespace platform::hosts {

class MemberArgs {
 public:
  MemberArgs(const std::vector<Variant>& positional, const std::vector<NamedArg>& named,
             const std::vector<std::string>& parameters);

  // Whether argument `index` was given and not skipped.
  bool Has(size_t index) const;
  // A required argument.
  const Variant& At(size_t index) const;

  std::string Text(size_t index) const;
  int32_t Int(size_t index, int32_t fallback) const;
  bool Bool(size_t index, bool fallback) const;

  static std::string TextOf(const Variant& value);
  static int32_t IntOf(const Variant& value);
  static bool BoolOf(const Variant& value);

 private:
  std::vector<Variant> values_;  // one per parameter; empty optional slots hold Omitted()
};

}  // namespace platform::hosts
