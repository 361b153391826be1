#pragma once
// Automation errors. EOleSysError carries the result code of a failed request; its message
// is the platform's text for the code unless a more telling one is given. EOleException is
// an exception that a server raised inside a call, with the server's own description.

#include <string>

#include "platform/Error.h"
#include "platform/automation/AutomationTypes.h"

namespace platform {

class EOleError : public Error {
 public:
  using Error::Error;
};

class EOleSysError : public EOleError {
 public:
  // An empty message takes the platform's text for the code.
  explicit EOleSysError(HRESULT code, const std::string& message = "");
  HRESULT ErrorCode() const { return code_; }
  // "Unknown name.", "Class not registered", ...; "OLE error XXXXXXXX" for codes without one.
  static std::string MessageFor(HRESULT code);

 private:
  HRESULT code_;
};

class EOleException : public EOleSysError {
 public:
  EOleException(const std::string& description, HRESULT code, std::string source = "");
  const std::string& Source() const { return source_; }

 private:
  std::string source_;
};

// Raises EOleSysError for a failed result.
void OleCheck(HRESULT result);

}  // namespace platform
