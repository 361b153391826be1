#include "controls/zeltexplorertree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "platform/Error.h"
#include "platform/WinTypes.h"
#include "platform/system/Collation.h"
#include "tests/controls/ExplorerTreeFixture.h"

namespace {

using controls::TZELDirectoryEntry;
using controls::TZELDirectoryRecord;
using controls::TZELExplorerTree;
using Strings = std::vector<std::string>;

class ZELExplorerTreeTest : public testsupport::ExplorerTreeFixture {
 protected:
  // Records every candidate that the control offers to OnAddDirectory.
  void RecordCandidates() {
    Tree().OnAddDirectory = [this](TZELExplorerTree&, const std::string& path, bool&) {
      candidates.push_back(path);
    };
  }
  int CandidatesBelow(const std::string& root) {
    return static_cast<int>(std::count_if(candidates.begin(), candidates.end(), [&](auto& path) {
      return path.size() > root.size() && path.compare(0, root.size(), root) == 0;
    }));
  }
  uint32_t ErrorMode() {
    uint32_t mode = system_.SetErrorMode(0);
    system_.SetErrorMode(mode);
    return mode;
  }

  Strings candidates;
};

TEST_F(ZELExplorerTreeTest, ConstructionBuildsNothingAndRemembersTheCurrentDirectory) {
  MakeDirs("c/Work");
  files_.SetCurrentDirectory("c:\\work");
  TZELExplorerTree& tree = Tree();
  EXPECT_FALSE(View().HasWindow());
  EXPECT_FALSE(tree.Ready());
  EXPECT_TRUE(tree.Network());
  EXPECT_FALSE(tree.FastLoad());
  EXPECT_EQ(View().Images(), platform::SYSTEM_IMAGE_LIST);
  EXPECT_EQ(tree.LastDirs()[0], "A:\\");
  EXPECT_EQ(tree.LastDirs()[2], "C:\\WORK");  // as the current directory reads: no "\"
  EXPECT_EQ(tree.LastDirs()[25], "Z:\\");
  EXPECT_EQ(TZELDirectoryEntry::Live(), 0);
}

TEST_F(ZELExplorerTreeTest, ListsTheDrivesAndProbesOnlyFixedOnes) {
  MakeDirs("c/Docs");
  MakeDirs("c/Work");
  MakeFile("d/readme.txt");
  MakeDirs("e/Photos");
  files_.SetDriveTypeOverride('E', platform::DRIVE_REMOVABLE);
  RecordCandidates();

  View().WindowNeeded();
  EXPECT_EQ(Children(""), (Strings{"A:\\", "C:\\", "D:\\", "E:\\"}));
  EXPECT_EQ(Children("A:\\"), Strings{"<>"});  // no medium: a button, nothing read
  EXPECT_EQ(Children("C:\\"), Strings{"<**>"});
  EXPECT_EQ(Children("D:\\"), Strings{});  // only a file: no button
  EXPECT_EQ(Children("E:\\"), Strings{"<>"});

  EXPECT_EQ(CandidatesBelow("A:\\"), 0);
  EXPECT_EQ(CandidatesBelow("E:\\"), 0);  // the removable drive was not touched
  EXPECT_EQ(CandidatesBelow("C:\\"), 1);  // the probe stops at the first folder
  EXPECT_TRUE(Tree().Ready());
  EXPECT_EQ(View().Redraws(), 1);
  EXPECT_EQ(app_.GetCursor(), ui::Cursor::Default);
  EXPECT_EQ(app_.PumpCount(), 1);
  EXPECT_EQ(TZELDirectoryEntry::Live(), 4);
  EXPECT_EQ(Tree().Directory(), "nil");
}

TEST_F(ZELExplorerTreeTest, ADriveWithoutMediumLosesItsButtonWhenExpanded) {
  ui::TreeNode* a = Node("A:\\");
  EXPECT_TRUE(View().HasExpandButton(a));
  EXPECT_FALSE(View().UserExpand(a));
  EXPECT_FALSE(View().HasExpandButton(a));
  EXPECT_TRUE(Tree().Entry(a)->ChildrenRead);
  EXPECT_TRUE(app_.Messages().empty());
}

TEST_F(ZELExplorerTreeTest, FastLoadGivesEveryDriveAPlaceholderAtTheNextBuild) {
  MakeDirs("c/Docs");
  RecordCandidates();
  Tree().SetFastLoad(true);
  View().WindowNeeded();
  EXPECT_EQ(Children("C:\\"), Strings{"<>"});
  EXPECT_EQ(Children("D:\\"), Strings{"<>"});
  EXPECT_EQ(candidates, (Strings{"A:\\", "C:\\", "D:\\", "E:\\"}));  // nothing read

  EXPECT_FALSE(Expand("D:\\"));  // a drive without folders loses its button
  EXPECT_FALSE(View().HasExpandButton(Node("D:\\")));

  Tree().SetFastLoad(false);
  EXPECT_EQ(Children("C:\\"), Strings{"<>"});
  Tree().BuildDriveLevel();
  EXPECT_EQ(Children("C:\\"), Strings{"<**>"});
  EXPECT_EQ(Children("D:\\"), Strings{});
}

TEST_F(ZELExplorerTreeTest, FoldersAreListedInCaseInsensitiveOrderHiddenOnesToo) {
  for (auto name : {"gamma", "alpha/sub", "Beta", ".hidden"}) MakeDirs(std::string("c/") + name);
  MakeFile("c/aardvark.txt");
  platform::CollationScope plain("C.UTF-8");
  ASSERT_TRUE(plain.Installed());
  ASSERT_TRUE(Expand("C:\\"));
  EXPECT_EQ(Children("C:\\"), (Strings{"C:\\.HIDDEN\\", "C:\\ALPHA\\", "C:\\BETA\\", "C:\\GAMMA\\",
                                       "C:\\WINDOWS\\"}));
  EXPECT_EQ(Children("C:\\ALPHA\\"), Strings{"<**>"});
  EXPECT_EQ(Children("C:\\BETA\\"), Strings{});
  EXPECT_TRUE(EntryOf("C:\\")->ChildrenRead);
  EXPECT_FALSE(EntryOf("C:\\ALPHA\\")->ChildrenRead);
  EXPECT_EQ(EntryOf("C:\\ALPHA\\")->DiskPath, "C:\\alpha\\");  // what the platform is asked
  EXPECT_EQ(View().Text(Node("C:\\BETA\\")),
            shell_.GetFileInfo("C:\\BETA\\", platform::SHGFI_DISPLAYNAME).displayName);
}

// The order of the file list's entries of the same names (zeltexplorerviewTest).
TEST_F(ZELExplorerTreeTest, FoldersSortAsTheUsersLocaleDoesIgnoringCase) {
  for (const char* name : {"zebra", "École", "Bach", "Ärger", "apple", "b\xff"}) {
    MakeDirs(std::string("c/Words/") + name);
  }
  platform::CollationScope english("en_US.UTF-8");
  ASSERT_TRUE(english.Installed());
  Tree().SetDirectory("C:\\WORDS");
  EXPECT_EQ(Children("C:\\WORDS\\"),
            (Strings{"C:\\WORDS\\APPLE\\", "C:\\WORDS\\ÄRGER\\", "C:\\WORDS\\BACH\\",
                     "C:\\WORDS\\B\xff\\", "C:\\WORDS\\ÉCOLE\\", "C:\\WORDS\\ZEBRA\\"}));
}

// Host names are case-sensitive: both folders are listed, and each reads its own folders.
TEST_F(ZELExplorerTreeTest, FoldersThatDifferOnlyInCaseEachShowTheirOwnFolders) {
  MakeDirs("c/Docs/Letters");
  MakeDirs("c/DOCS/Scans");
  ASSERT_TRUE(Expand("C:\\"));
  ui::TreeNode* first = View().FirstChild(Node("C:\\"));
  ui::TreeNode* second = View().NextSibling(first);
  ASSERT_EQ(Tree().Entry(second)->FullPath, "C:\\DOCS\\");
  ASSERT_TRUE(View().UserExpand(first));
  ASSERT_TRUE(View().UserExpand(second));
  std::set<std::string> read{Tree().Entry(View().FirstChild(first))->DiskPath,
                             Tree().Entry(View().FirstChild(second))->DiskPath};
  EXPECT_EQ(read, (std::set<std::string>{"C:\\Docs\\Letters\\", "C:\\DOCS\\Scans\\"}));
}

TEST_F(ZELExplorerTreeTest, AFolderIsReadOnceButItsChildrenAreProbedAtEveryExpansion) {
  MakeDirs("c/Docs/2024");
  MakeDirs("c/Work");
  ASSERT_TRUE(Expand("C:\\"));
  EXPECT_EQ(Children("C:\\WORK\\"), Strings{});

  View().UserCollapse(Node("C:\\"));
  MakeDirs("c/Work/New");
  MakeDirs("c/Later");
  ASSERT_TRUE(Expand("C:\\"));
  EXPECT_EQ(Children("C:\\"), (Strings{"C:\\DOCS\\", "C:\\WINDOWS\\", "C:\\WORK\\"}));
  EXPECT_EQ(Children("C:\\WORK\\"), Strings{"<**>"});
  EXPECT_EQ(Children("C:\\DOCS\\"), (Strings{"<**>", "<**>"}));  // probed twice

  int removed = 0;
  int removedPlaceholders = 0;
  Tree().OnDeleteItem = [&](TZELExplorerTree& sender, ui::TreeNode* node) {
    ++removed;
    if (sender.Entry(node) == nullptr) ++removedPlaceholders;
  };
  ASSERT_TRUE(Expand("C:\\DOCS\\"));
  EXPECT_EQ(Children("C:\\DOCS\\"), Strings{"C:\\DOCS\\2024\\"});
  EXPECT_EQ(removed, 2);
  EXPECT_EQ(removedPlaceholders, 2);
  Tree().OnDeleteItem = nullptr;
}

TEST_F(ZELExplorerTreeTest, NothingBelowARecycledFolderIsListed) {
  MakeDirs("c/Recycled/Sub");
  MakeDirs("c/RECYCLER/Sub");
  MakeDirs("c/Docs/recycled/Inner");
  RecordCandidates();
  ASSERT_TRUE(Expand("C:\\"));
  EXPECT_EQ(Children("C:\\RECYCLED\\"), Strings{});
  EXPECT_EQ(Children("C:\\RECYCLER\\"), Strings{"<**>"});
  ASSERT_TRUE(Expand("C:\\DOCS\\"));
  EXPECT_EQ(Children("C:\\DOCS\\"), Strings{"C:\\DOCS\\RECYCLED\\"});
  EXPECT_EQ(Children("C:\\DOCS\\RECYCLED\\"), Strings{});
  EXPECT_EQ(CandidatesBelow("C:\\RECYCLED\\"), 0);  // refused without asking
  EXPECT_EQ(CandidatesBelow("C:\\DOCS\\RECYCLED\\"), 0);
}

TEST_F(ZELExplorerTreeTest, OnAddDirectoryCanLeaveOutADriveAndAFolder) {
  MakeDirs("c/Docs/Private");
  MakeDirs("c/Public");
  Tree().OnAddDirectory = [](TZELExplorerTree&, const std::string& path, bool& doAdd) {
    doAdd = path != "D:\\" && platform::System::UpperAscii(path) != "C:\\DOCS\\PRIVATE\\";
  };
  EXPECT_EQ(Children(""), (Strings{"A:\\", "C:\\", "E:\\"}));
  ASSERT_TRUE(Expand("C:\\"));
  EXPECT_EQ(Children("C:\\DOCS\\"), Strings{});  // its only folder is refused: no button
}

TEST_F(ZELExplorerTreeTest, IconsComeFromTheShellAndOnGetIconMayChangeThem) {
  MakeDirs("c/Docs");
  Tree().OnGetIcon = [](TZELExplorerTree& sender, ui::TreeNode* node) {
    if (sender.Entry(node)->FullPath == "C:\\DOCS\\") sender.Base().SetImageIndex(node, 99);
  };
  ASSERT_TRUE(Expand("C:\\"));
  auto icon = [&](const std::string& path, uint32_t flags) {
    return shell_
        .GetFileInfo(path, platform::SHGFI_SYSICONINDEX | platform::SHGFI_SMALLICON | flags)
        .iconIndex;
  };
  ui::TreeNode* windows = Node("C:\\WINDOWS\\");
  EXPECT_EQ(View().ImageIndex(windows), icon("C:\\Windows", 0));
  EXPECT_EQ(View().SelectedIndex(windows), icon("C:\\Windows", platform::SHGFI_OPENICON));
  EXPECT_NE(View().ImageIndex(windows), View().SelectedIndex(windows));
  ui::TreeNode* c = Node("C:\\");
  EXPECT_EQ(View().ImageIndex(c), icon("C:\\", 0));
  EXPECT_EQ(View().SelectedIndex(c), icon("C:\\", platform::SHGFI_OPENICON));
  EXPECT_EQ(View().ImageIndex(Node("C:\\DOCS\\")), 99);
}

// A handler that serves a made-up listing: C:\ holds the folders zeta and Alpha and a file,
// C:\ALPHA\ holds the folder Inner; every other folder is empty.
class FindDirectoryTest : public ZELExplorerTreeTest {
 protected:
  struct Item {
    uint32_t attr;
    std::string name;
  };

