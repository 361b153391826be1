#include "convert/ConversionRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "convert/DriverNames.h"
#include "platform/Platform.h"
#include "platform/WinTypes.h"
#include "platform/automation/OleError.h"
#include "platform/driver/DriverInstaller.h"
#include "platform/driver/PdfDriver.h"
#include "platform/registry/RegKey.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/ScriptedOffice.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;
using Texts = std::vector<std::string>;

// The main window as the run sees it: boxes, two folders, a source list that lists the source
// folder under the mask as the file list does, and a record of what the run showed.
class FakeWindow : public ConversionWindow {
 public:
  explicit FakeWindow(platform::FileSystem& files) : files_(files) {}

  std::set<int> ticked{1, 4, 5};
  std::string source = "C:\\SRC\\";
  std::string destination = "C:\\OUT\\";
  std::string mask;
  Texts status;    // "1:text" for the upper line, "2:text" for the lower one
  Texts messages;  // message boxes
  Texts enabled;   // "off" and "on", as the run switched its controls
  int destinationReloads = 0;
  std::function<void()> onPump;

  bool BoxChecked(int number) override { return ticked.count(number) != 0; }
  std::string SourceDirectory() override { return source; }
  std::string DestinationDirectory() override { return destination; }
  void SetSourceMask(const std::string& newMask) override { mask = newMask; }
  void ReloadSource() override { entries_ = List(source, mask); }
  int SourceCount() override { return static_cast<int>(entries_.size()); }
  std::string SourceEntry(int index) override { return entries_.at(static_cast<size_t>(index)); }
  void ReloadDestination() override { ++destinationReloads; }
  void SetStatus(StatusLine line, const std::string& text) override {
    status.push_back((line == StatusLine::Upper ? "1:" : "2:") + text);
  }
  void ProcessMessages() override {
    if (onPump) onPump();
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void EnableRunControls(bool on) override { enabled.push_back(on ? "on" : "off"); }

 private:
  Texts List(const std::string& folder, const std::string& patterns) {
    Texts found;
    size_t start = 0;
    while (start <= patterns.size()) {
      const size_t end = std::min(patterns.find(';', start), patterns.size());
      platform::FindData data;
      const auto handle = files_.FindFirstFile(folder + patterns.substr(start, end - start), data);
      for (bool more = handle != platform::INVALID_HANDLE_VALUE; more;
           more = files_.FindNextFile(handle, data)) {
        if ((data.Attributes & platform::FILE_ATTRIBUTE_DIRECTORY) == 0) found.push_back(data.Name);
      }
      if (handle != platform::INVALID_HANDLE_VALUE) files_.FindClose(handle);
      start = end + 1;
    }
    std::sort(found.begin(), found.end());
    return found;
  }

  platform::FileSystem& files_;
  Texts entries_;
};

class ConversionRunTest : public ::testing::Test {
 protected:
  ConversionRunTest()
      : platform_({temp_.MakeDir("profile"), temp_.MakeDir("home"), temp_.MakeDir("programs")}),
        driver_(platform_.Registry(), platform_.Files(), platform_.Sys()),
        office_(platform_.Automation(), platform_.Spool(), temp_.Path() / "spool"),
        window_(platform_.Files()),
        run_(window_, platform_.Automation(), platform_.Registry(), platform_.Files(),
             platform_.Sys(), platform_.ProfileLocks()) {
    platform::driver::Install(platform_.Registry(), platform_.Printing());
    driver_.RegisterWith(platform_.Spool());
    platform_.Sys().SetWow64(false);
    platform_.Sys().SetSleepHandler([](uint32_t) {});
    temp_.MakeDir("home/SRC");
    temp_.MakeDir("home/OUT");
  }

