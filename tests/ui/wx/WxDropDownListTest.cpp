// The drop-down list on the wx kit: the window comes with the first paint, entries and
// selection reach the native combo, the owner paints, and a user's pick with the mouse is
// notified once, after the drop-down hook has widened the list.

#include "ui/wx/WxDropDownList.h"

#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include "tests/support/wx/WxTestKit.h"

namespace {

using testsupport::WxSettle;
using testsupport::WxTestKit;

class WxDropDownListTest : public ::testing::Test {
 protected:
  WxDropDownListTest() {
    list->SetItemHeight(22);
    list->OnWindowCreated = [this] {
      ++created;
      for (const char* name : {"Office Laser", "VELTRA Ashgrove PDF Creator", "Fax"}) {
        list->Add(name);
      }
      list->SetItemIndex(0);
    };
    list->OnDrawItem = [this](ui::EntryCanvas& canvas, int index, const ui::Rect& rect) {
      drawn.push_back(index);
      canvas.FillRect(rect);
      canvas.DrawText({rect.left + 25, rect.top, rect.right, rect.bottom}, list->Item(index));
    };
    list->OnSelect = [this] { picks.push_back(list->ItemIndex()); };
    list->OnDropDown = [this] {
      widthAtDropDown = list->DroppedWidth();
      list->SetMinDroppedWidth(400);
    };
  }
  ~WxDropDownListTest() override { Native()->Dismiss(); }

  ui::WxOwnerDrawnCombo* Native() { return static_cast<ui::WxDropDownList&>(*list).Window(); }

  ui::WxKit& kit = WxTestKit();
  std::unique_ptr<ui::Form> form = kit.CreateForm(nullptr);
  std::unique_ptr<ui::DropDownList> list = kit.CreateDropDownList(*form, {8, 200, 209, 28});
  int created = 0;
  std::vector<int> drawn;
  std::vector<int> picks;
  int widthAtDropDown = -1;
};

TEST_F(WxDropDownListTest, TheFirstPaintCreatesTheWindowAndTheOwnerDrawsTheField) {
  form->SetClientSize({300, 300});
  EXPECT_EQ(list->Bounds(), (ui::Bounds{8, 200, 209, 28}));
  EXPECT_FALSE(list->HasWindow());
  form->Show();
  WxSettle(20);
  EXPECT_EQ(created, 1);
  EXPECT_EQ(Native()->GetCount(), 3u);
  EXPECT_EQ(Native()->GetSelection(), 0);
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 0), drawn.end());

  list->SetItemIndex(2);
  WxSettle();
  EXPECT_EQ(Native()->GetSelection(), 2);
  list->RecreateWindow();
  EXPECT_EQ(created, 2);
  EXPECT_EQ(Native()->GetSelection(), 0);
  EXPECT_TRUE(picks.empty());
}

TEST_F(WxDropDownListTest, AMousePickIsNotifiedOnceAfterTheListWasWidened) {
  form->SetClientSize({300, 300});
  form->Show();
  WxSettle(20);
  wxUIActionSimulator user;
  const wxSize size = Native()->GetSize();
  user.MouseMove(Native()->ClientToScreen(wxPoint(size.x - 8, size.y / 2)));
  user.MouseClick();
  WxSettle(20);
  ASSERT_TRUE(list->DroppedDown());
  EXPECT_EQ(widthAtDropDown, 209);
  EXPECT_GE(Native()->GetPopupWindow()->GetSize().x, 400);

  // The second row of the dropped-down list.
  const wxPoint popup = Native()->GetPopupWindow()->GetScreenPosition();
  user.MouseMove(popup + wxPoint(40, 22 + 11));
  user.MouseClick();
  WxSettle(20);
  EXPECT_EQ(picks, (std::vector<int>{1}));
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_FALSE(list->DroppedDown());
}

TEST_F(WxDropDownListTest, TextIsMeasuredInTheDialogFont) {
  const int word = list->DefaultFontTextWidth("VELTRA");
  EXPECT_GT(word, 20);
  EXPECT_GT(list->DefaultFontTextWidth("VELTRA Ashgrove PDF Creator"), 3 * word);
  EXPECT_EQ(list->DefaultFontTextWidth(""), 0);
}

}  // namespace