  void Serve() {
    Tree().OnFindDirectory = [this](TZELExplorerTree&, const std::string& path, int32_t& result,
                                    bool first, TZELDirectoryRecord& record) {
      calls.push_back(path + (first ? " first" : " next"));
      if (first) record.FindHandle = 0;
      const auto& items = Listing(path);
      auto next = static_cast<std::size_t>(record.FindHandle);
      if (next >= items.size()) {
        result = static_cast<int32_t>(platform::ERROR_NO_MORE_FILES);
        return;
      }
      record.Attr = items[next].attr;
      record.Name = items[next].name;
      record.FindHandle = static_cast<platform::SearchHandle>(next + 1);
      result = 0;
    };
  }

  const std::vector<Item>& Listing(const std::string& path) {
    static const std::vector<Item> root{{platform::FILE_ATTRIBUTE_DIRECTORY, "."},
                                        {platform::FILE_ATTRIBUTE_DIRECTORY, ".."},
                                        {platform::FILE_ATTRIBUTE_ARCHIVE, "notes.txt"},
                                        {platform::FILE_ATTRIBUTE_DIRECTORY, "zeta"},
                                        {platform::FILE_ATTRIBUTE_DIRECTORY, "Alpha"}};
    static const std::vector<Item> alpha{{platform::FILE_ATTRIBUTE_DIRECTORY, "Inner"}};
    static const std::vector<Item> none;
    return path == "C:\\" ? root : path == "C:\\ALPHA\\" ? alpha : none;
  }

