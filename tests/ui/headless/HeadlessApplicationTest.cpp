#include "ui/headless/HeadlessApplication.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/headless/HeadlessButton.h"
#include "ui/headless/HeadlessForm.h"
#include "ui/headless/HeadlessKit.h"

namespace {

TEST(HeadlessApplicationTest, QueuedInputWaitsForTheNextMessagePump) {
  ui::HeadlessApplication app;
  std::vector<int> delivered;
  app.Post([&] { delivered.push_back(1); });
  app.Post([&] {
    delivered.push_back(2);
    app.Post([&] { delivered.push_back(3); });  // queued meanwhile: same pump
  });
  EXPECT_TRUE(delivered.empty());
  EXPECT_EQ(app.PendingInput(), 2u);

  app.ProcessMessages();
  EXPECT_EQ(delivered, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(app.PendingInput(), 0u);
}

TEST(HeadlessApplicationTest, APumpInsideAHandlerReturnsAtOnce) {
  ui::HeadlessApplication app;
  std::vector<int> delivered;
  app.Post([&] {
    delivered.push_back(1);
    app.ProcessMessages();  // the second input must not run inside the first
    delivered.push_back(2);
  });
  app.Post([&] { delivered.push_back(3); });
  app.ProcessMessages();
  EXPECT_EQ(delivered, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(app.PumpCount(), 2);
}

TEST(HeadlessApplicationTest, TheOutsideHookPostsInputThatTheSamePumpDelivers) {
  ui::HeadlessApplication app;
  app.SetTitle("Sheafmill");
  std::vector<std::string> delivered;
  int hookRuns = 0;
  app.OnProcessMessages = [&] {
    ++hookRuns;
    if (hookRuns == 1) app.Post([&] { delivered.push_back("from outside"); });
    if (hookRuns == 3) throw std::runtime_error("Hook failed");
  };
  app.Post([&] {
    delivered.push_back("queued");
    app.ProcessMessages();  // nested: neither the hook nor the input runs again
  });
  app.ProcessMessages();
  EXPECT_EQ(delivered, (std::vector<std::string>{"queued", "from outside"}));
  EXPECT_EQ(hookRuns, 1);

  // A failing hook goes to the error report; the queued input is still delivered.
  app.ProcessMessages();
  app.Post([&] { delivered.push_back("after"); });
  app.ProcessMessages();
  EXPECT_EQ(delivered.back(), "after");
  ASSERT_EQ(app.Messages().size(), 1u);
  EXPECT_EQ(app.Messages()[0].text, "Hook failed.");
}

TEST(HeadlessApplicationTest, MessageBoxesAreRecordedWithTheTitleAndSeenWhileOpen) {
  ui::HeadlessApplication app;
  app.SetTitle("Sheafmill");
  std::vector<std::string> seen;
  app.OnMessageBox = [&](const ui::MessageBoxRecord& box) { seen.push_back(box.text); };
  app.ShowMessage("Line one\rLine two");
  app.ShowError("Broken.");

  ASSERT_EQ(app.Messages().size(), 2u);
  EXPECT_EQ(app.Messages()[0].caption, "Sheafmill");
  EXPECT_EQ(app.Messages()[0].text, "Line one\rLine two");
  EXPECT_EQ(app.Messages()[0].icon, ui::MessageIcon::None);
  EXPECT_EQ(app.Messages()[1].icon, ui::MessageIcon::Stop);
  EXPECT_EQ(seen, (std::vector<std::string>{"Line one\rLine two", "Broken."}));
}

TEST(HeadlessApplicationTest, RunDeliversTheInputThenClosesTheMainForm) {
  ui::HeadlessKit kit;
  auto form = kit.CreateForm(nullptr);
  auto button = kit.CreateButton(*form, {0, 0, 75, 25});
  int clicks = 0;
  int closes = 0;
  button->OnClick = [&] { ++clicks; };
  form->OnClose = [&] { ++closes; };
  auto& headless = static_cast<ui::HeadlessButton&>(*button);
  kit.App().Post([&] { headless.Click(); });

  kit.App().Run(*form);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(form->Visible());
}

}  // namespace
