#include "platform/win32/ComRuntime.h"

#include "platform/win32/ComDispatch.h"
#include "platform/win32/ComUnknown.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace platform::win32 {
namespace {

HRESULT GuidOf(const CLSID& clsid, ::GUID& guid) {
  // IIDFromString takes only the braced form; CLSIDFromString would also look ProgIDs up.
  std::wstring text = Wide(clsid.Text);
  return FAILED(static_cast<HRESULT>(::IIDFromString(text.c_str(), &guid))) ? CO_E_CLASSSTRING
                                                                            : S_OK;
}

CLSID ClsidOf(const ::GUID& guid) {
  wchar_t text[40];
  const int length = ::StringFromGUID2(guid, text, 40);
  return {Narrow(std::wstring_view(text, length > 0 ? static_cast<size_t>(length - 1) : 0))};
}

// The description of the calling thread's error information, taken from the system.
std::string TakeThreadErrorInfo() {
  ::IErrorInfo* info = nullptr;
  if (::GetErrorInfo(0, &info) != 0 || !info) return {};
  ::BSTR description = nullptr;
  std::string text;
  if (SUCCEEDED(static_cast<HRESULT>(info->GetDescription(&description))) && description) {
    text = Narrow(std::wstring_view(description, ::SysStringLen(description)));
  }
  ::SysFreeString(description);
  info->Release();
  return text;
}

}  // namespace

ComRuntime::ComRuntime() {
  // S_FALSE (already entered on this thread) is balanced too; a thread in the other model
  // (RPC_E_CHANGED_MODE) is left as it is.
  entered_ = SUCCEEDED(static_cast<HRESULT>(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
}

ComRuntime::~ComRuntime() {
  if (entered_) ::CoUninitialize();
}

HRESULT ComRuntime::CLSIDFromProgID(const std::string& progId, CLSID& clsid) const {
  ::GUID guid;
  const std::wstring name = Wide(progId);
  const auto result = static_cast<HRESULT>(::CLSIDFromProgID(name.c_str(), &guid));
  if (SUCCEEDED(result)) clsid = ClsidOf(guid);
  return result;
}

HRESULT ComRuntime::CoCreateInstance(const CLSID& clsid, uint32_t context,
                                     std::shared_ptr<IDispatch>& object) {
  SetErrorInfo({});
  ::GUID guid;
  if (HRESULT result = GuidOf(clsid, guid); FAILED(result)) return result;
  ::IDispatch* created = nullptr;
  const auto result = static_cast<HRESULT>(::CoCreateInstance(guid, nullptr, context, IID_IDispatch,
                                                              reinterpret_cast<void**>(&created)));
  if (FAILED(result)) {
    SetErrorInfo(TakeThreadErrorInfo());
    return result;
  }
  object = std::make_shared<ComDispatch>(created);
  return S_OK;
}

HRESULT ComRuntime::GetActiveObject(const CLSID& clsid, std::shared_ptr<IUnknown>& object) const {
  ::GUID guid;
  if (HRESULT result = GuidOf(clsid, guid); FAILED(result)) return result;
  ::IUnknown* running = nullptr;
  const auto result = static_cast<HRESULT>(::GetActiveObject(guid, nullptr, &running));
  if (FAILED(result)) return result;
  object = ComUnknown::Wrap(running);
  return S_OK;
}

}  // namespace platform::win32
