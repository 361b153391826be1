#pragma once
// A value that COM returned, as the platform's variant. The platform's variant holds
// nothing, objects, text, 32-bit integers, booleans and error codes; COM's other integer
// types come as 32-bit integers when they fit, and its other types (real numbers, dates,
// currency, arrays) do not pass.

#include "platform/automation/Variant.h"
#include "platform/win32/WinApi.h"

namespace platform::win32 {

// Converts `value` (left as it is; a reference is followed) into `result`. DISP_E_OVERFLOW
// for an integer beyond 32 bits, DISP_E_TYPEMISMATCH for a type the variant cannot hold.
HRESULT FromComVariant(const ::VARIANT& value, Variant& result);

}  // namespace platform::win32
