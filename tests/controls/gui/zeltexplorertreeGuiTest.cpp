// The folder tree on the real kit: a shown tree reads its drives, expands a folder as the
// user's click does, and draws the theme's icons and the expand buttons. Its screenshot goes
// into the build folder.

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "controls/zeltexplorertree.h"
#include "platform/WinTypes.h"
#include "platform/files/FileSystem.h"
#include "platform/shell/Shell.h"
#include "platform/system/System.h"
#include "tests/support/TempDir.h"
#include "tests/support/wx/WxTestKit.h"
#include "ui/wx/WxTreeView.h"

namespace {

using testsupport::WxSettle;
using testsupport::WxTestKit;

class ZELExplorerTreeGuiTest : public ::testing::Test {
 protected:
  ZELExplorerTreeGuiTest()
      : files_(
            platform::DriveMap{
                {'A', temp_.Path() / "a"}, {'C', temp_.MakeDir("c")}, {'D', temp_.MakeDir("d")}},
            temp_.Path() / "c" / "Windows"),
        shell_(files_, temp_.MakeDir("programs")) {
    for (const char* folder : {"c/Docs/2024", "c/Docs/Letters/Old", "c/Docs/Scans", "c/Music/Jazz",
                               "c/Work", "d/Backup"}) {
      temp_.MakeDir(folder);
    }
    files_.SetCurrentDirectory("C:\\");
    form_->SetCaption("Folders");
    form_->SetClientSize({217, 240});
    std::unique_ptr<ui::TreeView> base = kit_.CreateTreeView(*form_, {8, 8, 201, 224});
    view_ = static_cast<ui::WxTreeView*>(base.get());
    tree_ = std::make_unique<controls::TZELExplorerTree>(files_, system_, shell_, kit_.App(),
                                                         std::move(base));
    tree_->OnChange = [this](controls::TZELExplorerTree&, ui::TreeNode*) { ++changes_; };
  }
  ~ZELExplorerTreeGuiTest() override {
    tree_.reset();
    form_.reset();
    WxSettle(2);
    EXPECT_EQ(controls::TZELDirectoryEntry::Live(), 0);
  }