  void Source(const std::string& name) { temp_.WriteFile("home/SRC/" + name, "document"); }
  fs::path Out(const std::string& name) { return temp_.Path() / "home/OUT" / name; }
  Texts OutFiles() {
    Texts names;
    for (const auto& entry : fs::directory_iterator(temp_.Path() / "home/OUT")) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string DriverText(const std::string& name) {
    return platform_.Registry().GetValue(kDriverKey, name)->text;
  }
  uint32_t DriverNumber(const std::string& name) {
    return platform_.Registry().GetValue(kDriverKey, name)->dword;
  }
  void Run() { run_.Execute({hostApp_, overwriteMode_, isWow64_}); }

  TempDir temp_;
  platform::Platform platform_;
  platform::driver::PdfDriver driver_;
  testsupport::ScriptedOffice office_;
  FakeWindow window_;
  ConversionRun run_;
  platform::Variant hostApp_;
  int32_t overwriteMode_ = 3;
  bool isWow64_ = false;
};

TEST_F(ConversionRunTest, AWordPassConvertsEveryListedFileAndShowsItsProgress) {
  Source("report.doc");
  Source("notes.txt");
  Source("memo.rtf");
  Source("sheet.xls");
  platform::RegKey::Open(platform_.Registry(), kDriverKey, platform::KEY_WRITE)
      ->WriteString("Title", "Quarterly Ärger");

  Run();

  EXPECT_EQ(OutFiles(), (Texts{"memo.pdf", "notes.pdf", "report.pdf"}));
  EXPECT_EQ(testsupport::PdfDocumentInfo(Out("report.pdf"))["Title"], "Quarterly Ärger");
  EXPECT_EQ(window_.mask, "*.doc;*.txt;*.rtf");
  EXPECT_EQ(window_.status,
            (Texts{"1:Preparing for Batch Conversion ...", "2:Please wait ....",
                   "1:Batch Conversion Initialization: OK!", "2:Ready to process files.",
                   "1:Batch Conversion Task: 1/3 files", "2:Converting memo.rtf ....",
                   "2:C:\\SRC\\memo.rtf Converted OK!", "1:Batch Conversion Task: 2/3 files",
                   "2:Converting notes.txt ....", "2:C:\\SRC\\notes.txt Converted OK!",
                   "1:Batch Conversion Task: 3/3 files", "2:Converting report.doc ....",
                   "2:C:\\SRC\\report.doc Converted OK!", "1:Task Complete.", "2:Done."}));
  EXPECT_EQ(window_.destinationReloads, 3);
  EXPECT_TRUE(window_.messages.empty());
  EXPECT_EQ(window_.enabled, (Texts{"off", "on"}));
  EXPECT_TRUE(hostApp_.IsEmpty());
  EXPECT_EQ(office_.word.Alive(), 0);
  EXPECT_EQ(office_.word.CallTexts().back(), "Word: method Quit()");
  // The run end switches automatic output off again.
  EXPECT_EQ(DriverNumber("AutomaticOutput"), 0u);
  EXPECT_EQ(DriverText("AutomaticPath"), "");
}

TEST_F(ConversionRunTest, PassesRunInTheirOrderWithWordStartedTwice) {
  window_.ticked = {7, 6, 3, 2, 1};
  Source("a.doc");
  Source("b.xls");
  Source("c.ppt");
  Source("d.htm");
  Source("e.dxf");
  Source("f.dwg");
  Run();
  EXPECT_EQ(OutFiles(), (Texts{"a.pdf", "b.pdf", "c.pdf", "d.pdf", "e.pdf", "f.pdf"}));
  EXPECT_EQ(office_.word.Created(), 2);
  EXPECT_EQ(office_.excel.Created(), 1);
  EXPECT_EQ(office_.powerPoint.Created(), 1);
  EXPECT_EQ(office_.autoCad.Created(), 1);
  // The list keeps the last pass's mask.
  EXPECT_EQ(window_.mask, "*.dwg;*.dxf");
}

TEST_F(ConversionRunTest, NoTickedBoxOnlySwitchesTheDriverOff) {
  window_.ticked = {};
  platform::RegKey::Open(platform_.Registry(), kDriverKey, platform::KEY_WRITE)
      ->WriteInteger("AutomaticOutput", 3);
  Run();
  EXPECT_EQ(office_.word.Created(), 0);
  EXPECT_TRUE(window_.status.empty());
  EXPECT_EQ(DriverNumber("AutomaticOutput"), 0u);
}

TEST_F(ConversionRunTest, APassWithoutFilesStillStartsAndQuitsItsApplication) {
  window_.ticked = {2};
  Run();
  EXPECT_EQ(office_.excel.CallTexts(), Texts{"Excel: method Quit()"});
  EXPECT_EQ(window_.status.back(), "2:Done.");
}

TEST_F(ConversionRunTest, ADriveRootDestinationLosesItsBackslash) {
  window_.destination = "C:\\";
  Source("report.doc");
  std::string pathDuringRun;
  window_.onPump = [&] {
    if (pathDuringRun.empty()) {
      if (auto value = platform_.Registry().GetValue(kDriverKey, "AutomaticPath")) {
        pathDuringRun = value->text;
      }
    }
  };
  Run();
  EXPECT_EQ(pathDuringRun, "C:");
  EXPECT_TRUE(fs::exists(temp_.Path() / "home/report.pdf"));
}

TEST_F(ConversionRunTest, TheFirstFailingFileEndsTheWholeRun) {
  window_.ticked = {2, 3};
  for (const char* name : {"1.xls", "2.xls", "3.xls", "4.xls", "5.xls"}) Source(name);
  Source("talk.ppt");
  office_.excel.FailWhen(
      [](const testsupport::RecordedCall& call) {
        return call.Name == "Open" && call.Args.front().Text() == "C:\\SRC\\2.xls";
      },
      "The file is damaged.");

  Run();

  EXPECT_EQ(window_.messages, Texts{"C:\\SRC\\2.xls conversion failed!\r\nThe file is damaged."});
  EXPECT_EQ(OutFiles(), Texts{"1.pdf"});
  EXPECT_EQ(office_.powerPoint.Created(), 0);
  // The labels keep their progress; the driver keeps the failed pass's values.
  EXPECT_EQ(window_.status.back(), "2:Converting 2.xls ....");
  EXPECT_EQ(DriverNumber("AutomaticOutput"), 3u);
  EXPECT_EQ(DriverText("AutomaticPath"), "C:\\OUT");
  // The application the pass created does not stay behind.
  EXPECT_TRUE(hostApp_.IsEmpty());
  EXPECT_EQ(office_.excel.Alive(), 0);
  EXPECT_EQ(office_.excel.CallTexts().back(), "Excel: method Quit()");
  EXPECT_EQ(window_.enabled, (Texts{"off", "on"}));
}

TEST_F(ConversionRunTest, APowerPointFailureAdvisesOnServicePacks) {
  window_.ticked = {3};
  Source("talk.ppt");
  office_.powerPoint.Fail("PowerPoint.Presentations", "Open", "Cannot open.");
  Run();
  EXPECT_EQ(window_.messages,
            Texts{"C:\\SRC\\talk.ppt conversion failed!\r\nPlease make sure that you have "
                  "installed the latest service pack for Microsoft Office.\r\nFor example, "
                  "Microsoft Office 2007 requires at least Service Pack 2 to be installed to "
                  "support the batch conversion.\r\nCannot open."});
  EXPECT_EQ(window_.status.end()[-2], "1:Ready.");
  EXPECT_EQ(window_.status.back(), "2:");
  EXPECT_EQ(office_.powerPoint.Alive(), 0);
}

TEST_F(ConversionRunTest, AnApplicationThatCannotStartReachesTheCaller) {
  window_.ticked = {7};
  office_.autoCad.SetStartResult(platform::REGDB_E_CLASSNOTREG);
  EXPECT_THROW(Run(), platform::Error);
  EXPECT_EQ(window_.enabled, (Texts{"off", "on"}));
  EXPECT_FALSE(run_.Running());
}

TEST_F(ConversionRunTest, AFileWhosePdfNeverArrivesFailsInsteadOfReportingSuccess) {
  Source("lost.doc");
  Source("next.doc");
  office_.LoseJobsOf("lost.doc");
  // A leftover from an earlier run under the driver's name is not this file's output.
  temp_.WriteFile("home/OUT/lost000.pdf", "leftover");
  Run();
  ASSERT_EQ(window_.messages.size(), 1u);
  EXPECT_EQ(window_.messages[0].rfind("C:\\SRC\\lost.doc conversion failed!", 0), 0u);
  EXPECT_EQ(OutFiles(), Texts{"lost000.pdf"});
  EXPECT_EQ(testsupport::ReadFile(Out("lost000.pdf")), "leftover");
  EXPECT_EQ(office_.word.Alive(), 0);
}

TEST_F(ConversionRunTest, AStopRequestEndsTheRunAfterTheCurrentFile) {
  window_.ticked = {1, 2};
  Source("a.doc");
  Source("b.doc");
  Source("c.xls");
  window_.onPump = [&] {
    if (fs::exists(Out("a.pdf"))) run_.RequestStop();
  };
  Run();
  EXPECT_EQ(OutFiles(), Texts{"a.pdf"});
  EXPECT_EQ(office_.excel.Created(), 0);
  EXPECT_EQ(office_.word.CallTexts().back(), "Word: method Quit()");
  EXPECT_EQ(window_.status.back(), "2:Done.");
  EXPECT_EQ(DriverNumber("AutomaticOutput"), 0u);
}

TEST_F(ConversionRunTest, ASecondConvertDuringARunDoesNothing) {
  Source("a.doc");
  int nested = 0;
  window_.onPump = [&] {
    if (nested++ == 0) Run();
  };
  Run();
  EXPECT_EQ(office_.word.Created(), 1);
  EXPECT_EQ(window_.enabled, (Texts{"off", "on"}));
}

TEST_F(ConversionRunTest, KeepGoingReportsAFailedFileAndGoesOnWithTheNextAndTheNextPass) {
  window_.ticked = {2, 3};
  for (const char* name : {"1.xls", "2.xls", "3.xls"}) Source(name);
  Source("talk.ppt");
  office_.excel.FailWhen(
      [](const testsupport::RecordedCall& call) {
        return call.Name == "Open" && call.Args.front().Text() == "C:\\SRC\\2.xls";
      },
      "The file is damaged.");
  Texts outcomes;
  run_.OnFileStart = [&](const std::string& path) { outcomes.push_back("start " + path); };
  run_.OnFileDone = [&](const FileOutcome& done) {
    outcomes.push_back(std::to_string(static_cast<int>(done.status)) + " " + done.sourcePath + " " +
                       done.pdfPath + " " + done.reason);
  };
  run_.SetKeepGoing(true);

  Run();

  EXPECT_EQ(window_.messages, Texts{"C:\\SRC\\2.xls conversion failed!\r\nThe file is damaged."});
  EXPECT_EQ(OutFiles(), (Texts{"1.pdf", "3.pdf", "talk.pdf"}));
  EXPECT_EQ(outcomes, (Texts{"start C:\\SRC\\1.xls", "0 C:\\SRC\\1.xls C:\\OUT\\1.pdf ",
                             "start C:\\SRC\\2.xls", "1 C:\\SRC\\2.xls  The file is damaged.",
                             "start C:\\SRC\\3.xls", "0 C:\\SRC\\3.xls C:\\OUT\\3.pdf ",
                             "start C:\\SRC\\talk.ppt", "0 C:\\SRC\\talk.ppt C:\\OUT\\talk.pdf "}));
  // The failed file's Excel was let go; a new one took the rest and was quit as usual.
  EXPECT_EQ(office_.excel.Created(), 2);
  EXPECT_EQ(office_.excel.Alive(), 0);
  EXPECT_EQ(window_.status.back(), "2:Done.");
  EXPECT_EQ(DriverNumber("AutomaticOutput"), 0u);

  // What a run would convert, without converting it, in the passes' order.
  EXPECT_EQ(run_.ListedFiles(),
            (Texts{"C:\\SRC\\1.xls", "C:\\SRC\\2.xls", "C:\\SRC\\3.xls", "C:\\SRC\\talk.ppt"}));
  EXPECT_EQ(office_.excel.Created(), 2);
}

TEST_F(ConversionRunTest, TwoRunsOnOneProfileNeverShareTheDriver) {
  // A second world on the same profile: another window, or another process.
  platform::Platform other(
      {temp_.Path() / "profile", temp_.Path() / "home", temp_.Path() / "programs"});
  FakeWindow otherWindow(other.Files());
  otherWindow.ticked = {};
  ConversionRun otherRun(otherWindow, other.Automation(), other.Registry(), other.Files(),
                         other.Sys(), other.ProfileLocks());
  platform::Variant otherHost;
  const int32_t overwrite = 3;
  const bool wow64 = false;
  Source("a.doc");
  Source("b.doc");
  bool tried = false;
  window_.onPump = [&] {
    if (tried || !fs::exists(Out("a.pdf"))) return;
    tried = true;
    otherRun.Execute({otherHost, overwrite, wow64});
    // Closing the other window leaves this run's driver values alone too.
    EXPECT_FALSE(otherRun.SwitchDriverOff());
  };

  Run();

  EXPECT_TRUE(tried);
  EXPECT_EQ(OutFiles(), (Texts{"a.pdf", "b.pdf"}));
  EXPECT_TRUE(window_.messages.empty()) << window_.messages.front();
  ASSERT_EQ(otherWindow.messages.size(), 1u);
  EXPECT_EQ(
      otherWindow.messages[0],
      "The PDF printer \"VELTRA Ashgrove PDF Creator\" is in use by another conversion run: " +
          platform::NamedLock::ThisProcess() + ".\r\nConvert again when that run has finished.");
  EXPECT_TRUE(otherWindow.enabled.empty());
  // Once the first run has ended the driver is free again.
  otherRun.Execute({otherHost, overwrite, wow64});
  EXPECT_EQ(otherWindow.messages.size(), 1u);
  EXPECT_TRUE(otherRun.SwitchDriverOff());
}

TEST_F(ConversionRunTest, AnExistingPdfIsReplacedOrKeptByTheOverwriteChoice) {
  Source("report.doc");
  temp_.WriteFile("home/OUT/report.pdf", "old");
  overwriteMode_ = 1;
  Run();
  EXPECT_EQ(OutFiles(), (Texts{"report.pdf", "report__000.pdf"}));
  EXPECT_EQ(testsupport::ReadFile(Out("report.pdf")), "old");

  overwriteMode_ = 3;
  Run();
  EXPECT_EQ(OutFiles(), (Texts{"report.pdf", "report__000.pdf"}));
  EXPECT_EQ(testsupport::PdfPageCount(Out("report.pdf")), 1);
}

TEST_F(ConversionRunTest, OnSixtyFourBitWindowsTheInterimNameIsRenamed) {
  platform_.Sys().SetWow64(true);
  isWow64_ = true;
  overwriteMode_ = 1;
  Source("report.doc");
  Source("report.txt");
  uint32_t modeDuringRun = 0;
  window_.onPump = [&] {
    if (auto value = platform_.Registry().GetValue(kDriverKey, "AutomaticOutput")) {
      modeDuringRun = std::max(modeDuringRun, value->dword);
    }
  };
  Run();
  EXPECT_EQ(modeDuringRun, 3u);
  EXPECT_EQ(OutFiles(), (Texts{"report.pdf", "report__000.pdf"}));
}

TEST_F(ConversionRunTest, AFileUnderTheInterimNameStaysWhileExistingFilesAreKept) {
  overwriteMode_ = 1;
  Source("memo.doc");
  for (bool wow64 : {false, true}) {
    platform_.Sys().SetWow64(wow64);
    isWow64_ = wow64;
    const std::string interim = wow64 ? "output.pdf.pdf" : "memo000.pdf";
    temp_.WriteFile("home/OUT/" + interim, "the user's own");
    window_.messages.clear();
    Run();
    ASSERT_EQ(window_.messages.size(), 1u) << interim;
    EXPECT_EQ(window_.messages[0], "C:\\SRC\\memo.doc conversion failed!\r\nC:\\OUT\\" + interim +
                                       " already exists, and existing files are kept: the PDF "
                                       "printer would write over it.");
    EXPECT_EQ(OutFiles(), Texts{interim});
    EXPECT_EQ(testsupport::ReadFile(Out(interim)), "the user's own");
    fs::remove(Out(interim));
  }
}

TEST_F(ConversionRunTest, OnSixtyFourBitWindowsASourceNamedLikeTheInterimFileKeepsItsPdf) {
  platform_.Sys().SetWow64(true);
  isWow64_ = true;
  Source("output.pdf.doc");
  Run();
  EXPECT_TRUE(window_.messages.empty());
  EXPECT_EQ(OutFiles(), Texts{"output.pdf.pdf"});
  EXPECT_NE(testsupport::PdfPageText(Out("output.pdf.pdf")).find("output.pdf.doc"),
            std::string::npos);
}

TEST_F(ConversionRunTest, ANameOfTheLongestLengthConvertsThoughItsInterimNameIsTooLong) {
  // 255 bytes each; the second has a two-byte character where the interim name is cut.
  const std::string plain(251, 'n');
  const std::string accented = std::string(247, 'e') + "\xc3\xa9" + "ee";
  Source(plain + ".doc");
  Source(accented + ".doc");
  Run();
  EXPECT_TRUE(window_.messages.empty()) << window_.messages.front();
  EXPECT_EQ(OutFiles(), (Texts{accented + ".pdf", plain + ".pdf"}));
}

TEST_F(ConversionRunTest, NamesThatWindowsRefusesConvertUnderTheirOwnNames) {
  temp_.WriteFile("home/in:box/what?.doc", "document");
  temp_.WriteFile("home/in:box/tab\there.txt", "document");
  window_.source = "C:\\in\uF03Abox\\";
  Run();
  EXPECT_TRUE(window_.messages.empty()) << window_.messages.front();
  EXPECT_EQ(OutFiles(), (Texts{"tab\there.pdf", "what?.pdf"}));
  EXPECT_NE(testsupport::PdfPageText(Out("what?.pdf")).find("what"), std::string::npos);
}

}  // namespace