  Strings calls;
};

TEST_F(FindDirectoryTest, ReadingAndProbingListWhatTheHandlerGives) {
  MakeDirs("c/Real");  // the platform search is not asked
  Serve();
  View().WindowNeeded();
  EXPECT_EQ(Children("C:\\"), Strings{"<**>"});
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "C:\\ first"), 1);

  calls.clear();
  ASSERT_TRUE(Expand("C:\\"));
  EXPECT_EQ(Children("C:\\"), (Strings{"C:\\ALPHA\\", "C:\\ZETA\\"}));
  EXPECT_EQ(Children("C:\\ALPHA\\"), Strings{"<**>"});
  EXPECT_EQ(Children("C:\\ZETA\\"), Strings{});
  EXPECT_EQ(calls, (Strings{"C:\\ first", "C:\\ next", "C:\\ next", "C:\\ next", "C:\\ next",
                            "C:\\ next", "C:\\ALPHA\\ first", "C:\\ZETA\\ first"}));
}

TEST_F(ZELExplorerTreeTest, AFullControlRaisesUnableToInsertAnItem) {
  MakeDirs("c/Docs");
  View().SetCapacity(2);  // A:\ and its placeholder
  try {
    View().WindowNeeded();
    FAIL() << "no error";
  } catch (const platform::EOutOfResources& error) {
    EXPECT_EQ(error.Message(), "Unable to insert an item");
  }
  EXPECT_EQ(View().Count(), 2u);
  EXPECT_EQ(View().UpdateDepth(), 0);
  EXPECT_EQ(app_.GetCursor(), ui::Cursor::Default);
  EXPECT_TRUE(Tree().Ready());

  View().SetCapacity(std::nullopt);
  Tree().BuildDriveLevel();
  View().SetCapacity(View().Count());
  EXPECT_FALSE(Expand("C:\\"));  // the user's expansion fails: the general error report
  ASSERT_EQ(app_.Messages().size(), 1u);
  EXPECT_EQ(app_.Messages()[0].text, "Unable to insert an item.");
}

