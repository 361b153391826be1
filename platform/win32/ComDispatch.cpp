#include "platform/win32/ComDispatch.h"

#include "platform/win32/ComArguments.h"
#include "platform/win32/ComVariant.h"
#include "platform/win32/WideText.h"

namespace platform::win32 {
namespace {

std::string TextOf(::BSTR text) {
  return text ? Narrow(std::wstring_view(text, ::SysStringLen(text))) : std::string();
}

// Takes the server's exception, freeing what COM allocated for it.
void TakeException(::EXCEPINFO& exception, ExcepInfo* excepInfo) {
  if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
  if (excepInfo) {
    excepInfo->Source = TextOf(exception.bstrSource);
    excepInfo->Description = TextOf(exception.bstrDescription);
    excepInfo->Scode = static_cast<HRESULT>(exception.scode);
  }
  ::SysFreeString(exception.bstrSource);
  ::SysFreeString(exception.bstrDescription);
  ::SysFreeString(exception.bstrHelpFile);
}

}  // namespace

ComDispatch::~ComDispatch() {
  object_->Release();
}

HRESULT ComDispatch::GetIDsOfNames(const std::vector<std::string>& names,
                                   std::vector<DISPID>& ids) {
  std::vector<std::wstring> wide;
  std::vector<::LPOLESTR> pointers;
  wide.reserve(names.size());
  for (const std::string& name : names) pointers.push_back(wide.emplace_back(Wide(name)).data());
  std::vector<::DISPID> found(names.size(), DISPID_UNKNOWN);
  const auto status = static_cast<HRESULT>(
      object_->GetIDsOfNames(IID_NULL, pointers.data(), static_cast<::UINT>(pointers.size()),
                             LOCALE_USER_DEFAULT, found.data()));
  ids.assign(found.begin(), found.end());
  return status;
}

HRESULT ComDispatch::Invoke(DISPID member, uint16_t flags, const DispParams& params,
                            Variant* result, ExcepInfo* excepInfo) {
  ComArguments arguments(params);
  if (FAILED(arguments.Status())) return arguments.Status();
  ::VARIANT answer;
  ::VariantInit(&answer);
  ::EXCEPINFO exception{};
  ::UINT argumentError = 0;
  auto status = static_cast<HRESULT>(object_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags,
                                                     arguments.Params(), result ? &answer : nullptr,
                                                     &exception, &argumentError));
  if (status == DISP_E_EXCEPTION) TakeException(exception, excepInfo);
  if (SUCCEEDED(status) && result) status = FromComVariant(answer, *result);
  ::VariantClear(&answer);
  return status;
}

}  // namespace platform::win32
