#pragma once
// The value that travels through late-bound calls: nothing, a dispatch reference, text, a
// 32-bit integer, a boolean or an error code, each optionally passed by reference. Copying
// a variant that holds a dispatch reference adds a reference; clearing or destroying it
// releases one, and the last release ends the server object.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/automation/AutomationTypes.h"

namespace platform {

class IDispatch;

class Variant {
 public:
  Variant() = default;  // VT_EMPTY
  static Variant FromDispatch(std::shared_ptr<IDispatch> object);
  static Variant FromText(std::string text);
  static Variant FromInt(int32_t value);
  static Variant FromBool(bool value);  // True is -1, False is 0
  static Variant FromError(HRESULT scode);
  // A skipped optional argument: VT_ERROR by reference holding DISP_E_PARAMNOTFOUND.
  static Variant Omitted();
  // The same value, passed by reference.
  Variant ByRef() const;

  VARTYPE VarType() const { return byRef_ ? static_cast<VARTYPE>(type_ | VT_BYREF) : type_; }
  VARTYPE BaseType() const { return type_; }
  bool IsByRef() const { return byRef_; }
  bool IsEmpty() const { return type_ == VT_EMPTY; }

  // The held value; asking for another type than the one held raises a type mismatch.
  const std::shared_ptr<IDispatch>& Dispatch() const;
  const std::string& Text() const;
  int32_t Int() const;
  VARIANT_BOOL Bool() const;
  HRESULT Scode() const;

  // Back to VT_EMPTY, releasing a held reference.
  void Clear();

  bool operator==(const Variant&) const = default;

 private:
  void Expect(VARTYPE type) const;

  VARTYPE type_ = VT_EMPTY;
  bool byRef_ = false;
  std::shared_ptr<IDispatch> dispatch_;
  std::string text_;
  int32_t number_ = 0;  // VT_I4, VT_BOOL, and VT_ERROR's code
};

}  // namespace platform
