#include "tests/support/ScriptedServer.h"

#include <cstdio>
#include <map>
#include <set>
#include <utility>

#include "platform/automation/DispatchObject.h"
#include "platform/automation/OleError.h"

namespace testsupport {

using platform::HRESULT;
using platform::Variant;

struct ScriptedServer::State {
  std::string progId;
  std::string label;
  platform::CLSID clsid;
  HRESULT startResult = platform::S_OK;
  std::set<std::pair<std::string, std::string>> forgotten;
  struct Failure {
    std::function<bool(const RecordedCall&)> match;
    std::string description;
    HRESULT result = platform::DISP_E_EXCEPTION;
    bool raises = true;  // an exception with the description, else the bare result
  };
  std::vector<Failure> failures;
  std::function<void(const RecordedCall&)> onCall;
  std::vector<RecordedCall> calls;
  int created = 0;
  int alive = 0;
};

namespace {

class ScriptedObject : public platform::DispatchObject {
 public:
  ScriptedObject(std::shared_ptr<ScriptedServer::State> state, std::string label, bool isRoot)
      : state_(std::move(state)), label_(std::move(label)), isRoot_(isRoot) {
    if (isRoot_) {
      ++state_->created;
      ++state_->alive;
    }
  }
  ~ScriptedObject() override {
    if (isRoot_) --state_->alive;
  }

 protected:
  bool HasMember(const std::string& name) const override {
    return !state_->forgotten.contains({label_, name});
  }

  Variant OnInvoke(const Call& call) override {
    RecordedCall recorded{label_, call.Kind, call.Name, call.Args, call.Named};
    state_->calls.push_back(recorded);
    if (state_->onCall) state_->onCall(recorded);
    for (const auto& failure : state_->failures) {
      if (!failure.match(recorded)) continue;
      if (!failure.raises) throw platform::EOleSysError(failure.result);
      throw platform::EOleException(failure.description, failure.result, state_->label);
    }
    if (call.Kind == platform::DISPATCH_PROPERTYPUT) return Variant();
    return Variant::FromDispatch(Child(call.Name));
  }

 private:
  std::shared_ptr<ScriptedObject> Child(const std::string& name) {
    auto& child = children_[name];
    if (!child) child = std::make_shared<ScriptedObject>(state_, label_ + "." + name, false);
    return child;
  }

  std::shared_ptr<ScriptedServer::State> state_;
  std::string label_;
  bool isRoot_;
  std::map<std::string, std::shared_ptr<ScriptedObject>> children_;
};

std::string KindText(uint16_t kind) {
  switch (kind) {
    case platform::DISPATCH_METHOD:
      return "method";
    case platform::DISPATCH_PROPERTYGET:
      return "get";
    case platform::DISPATCH_PROPERTYPUT:
      return "put";
    case platform::DISPATCH_METHOD | platform::DISPATCH_PROPERTYGET:
      return "method|get";
    default:
      return "kind " + std::to_string(kind);
  }
}

std::string TypeText(platform::VARTYPE type) {
  switch (type) {
    case platform::VT_I4:
      return "I4";
    case platform::VT_BOOL:
      return "BOOL";
    case platform::VT_BSTR:
      return "BSTR";
    case platform::VT_ERROR:
      return "ERROR";
    case platform::VT_DISPATCH:
      return "DISPATCH";
    case platform::VT_EMPTY:
      return "EMPTY";
    default:
      return "VT " + std::to_string(type);
  }
}

std::string ValueText(const Variant& value) {
  switch (value.BaseType()) {
    case platform::VT_I4:
      return " " + std::to_string(value.Int());
    case platform::VT_BOOL:
      return " " + std::to_string(value.Bool());
    case platform::VT_BSTR:
      return " \"" + value.Text() + "\"";
    case platform::VT_ERROR: {
      char code[16];
      std::snprintf(code, sizeof code, " %.8X", value.Scode());
      return code;
    }
    default:
      return "";
  }
}

}  // namespace

std::string DescribeVariant(const Variant& value) {
  return TypeText(value.BaseType()) + (value.IsByRef() ? "&" : "") + ValueText(value);
}

std::string RecordedCall::Text() const {
  std::string text = Object + ": " + KindText(Kind) + " " + Name + "(";
  std::string separator;
  for (const Variant& arg : Args) {
    text += separator + DescribeVariant(arg);
    separator = ", ";
  }
  for (const platform::NamedArg& arg : Named) {
    text += separator + arg.Name + ":=" + DescribeVariant(arg.Value);
    separator = ", ";
  }
  return text + ")";
}

ScriptedServer::ScriptedServer(std::string progId, std::string label)
    : state_(std::make_shared<State>()) {
  static int serial = 0;
  char clsid[40];
  std::snprintf(clsid, sizeof clsid, "{5C6A0000-0000-4000-8000-%012d}", ++serial);
  state_->clsid = {clsid};
  state_->progId = std::move(progId);
  state_->label = std::move(label);
}

const std::string& ScriptedServer::ProgId() const {
  return state_->progId;
}

const platform::CLSID& ScriptedServer::Clsid() const {
  return state_->clsid;
}

void ScriptedServer::Register(platform::AutomationRuntime& runtime, uint32_t contexts) {
  std::weak_ptr<State> weak = state_;
  runtime.RegisterClass(state_->progId, state_->clsid, contexts,
                        [weak](std::shared_ptr<platform::IUnknown>& object) {
                          auto state = weak.lock();
                          if (!state) return platform::CO_E_SERVER_EXEC_FAILURE;
                          if (platform::FAILED(state->startResult)) return state->startResult;
                          object = std::make_shared<ScriptedObject>(state, state->label, true);
                          return platform::S_OK;
                        });
}

uint32_t ScriptedServer::RegisterRunning(platform::AutomationRuntime& runtime) {
  uint32_t registration = 0;
  platform::OleCheck(runtime.RegisterActiveObject(
      std::make_shared<ScriptedObject>(state_, state_->label, true), state_->clsid, registration));
  return registration;
}

void ScriptedServer::SetStartResult(HRESULT result) {
  state_->startResult = result;
}

void ScriptedServer::Forget(const std::string& object, const std::string& member) {
  state_->forgotten.insert({object, member});
}

void ScriptedServer::Fail(const std::string& object, const std::string& member,
                          const std::string& description) {
  FailWhen([=](const RecordedCall& call) { return call.Object == object && call.Name == member; },
           description);
}

void ScriptedServer::FailWhen(std::function<bool(const RecordedCall&)> match,
                              const std::string& description) {
  state_->failures.push_back({std::move(match), description, platform::DISP_E_EXCEPTION, true});
}

void ScriptedServer::FailWithResult(std::function<bool(const RecordedCall&)> match,
                                    HRESULT result) {
  state_->failures.push_back({std::move(match), "", result, false});
}

void ScriptedServer::SetOnCall(std::function<void(const RecordedCall&)> onCall) {
  state_->onCall = std::move(onCall);
}

const std::vector<RecordedCall>& ScriptedServer::Calls() const {
  return state_->calls;
}

std::vector<std::string> ScriptedServer::CallTexts() const {
  std::vector<std::string> texts;
  for (const RecordedCall& call : state_->calls) texts.push_back(call.Text());
  return texts;
}

void ScriptedServer::ClearCalls() {
  state_->calls.clear();
}

int ScriptedServer::Created() const {
  return state_->created;
}

int ScriptedServer::Alive() const {
  return state_->alive;
}

}  // namespace testsupport
