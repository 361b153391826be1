#include "platform/hosts/OfficeHosts.h"

#include <gtest/gtest.h>

#include "tests/platform/hosts/ScriptedOffice.h"

namespace {

using hoststest::ErrorOf;

class OfficeHostsTest : public hoststest::ScriptedHostsTest {};

TEST_F(OfficeHostsTest, WithoutLibreOfficeNoClassIsRegistered) {
  platform::AutomationRuntime bare;
  platform::hosts::OfficeHostOptions options;
  options.programFolder = temp.Path() / "no-office";
  EXPECT_FALSE(platform::hosts::RegisterOfficeHosts(bare, spooler, printers, files, options));
  HostAutomation program(bare, system);
  platform::Variant app;
  for (HostPass pass : {HostPass::Word, HostPass::Excel, HostPass::PowerPoint, HostPass::AutoCAD}) {
    EXPECT_EQ(ErrorOf([&] { program.Start(pass, app); }), "Invalid class string");
  }
}

TEST_F(OfficeHostsTest, AnOfficeThatCannotStartFailsTheCreation) {
  platform::hosts::RegisterHosts(
      runtime, Services(), []() -> std::unique_ptr<platform::hosts::Office> {
        throw platform::Error("LibreOffice could not be started (exit code 1)");
      });
  EXPECT_EQ(ErrorOf([&] { automation.Start(HostPass::Word, hostApp); }),
            "Server execution failed.\r\nLibreOffice could not be started (exit code 1)");
  EXPECT_TRUE(hostApp.IsEmpty());
}

TEST_F(OfficeHostsTest, MembersAreLookedUpByNameInAnyCaseAndUnknownOnesAreUnknown) {
  OleCall word = Create("word.application");
  word.Put("displayalerts", Bool(false));
  EXPECT_EQ(word.Read("DISPLAYALERTS").Value(), Int(0));
  try {
    word.Method("Visible");
    ADD_FAILURE() << "Visible exists";
  } catch (const platform::EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), platform::DISP_E_UNKNOWNNAME);
  }
  try {
    word.Put("Documents", Int(1));
    ADD_FAILURE() << "Documents can be written";
  } catch (const platform::EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), platform::DISP_E_MEMBERNOTFOUND);
  }
}

TEST_F(OfficeHostsTest, EveryInstanceHasAnOfficeOfItsOwn) {
  OleCall first = Create("Word.Application");
  OleCall second = Create("Word.Application");
  EXPECT_EQ(log->running, 2);
  first.Method("Quit");
  EXPECT_EQ(log->running, 1) << "Quit ends the office at once";
  second.Read("Documents").Method("Open", {StrRef(Compound("A.doc"))});
  EXPECT_EQ(log->events.back(), "open A.doc [MS Word 97|MS Word 95|MS WinWord 6.0]");
}

}  // namespace
