#include "controls/zeltexplorerview.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Error.h"
#include "platform/files/FileSystem.h"
#include "platform/shell/Shell.h"
#include "platform/system/Collation.h"
#include "tests/support/TempDir.h"
#include "ui/headless/HeadlessApplication.h"
#include "ui/headless/HeadlessKit.h"
#include "ui/headless/HeadlessSortedListBox.h"

namespace {

using controls::TEditCharCase;
using controls::TZELExplorerView;
using Names = std::vector<std::string>;

// Records every cursor change with the number of entries the list held at that moment.
class CursorRecordingApplication : public ui::HeadlessApplication {
 public:
  void SetCursor(ui::Cursor cursor) override {
    changes.emplace_back(cursor, entriesNow ? entriesNow() : -1);
    HeadlessApplication::SetCursor(cursor);
  }
  std::vector<std::pair<ui::Cursor, int>> changes;
  std::function<int()> entriesNow;
};

// Drives C: and E: on temporary folders; E:\Docs holds the example files.
class ZELExplorerViewTest : public testing::Test {
 protected:
  ZELExplorerViewTest()
      : files_(platform::DriveMap{{'C', temp_.MakeDir("c")}, {'E', temp_.MakeDir("e")}},
               temp_.Path() / "windows"),
        shell_(files_, temp_.MakeDir("programs")) {
    for (const char* name : {"Docs/b.TXT", "Docs/a.doc", "Docs/Notes.rtf", "Docs/.h.doc"}) {
      Write(name);
    }
    files_.SetCurrentDirectory("E:\\Docs");
    form_->Show();
  }

  std::filesystem::path Write(const std::string& relativeToE) {
    return temp_.WriteFile("e/" + relativeToE, "x");
  }
  // A list on the headless base, on a shown form; its input and cursor go through app_.
  std::unique_ptr<TZELExplorerView> MakeList(ui::HeadlessSortedListBox** base = nullptr) {
    auto box =
        std::make_unique<ui::HeadlessSortedListBox>(*form_, ui::Bounds{8, 8, 257, 184}, app_);
    if (base != nullptr) *base = box.get();
    auto list = std::make_unique<TZELExplorerView>(files_, shell_, app_, std::move(box));
    list->OnChange = [this](TZELExplorerView&) { ++changes_; };
    return list;
  }
  static Names EntriesOf(TZELExplorerView& list) {
    Names names;
    for (int i = 0; i < list.Entries().Count(); ++i) names.push_back(list.Entries()[i]);
    return names;
  }
  static std::string IoErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const platform::EInOutError& error) {
      return error.Message() + " (" + std::to_string(error.Code()) + ")";
    }
    return "no error";
  }

  testsupport::TempDir temp_;
  platform::FileSystem files_;
  platform::Shell shell_;
  CursorRecordingApplication app_;
  ui::HeadlessKit kit_;
  std::unique_ptr<ui::Form> form_ = kit_.CreateForm(nullptr);
  int changes_ = 0;
};

TEST_F(ZELExplorerViewTest, StartsInTheCurrentDirectoryAndReadsOnlyWhenItsWindowComes) {
  ui::HeadlessSortedListBox* base = nullptr;
  auto list = MakeList(&base);
  EXPECT_EQ(list->Folder(), "E:\\Docs");
  EXPECT_EQ(list->Mask(), "*.*");
  EXPECT_EQ(list->CharCase(), TEditCharCase::ecLowerCase);
  EXPECT_EQ(list->ItemHeight(), 18);
  EXPECT_EQ(list->Columns(), 1);
  EXPECT_FALSE(list->MultiSelect());

  list->SetMask("*.doc");
  list->Reload();
  EXPECT_FALSE(base->HasWindow());
  EXPECT_EQ(changes_, 0);

  EXPECT_EQ(EntriesOf(*list), Names{"a.doc"});
  EXPECT_EQ(changes_, 1);
}

