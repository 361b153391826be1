// The file list on the real window kit: rows with the desktop's icons, the user's clicks and
// keys, the columns' scroll bar, and a screenshot in the build folder.

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/settings.h>
#include <wx/uiaction.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "controls/zeltexplorerview.h"
#include "platform/files/FileSystem.h"
#include "platform/shell/Shell.h"
#include "tests/support/TempDir.h"
#include "tests/support/wx/WxTestKit.h"
#include "ui/wx/WxSortedListBox.h"

namespace {

using testsupport::WxSettle;
using testsupport::WxTestKit;

class ZELExplorerViewGuiTest : public ::testing::Test {
 protected:
  ZELExplorerViewGuiTest()
      : files_(platform::DriveMap{{'E', temp_.MakeDir("e")}}, temp_.Path() / "windows"),
        shell_(files_, temp_.MakeDir("programs")) {
    for (const char* name : {"a.doc", "b.TXT", "Notes.rtf", "minutes[1].doc", "page.html",
                             "book.xls", "slides.ppt", "plan.dwg", "report.pdf", "readme"}) {
      temp_.WriteFile(std::string("e/Docs/") + name, "x");
    }
    files_.SetCurrentDirectory("E:\\Docs");
    form_->SetCaption("File list");
    form_->SetClientSize({273, 200});
    list_ = std::make_unique<controls::TZELExplorerView>(
        files_, shell_, kit_.App(), kit_.CreateSortedListBox(*form_, {8, 8, 257, 184}));
    list_->OnChange = [this](controls::TZELExplorerView&) { ++changes_; };
  }
  ~ZELExplorerViewGuiTest() override {
    form_->Close();
    list_.reset();
    form_.reset();
    WxSettle(2);
  }

  ui::WxSortedListBox& Base() { return static_cast<ui::WxSortedListBox&>(list_->Base()); }
  wxWindow& Window() { return *Base().NativeWindow(); }
  void ShowForm() {
    form_->Show();
    WxSettle(20);
  }
  // What the window paints, drawn into a picture of its client area.
  wxImage Painted() {
    wxBitmap picture(Window().GetClientSize());
    wxMemoryDC dc(picture);
    Base().PaintTo(dc);
    dc.SelectObject(wxNullBitmap);
    return picture.ConvertToImage();
  }
  // The window's client area as the screen shows it: the picture to look at. (Under Xvfb
  // without a window manager, a form that an earlier test in the same process destroyed can
  // still cover it; ctest runs each test in a process of its own.)
  void SaveScreenshot(const std::string& name) {
    Window().Update();
    WxSettle(10);
    wxSize size = Window().GetClientSize();
    wxBitmap shot(size);
    {
      wxScreenDC screen;
      wxMemoryDC memory(shot);
      wxPoint origin = Window().ClientToScreen(wxPoint(0, 0));
      memory.Blit(0, 0, size.x, size.y, &screen, origin.x, origin.y);
    }
    std::filesystem::path file = std::filesystem::path(SHEAFMILL_SCREENSHOT_DIR) / name;
    std::filesystem::create_directories(file.parent_path());
    ASSERT_TRUE(shot.SaveFile(file.string(), wxBITMAP_TYPE_PNG));
  }
  static size_t ColoursIn(const wxImage& image, const wxRect& area) {
    std::set<unsigned long> colours;
    for (int y = area.y; y < area.GetBottom(); ++y) {
      for (int x = area.x; x < area.GetRight(); ++x) {
        colours.insert((image.GetRed(x, y) << 16) | (image.GetGreen(x, y) << 8) |
                       image.GetBlue(x, y));
      }
    }
    return colours.size();
  }

