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