TEST_F(ZELExplorerViewTest, ListsThePlainVisibleFilesThatMatchInSortedOrder) {
  auto list = MakeList();
  list->SetMask("*.doc;*.txt");
  EXPECT_EQ(EntriesOf(*list), (Names{"a.doc", "b.TXT"}));
  EXPECT_EQ(list->ItemIndex(), -1);

  Write("Docs/locked.doc");
  std::filesystem::permissions(temp_.Path() / "e/Docs/locked.doc",
                               std::filesystem::perms::owner_read);
  temp_.MakeDir("e/Docs/folder.doc");
  list->Reload();
  EXPECT_EQ(EntriesOf(*list), (Names{"a.doc", "b.TXT", "locked.doc"}));
}

// The order of the folder tree's folders of the same names (zeltexplorertreeTest).
TEST_F(ZELExplorerViewTest, EntriesSortAsTheUsersLocaleDoesIgnoringCase) {
  for (const char* name : {"zebra", "École", "Bach", "Ärger", "apple", "b\xff"}) {
    Write("Words/" + std::string(name) + ".doc");
  }
  platform::CollationScope english("en_US.UTF-8");
  ASSERT_TRUE(english.Installed());
  auto list = MakeList();
  list->OpenPath("E:\\WORDS");
  EXPECT_EQ(EntriesOf(*list),
            (Names{"apple.doc", "Ärger.doc", "Bach.doc", "b\xff.doc", "École.doc", "zebra.doc"}));
}

TEST_F(ZELExplorerViewTest, PatternsAreTakenAsWrittenAndEachOneSearchesOnItsOwn) {
  auto list = MakeList();
  list->SetMask("*.doc;*.doc");
  EXPECT_EQ(EntriesOf(*list), (Names{"a.doc", "a.doc"}));
  list->SetMask("*.doc; *.txt");  // the blank belongs to the pattern
  EXPECT_EQ(EntriesOf(*list), Names{"a.doc"});
  list->SetMask("");
  EXPECT_EQ(EntriesOf(*list), Names{});
  list->SetMask(";");
  EXPECT_EQ(EntriesOf(*list), Names{});
  list->SetMask("*.xyz;;*.rtf;[");
  EXPECT_EQ(EntriesOf(*list), Names{"Notes.rtf"});
}

TEST_F(ZELExplorerViewTest, TheSameMaskDoesNotReadAgainButReloadAlwaysDoes) {
  auto list = MakeList();
  list->SetMask("*.doc");
  EXPECT_EQ(list->Entries().Count(), 1);
  int reads = changes_;
  Write("Docs/c.doc");
  list->SetMask("*.doc");
  EXPECT_EQ(EntriesOf(*list), Names{"a.doc"});
  EXPECT_EQ(changes_, reads);
  list->Reload();
  EXPECT_EQ(EntriesOf(*list), (Names{"a.doc", "c.doc"}));
  Write("Docs/d.doc");
  list->SetMask("*.DOC");  // another text, though it matches the same files
  EXPECT_EQ(list->Entries().Count(), 3);
}

TEST_F(ZELExplorerViewTest, ThreeLetterExtensionsAlsoMatchLongerOnes) {
  Write("Docs/page.html");
  Write("Docs/letter.docx");
  auto list = MakeList();
  list->SetMask("*.htm");
  EXPECT_EQ(EntriesOf(*list), Names{"page.html"});
  list->SetMask("*.doc");
  EXPECT_EQ(EntriesOf(*list), (Names{"a.doc", "letter.docx"}));
}

TEST_F(ZELExplorerViewTest, CharCaseReadsAgainButNeverChangesAnEntry) {
  ui::HeadlessSortedListBox* base = nullptr;
  auto list = MakeList(&base);
  Write("Docs/Report.DOC");
  list->SetMask("*.doc");
  EXPECT_EQ(EntriesOf(*list), (Names{"a.doc", "Report.DOC"}));
  EXPECT_EQ(base->Paint()[1].Texts(), Names{"Report.DOC"});

  Write("Docs/z.doc");
  list->SetCharCase(TEditCharCase::ecUpperCase);
  EXPECT_EQ(EntriesOf(*list), (Names{"a.doc", "Report.DOC", "z.doc"}));
  EXPECT_EQ(list->CharCase(), TEditCharCase::ecUpperCase);
}

