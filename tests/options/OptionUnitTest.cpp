#include "options/OptionUnit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/WinTypes.h"
#include "tests/options/OptionsWorld.h"
#include "ui/headless/HeadlessButton.h"
#include "ui/headless/HeadlessForm.h"
#include "ui/headless/HeadlessLabel.h"

namespace {

using testsupport::ReadFile;

constexpr char kDesignNote[] =
    "***No Fonts Embeded***. If you wish to embed fonts, click the button.";

class OptionUnitTest : public testsupport::OptionsWorld {
 protected:
  static std::string Note(const TForm2& dialog) { return dialog.Label5->Caption(); }
  static bool Click(ui::Button& button) { return static_cast<ui::HeadlessButton&>(button).Click(); }
};

struct Designed {
  const ui::Control* control;
  const char* name;
  ui::Bounds bounds;
  int tabOrder;
};

TEST_F(OptionUnitTest, TheDialogIsBuiltAsDesigned) {
  std::unique_ptr<TForm2> dialog = CreateDialog();
  TForm2& d = *dialog;
  EXPECT_EQ(d.Window().Caption(), "Advanced Options");
  EXPECT_EQ(d.Window().ClientSize(), (ui::Size{402, 224}));
  EXPECT_EQ(d.Window().Position(), ui::FormPosition::OwnerFormCenter);
  EXPECT_EQ(d.Window().Owner(), mainWindow.get());
  EXPECT_FALSE(d.Window().Visible());
  EXPECT_EQ(d.RundllPath, "rundll32.exe");

  const Designed table[] = {
      {d.Label2.get(), "Label2", {27, 27, 26, 13}, 0},
      {d.Edit1.get(), "Edit1", {72, 24, 297, 21}, 0},
      {d.Label1.get(), "Label1", {19, 51, 44, 13}, 0},
      {d.Edit2.get(), "Edit2", {72, 48, 297, 21}, 1},
      {d.Label3.get(), "Label3", {21, 76, 38, 13}, 0},
      {d.Edit3.get(), "Edit3", {72, 72, 297, 21}, 2},
      {d.Label4.get(), "Label4", {13, 100, 55, 13}, 0},
      {d.Edit4.get(), "Edit4", {72, 96, 297, 21}, 3},
      {d.CheckBox1.get(), "CheckBox1", {9, 128, 385, 17}, 4},
      {d.Label5.get(), "Label5", {43, 146, 326, 13}, 0},
      {d.Button3.get(), "Button3", {144, 160, 137, 25}, 7},
      {d.Button1.get(), "Button1", {96, 192, 75, 25}, 5},
      {d.Button2.get(), "Button2", {240, 192, 75, 25}, 6},
  };
  for (const Designed& row : table) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.control->Name(), row.name);
    EXPECT_EQ(row.control->Bounds(), row.bounds);
    EXPECT_EQ(row.control->Parent(), &d.Window());
    if (row.control->TabStop()) {
      EXPECT_EQ(row.control->TabOrder(), row.tabOrder);
    }
  }
  EXPECT_EQ(d.Label2->Caption(), "Title");
  EXPECT_EQ(d.Label1->Caption(), "Subject");
  EXPECT_EQ(d.Label3->Caption(), "Author");
  EXPECT_EQ(d.Label4->Caption(), "Keywords");
  for (const ui::Label* label : {d.Label1.get(), d.Label2.get(), d.Label3.get(), d.Label4.get()}) {
    EXPECT_TRUE(label->Bold());
  }
  EXPECT_FALSE(d.Label5->Bold());
  EXPECT_EQ(Note(d), kDesignNote);
  EXPECT_EQ(d.CheckBox1->Caption(),
            "If the destination PDF file exists, overwrite without confirmation");
  EXPECT_TRUE(d.CheckBox1->Bold());
  EXPECT_TRUE(d.CheckBox1->Checked());
  EXPECT_EQ(d.Button3->Caption(), "Printing Preferences...");
  EXPECT_EQ(d.Button1->Caption(), "OK");
  EXPECT_EQ(d.Button2->Caption(), "Cancel");

  std::vector<std::string> order;
  for (const ui::Control* control : ui::TabSequence(d.Window())) order.push_back(control->Name());
  EXPECT_EQ(order, (std::vector<std::string>{"Edit1", "Edit2", "Edit3", "Edit4", "CheckBox1",
                                             "Button1", "Button2", "Button3"}));
  d.Window().Show();
  EXPECT_TRUE(d.Edit1->Focused());
}

TEST_F(OptionUnitTest, TheNoteShowsAnEmbeddedFontCountAboveZeroOnly) {
  InstallDriverKey();
  SetDword("EmbedNum", 0);
  EXPECT_EQ(Note(*CreateDialog()), kDesignNote);
  SetDword("EmbedNum", static_cast<uint32_t>(-2));
  EXPECT_EQ(Note(*CreateDialog()), kDesignNote);
  SetDword("EmbedNum", 3);
  SetDword("AllIndex", 9);
  EXPECT_EQ(Note(*CreateDialog()),
            "***3 font(s) embedded***. If you wish to embed fonts, click the button.");

  // On 64-bit Windows the note follows AllIndex alone.
  IsWow64 = true;
  EXPECT_EQ(Note(*CreateDialog()),
            "***9 font(s) embedded***. If you wish to embed fonts, click the button.");
  store.DeleteValue(testsupport::kDriverKeyPath, "AllIndex");
  EXPECT_EQ(Note(*CreateDialog()), kDesignNote);
}

