#include "platform/win32/ComVariant.h"

#include "platform/win32/ComDispatch.h"
#include "platform/win32/WideText.h"

namespace platform::win32 {
namespace {

bool IsOtherInteger(::VARTYPE type) {
  switch (type) {
    case ::VT_I1:
    case ::VT_I2:
    case ::VT_I8:
    case ::VT_UI1:
    case ::VT_UI2:
    case ::VT_UI4:
    case ::VT_UI8:
    case ::VT_INT:
    case ::VT_UINT:
      return true;
    default:
      return false;
  }
}

// Takes over one reference to `object` (which may be null: "Nothing").
Variant FromObject(::IDispatch* object) {
  return Variant::FromDispatch(object ? std::make_shared<ComDispatch>(object) : nullptr);
}

HRESULT FromPlain(::VARIANT& value, Variant& result) {
  switch (value.vt) {
    case VT_EMPTY:
      result = Variant();
      return S_OK;
    case VT_I4:
      result = Variant::FromInt(value.lVal);
      return S_OK;
    case VT_BOOL:
      result = Variant::FromBool(value.boolVal != 0);
      return S_OK;
    case VT_BSTR:
      result = Variant::FromText(
          value.bstrVal ? Narrow(std::wstring_view(value.bstrVal, ::SysStringLen(value.bstrVal)))
                        : std::string());
      return S_OK;
    case VT_ERROR:
      result = Variant::FromError(static_cast<HRESULT>(value.scode));
      return S_OK;
    case VT_DISPATCH:
      result = FromObject(std::exchange(value.pdispVal, nullptr));
      return S_OK;
    case ::VT_UNKNOWN: {
      ::IDispatch* object = nullptr;
      if (!value.punkVal || FAILED(static_cast<HRESULT>(value.punkVal->QueryInterface(
                                IID_IDispatch, reinterpret_cast<void**>(&object))))) {
        return DISP_E_TYPEMISMATCH;
      }
      result = FromObject(object);
      return S_OK;
    }
    default:
      break;
  }
  if (!IsOtherInteger(value.vt)) return DISP_E_TYPEMISMATCH;
  if (auto status = static_cast<HRESULT>(::VariantChangeType(&value, &value, 0, VT_I4));
      FAILED(status)) {
    return status;
  }
  result = Variant::FromInt(value.lVal);
  return S_OK;
}

}  // namespace

HRESULT FromComVariant(const ::VARIANT& value, Variant& result) {
  // A copy with any reference followed (VariantCopyInd only reads its source); an object in it
  // carries a reference of its own.
  ::VARIANT plain;
  ::VariantInit(&plain);
  auto status = static_cast<HRESULT>(::VariantCopyInd(&plain, const_cast<::VARIANT*>(&value)));
  if (SUCCEEDED(status)) status = FromPlain(plain, result);
  ::VariantClear(&plain);
  return status;
}

}  // namespace platform::win32
