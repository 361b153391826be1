#include "ui/Application.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/Error.h"
#include "ui/headless/HeadlessApplication.h"

namespace {

TEST(ApplicationTest, ErrorTextAppendsAFullStopAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(ui::Application::ErrorText("File not found"), "File not found.");
  EXPECT_EQ(ui::Application::ErrorText("I/O error 32"), "I/O error 32.");
  EXPECT_EQ(ui::Application::ErrorText("Why?"), "Why?.");
  EXPECT_EQ(ui::Application::ErrorText("Ends with a slash/"), "Ends with a slash/.");
  EXPECT_EQ(ui::Application::ErrorText("Grüße"), "Grüße.");  // non-ASCII sorts after "."
}

TEST(ApplicationTest, ErrorTextKeepsMessagesEndingAtOrBeforeTheFullStop) {
  EXPECT_EQ(ui::Application::ErrorText("Done."), "Done.");
  EXPECT_EQ(ui::Application::ErrorText("Careful!"), "Careful!");
  EXPECT_EQ(ui::Application::ErrorText("Invalid data type for 'Title'"),
            "Invalid data type for 'Title'");
  EXPECT_EQ(ui::Application::ErrorText("a (b)"), "a (b)");
  EXPECT_EQ(ui::Application::ErrorText("x-"), "x-");
  EXPECT_EQ(ui::Application::ErrorText("trailing blank "), "trailing blank ");
  EXPECT_EQ(ui::Application::ErrorText(""), "");
}

TEST(ApplicationTest, DispatchShowsWhatEscapesAHandlerAsTheErrorReport) {
  ui::HeadlessApplication app;
  app.SetTitle("Sheafmill");
  app.Dispatch([] { throw platform::EInOutError(5); });
  app.Dispatch([] { throw std::runtime_error("Out of paper"); });
  app.Dispatch([] { throw 42; });
  app.Dispatch([] {});

  ASSERT_EQ(app.Messages().size(), 3u);
  EXPECT_EQ(app.Messages()[0].text, "File access denied.");
  EXPECT_EQ(app.Messages()[1].text, "Out of paper.");
  EXPECT_EQ(app.Messages()[2].text, "Unknown error.");
  for (const ui::MessageBoxRecord& box : app.Messages()) {
    EXPECT_EQ(box.caption, "Sheafmill");
    EXPECT_EQ(box.icon, ui::MessageIcon::Stop);
  }
}

TEST(ApplicationTest, BusyCursorRestoresTheCursorItFoundOnEveryPath) {
  ui::HeadlessApplication app;
  try {
    ui::BusyCursor outer(app);
    EXPECT_EQ(app.GetCursor(), ui::Cursor::HourGlass);
    { ui::BusyCursor inner(app); }
    EXPECT_EQ(app.GetCursor(), ui::Cursor::HourGlass);
    throw platform::Error("stop");
  } catch (const platform::Error&) {
  }
  EXPECT_EQ(app.GetCursor(), ui::Cursor::Default);
}

}  // namespace
