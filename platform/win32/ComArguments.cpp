#include "platform/win32/ComArguments.h"

#include "platform/win32/ComDispatch.h"
#include "platform/win32/WideText.h"

namespace platform::win32 {

ComArguments::ComArguments(const DispParams& params) {
  const size_t named = params.Named.size();
  const size_t count = named + params.Args.size();
  // Sized once: the by-reference values point into referents_.
  values_.resize(count);
  referents_.resize(count);
  for (::VARIANT& value : values_) ::VariantInit(&value);
  for (::VARIANT& value : referents_) ::VariantInit(&value);
  for (size_t i = 0; i < named; ++i) {
    namedIds_.push_back(params.Named[i].first);
    Put(i, params.Named[i].second);
  }
  for (size_t i = 0; i < params.Args.size(); ++i) Put(count - 1 - i, params.Args[i]);
  params_.rgvarg = values_.data();
  params_.rgdispidNamedArgs = namedIds_.data();
  params_.cArgs = static_cast<::UINT>(count);
  params_.cNamedArgs = static_cast<::UINT>(named);
}

ComArguments::~ComArguments() {
  for (::VARIANT& value : values_) ::VariantClear(&value);
  for (::VARIANT& value : referents_) ::VariantClear(&value);
}

void ComArguments::Put(size_t slot, const Variant& value) {
  if (!value.IsByRef()) return Set(values_[slot], value);
  ::VARIANT& referent = referents_[slot];
  Set(referent, value);
  ::VARIANT& reference = values_[slot];
  if (referent.vt == VT_EMPTY) {
    // Nothing has no by-reference form of its own: a reference to a variant holding nothing.
    reference.vt = VT_BYREF | ::VT_VARIANT;
    reference.pvarVal = &referent;
    return;
  }
  reference.vt = static_cast<::VARTYPE>(VT_BYREF | referent.vt);
  // Every member of the variant's value starts at the same place.
  reference.byref = &referent.lVal;
}

void ComArguments::Set(::VARIANT& target, const Variant& value) {
  switch (value.BaseType()) {
    case VT_I4:
      target.vt = VT_I4;
      target.lVal = value.Int();
      return;
    case VT_BOOL:
      target.vt = VT_BOOL;
      target.boolVal = value.Bool();
      return;
    case VT_BSTR: {
      const std::wstring text = Wide(value.Text());
      target.vt = VT_BSTR;
      target.bstrVal = ::SysAllocStringLen(text.data(), static_cast<::UINT>(text.size()));
      return;
    }
    case VT_ERROR:
      target.vt = VT_ERROR;
      target.scode = static_cast<::SCODE>(value.Scode());
      return;
    case VT_DISPATCH: {
      // "Nothing" passes as a null object; an object of the platform's own cannot pass.
      auto* object = dynamic_cast<ComDispatch*>(value.Dispatch().get());
      if (value.Dispatch() && !object) {
        status_ = DISP_E_TYPEMISMATCH;
        return;
      }
      target.vt = VT_DISPATCH;
      target.pdispVal = object ? object->Object() : nullptr;
      if (target.pdispVal) target.pdispVal->AddRef();
      return;
    }
    default:
      return;
  }
}

}  // namespace platform::win32