TEST_F(ZELExplorerViewTest, RowsShowTheShellIconAtTheTopLeftAndTheTextBesideIt) {
  Write("Docs/minutes[1].doc");
  ui::HeadlessSortedListBox* base = nullptr;
  auto list = MakeList(&base);
  list->SetMask("*.doc;*.txt");
  std::vector<ui::DrawnRow> rows = base->Paint();
  ASSERT_EQ(rows.size(), 3u);
  const ui::DrawnRow& row = rows[2];  // minutes[1].doc
  EXPECT_EQ(row.rect, (ui::Rect{0, 36, 253, 54}));
  ASSERT_EQ(row.ops.size(), 3u);
  EXPECT_EQ(row.ops[0].kind, ui::DrawOp::Kind::Fill);
  EXPECT_EQ(row.ops[0].rect, row.rect);
  EXPECT_EQ(row.ops[1].kind, ui::DrawOp::Kind::Icon);
  EXPECT_EQ(row.ops[1].icon, static_cast<int>(platform::SystemIcon::DocWord));
  EXPECT_EQ(std::make_pair(row.ops[1].x, row.ops[1].y), std::make_pair(0, 36));
  EXPECT_EQ(row.ops[2].text, "minutes[1].doc");
  EXPECT_EQ(std::make_pair(row.ops[2].x, row.ops[2].y), std::make_pair(18, 36));
  EXPECT_EQ(rows[1].ops[1].icon, static_cast<int>(platform::SystemIcon::DocText));

  base->UserClick(2);
  EXPECT_EQ(base->Paint()[2].ops[0].background, ui::ListColour::Highlight);
}

TEST_F(ZELExplorerViewTest, IconsComeFromTheListsOwnFolderWhateverTheCurrentDirectory) {
  temp_.MakeDir("e/Other");
  ui::HeadlessSortedListBox* base = nullptr;
  auto source = MakeList(&base);
  auto destination = MakeList();
  source->SetMask("*.doc");
  destination->OpenPath("E:\\Other\\");
  ASSERT_EQ(files_.GetCurrentDirectory(), "E:\\Other");
  std::vector<ui::DrawnRow> rows = base->Paint();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].ops[1].kind, ui::DrawOp::Kind::Icon);
}

TEST_F(ZELExplorerViewTest, ReCreatingTheWindowReadsAgain) {
  auto list = MakeList();
  list->SetMask("*.doc");
  EXPECT_EQ(list->Entries().Count(), 1);
  Write("Docs/m.doc");
  list->SetColumns(3);  // still columns: no new window
  EXPECT_EQ(list->Entries().Count(), 1);
  list->SetMultiSelect(true);
  EXPECT_EQ(list->Entries().Count(), 2);
  Write("Docs/n.doc");
  list->SetItemHeight(20);
  EXPECT_EQ(list->Entries().Count(), 3);
  Write("Docs/o.doc");
  list->SetColumns(0);
  EXPECT_EQ(list->Entries().Count(), 4);
}

