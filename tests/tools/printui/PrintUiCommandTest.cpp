#include "tools/printui/PrintUiCommand.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;
using printui::ParsePrintUiCommand;

constexpr char kPrinter[] = "VELTRA Ashgrove PDF Creator";

TEST(PrintUiCommandTest, ThePreferencesOfTheDriversPrinterAreOffered) {
  const auto request = ParsePrintUiCommand({"printui.dll,PrintUIEntry", "/e", "/n", kPrinter});
  EXPECT_TRUE(request.ok) << request.error;
  EXPECT_EQ(request.printer, kPrinter);

  // The entry's name ignores letter case; the switches come in any order, the name attached.
  EXPECT_TRUE(
      ParsePrintUiCommand({"PRINTUI,printuientry", "/nveltra ashgrove pdf creator", "/e"}).ok);
}

TEST(PrintUiCommandTest, OtherPrintersHaveNoPreferencesHere) {
  const auto request =
      ParsePrintUiCommand({"printui.dll,PrintUIEntry", "/e", "/n", "Office Laser"});
  EXPECT_FALSE(request.ok);
  EXPECT_EQ(request.error, "The printer \"Office Laser\" has no printing preferences here.");
}

TEST(PrintUiCommandTest, OtherEntriesAndOtherSwitchesAreRefusedWithTheirName) {
  const auto entry = ParsePrintUiCommand({"shell32.dll,Control_RunDLL", "/e", "/n", kPrinter});
  EXPECT_FALSE(entry.ok);
  EXPECT_NE(entry.error.find("shell32.dll,Control_RunDLL"), std::string::npos);
  EXPECT_FALSE(ParsePrintUiCommand({}).ok);

  const auto install = ParsePrintUiCommand({"printui.dll,PrintUIEntry", "/if", "/n", kPrinter});
  EXPECT_FALSE(install.ok);
  EXPECT_NE(install.error.find("/if"), std::string::npos);
  EXPECT_FALSE(ParsePrintUiCommand({"printui.dll,PrintUIEntry", "/n", kPrinter}).ok);
  EXPECT_FALSE(ParsePrintUiCommand({"printui.dll,PrintUIEntry", "/e"}).ok);
  EXPECT_FALSE(ParsePrintUiCommand({"printui.dll,PrintUIEntry", "/e", "/n"}).ok);
}

}  // namespace
