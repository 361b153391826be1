#pragma once
// The numbers of the automation world: result codes, variant types, invoke kinds, class
// contexts and the special member ids, numbered as the platform numbers them.

#include <compare>
#include <cstdint>
#include <string>

namespace platform {

using HRESULT = uint32_t;
using DISPID = int32_t;
using VARTYPE = uint16_t;
using VARIANT_BOOL = int16_t;

inline constexpr bool FAILED(HRESULT hr) {
  return (hr & 0x80000000u) != 0;
}
inline constexpr bool SUCCEEDED(HRESULT hr) {
  return !FAILED(hr);
}

// Result codes.
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_NOTIMPL = 0x80004001;
inline constexpr HRESULT E_NOINTERFACE = 0x80004002;
inline constexpr HRESULT E_POINTER = 0x80004003;
inline constexpr HRESULT E_FAIL = 0x80004005;
inline constexpr HRESULT E_UNEXPECTED = 0x8000FFFF;
inline constexpr HRESULT E_INVALIDARG = 0x80070057;
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = 0x80020003;
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = 0x80020004;
inline constexpr HRESULT DISP_E_TYPEMISMATCH = 0x80020005;
inline constexpr HRESULT DISP_E_UNKNOWNNAME = 0x80020006;
inline constexpr HRESULT DISP_E_NONAMEDARGS = 0x80020007;
inline constexpr HRESULT DISP_E_EXCEPTION = 0x80020009;
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = 0x8002000E;
inline constexpr HRESULT REGDB_E_CLASSNOTREG = 0x80040154;
inline constexpr HRESULT MK_E_UNAVAILABLE = 0x800401E3;
inline constexpr HRESULT CO_E_CLASSSTRING = 0x800401F3;
inline constexpr HRESULT CO_E_SERVER_EXEC_FAILURE = 0x80080005;

// Variant types; VT_BYREF is combined with one of the others.
inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_I4 = 3;
inline constexpr VARTYPE VT_BSTR = 8;
inline constexpr VARTYPE VT_DISPATCH = 9;
inline constexpr VARTYPE VT_ERROR = 10;
inline constexpr VARTYPE VT_BOOL = 11;
inline constexpr VARTYPE VT_BYREF = 0x4000;

inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

// Invoke kinds; a method call whose result is used is made as METHOD | PROPERTYGET.
inline constexpr uint16_t DISPATCH_METHOD = 1;
inline constexpr uint16_t DISPATCH_PROPERTYGET = 2;
inline constexpr uint16_t DISPATCH_PROPERTYPUT = 4;

inline constexpr DISPID DISPID_UNKNOWN = -1;
inline constexpr DISPID DISPID_PROPERTYPUT = -3;

// Class contexts.
inline constexpr uint32_t CLSCTX_INPROC_SERVER = 1;
inline constexpr uint32_t CLSCTX_LOCAL_SERVER = 4;

// A class id in its registry form, "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}".
struct CLSID {
  std::string Text;
  auto operator<=>(const CLSID&) const = default;
};

}  // namespace platform