// After each change, made here or by another process, a Reload lists what a list that reads the
// folder afresh lists, nothing selected and the first entry at the top.
TEST_F(ZELExplorerViewTest, AReloadListsWhatAFreshReadListsWhateverChanged) {
  const std::filesystem::path folder = temp_.MakeDir("e/Out");
  const std::filesystem::path elsewhere = temp_.MakeDir("e/Elsewhere");
  for (int i = 0; i < 30; ++i) Write("Out/r" + std::to_string(10 + i) + ".pdf");
  const std::string mask = "*.pdf;r1*";  // r1x.pdf is listed twice
  ui::HeadlessSortedListBox* base = nullptr;
  auto list = MakeList(&base);
  list->OpenPath("E:\\OUT\\");
  list->SetMask(mask);
  auto shell = [&](const std::string& command) {
    ASSERT_EQ(std::system(("cd '" + folder.string() + "' && " + command).c_str()), 0) << command;
  };
  const std::vector<std::pair<std::string, std::function<void()>>> steps = {
      {"added",
       [&] {
         for (const char* name : {"Out/new.pdf", "Out/a.txt", "Out/r1.pdf"}) Write(name);
       }},
      {"deleted", [&] { files_.DeleteFile("E:\\Out\\r12.pdf"); }},
      {"renamed", [&] { files_.MoveFile("E:\\Out\\r13.pdf", "E:\\Out\\z.pdf"); }},
      {"renamed out of the mask", [&] { files_.MoveFile("E:\\Out\\r14.pdf", "E:\\Out\\r14.doc"); }},
      {"renamed by another process", [&] { shell("mv r15.pdf Q.pdf && mv r14.doc r14.pdf"); }},
      {"made and removed by another process", [&] { shell("touch x.pdf y.pdf && rm r16.pdf"); }},
      {"moved in and out", [&] { shell("mv r17.pdf ../Elsewhere/ && mv ../Elsewhere/* ."); }},
      {"a twin in other letter case", [&] { shell("touch R18.pdf Z.PDF"); }},
      {"hidden files and folders", [&] { shell("touch .h.pdf && mkdir d.pdf && rm R18.pdf"); }},
      {"a link", [&] { shell("touch ../Elsewhere/t && ln -s ../Elsewhere/t link.pdf"); }},
      {"a link's target gone", [&] { shell("rm ../Elsewhere/t"); }},
      {"a link's target back", [&] { shell("touch ../Elsewhere/t"); }},
      {"the folder replaced",
       [&] { shell("cd .. && mv Out Old && mkdir Out && touch Out/w.pdf"); }},
      {"a file in the new folder", [&] { shell("touch v.pdf"); }},
      {"a folder spelt as the path", [&] { shell("cd .. && mkdir OUT && touch OUT/u.pdf"); }},
  };
  for (const auto& [what, change] : steps) {
    base->UserClick(1);
    change();
    list->Reload();
    auto fresh = MakeList();
    fresh->OpenPath("E:\\OUT\\");
    fresh->SetMask(mask);
    EXPECT_EQ(EntriesOf(*list), EntriesOf(*fresh)) << what;
    EXPECT_EQ(list->ItemIndex(), -1) << what;
    EXPECT_EQ(base->TopIndex(), 0) << what;
  }
  EXPECT_EQ(EntriesOf(*list), Names{"u.pdf"});
}

TEST_F(ZELExplorerViewTest, ColumnsShareTheWidthOfTheList) {
  ui::HeadlessSortedListBox* base = nullptr;
  auto list = MakeList(&base);
  for (int i = 0; i < 25; ++i) Write("Docs/f" + std::to_string(10 + i) + ".doc");
  list->SetMask("f*.doc");
  ASSERT_EQ(list->Entries().Count(), 25);
  EXPECT_EQ(base->ColumnWidth(), 253);   // one column, as wide as the client area
  EXPECT_EQ(base->RowsPerColumn(), 10);  // 180 div 18
  EXPECT_EQ(base->ItemRect(12), (ui::Rect{253, 36, 506, 54}));
  list->SetColumns(3);
  EXPECT_EQ(base->ColumnWidth(), 84);
  EXPECT_EQ(base->ItemRect(12), (ui::Rect{84, 36, 168, 54}));
  EXPECT_EQ(base->Scroll().range, 3);
}

TEST_F(ZELExplorerViewTest, EntryIndicesOutsideTheListAreErrors) {
  auto list = MakeList();
  list->SetMask("*.doc;*.txt");
  for (int index : {2, -1}) {
    try {
      list->Entries()[index];
      FAIL() << "no error for " << index;
    } catch (const platform::EListError& error) {
      EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
    }
  }
}

TEST_F(ZELExplorerViewTest, TheHourglassShowsFromTheHundredthPositionOnAndGoesAway) {
  for (int i = 0; i < 100; ++i) Write("Many/a" + std::to_string(100 + i) + ".doc");
  Write("Many/b.doc");
  auto list = MakeList();
  files_.SetCurrentDirectory("E:\\Many");
  list->SetFolder("E:\\Many");
  list->SetMask("a*");
  ASSERT_EQ(list->Entries().Count(), 100);
  app_.entriesNow = [&list] { return list->Base().Count(); };
  list->Reload();  // positions 0 to 99 only
  EXPECT_TRUE(app_.changes.empty());

  list->SetMask("a*;b*");  // b.doc goes to position 100
  ASSERT_EQ(app_.changes.size(), 2u);
  EXPECT_EQ(app_.changes[0], std::make_pair(ui::Cursor::HourGlass, 101));
  EXPECT_EQ(app_.changes[1], std::make_pair(ui::Cursor::Default, 101));
}