  wxTreeItemId Item(const std::string& fullPath) {
    for (ui::TreeNode* node : view_->AllNodes()) {
      if (tree_->Entry(node) != nullptr && tree_->Entry(node)->FullPath == fullPath) {
        return ui::WxTreeView::Item(node);
      }
    }
    ADD_FAILURE() << "no node " << fullPath;
    return {};
  }
  // The tree's client area as the screen shows it.
  wxImage Shot() {
    wxWindow& window = *view_->Window();
    window.Update();
    WxSettle(5);
    wxSize size = window.GetClientSize();
    wxBitmap shot(size);
    wxScreenDC screen;
    wxMemoryDC memory(shot);
    wxPoint origin = window.ClientToScreen(wxPoint(0, 0));
    memory.Blit(0, 0, size.x, size.y, &screen, origin.x, origin.y);
    memory.SelectObject(wxNullBitmap);
    return shot.ConvertToImage();
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
  platform::System system_;
  platform::Shell shell_;
  ui::WxKit& kit_ = WxTestKit();
  std::unique_ptr<ui::Form> form_ = kit_.CreateForm(nullptr);
  ui::WxTreeView* view_ = nullptr;
  std::unique_ptr<controls::TZELExplorerTree> tree_;
  int changes_ = 0;
};

TEST_F(ZELExplorerTreeGuiTest, AnExpandedFolderShowsItsFoldersWithIconsAndButtons) {
  form_->Show();
  tree_->SetDirectory("C:\\Docs");
  ASSERT_EQ(tree_->Directory(), "C:\\DOCS\\");
  wxTreeCtrl& native = *view_->Window();
  wxTreeItemId docs = Item("C:\\DOCS\\");
  native.Expand(docs);  // as a click on its button does
  WxSettle(10);

  EXPECT_TRUE(native.IsExpanded(Item("C:\\")));
  EXPECT_TRUE(native.IsExpanded(docs));
  EXPECT_EQ(native.GetChildrenCount(docs, false), 3u);
  EXPECT_TRUE(native.ItemHasChildren(Item("C:\\DOCS\\LETTERS\\")));  // a placeholder
  EXPECT_FALSE(native.ItemHasChildren(Item("C:\\DOCS\\2024\\")));
  EXPECT_TRUE(native.ItemHasChildren(Item("A:\\")));  // no medium, never read
  EXPECT_TRUE(native.ItemHasChildren(Item("D:\\")));
  EXPECT_EQ(changes_, 1);

  wxImage shot = Shot();
  std::filesystem::path file =
      std::filesystem::path(SHEAFMILL_SCREENSHOT_DIR) / "explorer-tree.png";
  std::filesystem::create_directories(file.parent_path());
  ASSERT_TRUE(shot.SaveFile(file.string(), wxBITMAP_TYPE_PNG));

  // Each node: a 16 x 16 picture just left of its text, and the text itself.
  for (const char* path : {"C:\\", "C:\\DOCS\\", "C:\\DOCS\\LETTERS\\", "C:\\WORK\\"}) {
    wxRect text;
    ASSERT_TRUE(native.GetBoundingRect(Item(path), text, true)) << path;
    wxRect icon(text.x - 18, text.y + (text.height - 16) / 2, 16, 16);
    EXPECT_GT(ColoursIn(shot, icon), 3u) << "no icon for " << path;
    EXPECT_GT(ColoursIn(shot, text), 1u) << "no text for " << path;
  }
}

TEST_F(ZELExplorerTreeGuiTest, TheUsersClickOnAFolderSelectsIt) {
  form_->Show();
  tree_->SetDirectory("C:\\Music");
  wxTreeItemId work = Item("C:\\WORK\\");
  view_->Window()->SelectItem(work);  // as a click does
  WxSettle(2);
  EXPECT_EQ(tree_->Directory(), "C:\\WORK\\");
  EXPECT_EQ(changes_, 2);
  EXPECT_EQ(tree_->LastDirs()[2], "C:\\WORK\\");
}

// A folder deep below collapsed parents: once the expanded rows are laid out, the selected
// folder is in sight, at the top of the tree.
TEST_F(ZELExplorerTreeGuiTest, AFolderSelectedDeepDownIsScrolledIntoSight) {
  std::string deep = "c/Desktop";
  std::string path = "C:\\Desktop";
  for (int level = 1; level <= 30; ++level) {
    deep += "/Level" + std::to_string(level);
    path += "\\Level" + std::to_string(level);
  }
  temp_.MakeDir(deep);
  form_->Show();
  WxSettle(5);
  tree_->SetDirectory(path);
  WxSettle(10);
  wxTreeCtrl& native = *view_->Window();
  wxTreeItemId selected = native.GetSelection();
  ASSERT_EQ(tree_->Entry(view_->Node(selected))->DiskPath, path + "\\");
  wxRect rect;
  ASSERT_TRUE(native.GetBoundingRect(selected, rect, true));
  EXPECT_GE(rect.y, 0);
  EXPECT_LE(rect.GetBottom(), native.GetClientSize().y);
  EXPECT_GE(rect.x, 0);  // its text too, not only its row
  EXPECT_LT(rect.x, native.GetClientSize().x);
  int startX = 0;
  int startY = 0;
  native.GetViewStart(&startX, &startY);
  EXPECT_GT(startY, 0);  // scrolled down to it

  wxImage shot = Shot();
  std::filesystem::path file =
      std::filesystem::path(SHEAFMILL_SCREENSHOT_DIR) / "explorer-tree-deep.png";
  ASSERT_TRUE(shot.SaveFile(file.string(), wxBITMAP_TYPE_PNG));
  EXPECT_GT(ColoursIn(shot, wxRect(0, rect.y, shot.GetWidth(), rect.height)), 1u)
      << "the selected row is not drawn";
}

// Names that differ in letter case alone are different folders, and a name that is not
// valid UTF-8 still shows: each of its bad bytes as U+FFFD.
TEST_F(ZELExplorerTreeGuiTest, CaseTwinsAndNamesThatAreNotUtf8AreShownAndSelectable) {
  for (const char* folder : {"c/Twins/abc", "c/Twins/Abc", "c/Twins/ABC", "c/Twins/\xC3\x84rger",
                             "c/Twins/\xC3\xA4rger", "c/Twins/bad\xFF\xFEname"}) {
    temp_.MakeDir(folder);
  }
  form_->Show();
  for (const std::string name :
       {"abc", "Abc", "ABC", "\xC3\x84rger", "\xC3\xA4rger", "bad\xFF\xFEname"}) {
    SCOPED_TRACE(name);
    tree_->SetDirectory("C:\\Twins\\" + name);
    WxSettle(2);
    EXPECT_EQ(tree_->DiskDirectory(), "C:\\Twins\\" + name + "\\");
  }
  wxTreeCtrl& native = *view_->Window();
  wxTreeItemId bad = native.GetSelection();
  EXPECT_EQ(native.GetItemText(bad), wxString::FromUTF8("bad\xEF\xBF\xBD\xEF\xBF\xBDname"));
  wxImage shot = Shot();
  std::filesystem::path file =
      std::filesystem::path(SHEAFMILL_SCREENSHOT_DIR) / "explorer-tree-twins.png";
  ASSERT_TRUE(shot.SaveFile(file.string(), wxBITMAP_TYPE_PNG));
  wxRect rect;
  ASSERT_TRUE(native.GetBoundingRect(bad, rect, true));
  EXPECT_GT(ColoursIn(shot, rect.Intersect(wxRect(shot.GetSize()))), 2u)
      << "the name is drawn blank";
}

}  // namespace
