#include <gtest/gtest.h>

#include "convert/HostAutomation.h"
#include "platform/win32/ComRuntime.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"
#include "tests/support/win32/ScriptedComServer.h"

namespace {

using Texts = std::vector<std::string>;

// PowerPoint played by the scripted server over the system's COM, once as a PowerPoint that
// the user started (in the running-object table) and once as none running.
class HostAutomationWin32Test : public testing::Test {
 protected:
  // Starts an instance and enters it in the running-object table, as PowerPoint does.
  DWORD StartAsUser() {
    ::GUID guid;
    EXPECT_EQ(
        ::IIDFromString(platform::win32::Wide(testsupport::ScriptedComServer::Clsid().Text).data(),
                        &guid),
        0);
    ::IUnknown* running = nullptr;
    EXPECT_EQ(::CoCreateInstance(guid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                 reinterpret_cast<void**>(&running)),
              0);
    DWORD registration = 0;
    EXPECT_EQ(::RegisterActiveObject(running, guid, ACTIVEOBJECT_STRONG, &registration), 0);
    running->Release();
    return registration;
  }

  platform::win32::ComRuntime runtime;
  platform::System system;
  testsupport::ScriptedComServer powerPoint{"PowerPoint.Application", "PowerPoint"};
  HostAutomation host{runtime, system};
  platform::Variant hostApp;
};

TEST_F(HostAutomationWin32Test, APowerPointTheUserStartedIsUsedAndLeftRunning) {
  const DWORD registration = StartAsUser();
  host.Start(HostPass::PowerPoint, hostApp);
  EXPECT_TRUE(host.AlreadyRunning());
  host.PrintOne(HostPass::PowerPoint, hostApp, "C:\\DOCS\\talk.ppt", "talk.ppt");
  host.End(HostPass::PowerPoint, hostApp);

  EXPECT_EQ(powerPoint.Created(), 1) << "no PowerPoint of its own";
  const Texts calls = powerPoint.CallTexts();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front(), "PowerPoint: method|get Presentations()");
  EXPECT_EQ(calls.back(), "PowerPoint.Presentations.Open: method Close()") << "no Quit";
  EXPECT_EQ(powerPoint.Alive(), 1) << "still running for the user";
  ::RevokeActiveObject(registration, nullptr);
  EXPECT_EQ(powerPoint.Alive(), 0);
}

TEST_F(HostAutomationWin32Test, WithoutARunningPowerPointANewOneIsStartedAndQuit) {
  host.Start(HostPass::PowerPoint, hostApp);
  EXPECT_FALSE(host.AlreadyRunning());
  host.End(HostPass::PowerPoint, hostApp);

  EXPECT_EQ(powerPoint.Created(), 1);
  EXPECT_EQ(powerPoint.CallTexts(), Texts{"PowerPoint: method Quit()"});
  EXPECT_EQ(powerPoint.Alive(), 0);
}

}  // namespace
