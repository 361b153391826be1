#include "app/SheafmillUnit.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/VendorNotice.h"
#include "tests/app/SheafmillWorld.h"
#include "ui/headless/HeadlessButton.h"
#include "ui/headless/HeadlessForm.h"
#include "ui/headless/HeadlessKit.h"
#include "ui/headless/HeadlessLabel.h"

namespace {

constexpr char kDriverPrinter[] = "VELTRA Ashgrove PDF Creator";

class SheafmillUnitTest : public ::testing::Test {
 protected:
  SheafmillUnitTest() { kit.App().SetTitle("Sheafmill"); }

  TForm1& Create() {
    form = std::make_unique<TForm1>(kit, world.Platform(), printers);
    return *form;
  }
  ui::HeadlessForm& Window() { return static_cast<ui::HeadlessForm&>(form->Window()); }
  const std::vector<ui::MessageBoxRecord>& Messages() { return kit.App().Messages(); }

  testsupport::SheafmillWorld world;
  ui::HeadlessKit kit;
  controls::ProcessPrinters printers{world.Platform().Printing()};
  std::unique_ptr<TForm1> form;
};

struct Designed {
  const ui::Control* control;
  const char* name;
  ui::Bounds bounds;
  std::string caption;
  int tabOrder;
};

TEST_F(SheafmillUnitTest, TheWindowIsBuiltAsDesigned) {
  world.InstallPrinter(kDriverPrinter);
  TForm1& f = Create();
  EXPECT_EQ(f.Window().Caption(), "Sheafmill 3.01 - Batch Convert to PDF files");
  EXPECT_EQ(f.Window().ClientSize(), (ui::Size{659, 446}));
  EXPECT_EQ(f.Window().Position(), ui::FormPosition::ScreenCenter);
  EXPECT_EQ(f.Window().Owner(), nullptr);
  ui::XpmHeader icon = ui::ReadXpmHeader(Window().GetIcon());
  EXPECT_EQ(icon.width, 32);
  EXPECT_EQ(icon.height, 32);
  EXPECT_LE(icon.colours, 16);

  const std::vector<Designed> designed = {
      {f.GroupBox3.get(), "GroupBox3", {8, 8, 209, 185}, "File Format", 13},
      {f.CheckBox1.get(), "CheckBox1", {16, 24, 185, 17}, "Microsoft Word (.DOC)", 1},
      {f.CheckBox2.get(), "CheckBox2", {16, 48, 185, 17}, "Microsoft Excel (.XLS)", 2},
      {f.CheckBox3.get(), "CheckBox3", {16, 72, 185, 17}, "Microsoft PowerPoint (.PPT)", 3},
      {f.CheckBox4.get(), "CheckBox4", {16, 96, 185, 17}, "Plain Text File (.TXT)", 4},
      {f.CheckBox5.get(), "CheckBox5", {16, 120, 185, 17}, "Rich Text File  (.RTF)  ", 5},
      {f.CheckBox6.get(), "CheckBox6", {16, 144, 177, 17}, "Web Pages (.HTM, .HTML)", 0},
      {f.CheckBox7.get(), "CheckBox7", {16, 168, 185, 17}, "AutoCAD drawings (.DWG, .DXF)", 1},
      {f.GroupBox4.get(), "GroupBox4", {16, 232, 185, 113}, "Control Center", 14},
      {f.Button4.get(), "Button4", {44, 248, 129, 25}, "Convert", 0},
      {f.Button2.get(), "Button2", {44, 280, 129, 25}, "Advanced Options", 1},
      {f.Button1.get(), "Button1", {44, 312, 129, 25}, "Exit", 0},
      {f.GroupBox5.get(), "GroupBox5", {16, 352, 185, 65}, "Status", 15},
      {f.Label1.get(), "Label1", {24, 376, 146, 13}, "Ready. Please choose file type", 0},
      {f.Label2.get(), "Label2", {24, 392, 131, 13}, "                  and source files ", 0},
      {f.Label3.get(), "Label3", {14, 424, 187, 13}, kVendorNotice, 0},
      {f.GroupBox1.get(), "GroupBox1", {224, 8, 425, 217}, "Source Files", 11},
      {f.GroupBox2.get(), "GroupBox2", {224, 225, 425, 216}, "Destination Files (Format: PDF)", 12},
  };
  for (const Designed& d : designed) {
    SCOPED_TRACE(d.name);
    EXPECT_EQ(d.control->Name(), d.name);
    EXPECT_EQ(d.control->Bounds(), d.bounds);
    EXPECT_EQ(d.control->TabOrder(), d.tabOrder);
    EXPECT_TRUE(d.control->Enabled());
    if (auto* box = dynamic_cast<const ui::GroupBox*>(d.control)) {
      EXPECT_EQ(box->Caption(), d.caption);
      EXPECT_TRUE(box->Bold());
    } else if (auto* check = dynamic_cast<const ui::CheckBox*>(d.control)) {
      EXPECT_EQ(check->Caption(), d.caption);
      EXPECT_FALSE(check->Bold());
    } else if (auto* button = dynamic_cast<const ui::Button*>(d.control)) {
      EXPECT_EQ(button->Caption(), d.caption);
    } else if (auto* label = dynamic_cast<const ui::Label*>(d.control)) {
      EXPECT_EQ(label->Caption(), d.caption);
      EXPECT_FALSE(label->Bold());
    }
  }
  EXPECT_TRUE(f.CheckBox1->Checked());
  EXPECT_FALSE(f.CheckBox2->Checked());
  EXPECT_FALSE(f.CheckBox3->Checked());
  EXPECT_TRUE(f.CheckBox4->Checked());
  EXPECT_TRUE(f.CheckBox5->Checked());
  EXPECT_FALSE(f.CheckBox6->Checked());
  EXPECT_FALSE(f.CheckBox7->Checked());
  EXPECT_EQ(f.CheckBox6->Parent(), f.GroupBox3.get());
  EXPECT_EQ(f.CheckBox5->Parent(), &f.Window());
  EXPECT_EQ(f.Button1->Parent(), f.GroupBox4.get());
  EXPECT_EQ(f.Button4->Parent(), &f.Window());
  EXPECT_EQ(f.Label2->Parent(), f.GroupBox5.get());
  EXPECT_EQ(f.Label3->Parent(), &f.Window());
}

TEST_F(SheafmillUnitTest, ConvertHasTheFocusWhenTheWindowOpensAndTabFollowsTheDesign) {
  world.InstallPrinter(kDriverPrinter);
  TForm1& f = Create();
  f.Window().Show();
  std::vector<const ui::Control*> visited;
  for (int i = 0; i < 15; ++i) {
    visited.push_back(Window().FocusedControl());
    Window().PressTab();
  }
  EXPECT_EQ(visited, (std::vector<const ui::Control*>{
                         f.Button4.get(), f.CheckBox1.get(), f.CheckBox2.get(), f.CheckBox3.get(),
                         f.CheckBox4.get(), f.CheckBox5.get(), &f.ZELExplorerView1->Base(),
                         &f.ZELPrinterCombo1->Base(), &f.ZELExplorerTree1->Base(),
                         &f.ZELExplorerTree2->Base(), &f.ZELExplorerView2->Base(),
                         f.CheckBox6.get(), f.CheckBox7.get(), f.Button1.get(), f.Button2.get()}));
  EXPECT_EQ(Window().FocusedControl(), f.Button4.get());  // round again
}

TEST_F(SheafmillUnitTest, FormCreateSetsTheStartState) {
  world.InstallPrinter(kDriverPrinter);
  TForm1& f = Create();
  EXPECT_EQ(f.OverwriteMode, 3);
  EXPECT_FALSE(f.IsWow64);
  EXPECT_TRUE(f.HostApp.IsEmpty());
  EXPECT_EQ(f.DocTitle, "");
  EXPECT_EQ(f.DocSubject, "");
  EXPECT_EQ(f.DocAuthor, "");
  EXPECT_EQ(f.DocKeywords, "");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SheafmillUnitTest, TheSixtyFourBitAnswerReachesIsWow64) {
  world.InstallPrinter(kDriverPrinter);
  world.Platform().Sys().SetWow64(true);
  EXPECT_TRUE(Create().IsWow64);
  world.Platform().Sys().SetWow64(std::nullopt);
  world.Platform().Sys().SetWow64(false);
  EXPECT_FALSE(Create().IsWow64);
}

TEST_F(SheafmillUnitTest, TheVendorNoticeFollowsTheYear) {
  world.InstallPrinter(kDriverPrinter);
  EXPECT_EQ(Create().Label3->Caption(), "\xC2\xA9 2004-2013 Quillby Software Ltd.");
  world.Platform().Sys().SetCurrentDate(platform::LocalDate{2026, 1, 1});
  EXPECT_EQ(Create().Label3->Caption(), "\xC2\xA9 2004-2026 Quillby Software Ltd.");
}

TEST_F(SheafmillUnitTest, WithoutPrintersTheWarningIsShownAndThenTheWebPageOpens) {
  bool openedBeforeClosing = true;
  kit.App().OnMessageBox = [&](const ui::MessageBoxRecord&) {
    openedBeforeClosing = world.OpenedAnything();
  };
  Create();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].caption, "Sheafmill");
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::None);
  EXPECT_EQ(Messages()[0].text,
            "No VELTRA family product installed on your computer!\r"
            "Please download the VELTRA products from https://quillby.example/veltra");
  EXPECT_FALSE(openedBeforeClosing);
  EXPECT_EQ(world.Opened(), "https://quillby.example/veltra\n");
  EXPECT_EQ(form->OverwriteMode, 3);  // start-up went on
}

