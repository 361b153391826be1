// The main window's browsers and its Convert button: the file-type boxes feeding the source
// mask, the trees moving the lists and each other, the start-up folder, and whole runs
// through scripted applications and the real PDF driver.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/SheafmillUnit.h"
#include "platform/WinTypes.h"
#include "platform/driver/DriverInstaller.h"
#include "platform/driver/PdfDriver.h"
#include "platform/registry/RegKey.h"
#include "tests/app/SheafmillWorld.h"
#include "tests/support/ScriptedOffice.h"
#include "ui/headless/HeadlessButton.h"
#include "ui/headless/HeadlessCheckBox.h"
#include "ui/headless/HeadlessForm.h"
#include "ui/headless/HeadlessKit.h"

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

ui::HeadlessCheckBox& Box(const std::unique_ptr<ui::CheckBox>& box) {
  return static_cast<ui::HeadlessCheckBox&>(*box);
}
ui::HeadlessButton& Button(const std::unique_ptr<ui::Button>& button) {
  return static_cast<ui::HeadlessButton&>(*button);
}

Texts EntriesOf(controls::TZELExplorerView& view) {
  Texts entries;
  for (int i = 0; i < view.Entries().Count(); ++i) entries.push_back(view.Entries()[i]);
  return entries;
}

class SheafmillUnitConvertTest : public ::testing::Test {
 protected:
  SheafmillUnitConvertTest()
      : driver(world.Platform().Registry(), world.Platform().Files(), world.Platform().Sys()),
        office(world.Platform().Automation(), world.Platform().Spool(),
               world.Temp().Path() / "spool") {
    kit.App().SetTitle("Sheafmill");
    platform::driver::Install(world.Platform().Registry(), world.Platform().Printing());
    driver.RegisterWith(world.Platform().Spool());
    world.Platform().Sys().SetSleepHandler([](uint32_t) {});
    world.Temp().MakeDir("home/Desk/Out");
    SetDesktop("C:\\Desk");
  }

  void SetDesktop(const std::string& path) {
    platform::RegKey::Open(world.Platform().Registry(), kShellFolders, platform::KEY_WRITE)
        ->WriteString("Desktop", path);
  }
  void Source(const std::string& name) { world.Temp().WriteFile("home/Desk/" + name, "text"); }
  bool Converted(const std::string& pdf) {
    return fs::exists(world.Temp().Path() / "home/Desk" / pdf);
  }
  TForm1& Create() {
    form = std::make_unique<TForm1>(kit, world.Platform(), printers);
    form->Window().Show();
    return *form;
  }
  const std::vector<ui::MessageBoxRecord>& Messages() { return kit.App().Messages(); }

  testsupport::SheafmillWorld world;
  platform::driver::PdfDriver driver;
  testsupport::ScriptedOffice office;
  ui::HeadlessKit kit;
  controls::ProcessPrinters printers{world.Platform().Printing()};
  std::unique_ptr<TForm1> form;
};

TEST_F(SheafmillUnitConvertTest, StartUpOpensTheDesktopInBothBrowsers) {
  Source("a.doc");
  Source("b.xls");
  world.Temp().WriteFile("home/Desk/old.pdf", "pdf");
  TForm1& f = Create();
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(f.ZELExplorerTree1->Directory(), "C:\\DESK\\");
  EXPECT_EQ(f.ZELExplorerTree2->Directory(), "C:\\DESK\\");
  EXPECT_EQ(EntriesOf(*f.ZELExplorerView1), Texts{"a.doc"});
  EXPECT_EQ(EntriesOf(*f.ZELExplorerView2), Texts{"old.pdf"});
  // The printer preselection ran after the folder step.
  EXPECT_EQ(f.ZELPrinterCombo1->SelectedPrinter(), "VELTRA Ashgrove PDF Creator");
}

TEST_F(SheafmillUnitConvertTest, WithoutADesktopValueStartUpReportsAnInvalidDirectoryName) {
  world.Platform().Registry().DeleteValue(kShellFolders, "Desktop");
  TForm1& f = Create();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Invalid Directory Name.");
  EXPECT_EQ(f.ZELExplorerTree1->Directory(), "nil");
  EXPECT_TRUE(f.Window().Visible());
}

