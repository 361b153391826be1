// The printing-preferences window on a display: the installed families, ticked as stored,
// and OK handing back the ticked ones.

#include "tools/printui/PreferencesDialog.h"

#include <gtest/gtest.h>
#include <wx/testing.h>

#include <algorithm>

#include "platform/system/System.h"
#include "tests/support/wx/WxTestKit.h"

namespace {

using Families = std::vector<std::string>;

TEST(PreferencesDialogTest, TheInstalledFamiliesAreSortedOnceEachWithTheDialogFontAmongThem) {
  testsupport::WxTestKit();
  const Families families = printui::PreferencesDialog::InstalledFamilies();
  ASSERT_FALSE(families.empty());
  EXPECT_NE(std::find(families.begin(), families.end(), "Liberation Sans"), families.end());
  for (size_t i = 1; i < families.size(); ++i) {
    EXPECT_LE(platform::System::CompareTextIgnoreCase(families[i - 1], families[i]), 0);
    EXPECT_NE(families[i - 1], families[i]);
  }
}

TEST(PreferencesDialogTest, StoredFamiliesAreTickedAndOneNoLongerInstalledIsKept) {
  testsupport::WxTestKit();
  printui::PreferencesDialog dialog("VELTRA Ashgrove PDF Creator",
                                    {"DejaVu Sans", "Liberation Sans"},
                                    {"Liberation Sans", "Gone Font"});
  EXPECT_EQ(dialog.GetTitle(), "VELTRA Ashgrove PDF Creator Printing Preferences");
  wxCheckListBox* list = dialog.Families();
  ASSERT_EQ(list->GetCount(), 3u);
  EXPECT_EQ(list->GetString(2), "Gone Font");
  EXPECT_FALSE(list->IsChecked(0));
  EXPECT_EQ(dialog.Chosen(), (Families{"Liberation Sans", "Gone Font"}));

  list->Check(0);
  list->Check(2, false);
  int answer = wxID_NONE;
  wxTEST_DIALOG(answer = dialog.ShowModal(),
                wxExpectDismissableModal<printui::PreferencesDialog>(wxID_OK));
  EXPECT_EQ(answer, wxID_OK);
  EXPECT_EQ(dialog.Chosen(), (Families{"DejaVu Sans", "Liberation Sans"}));
}

}  // namespace
