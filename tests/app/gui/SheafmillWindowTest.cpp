// The main window on the wx kit: every control where the design puts it, every caption
// readable in the dialog font, and a screenshot to look at.

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/msgdlg.h>
// after msgdlg.h, which it needs
#include <wx/app.h>
#include <wx/display.h>
#include <wx/generic/msgdlgg.h>
#include <wx/image.h>
#include <wx/toplevel.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "app/SheafmillUnit.h"
#include "tests/app/SheafmillWorld.h"
#include "tests/support/wx/WxTestKit.h"
#include "ui/wx/WxButton.h"
#include "ui/wx/WxCheckBox.h"
#include "ui/wx/WxForm.h"
#include "ui/wx/WxGroupBox.h"
#include "ui/wx/WxLabel.h"

namespace {

using testsupport::WxSettle;
using testsupport::WxTestKit;

struct Designed {
  const ui::Control* control;
  ui::Bounds bounds;
  std::string caption;
};

class SheafmillWindowTest : public ::testing::Test {
 protected:
  SheafmillWindowTest() {
    world.InstallPrinter("VELTRA Ashgrove PDF Creator");
    kit.App().SetTitle("Sheafmill");
    form = std::make_unique<TForm1>(kit, world.Platform(), printers);
    form->Window().Show();
    WxSettle(20);
  }

  std::vector<Designed> Design() const {
    const TForm1& f = *form;
    return {
        {f.GroupBox3.get(), {8, 8, 209, 185}, "File Format"},
        {f.CheckBox1.get(), {16, 24, 185, 17}, "Microsoft Word (.DOC)"},
        {f.CheckBox2.get(), {16, 48, 185, 17}, "Microsoft Excel (.XLS)"},
        {f.CheckBox3.get(), {16, 72, 185, 17}, "Microsoft PowerPoint (.PPT)"},
        {f.CheckBox4.get(), {16, 96, 185, 17}, "Plain Text File (.TXT)"},
        {f.CheckBox5.get(), {16, 120, 185, 17}, "Rich Text File  (.RTF)  "},
        {f.CheckBox6.get(), {16, 144, 177, 17}, "Web Pages (.HTM, .HTML)"},
        {f.CheckBox7.get(), {16, 168, 185, 17}, "AutoCAD drawings (.DWG, .DXF)"},
        {f.GroupBox4.get(), {16, 232, 185, 113}, "Control Center"},
        {f.Button4.get(), {44, 248, 129, 25}, "Convert"},
        {f.Button2.get(), {44, 280, 129, 25}, "Advanced Options"},
        {f.Button1.get(), {44, 312, 129, 25}, "Exit"},
        {f.GroupBox5.get(), {16, 352, 185, 65}, "Status"},
        {f.Label1.get(), {24, 376, 146, 13}, "Ready. Please choose file type"},
        {f.Label2.get(), {24, 392, 131, 13}, "                  and source files "},
        {f.Label3.get(), {14, 424, 187, 13}, "\xC2\xA9 2004-2013 Quillby Software Ltd."},
        {f.GroupBox1.get(), {224, 8, 425, 217}, "Source Files"},
        {f.GroupBox2.get(), {224, 225, 425, 216}, "Destination Files (Format: PDF)"},
    };
  }

  ui::WxForm& Window() { return static_cast<ui::WxForm&>(form->Window()); }