TEST_F(SheafmillUnitTest, AFamilyNameInLowerCaseCountsAndOpensNoPage) {
  world.InstallPrinter("Office Laser");
  world.InstallPrinter("veltra draft pdf");
  Create();
  EXPECT_TRUE(Messages().empty());
  // The only page ever opened is the one the notice's click asks for.
  world.InstallPrinter(kDriverPrinter);
  form->Window().Show();
  EXPECT_TRUE(static_cast<ui::HeadlessLabel&>(*form->Label3).Click());
  EXPECT_EQ(world.OpenedOnce(), "https://quillby.example/veltra\n");
}

TEST_F(SheafmillUnitTest, TheFamilyPrinterIsFoundAtALaterPosition) {
  world.InstallPrinter("Office Laser");
  world.InstallPrinter("Fax");
  world.InstallPrinter(kDriverPrinter);
  Create();
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(printers.Names().size(), 3u);
}

TEST_F(SheafmillUnitTest, ThePrinterCheckSeesPrintersInstalledAfterTheListWasRead) {
  world.InstallPrinter("Office Laser");
  EXPECT_EQ(printers.Names().size(), 1u);  // held from here on
  world.InstallPrinter(kDriverPrinter);
  Create();
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SheafmillUnitTest, ExitWritesZeroAndEmptyTextToTheDriverKey) {
  world.InstallPrinter(kDriverPrinter);
  world.InstallDriverKey();
  world.Platform().Registry().SetValue(testsupport::kDriverKeyPath, "AutomaticOutput",
                                       platform::RegValue::Dword(3));
  world.Platform().Registry().SetValue(testsupport::kDriverKeyPath, "AutomaticPath",
                                       platform::RegValue::String("C:\\Out"));
  Create().Window().Show();
  EXPECT_TRUE(static_cast<ui::HeadlessButton&>(*form->Button1).Click());
  EXPECT_FALSE(form->Window().Visible());
  EXPECT_EQ(world.DriverValue("AutomaticOutput"), platform::RegValue::Dword(0));
  EXPECT_EQ(world.DriverValue("AutomaticPath"), platform::RegValue::String(""));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SheafmillUnitTest, BothCloseStepsWriteTheResetOnTheirOwn) {
  world.InstallPrinter(kDriverPrinter);
  world.InstallDriverKey();
  TForm1& f = Create();
  auto setOutput = [&] {
    world.Platform().Registry().SetValue(testsupport::kDriverKeyPath, "AutomaticOutput",
                                         platform::RegValue::Dword(1));
    world.Platform().Registry().SetValue(testsupport::kDriverKeyPath, "AutomaticPath",
                                         platform::RegValue::String("C:\\Out"));
  };
  setOutput();
  bool canClose = false;
  f.FormCloseQuery(canClose);
  EXPECT_TRUE(canClose);
  EXPECT_EQ(world.DriverValue("AutomaticOutput"), platform::RegValue::Dword(0));
  EXPECT_EQ(world.DriverValue("AutomaticPath"), platform::RegValue::String(""));
  setOutput();
  f.FormClose();
  EXPECT_EQ(world.DriverValue("AutomaticOutput"), platform::RegValue::Dword(0));
  EXPECT_EQ(world.DriverValue("AutomaticPath"), platform::RegValue::String(""));
}

TEST_F(SheafmillUnitTest, ClosingWithoutTheDriverKeyCreatesNoKey) {
  world.InstallPrinter(kDriverPrinter);
  Create().Window().Show();
  EXPECT_TRUE(Window().ClickCloseBox());
  EXPECT_FALSE(form->Window().Visible());
  EXPECT_FALSE(world.Platform().Registry().KeyExists(testsupport::kDriverKeyPath));
  EXPECT_FALSE(world.Platform().Registry().KeyExists("\\Software\\Quillby"));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SheafmillUnitTest, AnErrorInFormCreateIsReportedAndTheWindowOpensAllTheSame) {
  // A registry store that cannot be read fails the printer check.
  world.InstallPrinter(kDriverPrinter);
  const std::filesystem::path store = world.Platform().Registry().File();
  std::ofstream(store, std::ios::app) << "this line is not a registry line\n";
  TForm1& f = Create();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::Stop);
  EXPECT_NE(Messages()[0].text.find(store.filename().string()), std::string::npos);
  EXPECT_EQ(f.OverwriteMode, 3);  // the steps before the failing one ran
  f.Window().Show();
  EXPECT_TRUE(f.Window().Visible());
}

}  // namespace