TEST_F(ZELExplorerTreeTest, CriticalErrorsAreSuppressedDuringAccessAndTheModeRestored) {
  MakeDirs("c/Docs");
  system_.SetErrorMode(0x8000);
  Tree().OnAddDirectory = [&](TZELExplorerTree&, const std::string& path, bool&) {
    if (path.size() > 3 && path.compare(0, 3, "C:\\") == 0) {
      EXPECT_EQ(ErrorMode(), platform::SEM_FAILCRITICALERRORS);
      throw std::runtime_error("handler failed");
    }
  };
  EXPECT_THROW(View().WindowNeeded(), std::runtime_error);
  EXPECT_EQ(ErrorMode(), 0x8000u);
  EXPECT_EQ(app_.GetCursor(), ui::Cursor::Default);
  EXPECT_EQ(View().UpdateDepth(), 0);
}

TEST_F(ZELExplorerTreeTest, NoChangeIsRaisedWhileTheDrivesAreListedOrTheTreeIsDestroyed) {
  MakeDirs("c/Docs");
  Tree().SetDirectory("C:\\DOCS");
  ASSERT_EQ(changes.size(), 1u);

  bool pumpedBeforeDrives = false;
  app_.Post([&] { pumpedBeforeDrives = !Tree().Ready() && View().Count() == 0; });
  Tree().OnAddDirectory = [&](TZELExplorerTree& sender, const std::string&, bool&) {
    if (sender.Base().Count() > 0) sender.Base().Select(sender.Base().FirstNode());
  };
  Tree().BuildDriveLevel();
  EXPECT_TRUE(pumpedBeforeDrives);
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_NE(View().Selected(), nullptr);  // selected by the handler, silently

  bool readyWhileDestroyed = true;
  Tree().OnDeleteItem = [&](TZELExplorerTree& sender, ui::TreeNode*) {
    readyWhileDestroyed = readyWhileDestroyed && sender.Ready();
  };
  DestroyTree();
  EXPECT_FALSE(readyWhileDestroyed);
  EXPECT_EQ(changes.size(), 1u);
}

