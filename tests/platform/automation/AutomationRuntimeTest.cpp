#include "platform/automation/AutomationRuntime.h"

#include <gtest/gtest.h>

#include "platform/automation/OleError.h"

namespace platform {
namespace {

// A server object that notes whether its last reference is gone.
class App : public IDispatch {
 public:
  explicit App(int& alive) : alive_(alive) { ++alive_; }
  ~App() override { --alive_; }
  HRESULT GetIDsOfNames(const std::vector<std::string>&, std::vector<DISPID>&) override {
    return E_NOTIMPL;
  }
  HRESULT Invoke(DISPID, uint16_t, const DispParams&, Variant*, ExcepInfo*) override {
    return E_NOTIMPL;
  }

 private:
  int& alive_;
};

// Not an automation object at all.
class Plain : public IUnknown {};

const CLSID kWord{"{000209FF-0000-0000-C000-000000000046}"};
const CLSID kOther{"{00000000-0000-0000-0000-000000000001}"};

class AutomationRuntimeTest : public testing::Test {
 protected:
  void RegisterWord(uint32_t contexts) {
    runtime.RegisterClass("Word.Application", kWord, contexts,
                          [this](std::shared_ptr<IUnknown>& object) {
                            object = std::make_shared<App>(alive);
                            return S_OK;
                          });
  }

  AutomationRuntime runtime;
  int alive = 0;
};

TEST_F(AutomationRuntimeTest, ProgIdsLeadToTheirClassIgnoringCase) {
  RegisterWord(CLSCTX_LOCAL_SERVER);
  CLSID clsid;
  EXPECT_EQ(runtime.CLSIDFromProgID("word.APPLICATION", clsid), S_OK);
  EXPECT_EQ(clsid, kWord);
  EXPECT_EQ(runtime.CLSIDFromProgID("Excel.Application", clsid), CO_E_CLASSSTRING);
  try {
    OleCheck(runtime.CLSIDFromProgID("Excel.Application", clsid));
    FAIL() << "no error";
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.Message(), "Invalid class string");
  }
}

TEST_F(AutomationRuntimeTest, CreatesInstancesForTheContextsTheServerServes) {
  RegisterWord(CLSCTX_LOCAL_SERVER);
  std::shared_ptr<IDispatch> first, second;
  EXPECT_EQ(runtime.CoCreateInstance(kWord, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, first),
            S_OK);
  EXPECT_EQ(runtime.CoCreateInstance(kWord, CLSCTX_LOCAL_SERVER, second), S_OK);
  EXPECT_NE(first, second);
  EXPECT_EQ(alive, 2);
  std::shared_ptr<IDispatch> third;
  EXPECT_EQ(runtime.CoCreateInstance(kWord, CLSCTX_INPROC_SERVER, third), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(third, nullptr);
}

TEST_F(AutomationRuntimeTest, UnregisteredClassesAndFailingServersGiveTheirResult) {
  std::shared_ptr<IDispatch> object;
  EXPECT_EQ(runtime.CoCreateInstance(kOther, 5, object), REGDB_E_CLASSNOTREG);
  try {
    OleCheck(runtime.CoCreateInstance(kOther, 5, object));
    FAIL() << "no error";
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.Message(), "Class not registered");
  }
  runtime.RegisterClass("Broken.Application", kOther, CLSCTX_LOCAL_SERVER,
                        [](std::shared_ptr<IUnknown>&) { return CO_E_SERVER_EXEC_FAILURE; });
  EXPECT_EQ(runtime.CoCreateInstance(kOther, 5, object), CO_E_SERVER_EXEC_FAILURE);
  runtime.RegisterClass("Plain.Object", kOther, CLSCTX_LOCAL_SERVER,
                        [](std::shared_ptr<IUnknown>& created) {
                          created = std::make_shared<Plain>();
                          return S_OK;
                        });
  EXPECT_EQ(runtime.CoCreateInstance(kOther, 5, object), E_NOINTERFACE);
}

TEST_F(AutomationRuntimeTest, TheLastReleaseEndsTheServerObject) {
  RegisterWord(CLSCTX_LOCAL_SERVER);
  std::shared_ptr<IDispatch> object;
  ASSERT_EQ(runtime.CoCreateInstance(kWord, 5, object), S_OK);
  Variant held = Variant::FromDispatch(object);
  object.reset();
  EXPECT_EQ(alive, 1);
  held.Clear();
  EXPECT_EQ(alive, 0);
}

TEST_F(AutomationRuntimeTest, RunningObjectTableFindsTheLatestRegistration) {
  std::shared_ptr<IUnknown> found;
  EXPECT_EQ(runtime.GetActiveObject(kWord, found), MK_E_UNAVAILABLE);
  auto older = std::make_shared<App>(alive);
  auto newer = std::make_shared<App>(alive);
  uint32_t olderId = 0, newerId = 0;
  ASSERT_EQ(runtime.RegisterActiveObject(older, kWord, olderId), S_OK);
  ASSERT_EQ(runtime.RegisterActiveObject(newer, kWord, newerId), S_OK);
  EXPECT_NE(olderId, newerId);
  EXPECT_EQ(runtime.GetActiveObject(kWord, found), S_OK);
  EXPECT_EQ(found, newer);
  EXPECT_EQ(runtime.GetActiveObject(kOther, found), MK_E_UNAVAILABLE);
  EXPECT_EQ(runtime.RevokeActiveObject(newerId), S_OK);
  EXPECT_EQ(runtime.GetActiveObject(kWord, found), S_OK);
  EXPECT_EQ(found, older);
  EXPECT_EQ(runtime.RevokeActiveObject(newerId), E_INVALIDARG);
}

TEST_F(AutomationRuntimeTest, TheTableKeepsARunningObjectAliveUntilRevoked) {
  uint32_t registration = 0;
  ASSERT_EQ(runtime.RegisterActiveObject(std::make_shared<App>(alive), kWord, registration), S_OK);
  EXPECT_EQ(alive, 1);
  ASSERT_EQ(runtime.RevokeActiveObject(registration), S_OK);
  EXPECT_EQ(alive, 0);
  std::shared_ptr<IUnknown> found;
  EXPECT_EQ(runtime.GetActiveObject(kWord, found), MK_E_UNAVAILABLE);
  EXPECT_EQ(runtime.RegisterActiveObject(nullptr, kWord, registration), E_INVALIDARG);
}

}  // namespace
}  // namespace platform
