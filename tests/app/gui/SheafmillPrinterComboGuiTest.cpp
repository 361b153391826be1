// The main window's printer combo on the wx kit, dropped down by the mouse: the list is
// widened to the longest printer name, and a screenshot shows it.

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/uiaction.h>

#include <filesystem>

#include "app/SheafmillUnit.h"
#include "tests/app/SheafmillWorld.h"
#include "tests/support/wx/WxTestKit.h"
#include "ui/wx/WxDropDownList.h"
#include "ui/wx/WxForm.h"

namespace {

using testsupport::WxSettle;
using testsupport::WxTestKit;

constexpr char kLongName[] = "Fax && Copier on \\\\print-server\\east-wing-third-floor";

TEST(SheafmillPrinterComboGuiTest, TheDroppedDownListIsWidenedAndPhotographed) {
  testsupport::SheafmillWorld world;
  world.InstallPrinter("Office Laser");
  world.InstallPrinter("VELTRA Ashgrove PDF Creator");
  world.InstallPrinter(kLongName);
  ui::WxKit& kit = WxTestKit();
  kit.App().SetTitle("Sheafmill");
  controls::ProcessPrinters printers(world.Platform().Printing());
  TForm1 form(kit, world.Platform(), printers);
  form.Window().Show();
  WxSettle(20);
  ASSERT_EQ(form.ZELPrinterCombo1->SelectedIndex(), 1);

  ui::WxOwnerDrawnCombo* combo =
      static_cast<ui::WxDropDownList&>(form.ZELPrinterCombo1->Base()).Window();
  wxUIActionSimulator user;
  const wxSize size = combo->GetSize();
  user.MouseMove(combo->ClientToScreen(wxPoint(size.x - 8, size.y / 2)));
  user.MouseClick();
  WxSettle(30);
  ASSERT_TRUE(form.ZELPrinterCombo1->Base().DroppedDown());
  const int widest = form.ZELPrinterCombo1->Base().DefaultFontTextWidth(kLongName);
  EXPECT_EQ(form.ZELPrinterCombo1->MaxItemWidth(), widest);
  const wxRect popup = combo->GetPopupWindow()->GetScreenRect();
  EXPECT_GE(popup.width, widest + 37);
  EXPECT_GT(popup.width, 209);

  // The window and the list below the combo, in one picture.
  const auto& window = static_cast<ui::WxForm&>(form.Window());
  wxRect area = window.Client()->GetScreenRect().Union(popup);
  area.Inflate(2);
  wxBitmap shot(area.GetSize());
  {
    wxScreenDC screen;
    wxMemoryDC memory(shot);
    memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
  }
  const std::filesystem::path file =
      std::filesystem::path(SHEAFMILL_SCREENSHOT_DIR) / "sheafmill-printer-combo-dropped.png";
  std::filesystem::create_directories(file.parent_path());
  EXPECT_TRUE(shot.SaveFile(file.string(), wxBITMAP_TYPE_PNG));

  combo->Dismiss();
  WxSettle();
  EXPECT_EQ(printers.PrinterIndex(), 0) << "dropping down picks nothing";
  form.Window().Close();
  WxSettle();
}

}  // namespace
