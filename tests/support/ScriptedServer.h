#pragma once
// A scripted automation server for tests. It registers a class under a ProgID, hands out an
// application object whose every member exists unless the script says otherwise, and
// records each call that any of its objects receives: the object, the kind, the member, and
// the positional and named arguments with their variant types. Reading a member gives a
// sub-object named after it ("Word.Documents", "Word.Documents.Item"), so whole call chains
// can be followed. A call can be made to fail with an exception and a description, and an
// instance can be entered in the running-object table as if a user had started it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/AutomationRuntime.h"
#include "platform/automation/DispatchInvoke.h"

namespace testsupport {

struct RecordedCall {
  std::string Object;  // the label of the object called
  uint16_t Kind = 0;
  std::string Name;
  std::vector<platform::Variant> Args;  // a property write's value comes last
  std::vector<platform::NamedArg> Named;

  // "Word.Documents: method Open(FileName:=BSTR& "C:\A.DOC")"
  std::string Text() const;
};

// "EMPTY", "I4 97", "BOOL -1", "BSTR "text"", "ERROR 80020004", "DISPATCH"; "&" after the
// type when passed by reference ("BSTR& "text"").
std::string DescribeVariant(const platform::Variant& value);

class ScriptedServer {
 public:
  // `label` names the application object in the record ("Word").
  ScriptedServer(std::string progId, std::string label);

  const std::string& ProgId() const;
  const platform::CLSID& Clsid() const;

  void Register(platform::AutomationRuntime& runtime,
                uint32_t contexts = platform::CLSCTX_LOCAL_SERVER);
  // Starts an instance now and enters it in the running-object table; returns the
  // registration, with which the instance can be revoked (as if the user closed it).
  uint32_t RegisterRunning(platform::AutomationRuntime& runtime);
  // What creating an instance answers from now on (S_OK: a new application object).
  void SetStartResult(platform::HRESULT result);

  // The member no longer exists on the object: looking it up fails with an unknown name.
  void Forget(const std::string& object, const std::string& member);
  // The call raises an exception inside the server with this description.
  void Fail(const std::string& object, const std::string& member, const std::string& description);
  // Calls that match raise an exception with this description.
  void FailWhen(std::function<bool(const RecordedCall&)> match, const std::string& description);
  // Calls that match answer this result code without an exception.
  void FailWithResult(std::function<bool(const RecordedCall&)> match, platform::HRESULT result);
  // Runs for every call after it is recorded, before a scripted failure; a test can act as
  // the server would (write a file, raise an error of its own).
  void SetOnCall(std::function<void(const RecordedCall&)> onCall);

  const std::vector<RecordedCall>& Calls() const;
  std::vector<std::string> CallTexts() const;
  void ClearCalls();
  int Created() const;  // application objects made so far
  int Alive() const;    // application objects not yet ended by their last release

  struct State;

 private:
  std::shared_ptr<State> state_;  // shared with the objects, which may outlive the server
};

}  // namespace testsupport
