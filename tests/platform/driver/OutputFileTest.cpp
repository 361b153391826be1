#include "platform/driver/OutputFile.h"

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

namespace platform::driver {
namespace {

namespace fs = std::filesystem;

std::size_t EntryCount(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(OutputFileTest, ReplaceGivesTheCompleteFileItsName) {
  testsupport::TempDir temp;
  auto target = temp.WriteFile("out/a.pdf", "old");
  {
    OutputFile output(temp.Path() / "out", "C:\\OUT\\");
    fputs("new contents", output.Stream());
    output.Replace(target, "C:\\OUT\\a.pdf");
  }
  EXPECT_EQ(testsupport::ReadFile(target), "new contents");
  EXPECT_EQ(EntryCount(temp.Path() / "out"), 1u);
}

TEST(OutputFileTest, PublishIfFreeNeverReplacesAndAnUnpublishedFileVanishes) {
  testsupport::TempDir temp;
  auto taken = temp.WriteFile("out/a.pdf", "keep me");
  {
    OutputFile output(temp.Path() / "out", "C:\\OUT\\");
    fputs("new", output.Stream());
    EXPECT_FALSE(output.PublishIfFree(taken, "C:\\OUT\\a.pdf"));
    EXPECT_EQ(EntryCount(temp.Path() / "out"), 2u);
  }
  EXPECT_EQ(testsupport::ReadFile(taken), "keep me");
  EXPECT_EQ(EntryCount(temp.Path() / "out"), 1u);
}

TEST(OutputFileTest, PublishIfFreeTakesAFreeName) {
  testsupport::TempDir temp;
  temp.MakeDir("out");
  {
    OutputFile output(temp.Path() / "out", "C:\\OUT\\");
    fputs("new", output.Stream());
    EXPECT_FALSE(output.PublishIfFree(temp.WriteFile("out/a.pdf", "x"), "C:\\OUT\\a.pdf"));
    EXPECT_TRUE(output.PublishIfFree(temp.Path() / "out" / "b.pdf", "C:\\OUT\\b.pdf"));
  }
  EXPECT_EQ(testsupport::ReadFile(temp.Path() / "out" / "b.pdf"), "new");
  EXPECT_EQ(EntryCount(temp.Path() / "out"), 2u);
}

TEST(OutputFileTest, AMissingFolderIsReportedByItsName) {
  testsupport::TempDir temp;
  try {
    OutputFile output(temp.Path() / "missing", "C:\\MISSING\\");
    ADD_FAILURE() << "a file was created in a missing folder";
  } catch (const std::exception& error) {
    EXPECT_NE(std::string(error.what()).find("cannot write to folder 'C:\\MISSING\\'"),
              std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace platform::driver