  ui::WxKit& kit = WxTestKit();
  testsupport::SheafmillWorld world;
  controls::ProcessPrinters printers{world.Platform().Printing()};
  std::unique_ptr<TForm1> form;
};

// The room a caption needs in its control: the text in the control's own font, plus the
// check mark or the button's border, or the group box's indent.
wxSize Needed(const ui::Control& control) {
  auto* native = dynamic_cast<const ui::WxNative&>(control).NativeWindow();
  wxSize text = native->GetTextExtent(native->GetLabel());
  if (dynamic_cast<const ui::CheckBox*>(&control) != nullptr) {
    native->SetMinSize(wxDefaultSize);
    native->InvalidateBestSize();
    return native->GetBestSize();
  }
  if (dynamic_cast<const ui::Button*>(&control) != nullptr) {
    return {text.x + 8, text.y + 4};
  }
  if (dynamic_cast<const ui::GroupBox*>(&control) != nullptr) {
    return {text.x + 16, text.y};
  }
  return text;
}

TEST_F(SheafmillWindowTest, TheFrameIsAFixedDialogFrameCentredOnTheScreen) {
  EXPECT_EQ(Window().Caption(), "Sheafmill 3.01 - Batch Convert to PDF files");
  EXPECT_EQ(Window().ClientSize(), (ui::Size{659, 446}));
  EXPECT_FALSE(Window().Window()->GetWindowStyleFlag() & wxRESIZE_BORDER);
  EXPECT_FALSE(Window().Window()->GetWindowStyleFlag() & wxMAXIMIZE_BOX);
  EXPECT_FALSE(Window().Window()->GetWindowStyleFlag() & wxMINIMIZE_BOX);
  EXPECT_TRUE(Window().Window()->GetIcon().IsOk());
  EXPECT_EQ(Window().Window()->GetIcon().GetWidth(), 32);
  wxRect screen = wxDisplay(Window().Window()).GetGeometry();
  wxRect frame = Window().Window()->GetScreenRect();
  EXPECT_NEAR(frame.x + frame.width / 2, screen.x + screen.width / 2, 2);
  EXPECT_NEAR(frame.y + frame.height / 2, screen.y + screen.height / 2, 2);
  EXPECT_TRUE(form->Button4->Focused());
}

TEST_F(SheafmillWindowTest, EveryControlStandsAtItsPlaceAndItsCaptionFits) {
  for (const Designed& d : Design()) {
    SCOPED_TRACE(d.control->Name());
    auto* native = dynamic_cast<const ui::WxNative&>(*d.control).NativeWindow();
    ASSERT_NE(native, nullptr);
    ui::Bounds bounds = d.control->Bounds();
    if (dynamic_cast<const ui::Label*>(d.control) != nullptr) {
      EXPECT_EQ(bounds.width, Needed(*d.control).x);  // a label is as wide as its text
      bounds.width = d.bounds.width;
    }
    EXPECT_EQ(bounds, d.bounds);
    EXPECT_TRUE(native->IsShown());
    EXPECT_EQ(ui::FromWx(native->GetLabel()), d.caption);
    wxFont font = native->GetFont();
    EXPECT_EQ(font.GetPointSize(), 8);
    EXPECT_EQ(font.GetFaceName(), "Liberation Sans");
    bool box = dynamic_cast<const ui::GroupBox*>(d.control) != nullptr;
    EXPECT_EQ(font.GetWeight(), box ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL);
    wxSize needed = Needed(*d.control);
    EXPECT_LE(needed.x, d.bounds.width) << "caption too wide";
    EXPECT_LE(needed.y, d.bounds.height) << "caption too high";
  }
}

// The run's status texts are longer than the labels' design width: each label grows to its
// text, and only the Status box's inner edge cuts it off.
TEST_F(SheafmillWindowTest, StatusLabelsGrowWithTheirTextUpToTheStatusBox) {
  form->Label1->SetCaption("Batch Conversion Initialization: OK!");
  form->Label2->SetCaption("Converting quarterly report for the northern region.doc ....");
  WxSettle();
  auto* upper = dynamic_cast<const ui::WxNative&>(*form->Label1).NativeWindow();
  auto* lower = dynamic_cast<const ui::WxNative&>(*form->Label2).NativeWindow();
  auto* box = dynamic_cast<const ui::WxNative&>(*form->GroupBox5).NativeWindow();
  int boxInner = box->GetRect().GetRight() + 1 - 2;
  EXPECT_GT(upper->GetSize().x, 146);
  EXPECT_EQ(upper->GetSize().x, upper->GetTextExtent(upper->GetLabel()).x);
  EXPECT_LE(upper->GetRect().GetRight() + 1, boxInner);
  EXPECT_GT(lower->GetTextExtent(lower->GetLabel()).x, boxInner - 24);
  EXPECT_EQ(lower->GetRect().GetRight() + 1, boxInner);
  EXPECT_EQ(lower->GetSize().y, 13);

  wxWindow* client = Window().Client();
  Window().Window()->Raise();
  client->Update();
  WxSettle(20);
  wxRect status = box->GetRect();
  wxBitmap shot(status.GetSize());
  {
    wxScreenDC screen;
    wxMemoryDC memory(shot);
    wxPoint origin = client->ClientToScreen(status.GetPosition());
    memory.Blit(0, 0, status.width, status.height, &screen, origin.x, origin.y);
  }
  std::filesystem::path file = std::filesystem::path(SHEAFMILL_SCREENSHOT_DIR) / "status-box.png";
  std::filesystem::create_directories(file.parent_path());
  ASSERT_TRUE(shot.SaveFile(file.string(), wxBITMAP_TYPE_PNG));
}

TEST_F(SheafmillWindowTest, TheTreesListsAndComboStandAtTheirPlaces) {
  const std::vector<std::pair<const ui::Control*, ui::Bounds>> placed = {
      {&form->ZELPrinterCombo1->Base(), {8, 200, 209, 28}},
      {&form->ZELExplorerTree1->Base(), {232, 24, 201, 193}},
      {&form->ZELExplorerView1->Base(), {432, 24, 201, 193}},
      {&form->ZELExplorerTree2->Base(), {232, 240, 201, 193}},
      {&form->ZELExplorerView2->Base(), {432, 240, 201, 193}},
  };
  for (const auto& [control, bounds] : placed) {
    SCOPED_TRACE(control->Name());
    EXPECT_EQ(control->Bounds(), bounds);
    EXPECT_TRUE(dynamic_cast<const ui::WxNative&>(*control).NativeWindow()->IsShown());
  }
}

TEST_F(SheafmillWindowTest, TheCloseBoxSwitchesTheDriversOutputOff) {
  world.InstallDriverKey();
  world.Platform().Registry().SetValue(testsupport::kDriverKeyPath, "AutomaticOutput",
                                       platform::RegValue::Dword(3));
  EXPECT_TRUE(Window().Window()->Close());
  WxSettle();
  EXPECT_FALSE(form->Window().Visible());
  EXPECT_EQ(world.DriverValue("AutomaticOutput"), platform::RegValue::Dword(0));
  EXPECT_EQ(world.DriverValue("AutomaticPath"), platform::RegValue::String(""));
}

// A registry file that cannot be read any more: the error is shown once, and the window
// closes all the same.
TEST_F(SheafmillWindowTest, TheWindowClosesWhenTheRegistryFileBecameUnreadable) {
  world.InstallDriverKey();
  WxSettle();
  {
    std::ofstream damaged(world.Platform().Registry().File(), std::ios::trunc);
    damaged << "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n\"b\"=oops\n";
  }
  int boxes = 0;
  std::string text;
  std::function<void()> answer = [&] {
    for (wxWindow* window : wxTopLevelWindows) {
      auto* box = dynamic_cast<wxGenericMessageDialog*>(window);
      if (box != nullptr && box->IsModal()) {
        ++boxes;
        text = ui::FromWx(box->GetMessage());
        box->EndModal(wxID_OK);
        return;
      }
    }
    if (form->Window().Visible()) wxTheApp->CallAfter(answer);
  };
  wxTheApp->CallAfter(answer);
  Window().Window()->Close();
  WxSettle();
  EXPECT_FALSE(form->Window().Visible());
  EXPECT_EQ(boxes, 1);
  EXPECT_NE(text.find("user.reg"), std::string::npos) << text;
}

TEST_F(SheafmillWindowTest, AScreenshotOfTheWindowIsSavedInTheBuildFolder) {
  wxWindow* client = Window().Client();
  Window().Window()->Raise();
  client->Update();
  WxSettle(20);
  wxSize size = client->GetClientSize();
  wxBitmap shot(size);
  {
    wxScreenDC screen;
    wxMemoryDC memory(shot);
    wxPoint origin = client->ClientToScreen(wxPoint(0, 0));
    memory.Blit(0, 0, size.x, size.y, &screen, origin.x, origin.y);
  }
  std::filesystem::path file =
      std::filesystem::path(SHEAFMILL_SCREENSHOT_DIR) / "sheafmill-main-window.png";
  std::filesystem::create_directories(file.parent_path());
  ASSERT_TRUE(shot.SaveFile(file.string(), wxBITMAP_TYPE_PNG));

  wxImage saved(file.string(), wxBITMAP_TYPE_PNG);
  ASSERT_TRUE(saved.IsOk());
  EXPECT_EQ(saved.GetWidth(), 659);
  EXPECT_EQ(saved.GetHeight(), 446);
  std::set<unsigned long> colours;
  for (int y = 0; y < saved.GetHeight(); y += 3) {
    for (int x = 0; x < saved.GetWidth(); x += 3) {
      colours.insert((saved.GetRed(x, y) << 16) | (saved.GetGreen(x, y) << 8) |
                     saved.GetBlue(x, y));
    }
  }
  EXPECT_GT(colours.size(), 8u) << "the picture holds no controls";
}

}  // namespace
