#include "platform/automation/Variant.h"

#include "platform/automation/OleError.h"

namespace platform {

Variant Variant::FromDispatch(std::shared_ptr<IDispatch> object) {
  Variant v;
  v.type_ = VT_DISPATCH;
  v.dispatch_ = std::move(object);
  return v;
}

Variant Variant::FromText(std::string text) {
  Variant v;
  v.type_ = VT_BSTR;
  v.text_ = std::move(text);
  return v;
}

Variant Variant::FromInt(int32_t value) {
  Variant v;
  v.type_ = VT_I4;
  v.number_ = value;
  return v;
}

Variant Variant::FromBool(bool value) {
  Variant v;
  v.type_ = VT_BOOL;
  v.number_ = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

Variant Variant::FromError(HRESULT scode) {
  Variant v;
  v.type_ = VT_ERROR;
  v.number_ = static_cast<int32_t>(scode);
  return v;
}

Variant Variant::Omitted() {
  return FromError(DISP_E_PARAMNOTFOUND).ByRef();
}

Variant Variant::ByRef() const {
  Variant v = *this;
  v.byRef_ = true;
  return v;
}

const std::shared_ptr<IDispatch>& Variant::Dispatch() const {
  Expect(VT_DISPATCH);
  return dispatch_;
}

const std::string& Variant::Text() const {
  Expect(VT_BSTR);
  return text_;
}

int32_t Variant::Int() const {
  Expect(VT_I4);
  return number_;
}

VARIANT_BOOL Variant::Bool() const {
  Expect(VT_BOOL);
  return static_cast<VARIANT_BOOL>(number_);
}

HRESULT Variant::Scode() const {
  Expect(VT_ERROR);
  return static_cast<HRESULT>(number_);
}

void Variant::Clear() {
  *this = Variant();
}

void Variant::Expect(VARTYPE type) const {
  if (type_ != type) throw EOleSysError(DISP_E_TYPEMISMATCH);
}

}  // namespace platform