TEST_F(ZELExplorerViewTest, AListThatRefusesAnEntryStopsTheReadAndRestoresTheCursor) {
  for (int i = 0; i < 130; ++i) Write("Many/f" + std::to_string(100 + i) + ".doc");
  ui::HeadlessSortedListBox* base = nullptr;
  auto list = MakeList(&base);
  list->SetFolder("E:\\Many");
  EXPECT_EQ(list->Entries().Count(), 130);
  base->SetCapacity(120);
  try {
    list->SetMask("f*");
    FAIL() << "no error";
  } catch (const platform::EOutOfResources& error) {
    EXPECT_EQ(error.Message(), "Unable to insert a line");
  }
  EXPECT_EQ(list->Entries().Count(), 120);
  EXPECT_EQ(app_.GetCursor(), ui::Cursor::Default);
}

TEST_F(ZELExplorerViewTest, AFolderThatCannotBeEnteredChangesNothing) {
  auto list = MakeList();
  list->SetMask("*.doc");
  ASSERT_EQ(list->Entries().Count(), 1);
  EXPECT_EQ(IoErrorOf([&] { list->SetFolder("E:\\Docs\\Missing"); }), "File not found (2)");
  EXPECT_EQ(IoErrorOf([&] { list->SetFolder("E:\\Docs\\a.doc"); }), "I/O error 267 (267)");
  EXPECT_EQ(IoErrorOf([&] { list->SetFolder("E:\\Gone\\Deeper"); }), "Invalid filename (3)");
  EXPECT_EQ(list->Folder(), "E:\\Docs");
  EXPECT_EQ(EntriesOf(*list), Names{"a.doc"});

  // The folder vanished under the list: the mask and the entries stay as they were.
  std::filesystem::remove_all(temp_.Path() / "e/Docs");
  EXPECT_EQ(IoErrorOf([&] { list->SetMask("*.txt"); }), "File not found (2)");
  EXPECT_EQ(list->Mask(), "*.doc");
  EXPECT_EQ(EntriesOf(*list), Names{"a.doc"});
}

TEST_F(ZELExplorerViewTest, OpenPathOfNothingOrOfWhatIsShownDoesNothing) {
  ui::HeadlessSortedListBox* base = nullptr;
  auto list = MakeList(&base);
  list->SetMask("*.doc;*.txt");
  ASSERT_EQ(list->Entries().Count(), 2);
  base->UserClick(1);
  int reads = changes_;
  Write("Docs/new.doc");
  list->OpenPath("");
  EXPECT_EQ(changes_, reads);
  list->OpenPath("e:\\docs");
  EXPECT_EQ(changes_, reads);
  list->OpenPath("E:\\DOCS\\");
  EXPECT_EQ(changes_, reads);
  list->OpenPath("E:\\Docs\\B.txt");  // the current entry
  EXPECT_EQ(changes_, reads);
  EXPECT_EQ(EntriesOf(*list), (Names{"a.doc", "b.TXT"}));
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_TRUE(list->Selected(1));
}

TEST_F(ZELExplorerViewTest, OpenPathTakesTheFolderInTheLetterCaseGiven) {
  files_.SetCurrentDirectory("C:\\");
  auto list = MakeList();
  list->SetMask("*.doc;*.txt");
  list->OpenPath("E:\\DOCS\\");
  EXPECT_EQ(list->Folder(), "E:\\DOCS");
  EXPECT_EQ(EntriesOf(*list), (Names{"a.doc", "b.TXT"}));
  EXPECT_EQ(files_.GetCurrentDirectory(), "E:\\DOCS");
}

TEST_F(ZELExplorerViewTest, OpenPathOfADriveRootKeepsItsSeparator) {
  Write("top.doc");
  auto list = MakeList();
  list->SetMask("*.doc");
  list->OpenPath("E:\\");
  EXPECT_EQ(list->Folder(), "E:\\");
  EXPECT_EQ(EntriesOf(*list), Names{"top.doc"});
  list->OpenPath("C:");  // the drive's current directory
  EXPECT_EQ(list->Folder().substr(0, 2), "C:");
}

