#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/SheafmillUnit.h"
#include "platform/Error.h"
#include "platform/Platform.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"
#include "tests/support/win32/TempDir.h"
#include "ui/headless/HeadlessForm.h"
#include "ui/headless/HeadlessKit.h"

namespace {

constexpr char kDriverKey[] = "\\Software\\Quillby\\Varnel";
constexpr wchar_t kWebHandler[] = L"https\\shell\\open\\command";

// The command that opens web addresses, replaced for the life of the object and put back
// after. It is written through HKEY_CLASSES_ROOT, which ShellExecute reads: Windows keeps it
// among the user's classes, Wine (which merges no user classes into it) among the machine's,
// of the test's private prefix.
class WebHandler {
 public:
  explicit WebHandler(const std::wstring& command) {
    wchar_t text[1024] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CLASSES_ROOT, kWebHandler, nullptr, RRF_RT_REG_SZ, nullptr, text,
                     &size) == 0) {
      saved_ = text;
    }
    Set(command);
  }
  ~WebHandler() {
    if (saved_) {
      Set(*saved_);
    } else {
      RegDeleteTreeW(HKEY_CLASSES_ROOT, L"https");
    }
  }
  WebHandler(const WebHandler&) = delete;
  WebHandler& operator=(const WebHandler&) = delete;

 private:
  static void Set(const std::wstring& command) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, kWebHandler, nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }

  std::optional<std::wstring> saved_;
};

// A key of the current user removed at the end of the test when it was not there before.
class KeyRemovedAfter {
 public:
  KeyRemovedAfter(platform::RegistryStore& registry, std::string key)
      : registry_(registry), key_(std::move(key)), wasThere_(registry.KeyExists(key_)) {}
  ~KeyRemovedAfter() {
    if (!wasThere_) registry_.DeleteKey(key_);
  }
  KeyRemovedAfter(const KeyRemovedAfter&) = delete;
  KeyRemovedAfter& operator=(const KeyRemovedAfter&) = delete;

 private:
  platform::RegistryStore& registry_;
  std::string key_;
  bool wasThere_;
};

// The main window on Windows' own services. What a test changes outside its temporary folder
// (the registry) only that test changes, since ctest runs the tests of one executable side by
// side.
class SheafmillUnitWin32Test : public ::testing::Test {
 protected:
  SheafmillUnitWin32Test() { kit.App().SetTitle("Sheafmill"); }

  platform::RegistryStore& registry() { return platform.Registry(); }
  TForm1& Create() {
    form = std::make_unique<TForm1>(kit, platform, printers);
    return *form;
  }
  // What the handler wrote, once it has written its line (it runs as a process of its own).
  std::string Opened() const {
    std::string text;
    for (int i = 0; i < 500 && !text.ends_with('\n'); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      text = testsupport::ReadFile(opened);
    }
    return text;
  }
  static std::string IoErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const platform::EInOutError& error) {
      return error.Message() + " (" + std::to_string(error.Code()) + ")";
    }
    return "no error";
  }

  testsupport::TempDir temp;
  std::string opened = temp.Win("opened.txt");
  platform::Platform platform{{temp.Path() / "profile", temp.Path() / "home", temp.Path()}};
  ui::HeadlessKit kit;
  controls::ProcessPrinters printers{platform.Printing()};
  std::unique_ptr<TForm1> form;
};

TEST_F(SheafmillUnitWin32Test, WithoutAVeltraPrinterTheWarningIsShownAndTheShellOpensThePage) {
  // A handler that writes down the address it was asked to open.
  const WebHandler handler(L"cmd.exe /c echo %1>\"" + platform::win32::Wide(opened) + L"\"");
  Create();
  const std::vector<ui::MessageBoxRecord>& messages = kit.App().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "Sheafmill");
  EXPECT_EQ(messages[0].text,
            "No VELTRA family product installed on your computer!\r"
            "Please download the VELTRA products from https://quillby.example/veltra");
  EXPECT_EQ(Opened(), "https://quillby.example/veltra\r\n");
  EXPECT_EQ(form->OverwriteMode, 3);
  // This 32-bit build in a 64-bit Windows.
  EXPECT_TRUE(form->IsWow64);
}

TEST_F(SheafmillUnitWin32Test, ClosingTheWindowResetsTheDriversOutputInTheRegistry) {
  const KeyRemovedAfter vendorKey(registry(), "\\Software\\Quillby");
  registry().CreateKey(kDriverKey);
  Create().Window().Show();
  registry().SetValue(kDriverKey, "AutomaticOutput", platform::RegValue::Dword(1));
  registry().SetValue(kDriverKey, "AutomaticPath", platform::RegValue::String("C:\\Ärger\\Out"));
  registry().SetValue(kDriverKey, "Title", platform::RegValue::String("Kept"));
  EXPECT_TRUE(static_cast<ui::HeadlessForm&>(form->Window()).ClickCloseBox());
  EXPECT_FALSE(form->Window().Visible());
  EXPECT_EQ(registry().GetValue(kDriverKey, "AutomaticOutput"), platform::RegValue::Dword(0));
  EXPECT_EQ(registry().GetValue(kDriverKey, "AutomaticPath"), platform::RegValue::String(""));
  EXPECT_EQ(registry().GetValue(kDriverKey, "Title"), platform::RegValue::String("Kept"));
}

TEST_F(SheafmillUnitWin32Test, TheFileListNamesWhyAFolderCannotBeEntered) {
  temp.WriteFile("Docs\\Ärger.doc", "a");
  Create().Window().Show();
  controls::TZELExplorerView& list = *form->ZELExplorerView1;
  list.SetMask("*.doc");
  list.SetFolder(temp.Win("Docs"));
  ASSERT_EQ(list.Entries().Count(), 1);
  EXPECT_EQ(IoErrorOf([&] { list.SetFolder(temp.Win("Docs\\Missing")); }), "File not found (2)");
  EXPECT_EQ(IoErrorOf([&] { list.SetFolder(temp.Win("Gone\\Deeper")); }), "Invalid filename (3)");
  EXPECT_EQ(IoErrorOf([&] { list.SetFolder(temp.Win("Docs\\Ärger.doc")); }), "I/O error 267 (267)");
  EXPECT_EQ(list.Folder(), temp.Win("Docs"));
  EXPECT_EQ(list.Entries().Count(), 1);
}

}  // namespace
