// The folder tree's path interface: reading and writing Directory, Network and the rebuild
// with re-selection, and the properties a form applies.

#include <gtest/gtest.h>

#include "controls/zeltexplorertree.h"
#include "platform/Error.h"
#include "platform/WinTypes.h"
#include "tests/controls/ExplorerTreeFixture.h"

namespace {

using controls::TZELExplorerTree;
using Strings = std::vector<std::string>;

class ZELExplorerTreeDirectoryTest : public testsupport::ExplorerTreeFixture {
 protected:
  ZELExplorerTreeDirectoryTest() {
    MakeDirs("c/Docs/2024");
    MakeDirs("c/Recycled/Sub");
    MakeDirs("d/Stuff");
  }
};

TEST_F(ZELExplorerTreeDirectoryTest, AWriteBeforeTheWindowExistsBuildsTheDrivesAndSelects) {
  EXPECT_EQ(Tree().Directory(), "nil");
  EXPECT_FALSE(View().HasWindow());
  ui::Cursor duringChange = ui::Cursor::Default;
  Tree().OnChange = [&](TZELExplorerTree& sender, ui::TreeNode*) {
    changes.push_back(sender.Directory());
    duringChange = app_.GetCursor();
  };

  Tree().SetDirectory("c:\\docs");
  EXPECT_EQ(Tree().Directory(), "C:\\DOCS\\");
  EXPECT_EQ(changes, Strings{"C:\\DOCS\\"});
  EXPECT_EQ(duringChange, ui::Cursor::HourGlass);
  EXPECT_EQ(app_.GetCursor(), ui::Cursor::Default);
  EXPECT_EQ(View().UpdateDepth(), 0);
  EXPECT_EQ(View().FirstVisible(), Node("C:\\DOCS\\"));
  EXPECT_TRUE(View().IsExpanded(Node("C:\\")));
  EXPECT_TRUE(EntryOf("C:\\DOCS\\")->ChildrenRead);  // the selected folder is read too
  EXPECT_EQ(Children("C:\\DOCS\\"), Strings{"C:\\DOCS\\2024\\"});
  EXPECT_EQ(Tree().LastDirs()[2], "C:\\DOCS\\");
}

TEST_F(ZELExplorerTreeDirectoryTest, AnEmptyNameIsRefusedAndNilIgnored) {
  Tree().SetDirectory("C:\\DOCS\\");
  try {
    Tree().SetDirectory("");
    FAIL() << "no error";
  } catch (const platform::Error& error) {
    EXPECT_EQ(error.Message(), "Invalid Directory Name");
  }
  Tree().SetDirectory("nil");
  EXPECT_EQ(Tree().Directory(), "C:\\DOCS\\");
  EXPECT_EQ(changes.size(), 1u);
}

TEST_F(ZELExplorerTreeDirectoryTest, WritingTheSelectedFolderAgainRaisesNothing) {
  Tree().SetDirectory("C:\\DOCS\\");
  Tree().SetDirectory("c:\\Docs");
  Tree().SetDirectory("C:\\DOCS\\2024");
  Tree().SetDirectory("C:\\");
  EXPECT_EQ(changes, (Strings{"C:\\DOCS\\", "C:\\DOCS\\2024\\", "C:\\"}));
}

TEST_F(ZELExplorerTreeDirectoryTest, AMissingFolderSelectsTheRootOfTheCurrentDrive) {
  ASSERT_TRUE(files_.SetCurrentDirectory("D:\\Stuff"));
  Tree().SetDirectory("C:\\Nowhere");
  EXPECT_EQ(Tree().Directory(), "D:\\");
  Tree().SetDirectory("C:\\DOCS");
  Tree().SetDirectory("A:\\");  // a drive without its medium
  EXPECT_EQ(changes, (Strings{"D:\\", "C:\\DOCS\\", "D:\\"}));
}

TEST_F(ZELExplorerTreeDirectoryTest, AFolderThatCannotBeReachedLeavesTheSelection) {
  Tree().SetDirectory("C:\\DOCS\\");
  Tree().SetDirectory("C:\\Recycled\\Sub");  // below Recycled
  MakeDirs("c/Docs/Later");                  // after its parent was read
  Tree().SetDirectory("C:\\Docs\\Later");
  Tree().SetDirectory("\\Docs");  // not a drive path
  EXPECT_EQ(Tree().Directory(), "C:\\DOCS\\");
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_EQ(View().UpdateDepth(), 0);
  EXPECT_EQ(app_.GetCursor(), ui::Cursor::Default);

  Tree().SetDirectory("C:\\Recycled");  // the folder itself is listed
  EXPECT_EQ(Tree().Directory(), "C:\\RECYCLED\\");
}

TEST_F(ZELExplorerTreeDirectoryTest, AFolderOnARefusedDriveLeavesTheSelection) {
  Tree().OnAddDirectory = [](TZELExplorerTree&, const std::string& path, bool& doAdd) {
    doAdd = path != "D:\\";
  };
  Tree().SetDirectory("C:\\DOCS\\");
  Tree().SetDirectory("D:\\Stuff");
  EXPECT_EQ(Tree().Directory(), "C:\\DOCS\\");
  EXPECT_EQ(changes.size(), 1u);
}

TEST_F(ZELExplorerTreeDirectoryTest, AChangeHandlerReadsTheNewFolderAndMovesAnotherTree) {
  ui::HeadlessTreeView* destinationView = nullptr;
  auto destination = MakeTree(&destinationView);
  Strings destinationChanges;
  destination->OnChange = [&](TZELExplorerTree& sender, ui::TreeNode*) {
    destinationChanges.push_back(sender.Directory());
  };
  Tree().OnChange = [&](TZELExplorerTree& sender, ui::TreeNode*) {
    destination->SetDirectory(sender.Directory());
  };
  Tree().SetDirectory("C:\\DOCS\\2024");
  View().UserClick(Node("D:\\"));
  EXPECT_EQ(destinationChanges, (Strings{"C:\\DOCS\\2024\\", "D:\\"}));
  EXPECT_EQ(destinationView->UpdateDepth(), 0);
}

TEST_F(ZELExplorerTreeDirectoryTest, WithoutNetworkARemoteDriveIsHiddenAndItsPathsRedirected) {
  MakeDirs("e/Data");
  files_.SetDriveTypeOverride('E', platform::DRIVE_REMOTE);
  Tree().SetDirectory("E:\\Data");
  ASSERT_EQ(Tree().Directory(), "E:\\DATA\\");

  Tree().SetNetwork(false);  // rebuilds; E:\DATA\ now means the Windows directory
  EXPECT_EQ(Children(""), (Strings{"A:\\", "C:\\", "D:\\"}));
  EXPECT_EQ(Tree().Directory(), "C:\\WINDOWS\\");
  Tree().SetDirectory("e:\\data");
  EXPECT_EQ(changes, (Strings{"E:\\DATA\\", "C:\\WINDOWS\\"}));

  int redraws = View().Redraws();
  Tree().SetNetwork(false);  // the same value: no rebuild
  EXPECT_EQ(View().Redraws(), redraws);
  Tree().SetNetwork(true);
  EXPECT_EQ(Children(""), (Strings{"A:\\", "C:\\", "D:\\", "E:\\"}));
  EXPECT_EQ(Tree().Directory(), "C:\\WINDOWS\\");
}

TEST_F(ZELExplorerTreeDirectoryTest, ARebuildSelectsTheFolderAgain) {
  Tree().SetDirectory("C:\\Docs\\2024");
  Tree().SetNetwork(false);
  EXPECT_EQ(Tree().Directory(), "C:\\DOCS\\2024\\");
  EXPECT_EQ(changes, (Strings{"C:\\DOCS\\2024\\", "C:\\DOCS\\2024\\"}));  // a new node
}

TEST_F(ZELExplorerTreeDirectoryTest, ARebuildFallsBackToTheDriveRoot) {
  Tree().SetDirectory("D:\\Stuff");
  Tree().OnAddDirectory = [](TZELExplorerTree&, const std::string& path, bool& doAdd) {
    doAdd = path != "D:\\STUFF\\" && path != "D:\\Stuff\\";
  };
  Tree().SetNetwork(false);
  EXPECT_EQ(Tree().Directory(), "D:\\");
}

// With the old drive gone, the tree goes to the first drive whose first child is a read
// folder, or that has no children, else the last drive, and selects its last folder.
TEST_F(ZELExplorerTreeDirectoryTest, ARebuildFallsBackToTheLastFolderOfAnotherDrive) {
  MakeDirs("e/Inbox");
  Tree().SetDirectory("E:\\Inbox");
  Tree().SetDirectory("D:\\Stuff");
  Tree().OnAddDirectory = [](TZELExplorerTree&, const std::string& path, bool& doAdd) {
    doAdd = path != "D:\\";
  };
  changes.clear();
  Tree().SetNetwork(false);
  EXPECT_EQ(Tree().Directory(), "E:\\INBOX\\");
  EXPECT_EQ(changes, Strings{"E:\\INBOX\\"});
}

// A slot that still holds the current directory lacks the final "\", so it never reads back
// the same: the drive itself is selected, and OnChange runs for it twice.
TEST_F(ZELExplorerTreeDirectoryTest, ARebuildToTheCurrentDirectorySelectsItsDrive) {
  MakeDirs("e/Inbox");
  ASSERT_TRUE(files_.SetCurrentDirectory("E:\\Inbox"));
  Tree().SetDirectory("D:\\Stuff");
  Tree().OnAddDirectory = [](TZELExplorerTree&, const std::string& path, bool& doAdd) {
    doAdd = path != "D:\\";
  };
  ASSERT_EQ(Tree().LastDirs()[4], "E:\\INBOX");
  changes.clear();
  Tree().SetNetwork(false);
  EXPECT_EQ(Tree().Directory(), "E:\\");
  EXPECT_EQ(changes, (Strings{"E:\\INBOX\\", "E:\\", "E:\\"}));
}

TEST_F(ZELExplorerTreeDirectoryTest, LoadingWaitsForLoadedBeforeBuilding) {
  Tree().BeginLoading();
  Tree().SetNetwork(false);
  Tree().SetFastLoad(true);
  Tree().SetDirectory("nil");
  View().WindowNeeded();
  EXPECT_EQ(View().Count(), 0u);
  EXPECT_FALSE(Tree().Ready());

  Tree().Loaded();
  EXPECT_TRUE(Tree().Ready());
  EXPECT_EQ(Children("C:\\"), Strings{"<>"});
  EXPECT_EQ(Tree().Directory(), "nil");
  EXPECT_TRUE(changes.empty());
}

TEST_F(ZELExplorerTreeDirectoryTest, AFailedWriteEndsItsBatchAndRestoresTheCursor) {
  View().WindowNeeded();
  View().SetCapacity(View().Count());  // C:\DOCS\ takes the placeholder's place, no more
  EXPECT_THROW(Tree().SetDirectory("C:\\Docs"), platform::EOutOfResources);
  EXPECT_EQ(View().UpdateDepth(), 0);
  EXPECT_EQ(app_.GetCursor(), ui::Cursor::Default);
  EXPECT_EQ(Tree().Directory(), "nil");
}

}  // namespace