TEST_F(SheafmillUnitConvertTest, TheBoxesBuildTheSourceMaskInTheirOwnOrder) {
  TForm1& f = Create();
  EXPECT_EQ(f.ZELExplorerView1->Mask(), "*.doc;*.txt;*.rtf");
  Box(f.CheckBox7).Click();
  Box(f.CheckBox2).Click();
  EXPECT_EQ(f.ZELExplorerView1->Mask(), "*.doc;*.txt;*.rtf;*.xls;*.dwg;*.dxf");
  for (auto* box : {&f.CheckBox1, &f.CheckBox4, &f.CheckBox5, &f.CheckBox2, &f.CheckBox7}) {
    Box(*box).Click();
  }
  EXPECT_EQ(f.ZELExplorerView1->Mask(), "");
  for (auto* box : {&f.CheckBox6, &f.CheckBox3, &f.CheckBox7, &f.CheckBox5, &f.CheckBox4,
                    &f.CheckBox2, &f.CheckBox1}) {
    Box(*box).Click();
  }
  EXPECT_EQ(f.ZELExplorerView1->Mask(), "*.doc;*.txt;*.rtf;*.xls;*.ppt;*.htm;*.dwg;*.dxf");
}

TEST_F(SheafmillUnitConvertTest, EveryBoxClickReReadsTheSourceList) {
  TForm1& f = Create();
  int reads = 0;
  f.ZELExplorerView1->OnChange = [&](controls::TZELExplorerView&) { ++reads; };
  Box(f.CheckBox2).Click();
  Source("late.xls");
  Box(f.CheckBox2).Click();
  Box(f.CheckBox2).Click();
  EXPECT_EQ(reads, 6) << "a changed mask reads, and Reload reads again";
  EXPECT_EQ(EntriesOf(*f.ZELExplorerView1), Texts{"late.xls"}) << f.ZELExplorerView1->Mask();
}

TEST_F(SheafmillUnitConvertTest, TheDestinationFollowsTheSourceButNotTheOtherWayRound) {
  world.Temp().MakeDir("home/Other");
  world.Temp().WriteFile("home/Other/x.doc", "text");
  TForm1& f = Create();
  f.ZELExplorerTree2->SetDirectory("C:\\Desk\\Out");
  EXPECT_EQ(f.ZELExplorerTree1->Directory(), "C:\\DESK\\");
  EXPECT_EQ(f.ZELExplorerTree2->Directory(), "C:\\DESK\\OUT\\");
  EXPECT_EQ(f.ZELExplorerView2->Folder(), "C:\\Desk\\Out");  // as the disk spells it

  f.ZELExplorerTree1->SetDirectory("C:\\Other");
  EXPECT_EQ(EntriesOf(*f.ZELExplorerView1), Texts{"x.doc"});
  EXPECT_EQ(f.ZELExplorerTree2->Directory(), "C:\\OTHER\\");
  EXPECT_EQ(f.ZELExplorerView2->Folder(), "C:\\Other");
}

// Folders whose names differ in letter case alone: the one picked is the one listed, and the
// destination follows to that one too.
TEST_F(SheafmillUnitConvertTest, OfFoldersDifferingInLetterCaseThePickedOneIsListed) {
  for (const char* folder : {"Docs", "docs", "DOCS"}) {
    world.Temp().WriteFile(std::string("home/") + folder + "/" + folder + ".doc", "text");
  }
  TForm1& f = Create();
  for (const std::string folder : {"docs", "DOCS", "Docs"}) {
    SCOPED_TRACE(folder);
    f.ZELExplorerTree1->SetDirectory("C:\\" + folder);
    EXPECT_EQ(f.ZELExplorerTree1->DiskDirectory(), "C:\\" + folder + "\\");
    EXPECT_EQ(EntriesOf(*f.ZELExplorerView1), Texts{folder + ".doc"});
    EXPECT_EQ(f.ZELExplorerTree2->DiskDirectory(), "C:\\" + folder + "\\");
    EXPECT_EQ(f.ZELExplorerView2->Folder(), "C:\\" + folder);
  }
}

