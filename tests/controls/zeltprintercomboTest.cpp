#include "controls/zeltprintercombo.h"

#include <gtest/gtest.h>

#include "controls/zelresources.h"
#include "platform/Error.h"
#include "platform/registry/RegistryStore.h"
#include "tests/support/TempDir.h"
#include "ui/headless/HeadlessDropDownList.h"
#include "ui/headless/HeadlessKit.h"

namespace {

using ui::EntryOp;
using Names = std::vector<std::string>;

constexpr char kPdfPrinter[] = "VELTRA Ashgrove PDF Creator";
constexpr ui::Rgb kOlive{128, 128, 0};

class PrinterComboTest : public ::testing::Test {
 protected:
  void Install(const Names& names, const std::string& defaultPrinter) {
    for (const std::string& name : names) installed.AddPrinter(name);
    if (!defaultPrinter.empty()) installed.SetDefaultPrinter(defaultPrinter);
  }
  controls::TZELPrinterCombo& Create() {
    combo = std::make_unique<controls::TZELPrinterCombo>(
        printers, kit.CreateDropDownList(*form, {8, 200, 209, 28}));
    combo->OnClick = [this](controls::TZELPrinterCombo&) {
      events.push_back("click " + std::to_string(printers.PrinterIndex()));
    };
    combo->OnChange = [this](controls::TZELPrinterCombo&) {
      events.push_back("change " + std::to_string(printers.PrinterIndex()));
    };
    return *combo;
  }
  ui::HeadlessDropDownList& Base() { return static_cast<ui::HeadlessDropDownList&>(combo->Base()); }
  Names Entries() {
    Names entries;
    for (int i = 0; i < combo->Base().Count(); ++i) entries.push_back(combo->Base().Item(i));
    return entries;
  }
  template <class Error>
  std::string MessageOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const Error& error) {
      return error.Message();
    }
    return "no error";
  }

  testsupport::TempDir temp;
  platform::RegistryStore store{temp.Path()};
  platform::Printers installed{store};
  controls::ProcessPrinters printers{installed};
  ui::HeadlessKit kit;
  std::unique_ptr<ui::Form> form = kit.CreateForm(nullptr);
  std::unique_ptr<controls::TZELPrinterCombo> combo;
  std::vector<std::string> events;
};

TEST_F(PrinterComboTest, ConstructionSetsTheEntryHeightAndLoadsTheGlyphButCreatesNoWindow) {
  Install({"Office Laser"}, "Office Laser");
  controls::TZELPrinterCombo& c = Create();
  EXPECT_EQ(c.Base().ItemHeight(), 22);
  EXPECT_EQ(c.Base().Bounds(), (ui::Bounds{8, 200, 209, 28}));
  EXPECT_EQ(c.DropDownCount(), 8);
  EXPECT_EQ(c.MaxItemWidth(), 0);
  EXPECT_EQ(c.PrinterGlyph().Width(), 16);
  EXPECT_EQ(c.PrinterGlyph().Height(), 14);
  EXPECT_EQ(c.PrinterGlyph().Pixel(0, 13), kOlive);
  EXPECT_FALSE(c.Base().HasWindow());
  EXPECT_EQ(c.Base().Count(), 0);
  EXPECT_THROW(controls::FindBitmapResource("NoSuchResource"), platform::Error);
  EXPECT_EQ(controls::FindBitmapResource("zelprinterresource").xpm,
            controls::FindBitmapResource("ZELPrinterResource").xpm);
}

TEST_F(PrinterComboTest, TheWindowShowsThePrintersInTheirOrderWithTheDefaultSelected) {
  Install({"Zeta Laser", kPdfPrinter, "alpha Inkjet"}, "alpha inkjet");
  controls::TZELPrinterCombo& c = Create();
  EXPECT_EQ(c.SelectedIndex(), 2);
  EXPECT_EQ(Entries(), (Names{"Zeta Laser", kPdfPrinter, "alpha Inkjet"}));
  EXPECT_EQ(printers.PrinterIndex(), 2);
  EXPECT_EQ(c.SelectedPrinter(), "alpha Inkjet");
  EXPECT_TRUE(c.Base().Enabled());
  EXPECT_TRUE(events.empty());
}