TEST_F(ZELExplorerTreeTest, EveryNodeThatLeavesIsReportedAndItsEntryFreed) {
  MakeDirs("c/Docs/2024");
  MakeDirs("c/Work");
  ASSERT_TRUE(Expand("C:\\"));
  std::size_t nodes = View().Count();
  int entries = TZELDirectoryEntry::Live();
  int entryNodes = 0;
  for (ui::TreeNode* node : View().AllNodes()) entryNodes += Tree().Entry(node) != nullptr;
  EXPECT_EQ(entries, entryNodes);
  EXPECT_LT(entryNodes, static_cast<int>(nodes));  // placeholders have no entry

  std::size_t removed = 0;
  Tree().OnDeleteItem = [&](TZELExplorerTree& sender, ui::TreeNode* node) {
    EXPECT_EQ(sender.Entry(node), nullptr);  // freed before the event
    ++removed;
  };
  Tree().BuildDriveLevel();
  EXPECT_EQ(removed, nodes);
  EXPECT_EQ(TZELDirectoryEntry::Live(), 4);

  removed = 0;
  nodes = View().Count();
  DestroyTree();
  EXPECT_EQ(removed, nodes);
}

TEST_F(ZELExplorerTreeTest, RecreatingTheWindowRebuildsTheDrivesAndSelectsNothing) {
  MakeDirs("c/Docs");
  Tree().SetDirectory("C:\\Docs\\");
  ASSERT_EQ(Tree().Directory(), "C:\\DOCS\\");
  View().RecreateWindow();
  EXPECT_EQ(View().WindowsCreated(), 2);
  EXPECT_EQ(Tree().Directory(), "nil");
  EXPECT_EQ(Children(""), (Strings{"A:\\", "C:\\", "D:\\", "E:\\"}));
  EXPECT_EQ(TZELDirectoryEntry::Live(), 4);
  EXPECT_EQ(changes.size(), 1u);
}

TEST_F(ZELExplorerTreeTest, OnExpandingMayRefuseAfterTheFolderWasRead) {
  MakeDirs("c/Docs");
  Tree().OnExpanding = [](TZELExplorerTree&, ui::TreeNode*, bool& allowExpansion) {
    allowExpansion = false;
  };
  EXPECT_FALSE(Expand("C:\\"));
  EXPECT_TRUE(EntryOf("C:\\")->ChildrenRead);
  EXPECT_EQ(Children("C:\\"), (Strings{"C:\\DOCS\\", "C:\\WINDOWS\\"}));
}

}  // namespace