TEST_F(SheafmillUnitConvertTest, ConvertTurnsTheListedDocumentsIntoPdfFiles) {
  Source("report.doc");
  Source("notes.txt");
  TForm1& f = Create();
  f.ZELExplorerView1->Base().SetSelected(0, true);  // the selection does not limit the run
  Button(f.Button4).Click();
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Converted("report.pdf"));
  EXPECT_TRUE(Converted("notes.pdf"));
  EXPECT_EQ(f.Label1->Caption(), "Task Complete.");
  EXPECT_EQ(f.Label2->Caption(), "Done.");
  EXPECT_EQ(EntriesOf(*f.ZELExplorerView2), (Texts{"notes.pdf", "report.pdf"}));
  EXPECT_TRUE(f.HostApp.IsEmpty());
}

TEST_F(SheafmillUnitConvertTest, DuringARunConvertTheBoxesAndTheTreesDoNotAct) {
  Source("a.doc");
  Source("b.doc");
  TForm1& f = Create();
  bool tried = false;
  kit.App().OnProcessMessages = [&] {
    if (tried || f.Label1->Caption().rfind("Batch Conversion Task", 0) != 0) return;
    tried = true;
    EXPECT_FALSE(Button(f.Button4).Click());
    EXPECT_FALSE(Button(f.Button2).Click());
    EXPECT_FALSE(Box(f.CheckBox2).Click());
    EXPECT_FALSE(f.ZELExplorerTree1->Base().Enabled());
    EXPECT_FALSE(f.ZELExplorerTree2->Base().Enabled());
  };
  Button(f.Button4).Click();
  EXPECT_TRUE(tried);
  EXPECT_EQ(office.word.Created(), 1);
  EXPECT_FALSE(f.CheckBox2->Checked());
  EXPECT_TRUE(f.Button4->Enabled());
  EXPECT_TRUE(f.CheckBox2->Enabled());
  EXPECT_TRUE(f.ZELExplorerTree1->Base().Enabled());
}

TEST_F(SheafmillUnitConvertTest, ExitDuringARunStopsAfterTheCurrentFileThenCloses) {
  Source("a.doc");
  Source("b.doc");
  TForm1& f = Create();
  kit.App().OnProcessMessages = [&] {
    if (Converted("a.pdf") && f.Window().Visible()) Button(f.Button1).Click();
  };
  Button(f.Button4).Click();
  EXPECT_TRUE(Converted("a.pdf"));
  EXPECT_FALSE(Converted("b.pdf"));
  EXPECT_EQ(office.word.Alive(), 0);
  EXPECT_EQ(office.word.CallTexts().back(), "Word: method Quit()");
  EXPECT_FALSE(f.Window().Visible());
  EXPECT_EQ(world.DriverValue("AutomaticOutput")->dword, 0u);
}

TEST_F(SheafmillUnitConvertTest, AFailedFileIsReportedAndTheWindowStaysUsable) {
  Source("a.doc");
  office.word.Fail("Word.Documents", "Open", "The document is damaged.");
  TForm1& f = Create();
  Button(f.Button4).Click();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "C:\\Desk\\a.doc conversion failed!\r\nThe document is damaged.");
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::None);
  EXPECT_TRUE(f.Button4->Enabled());
  EXPECT_EQ(office.word.Alive(), 0);
}

TEST_F(SheafmillUnitConvertTest, AnApplicationThatCannotStartReachesTheErrorReport) {
  Source("a.doc");
  office.word.SetStartResult(platform::REGDB_E_CLASSNOTREG);
  TForm1& f = Create();
  Button(f.Button4).Click();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::Stop);
  EXPECT_EQ(f.Label1->Caption(), "Preparing for Batch Conversion ...");
  EXPECT_TRUE(f.Button4->Enabled());
}

}  // namespace