TEST_F(ZELExplorerViewTest, OpenPathOfAMissingFolderFailsAndLeavesEverything) {
  auto list = MakeList();
  list->SetMask("*.doc");
  ASSERT_EQ(list->Entries().Count(), 1);
  temp_.MakeDir("c/Elsewhere");
  files_.SetCurrentDirectory("C:\\Elsewhere");
  EXPECT_EQ(IoErrorOf([&] { list->OpenPath("E:\\Docs\\Missing\\"); }), "File not found (2)");
  EXPECT_EQ(IoErrorOf([&] { list->OpenPath("nil"); }), "File not found (2)");
  EXPECT_NE(IoErrorOf([&] { list->OpenPath("\\\\server\\share\\Docs"); }), "no error");
  EXPECT_EQ(list->Folder(), "E:\\Docs");
  EXPECT_EQ(EntriesOf(*list), Names{"a.doc"});
  EXPECT_EQ(files_.GetCurrentDirectory(), "C:\\Elsewhere");
}

TEST_F(ZELExplorerViewTest, OpenPathOfABareNameLooksInTheCurrentDirectory) {
  temp_.MakeDir("c/Work/nil");
  temp_.WriteFile("c/Work/nil/n.doc", "x");
  files_.SetCurrentDirectory("C:\\Work");
  auto list = MakeList();
  list->SetMask("*.doc");
  list->OpenPath("nil");
  EXPECT_EQ(list->Folder(), "C:\\Work\\nil");
  EXPECT_EQ(EntriesOf(*list), Names{"n.doc"});
}

TEST_F(ZELExplorerViewTest, OpenPathWithAPatternSetsTheMask) {
  auto list = MakeList();
  files_.SetCurrentDirectory("C:\\");
  list->OpenPath("E:\\Docs\\*.rtf");
  EXPECT_EQ(list->Folder(), "E:\\Docs");
  EXPECT_EQ(list->Mask(), "*.rtf");
  EXPECT_EQ(EntriesOf(*list), Names{"Notes.rtf"});
}

TEST_F(ZELExplorerViewTest, OpenPathOfAFileSelectsItOrMovesTheFocusToIt) {
  auto single = MakeList();
  single->SetMask("*.doc;*.txt");
  ASSERT_EQ(single->Entries().Count(), 2);
  int reads = changes_;
  single->OpenPath("E:\\docs\\B.TXT");
  EXPECT_EQ(single->ItemIndex(), 1);
  EXPECT_TRUE(single->Selected(1));
  EXPECT_EQ(changes_, reads + 1);

  auto multiple = MakeList();
  multiple->SetMultiSelect(true);
  multiple->SetMask("*.doc;*.txt");
  multiple->OpenPath("E:\\Docs\\b.txt");
  EXPECT_EQ(multiple->ItemIndex(), 1);
  EXPECT_FALSE(multiple->Selected(1));
}

TEST_F(ZELExplorerViewTest, OpenPathOfAFileTheMaskHidesMakesItTheMask) {
  auto list = MakeList();
  list->SetMask("*.doc");
  list->OpenPath("E:\\Docs\\notes.RTF");
  EXPECT_EQ(list->Mask(), "notes.RTF");
  EXPECT_EQ(EntriesOf(*list), Names{"Notes.rtf"});
  EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(ZELExplorerViewTest, TheCurrentDirectoryFollowsTheListThatReadLast) {
  temp_.MakeDir("e/Out");
  auto source = MakeList();
  auto destination = MakeList();
  source->OpenPath("E:\\Docs\\");
  destination->OpenPath("E:\\Out\\");
  EXPECT_EQ(files_.GetCurrentDirectory(), "E:\\Out");
  source->Reload();
  EXPECT_EQ(files_.GetCurrentDirectory(), "E:\\Docs");
  destination->SetMask("*.pdf");
  EXPECT_EQ(files_.GetCurrentDirectory(), "E:\\Out");
}

TEST_F(ZELExplorerViewTest, TheUsersMovesAreReported) {
  ui::HeadlessSortedListBox* base = nullptr;
  auto list = MakeList(&base);
  list->SetMask("*.doc;*.txt");
  ASSERT_EQ(list->Entries().Count(), 2);
  int reads = changes_;
  base->UserClick(0);
  base->UserKey(ui::ListKey::Down);
  base->UserKey(ui::ListKey::Down);  // already at the end
  EXPECT_EQ(changes_, reads + 2);
  EXPECT_EQ(list->ItemIndex(), 1);
}

}  // namespace