TEST_F(PrinterComboTest, SelectingFromCodeMovesOnlyTheSelection) {
  Install({"A", kPdfPrinter}, "A");
  controls::TZELPrinterCombo& c = Create();
  form->Show();
  EXPECT_EQ(c.SelectedIndex(), 0);
  EXPECT_EQ(printers.PrinterIndex(), 0);
  c.SetSelectedIndex(1);
  EXPECT_EQ(c.SelectedIndex(), 1);
  EXPECT_EQ(c.SelectedPrinter(), kPdfPrinter);
  EXPECT_EQ(printers.PrinterIndex(), 0);
  EXPECT_TRUE(events.empty());
}

TEST_F(PrinterComboTest, AUsersPickClicksThenMovesTheCurrentPrinterThenChanges) {
  Install({"A", kPdfPrinter}, "A");
  controls::TZELPrinterCombo& c = Create();
  form->Show();
  ASSERT_TRUE(Base().UserPick(1));
  EXPECT_EQ(events, (Names{"click 0", "change 1"}));
  EXPECT_EQ(printers.PrinterIndex(), 1);
  EXPECT_EQ(c.SelectedIndex(), 1);

  // A window created again shows the picked printer.
  c.Base().RecreateWindow();
  EXPECT_EQ(c.SelectedIndex(), 1);
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(PrinterComboTest, WithoutPrintersTheDisabledPlaceholderIsSelectedAndNamesNoPrinter) {
  controls::TZELPrinterCombo& c = Create();
  EXPECT_EQ(c.SelectedIndex(), 0);
  EXPECT_EQ(Entries(), (Names{"(No Printers connected)"}));
  EXPECT_FALSE(c.Base().Enabled());
  EXPECT_EQ(MessageOf<platform::EListError>([&] { c.SelectedPrinter(); }),
            "List index out of bounds (0)");
  form->Show();
  EXPECT_FALSE(Base().UserPick(0));
  EXPECT_TRUE(events.empty());

  // Printers installed meanwhile appear after a refresh and a new window, yet the control
  // stays disabled.
  Install({"Late Laser"}, "Late Laser");
  printers.Refresh();
  c.Base().RecreateWindow();
  EXPECT_EQ(Entries(), (Names{"Late Laser"}));
  EXPECT_FALSE(c.Base().Enabled());
}

TEST_F(PrinterComboTest, WithoutADefaultPrinterTheEntriesStayAndNoneIsSelected) {
  Install({"A", "B"}, "");
  controls::TZELPrinterCombo& c = Create();
  EXPECT_EQ(MessageOf<platform::EPrinter>([&] { c.SelectedIndex(); }),
            "There is no default printer currently selected");
  EXPECT_EQ(Entries(), (Names{"A", "B"}));
  EXPECT_EQ(c.SelectedIndex(), -1);
  EXPECT_EQ(MessageOf<platform::EListError>([&] { c.SelectedPrinter(); }),
            "List index out of bounds (-1)");
}

TEST_F(PrinterComboTest, ADefaultPrinterThatIsNotInstalledIsNoDefaultPrinter) {
  Install({"A", "B"}, "B");
  installed.RemovePrinter("B");
  installed.AddPrinter("B2");
  controls::TZELPrinterCombo& c = Create();
  EXPECT_THROW(c.SetSelectedIndex(0), platform::EPrinter);
  EXPECT_EQ(Entries(), (Names{"A", "B2"}));
}

TEST_F(PrinterComboTest, TheDroppedListIsAsWideAsTheWidestNameInTheDefaultFontPlus37) {
  const std::string longName = "VELTRA Ashgrove PDF Creator on the print server of the east wing";
  Install({"A", longName, "Office Laser"}, "A");
  controls::TZELPrinterCombo& c = Create();
  int widthAtDropDown = -1;
  c.OnDropDown = [&](controls::TZELPrinterCombo& sender) {
    widthAtDropDown = sender.MaxItemWidth();
  };
  form->Show();
  ASSERT_TRUE(Base().UserDropDown());
  const int longest = c.Base().DefaultFontTextWidth(longName);
  EXPECT_GT(longest + 37, 209);
  EXPECT_EQ(c.MaxItemWidth(), longest);
  EXPECT_EQ(widthAtDropDown, longest);
  EXPECT_EQ(c.Base().DroppedWidth(), longest + 37);
  ASSERT_EQ(Base().PaintList().size(), 3u);
  EXPECT_EQ(Base().PaintList()[1].rect.Width(), longest + 37 - 2);

  // The closed control cuts the name off at its edge.
  c.SetSelectedIndex(1);
  const ui::DrawnEntry field = Base().PaintField();
  const EntryOp* text = field.Find(EntryOp::Kind::Text);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->rect.right, field.rect.right + 25);
  EXPECT_LT(text->rect.Width(), c.Base().DefaultFontTextWidth(longName));
}

