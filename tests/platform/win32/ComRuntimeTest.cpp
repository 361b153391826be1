#include "platform/win32/ComRuntime.h"

#include <gtest/gtest.h>

#include "platform/automation/DispatchInvoke.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"
#include "tests/support/win32/ScriptedComServer.h"

namespace {

using platform::Variant;
using testsupport::ScriptedComServer;
using Texts = std::vector<std::string>;

class ComRuntimeTest : public testing::Test {
 protected:
  platform::win32::ComRuntime runtime;
  ScriptedComServer server{"Word.Application", "Word"};
};

TEST_F(ComRuntimeTest, AProgIdLeadsToItsClassAndAnInstanceAnswersCalls) {
  platform::CLSID clsid;
  ASSERT_EQ(runtime.CLSIDFromProgID("word.APPLICATION", clsid), platform::S_OK);
  EXPECT_EQ(clsid, ScriptedComServer::Clsid());
  EXPECT_EQ(runtime.CLSIDFromProgID("Quillby.NoSuchApplication", clsid),
            platform::CO_E_CLASSSTRING);

  std::shared_ptr<platform::IDispatch> object;
  ASSERT_EQ(runtime.CoCreateInstance(
                clsid, platform::CLSCTX_INPROC_SERVER | platform::CLSCTX_LOCAL_SERVER, object),
            platform::S_OK);
  platform::DispatchInvoke(Variant::FromDispatch(object), platform::DISPATCH_METHOD, "Quit");
  EXPECT_EQ(server.CallTexts(), Texts{"Word: method Quit()"});
  EXPECT_EQ(server.Created(), 1);
  object.reset();
  EXPECT_EQ(server.Alive(), 0);
}

TEST_F(ComRuntimeTest, AClassThatIsNotThereIsReportedWithTheSystemsCode) {
  std::shared_ptr<platform::IDispatch> object;
  EXPECT_EQ(runtime.CoCreateInstance({"{6B29FC40-CA47-1067-B31D-00DD010662DA}"},
                                     platform::CLSCTX_INPROC_SERVER, object),
            platform::REGDB_E_CLASSNOTREG);
  EXPECT_EQ(runtime.CoCreateInstance({"Word.Application"}, platform::CLSCTX_INPROC_SERVER, object),
            platform::CO_E_CLASSSTRING)
      << "a class id, not a ProgID";
  EXPECT_EQ(runtime.TakeErrorInfo(), "");
  EXPECT_FALSE(object);
  EXPECT_EQ(server.Created(), 0);
}

TEST_F(ComRuntimeTest, ARunningInstanceIsFoundUntilItIsRevoked) {
  std::shared_ptr<platform::IUnknown> found;
  EXPECT_EQ(runtime.GetActiveObject(ScriptedComServer::Clsid(), found), platform::MK_E_UNAVAILABLE);

  // An instance that a user started enters itself in the running-object table.
  ::GUID guid;
  ASSERT_EQ(::IIDFromString(platform::win32::Wide(ScriptedComServer::Clsid().Text).data(), &guid),
            0);
  ::IUnknown* running = nullptr;
  ASSERT_EQ(::CoCreateInstance(guid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&running)),
            0);
  DWORD registration = 0;
  ASSERT_EQ(::RegisterActiveObject(running, guid, ACTIVEOBJECT_STRONG, &registration), 0);
  running->Release();

  ASSERT_EQ(runtime.GetActiveObject(ScriptedComServer::Clsid(), found), platform::S_OK);
  std::shared_ptr<platform::IDispatch> dispatch;
  ASSERT_EQ(platform::QueryInterface(found, dispatch), platform::S_OK);
  platform::DispatchInvoke(Variant::FromDispatch(dispatch), platform::DISPATCH_PROPERTYGET,
                           "Presentations");
  EXPECT_EQ(server.CallTexts(), Texts{"Word: get Presentations()"});
  EXPECT_EQ(server.Created(), 1) << "the running instance itself";

  ::RevokeActiveObject(registration, nullptr);
  found.reset();
  dispatch.reset();
  EXPECT_EQ(server.Alive(), 0) << "the table let go of it";
  EXPECT_EQ(runtime.GetActiveObject(ScriptedComServer::Clsid(), found), platform::MK_E_UNAVAILABLE);
}

}  // namespace
