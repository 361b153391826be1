#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "convert/ConversionRun.h"
#include "convert/DriverNames.h"
#include "convert/Wow64Check.h"
#include "platform/Platform.h"
#include "platform/WinTypes.h"
#include "platform/registry/RegKey.h"
#include "platform/win32/WideText.h"
#include "tests/support/win32/ScriptedComServer.h"
#include "tests/support/win32/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// The main window as a run sees it, with only the Word documents' box ticked: the source
// list shows the source folder's files under the mask, as the system's file search finds
// them; message boxes are noted.
class WordOnlyWindow : public ConversionWindow {
 public:
  WordOnlyWindow(platform::FileSystem& files, std::string source, std::string destination)
      : files_(files), source_(std::move(source)), destination_(std::move(destination)) {}

  Texts messages;

  bool BoxChecked(int number) override { return number == 1; }
  std::string SourceDirectory() override { return source_; }
  std::string DestinationDirectory() override { return destination_; }
  void SetSourceMask(const std::string& mask) override { mask_ = mask; }
  void ReloadSource() override {
    entries_.clear();
    platform::FindData data;
    const auto handle = files_.FindFirstFile(source_ + mask_, data);
    for (bool more = handle != platform::INVALID_HANDLE_VALUE; more;
         more = files_.FindNextFile(handle, data)) {
      entries_.push_back(data.Name);
    }
    if (handle != platform::INVALID_HANDLE_VALUE) files_.FindClose(handle);
    std::sort(entries_.begin(), entries_.end());
  }
  int SourceCount() override { return static_cast<int>(entries_.size()); }
  std::string SourceEntry(int index) override { return entries_.at(static_cast<size_t>(index)); }
  void ReloadDestination() override {}
  void SetStatus(StatusLine, const std::string&) override {}
  void ProcessMessages() override {}
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void EnableRunControls(bool) override {}

 private:
  platform::FileSystem& files_;
  std::string source_;
  std::string destination_;
  std::string mask_;
  Texts entries_;
};

// A Word pass on the Windows services: the real registry and files, and Word played by the
// scripted server, which the run reaches through the system's COM.
class ConversionRunWin32Test : public testing::Test {
 protected:
  ConversionRunWin32Test() {
    driverWasThere_ = registry().KeyExists("\\Software\\Quillby");
    // The driver's installation makes its key; the run only opens it.
    registry().CreateKey(kDriverKey);
    temp_.WriteFile("SRC\\Bericht Ä.doc", "a document");
    temp_.WriteFile("SRC\\notes.xls", "not for Word");
    temp_.MakeDir("OUT");
  }
  ~ConversionRunWin32Test() override {
    if (!driverWasThere_) registry().DeleteKey("\\Software\\Quillby");
  }

  platform::RegistryStore& registry() { return platform_.Registry(); }
  void Run() { run_.Execute({hostApp_, overwriteMode_, isWow64_}); }
  Texts OutFiles() const {
    Texts names;
    for (const auto& entry : fs::directory_iterator(temp_.Path() / "OUT")) {
      names.push_back(platform::win32::Narrow(entry.path().filename().wstring()));
    }
    return names;
  }

  testsupport::TempDir temp_;
  platform::Platform platform_{{temp_.Path() / "profile", temp_.Path() / "home", temp_.Path()}};
  testsupport::ScriptedComServer word_{"Word.Application", "Word"};
  WordOnlyWindow window_{platform_.Files(), temp_.Win("SRC") + "\\", temp_.Win("OUT") + "\\"};
  ConversionRun run_{window_,           platform_.Automation(), platform_.Registry(),
                     platform_.Files(), platform_.Sys(),        platform_.ProfileLocks()};
  platform::Variant hostApp_;
  int32_t overwriteMode_ = 3;
  bool isWow64_ = IsWow64Windows(platform_.Sys());
  bool driverWasThere_ = false;
};

TEST_F(ConversionRunWin32Test, WordReceivesItsCallsAndThePrintedPdfGetsItsFinalName) {
  ASSERT_TRUE(isWow64_) << "the 32-bit program in a 64-bit prefix";
  Run();

  const std::string doc = temp_.Win("SRC\\Bericht Ä.doc");
  const std::string item = "Word.Documents: get Item(BSTR& \"" + doc + "\")";
  EXPECT_EQ(word_.CallTexts(),
            (Texts{"Word: put DisplayAlerts(BOOL 0)", "Word: method|get Documents()",
                   "Word.Documents: method Open(FileName:=BSTR& \"" + doc + "\")",
                   "Word: method|get Dialogs()", "Word.Dialogs: method Item(I4 97)",
                   "Word.Dialogs.Item: put Printer(BSTR \"VELTRA Ashgrove PDF Creator\")",
                   "Word.Dialogs.Item: put DoNotSetAsSysDefault(I4 1)",
                   "Word.Dialogs.Item: method Execute()", "Word: method|get Documents()", item,
                   "Word.Documents.Item: method PrintOut(BOOL 0)", "Word: method|get Documents()",
                   item, "Word.Documents.Item: put Saved(BOOL -1)", "Word: method|get Documents()",
                   item, "Word.Documents.Item: method Close()", "Word: method Quit()"}));
  EXPECT_EQ(window_.messages, Texts{});
  // The driver's interim output took the document's name; nothing stays under the interim one.
  EXPECT_EQ(OutFiles(), Texts{"Bericht Ä.pdf"});
  EXPECT_EQ(testsupport::ReadFile(temp_.Win("OUT\\Bericht Ä.pdf")).rfind("%PDF-1.4\n", 0), 0u);
  EXPECT_EQ(word_.Alive(), 0);
  EXPECT_TRUE(hostApp_.IsEmpty());
  // The run switched the driver's automatic output off again.
  EXPECT_EQ(registry().GetValue(kDriverKey, "AutomaticOutput")->dword, 0u);
  EXPECT_EQ(registry().GetValue(kDriverKey, "AutomaticPath")->text, "");
}

TEST_F(ConversionRunWin32Test, AnExceptionInWordIsReportedWithItsDescription) {
  word_.Fail("Word.Documents", "Open", "Das Dokument ist beschädigt.");
  Run();

  EXPECT_EQ(window_.messages, Texts{temp_.Win("SRC\\Bericht Ä.doc") +
                                    " conversion failed!\r\nDas Dokument ist beschädigt."});
  EXPECT_EQ(word_.CallTexts().back(), "Word: method Quit()") << "Word does not stay behind";
  EXPECT_EQ(word_.Alive(), 0);
  EXPECT_EQ(OutFiles(), Texts{});
  // The failed pass's values stay, as the driver was told them.
  EXPECT_EQ(registry().GetValue(kDriverKey, "AutomaticPath")->text, temp_.Win("OUT"));
}

}  // namespace