TEST_F(OptionUnitTest, AClickOnTheNoteRefreshesItAndAFallingCountLeavesItAsItWas) {
  InstallDriverKey();
  std::unique_ptr<TForm2> dialog = CreateDialog();
  dialog->Window().Show();
  auto& note = static_cast<ui::HeadlessLabel&>(*dialog->Label5);
  SetDword("EmbedNum", 2);
  EXPECT_TRUE(note.Click());
  EXPECT_EQ(Note(*dialog),
            "***2 font(s) embedded***. If you wish to embed fonts, click the button.");
  SetDword("EmbedNum", 0);
  EXPECT_TRUE(note.Click());
  EXPECT_EQ(Note(*dialog),
            "***2 font(s) embedded***. If you wish to embed fonts, click the button.");
  store.DeleteKey(testsupport::kDriverKeyPath);
  EXPECT_TRUE(note.Click());
  EXPECT_FALSE(store.KeyExists(testsupport::kDriverKeyPath));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(OptionUnitTest, ACountOfAnotherTypeIsReportedAndTheDialogOpensWithTheDesignNote) {
  InstallDriverKey();
  SetString("EmbedNum", "3");
  std::unique_ptr<TForm2> dialog = CreateDialog();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Invalid data type for 'EmbedNum'");
  EXPECT_EQ(Messages()[0].icon, ui::MessageIcon::Stop);
  EXPECT_EQ(Note(*dialog), kDesignNote);
  EXPECT_EQ(dialog->RundllPath, "rundll32.exe");
  ASSERT_NE(dialog->Button1, nullptr);
}

TEST_F(OptionUnitTest, PrintingPreferencesWaitsForTheProgramThenRefreshesTheNote) {
  InstallDriverKey();
  const std::string args = (Temp() / "args.txt").string();
  const std::string done = (Temp() / "done").string();
  InstallProgram("rundll32.exe", "printf '%s\\n' \"$@\" > '" + args +
                                     "'\n"
                                     "sleep 0.4\n"
                                     "'" SHEAFMILL_REG_EXE
                                     "' add 'HKCU\\Software\\Quillby\\Varnel' /v EmbedNum "
                                     "/t REG_DWORD /d 4 /f > /dev/null\n"
                                     "touch '" +
                                     done + "'\nexit 0");
  std::unique_ptr<TForm2> dialog = CreateDialog();
  dialog->Window().Show();
  // Input that arrives while the program runs is handled, with the note as it was.
  std::vector<std::string> notesWhileWaiting;
  kit.App().Post([&] { notesWhileWaiting.push_back(Note(*dialog)); });
  const int pumpsBefore = kit.App().PumpCount();

  EXPECT_TRUE(Click(*dialog->Button3));
  EXPECT_TRUE(std::filesystem::exists(done));
  EXPECT_EQ(ReadFile(args), "printui.dll,PrintUIEntry\n/e\n/n\nVELTRA Ashgrove PDF Creator\n");
  EXPECT_EQ(notesWhileWaiting, (std::vector<std::string>{kDesignNote}));
  EXPECT_GE(kit.App().PumpCount() - pumpsBefore, 2);
  EXPECT_EQ(Note(*dialog),
            "***4 font(s) embedded***. If you wish to embed fonts, click the button.");
}

TEST_F(OptionUnitTest, PrintingPreferencesThatCannotStartStillRefreshTheNote) {
  InstallDriverKey();
  std::unique_ptr<TForm2> dialog = CreateDialog();
  dialog->Window().Show();
  SetDword("EmbedNum", 1);
  EXPECT_TRUE(Click(*dialog->Button3));
  EXPECT_EQ(Note(*dialog),
            "***1 font(s) embedded***. If you wish to embed fonts, click the button.");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(OptionUnitTest, RunAndWaitGivesTheExitCodeZeroWithoutWaitingOrMinusOne) {
  std::unique_ptr<TForm2> dialog = CreateDialog();
  InstallProgram("seven.exe", "exit 7");
  const std::string marker = (Temp() / "late").string();
  InstallProgram("late.exe", "sleep 0.2\ntouch '" + marker + "'\nexit 5");
  EXPECT_EQ(dialog->RunAndWait("open", "seven.exe", "", "", platform::SW_SHOW, true), 7);
  EXPECT_EQ(dialog->RunAndWait("", "SEVEN.EXE", "", "", platform::SW_SHOW, true), 7);
  EXPECT_EQ(dialog->RunAndWait("open", "late.exe", "", "", platform::SW_SHOW, false), 0);
  EXPECT_FALSE(std::filesystem::exists(marker));
  EXPECT_EQ(dialog->RunAndWait("open", "missing.exe", "", "", platform::SW_SHOW, true), -1);
  EXPECT_EQ(dialog->RunAndWait("print", "seven.exe", "", "", platform::SW_SHOW, true), -1);
  EXPECT_EQ(dialog->RunAndWait("open", "seven.exe", "", "C:\\NOWHERE", platform::SW_SHOW, true),
            -1);
}

}  // namespace