TEST_F(PrinterComboTest, ShortNamesLeaveTheDroppedListAsWideAsTheControl) {
  Install({"A", "Office Laser"}, "A");
  controls::TZELPrinterCombo& c = Create();
  form->Show();
  ASSERT_TRUE(Base().UserDropDown());
  EXPECT_EQ(c.MaxItemWidth(), c.Base().DefaultFontTextWidth("Office Laser"));
  EXPECT_EQ(c.Base().DroppedWidth(), 209);
}

TEST_F(PrinterComboTest, AnEntryIsTheGlyphAtSixPixelsAndItsNameIndentedBy25) {
  Install({"A", "Smith && &Sons"}, "A");
  controls::TZELPrinterCombo& c = Create();
  c.SetSelectedIndex(1);
  form->Show();
  Base().UserDropDown();
  const std::vector<ui::DrawnEntry> rows = Base().PaintList();
  ASSERT_EQ(rows.size(), 2u);
  for (const ui::DrawnEntry& row : rows) {
    ASSERT_GE(row.ops.size(), 3u);
    EXPECT_EQ(row.ops[0].kind, EntryOp::Kind::Fill);
    EXPECT_EQ(row.ops[0].rect, row.rect);
    ASSERT_EQ(row.ops[1].kind, EntryOp::Kind::Bitmap);
    EXPECT_EQ(row.ops[1].rect, (ui::Rect{6, row.rect.top + 6, 22, row.rect.top + 20}));
    ASSERT_EQ(row.ops[2].kind, EntryOp::Kind::Text);
    EXPECT_EQ(row.ops[2].rect.left, row.rect.left + 25);
  }
  // The olive background shows the entry's own background; the picture's colours stay.
  const ui::Rgb window = ui::HeadlessDropDownList::WindowColour;
  const ui::Rgb highlight = ui::HeadlessDropDownList::HighlightColour;
  EXPECT_EQ(rows[0].ops[1].pixels.front(), window);
  EXPECT_EQ(rows[1].ops[1].pixels.back(), highlight);
  EXPECT_EQ(rows[1].ops[1].pixels[16 * 6 + 10], (ui::Rgb{0, 255, 0}));
  EXPECT_EQ(rows[1].ops[1].pixels[16 * 6 + 12], (ui::Rgb{255, 0, 0}));
  // Vertically centred 13-pixel text; "&&" shows one "&", "&S" underlines the S.
  EXPECT_EQ(rows[1].ops[2].rect.top, 22 + (22 - 13) / 2);
  EXPECT_EQ(rows[1].ops[2].text, "Smith & Sons");
  EXPECT_EQ(rows[1].ops[2].underline, 8);
  EXPECT_EQ(rows[1].ops[3].kind, EntryOp::Kind::Focus);

  // In the selection field, whose rectangle starts inside the edge, the glyph still stands at
  // x 6 and the text 25 pixels right of the rectangle.
  const ui::DrawnEntry field = Base().PaintField();
  const ui::Rect r = Base().FieldRect();
  EXPECT_EQ(field.ops[1].rect, (ui::Rect{6, r.top + 6, 22, r.top + 20}));
  EXPECT_EQ(field.ops[2].rect.left, r.left + 25);
}

}  // namespace