  testsupport::TempDir temp_;
  platform::FileSystem files_;
  platform::Shell shell_;
  ui::WxKit& kit_ = WxTestKit();
  std::unique_ptr<ui::Form> form_ = kit_.CreateForm(nullptr);
  std::unique_ptr<controls::TZELExplorerView> list_;
  int changes_ = 0;
};

TEST_F(ZELExplorerViewGuiTest, TheShownListReadsItsFolderAndDrawsIconsBesideTheNames) {
  EXPECT_FALSE(list_->Base().HasWindow());
  ShowForm();
  ASSERT_TRUE(list_->Base().HasWindow());  // the first paint made it
  EXPECT_EQ(list_->Entries().Count(), 10);
  EXPECT_EQ(list_->Entries()[0], "a.doc");

  SaveScreenshot("explorer-view.png");
  wxImage shot = Painted();
  // Each row: a 16 x 16 picture at its left, the name from 18 pixels on.
  for (int row = 0; row < 3; ++row) {
    EXPECT_GT(ColoursIn(shot, wxRect(0, row * 18, 16, 16)), 3u) << "no icon in row " << row;
    EXPECT_GT(ColoursIn(shot, wxRect(18, row * 18, 60, 14)), 1u) << "no text in row " << row;
  }
}

TEST_F(ZELExplorerViewGuiTest, TheUsersClickAndKeysMoveTheCurrentEntry) {
  ShowForm();
  int reads = changes_;
  wxUIActionSimulator user;
  user.MouseMove(Window().ClientToScreen(wxPoint(40, 2 * 18 + 9)));
  user.MouseClick();
  WxSettle();
  EXPECT_EQ(list_->ItemIndex(), 2);
  EXPECT_TRUE(list_->Selected(2));
  user.Char(WXK_DOWN);
  WxSettle();
  EXPECT_EQ(list_->ItemIndex(), 3);
  EXPECT_EQ(changes_, reads + 2);

  SaveScreenshot("explorer-view-selected.png");
  wxImage shot = Painted();
  wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
  wxColour row3(shot.GetRed(200, 3 * 18 + 9), shot.GetGreen(200, 3 * 18 + 9),
                shot.GetBlue(200, 3 * 18 + 9));
  wxColour row2(shot.GetRed(200, 2 * 18 + 9), shot.GetGreen(200, 2 * 18 + 9),
                shot.GetBlue(200, 2 * 18 + 9));
  EXPECT_EQ(row3.GetAsString(), highlight.GetAsString());
  EXPECT_NE(row2.GetAsString(), highlight.GetAsString());
}

TEST_F(ZELExplorerViewGuiTest, ColumnsScrollSidewaysByWholeColumns) {
  for (int i = 0; i < 40; ++i) temp_.WriteFile("e/Docs/f" + std::to_string(10 + i) + ".doc", "x");
  ShowForm();
  ASSERT_EQ(list_->Entries().Count(), 50);
  WxSettle();
  wxScrollBar& bar = Base().ColumnBar();
  ASSERT_TRUE(bar.IsShown());
  int rows = Base().RowsPerColumn();
  // The rows stop above the bar, which lies inside the client area along its bottom.
  int clientHeight = Window().GetClientSize().y;
  EXPECT_EQ(rows, (clientHeight - bar.GetSize().y) / 18);
  EXPECT_EQ(bar.GetPosition().y + bar.GetSize().y, clientHeight);
  EXPECT_EQ(bar.GetRange(), (50 + rows - 1) / rows);
  EXPECT_EQ(bar.GetThumbSize(), 1);
  list_->Base().ScrollTo(2);
  WxSettle();
  EXPECT_EQ(list_->Base().TopIndex(), 2 * rows);
  EXPECT_EQ(bar.GetThumbPosition(), 2);
}

// The last column in sight shows the last entry in a row of its own that the bar does not
// cover.
void ExpectLastEntryShown(controls::TZELExplorerView& list, ui::WxSortedListBox& base) {
  int last = list.Entries().Count() - 1;
  ui::Rect rect = base.ItemRect(last);
  EXPECT_GE(rect.left, 0);
  EXPECT_LE(rect.right, base.ClientWidth());
  EXPECT_LE(rect.bottom, base.ClientHeight() - base.ColumnBar().GetSize().y);
  EXPECT_EQ(base.ItemAtPoint(rect.left + 40, rect.top + 9), last);
  EXPECT_EQ(base.ColumnBar().GetThumbPosition(),
            base.ColumnBar().GetRange() - base.ColumnBar().GetThumbSize());
}

TEST_F(ZELExplorerViewGuiTest, EveryColumnIsReachableByKeysWheelAndThumb) {
  for (int i = 0; i < 10; ++i) temp_.WriteFile("e/Docs/g" + std::to_string(10 + i) + ".doc", "x");
  ShowForm();
  ASSERT_EQ(list_->Entries().Count(), 20);
  wxScrollBar& bar = Base().ColumnBar();
  int rows = Base().RowsPerColumn();
  int height = Window().GetClientSize().y;
  WxSettle(30);  // the bar stays as it is: neither it nor the rows come and go
  EXPECT_TRUE(bar.IsShown());
  EXPECT_EQ(Base().RowsPerColumn(), rows);
  EXPECT_EQ(Window().GetClientSize().y, height);
  EXPECT_EQ(bar.GetRange(), (20 + rows - 1) / rows);

  wxUIActionSimulator user;
  user.MouseMove(Window().ClientToScreen(wxPoint(40, 9)));
  user.MouseClick();
  user.Char(WXK_END);
  WxSettle();
  EXPECT_EQ(list_->ItemIndex(), 19);
  ExpectLastEntryShown(*list_, Base());
  SaveScreenshot("explorer-view-columns-end.png");

  user.Char(WXK_HOME);
  WxSettle();
  EXPECT_EQ(bar.GetThumbPosition(), 0);
  for (int i = 0; i < bar.GetRange(); ++i) user.Char(WXK_RIGHT);
  WxSettle();
  EXPECT_EQ(list_->ItemIndex(), 19);  // the last step lands on the last entry
  ExpectLastEntryShown(*list_, Base());

  list_->Base().ScrollTo(0);
  WxSettle();
  for (int i = 0; i < bar.GetRange(); ++i) {
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -120;
    wheel.m_wheelDelta = 120;
    Window().GetEventHandler()->ProcessEvent(wheel);
  }
  WxSettle();
  ExpectLastEntryShown(*list_, Base());

  list_->Base().ScrollTo(0);
  WxSettle();
  wxPoint thumb =
      bar.ClientToScreen(wxPoint(bar.GetSize().x / (2 * bar.GetRange()), bar.GetSize().y / 2));
  user.MouseDragDrop(thumb, bar.ClientToScreen(wxPoint(bar.GetSize().x + 40, bar.GetSize().y / 2)));
  WxSettle(20);
  ExpectLastEntryShown(*list_, Base());
}

TEST_F(ZELExplorerViewGuiTest, ALongListReachesItsEndAndTheBarAgreesWithTheRows) {
  for (int i = 0; i < 3000; ++i)
    temp_.WriteFile("e/Docs/h" + std::to_string(10000 + i) + ".doc", "x");
  ShowForm();
  ASSERT_EQ(list_->Entries().Count(), 3010);
  WxSettle();
  int rows = Base().RowsPerColumn();
  EXPECT_EQ(Base().ColumnBar().GetRange(), (3010 + rows - 1) / rows);
  list_->Base().SetFocus();
  wxUIActionSimulator user;
  user.Char(WXK_END);
  WxSettle();
  EXPECT_EQ(list_->ItemIndex(), 3009);
  ExpectLastEntryShown(*list_, Base());
  SaveScreenshot("explorer-view-long-end.png");
}

}  // namespace
