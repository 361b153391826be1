// The store on disk: values written by one store object are read by another, keys compare
// without letter case, a damaged file is never overwritten, and two processes writing at
// the same time both keep what they wrote.

#include "platform/registry/RegistryStore.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/Error.h"
#include "tests/platform/registry/RegValuePrinter.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

using testsupport::ReadFile;

class RegistryStoreTest : public ::testing::Test {
 protected:
  testsupport::TempDir temp;
  std::filesystem::path folder = temp.Path() / "profile";
  RegistryStore store{folder};
};

TEST_F(RegistryStoreTest, NothingIsWrittenUntilTheFirstChange) {
  EXPECT_TRUE(store.KeyExists(""));
  EXPECT_TRUE(store.KeyExists("\\"));
  EXPECT_FALSE(store.KeyExists("Software"));
  EXPECT_FALSE(store.GetValue("Software", "x"));
  EXPECT_FALSE(std::filesystem::exists(folder)) << "reading must not create the profile";
  EXPECT_FALSE(store.SetValue("Software", "x", RegValue::String("y"))) << "a value needs its key";
  EXPECT_FALSE(std::filesystem::exists(store.File()));

  store.CreateKey("Software\\Quillby\\Varnel");
  EXPECT_EQ(store.File(), folder / "user.reg");
  EXPECT_TRUE(store.KeyExists("\\SOFTWARE\\quillby"));
}

TEST_F(RegistryStoreTest, EveryTypeSurvivesAnotherStoreReadingTheFile) {
  store.CreateKey("Software\\Quillby\\Varnel");
  std::vector<std::pair<std::string, RegValue>> values = {
      {"", RegValue::String("default")},
      {"Path \"quoted\" \\ back", RegValue::String("C:\\Out\\ \"x\"")},
      {"Ünïcödé", RegValue::String("日本語 ✓ €")},
      {"Lines", RegValue::String("a\nb\r\n")},
      {"Count", RegValue::Dword(0xDEADBEEF)},
      {"Expand", RegValue::ExpandString("%USERPROFILE%\\Überall")},
      {"Blob", RegValue::Bytes(RegType::Binary, {0, 0x7F, 0x80, 0xFF})},
      {"Quad", RegValue::Bytes(RegType::Qword, {1, 2, 3, 4, 5, 6, 7, 8})},
      {"Odd", RegValue::Bytes(static_cast<RegType>(0x1234), {9})},
  };
  for (const auto& [name, value] : values) {
    ASSERT_TRUE(store.SetValue("Software\\Quillby\\Varnel", name, value)) << name;
  }

  RegistryStore other(folder);
  std::vector<std::string> names;
  for (const auto& [name, value] : values) {
    names.push_back(name);
    EXPECT_EQ(other.GetValue("software\\quillby\\varnel", name), value) << name;
  }
  EXPECT_EQ(other.ValueNames("Software\\Quillby\\Varnel"), names) << "stored order is kept";
}

TEST_F(RegistryStoreTest, NamesCompareWithoutAsciiCaseAndKeepTheirStoredCase) {
  store.CreateKey("Software\\Quillby");
  store.SetValue("Software\\Quillby", "AutomaticPath", RegValue::String("C:\\A"));
  store.SetValue("SOFTWARE\\QUILLBY", "automaticpath", RegValue::String("C:\\B"));
  EXPECT_EQ(store.ValueNames("Software\\Quillby"), std::vector<std::string>{"AutomaticPath"});
  EXPECT_EQ(store.GetValue("software\\quillby", "AUTOMATICPATH"), RegValue::String("C:\\B"));
  EXPECT_EQ(store.StoredKeyName("\\software\\QUILLBY\\"), "Software\\Quillby");
  // Only ASCII letters fold.
  store.SetValue("Software\\Quillby", "é", RegValue::Dword(1));
  EXPECT_FALSE(store.GetValue("Software\\Quillby", "É"));
}

TEST_F(RegistryStoreTest, SubKeysAreSortedAndDeletedWithTheirParent) {
  for (const char* key : {"S\\b", "S\\A B", "S\\a", "S\\a\\deep", "S\\C"}) store.CreateKey(key);
  EXPECT_EQ(store.SubKeys("s"), (std::vector<std::string>{"a", "A B", "b", "C"}));
  EXPECT_EQ(store.SubKeys(""), std::vector<std::string>{"S"});

  EXPECT_TRUE(store.DeleteKey("S\\A"));
  EXPECT_FALSE(store.KeyExists("S\\a\\deep"));
  EXPECT_TRUE(store.KeyExists("S\\A B"));
  EXPECT_FALSE(store.DeleteKey("S\\A"));
  EXPECT_FALSE(store.DeleteKey("")) << "the root stays";
}

TEST_F(RegistryStoreTest, DeletingValuesReportsWhetherThereWasOne) {
  store.CreateKey("K");
  store.SetValue("K", "v", RegValue::Dword(1));
  EXPECT_TRUE(store.DeleteValue("k", "V"));
  EXPECT_FALSE(store.DeleteValue("K", "v"));
  EXPECT_FALSE(store.DeleteValue("Missing", "v"));
}

TEST_F(RegistryStoreTest, NamesWithLineBreaksAreRefused) {
  store.CreateKey("K");
  EXPECT_THROW(store.SetValue("K", "a\nb", RegValue::Dword(1)), Error);
  EXPECT_THROW(store.CreateKey("K\\a\rb"), Error);
  EXPECT_EQ(store.ValueNames("K").size(), 0u);
}

TEST_F(RegistryStoreTest, ADamagedFileIsLeftAsItWasAndNamedWithItsLine) {
  const std::string damaged =
      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n\"a\"=dword:1\n"
      "\"b\"=oops\n";
  std::filesystem::create_directories(folder);
  temp.WriteFile("profile/user.reg", damaged);
  auto expectNamed = [&](const std::function<void()>& operation) {
    try {
      operation();
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_NE(error.Message().find(store.File().string()), std::string::npos);
      EXPECT_NE(error.Message().find("line 5"), std::string::npos) << error.Message();
    }
  };
  expectNamed([&] { store.GetValue("K", "a"); });
  expectNamed([&] { store.SetValue("K", "c", RegValue::Dword(2)); });
  expectNamed([&] { store.CreateKey("New"); });
  expectNamed([&] { store.DeleteKey("K"); });
  EXPECT_EQ(ReadFile(store.File()), damaged);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2)
      << "only the store and its lock file: no temporary file is left behind";
}

TEST_F(RegistryStoreTest, AReadOnlyStoreIsReadButNeverReplaced) {
  store.SetValue("", "v", RegValue::Dword(1));
  const std::string before = ReadFile(store.File());
  std::filesystem::permissions(store.File(), std::filesystem::perms::owner_read);
  try {
    store.SetValue("", "v", RegValue::Dword(2));
    ADD_FAILURE() << "a read-only store was changed";
  } catch (const Error& error) {
    EXPECT_EQ(error.Message(),
              "Cannot write \"" + store.File().string() + "\": the file is read-only");
  }
  EXPECT_EQ(store.GetValue("", "v"), RegValue::Dword(1));
  EXPECT_EQ(ReadFile(store.File()), before);
  EXPECT_EQ(std::filesystem::status(store.File()).permissions(),
            std::filesystem::perms::owner_read);
}

TEST_F(RegistryStoreTest, KeysNestedDeeperThanWindowsAllowsAreRefused) {
  std::string key = "K";
  for (int depth = 2; depth <= 512; ++depth) key += "\\K";
  store.CreateKey(key);
  EXPECT_TRUE(store.KeyExists(key));
  EXPECT_THROW(store.CreateKey(key + "\\Deeper"), Error);
  EXPECT_FALSE(store.KeyExists(key + "\\Deeper"));
  auto regFile =
      temp.WriteFile("deep.reg", "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\" +
                                     key + "\\Deeper]\n");
  EXPECT_THROW(store.Import(regFile), Error);
  EXPECT_FALSE(store.KeyExists(key + "\\Deeper"));
}

TEST_F(RegistryStoreTest, TemporaryStoresOfAKilledWriterAreRemovedByTheNextChange) {
  store.SetValue("", "v", RegValue::Dword(1));
  temp.WriteFile("profile/.user.reg.a1B2c3", std::string(4096, 'x'));
  temp.WriteFile("profile/.other.reg.a1B2c3", "not the store's");
  store.SetValue("", "v", RegValue::Dword(2));
  EXPECT_FALSE(std::filesystem::exists(folder / ".user.reg.a1B2c3"));
  EXPECT_TRUE(std::filesystem::exists(folder / ".other.reg.a1B2c3"));
}

TEST_F(RegistryStoreTest, ImportMergesAndExportWritesTheSubtree) {
  store.CreateKey("Keep");
  store.SetValue("Keep", "v", RegValue::String("kept"));
  auto regFile =
      temp.WriteFile("in.reg",
                     "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Q]\n"
                     "\"Title\"=\"Report \\\"Q3\\\"\"\n\"Num\"=dword:00000007\n\n"
                     "[HKEY_CURRENT_USER\\Software\\Q\\Sub]\n@=\"d\"\n");
  store.Import(regFile);
  EXPECT_EQ(store.GetValue("Keep", "v"), RegValue::String("kept"));
  EXPECT_EQ(store.GetValue("Software\\Q", "Title"), RegValue::String("Report \"Q3\""));

  auto exported = temp.Path() / "out.reg";
  ASSERT_TRUE(store.Export("software\\q", exported));
  EXPECT_EQ(ReadFile(exported),
            "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Q]\n"
            "\"Title\"=\"Report \\\"Q3\\\"\"\n\"Num\"=dword:00000007\n\n"
            "[HKEY_CURRENT_USER\\Software\\Q\\Sub]\n@=\"d\"\n\n");
  EXPECT_FALSE(store.Export("Missing", temp.Path() / "none.reg"));
  EXPECT_FALSE(std::filesystem::exists(temp.Path() / "none.reg"));
}

TEST_F(RegistryStoreTest, AnImportWithAnErrorChangesNothing) {
  store.CreateKey("K");
  std::string before = ReadFile(store.File());
  auto regFile = temp.WriteFile("bad.reg",
                                "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n"
                                "\"new\"=dword:1\n[-HKEY_CURRENT_USER\\K]\nbroken\n");
  try {
    store.Import(regFile);
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_NE(error.Message().find(regFile.string() + "\" has an error in line 5"),
              std::string::npos)
        << error.Message();
  }
  EXPECT_EQ(ReadFile(store.File()), before);
  EXPECT_THROW(store.Import(temp.Path() / "missing.reg"), Error);
}

// Each child writes its own values as fast as it can while the other does the same.
void WriteValuesInChild(const std::filesystem::path& folder, const std::string& prefix) {
  alarm(120);  // a lock that is never released must not hang the test run
  try {
    RegistryStore store(folder);
    for (uint32_t i = 0; i < 200; ++i) {
      if (!store.SetValue("Race", prefix + std::to_string(i), RegValue::Dword(i))) _exit(2);
    }
    _exit(0);
  } catch (...) {
    _exit(3);
  }
}

TEST_F(RegistryStoreTest, TwoProcessesWritingAtOnceKeepEveryValue) {
  store.CreateKey("Race");
  std::vector<pid_t> children;
  for (const char* prefix : {"A", "B"}) {
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) WriteValuesInChild(folder, prefix);
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
  }
  EXPECT_EQ(store.ValueNames("Race").size(), 400u);
  for (uint32_t i = 0; i < 200; ++i) {
    EXPECT_EQ(store.GetValue("Race", "A" + std::to_string(i)), RegValue::Dword(i));
    EXPECT_EQ(store.GetValue("Race", "B" + std::to_string(i)), RegValue::Dword(i));
  }
}

TEST(RegistryStoreUserFolderTest, ProfileThenXdgThenHome) {
  struct Saved {
    const char* name;
    std::optional<std::string> value;
  };
  std::vector<Saved> saved;
  for (const char* name : {"SHEAFMILL_PROFILE", "XDG_CONFIG_HOME", "HOME"}) {
    const char* value = std::getenv(name);
    saved.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
  }
  setenv("SHEAFMILL_PROFILE", "/p/profile", 1);
  setenv("XDG_CONFIG_HOME", "/x/config", 1);
  setenv("HOME", "/h/user", 1);
  EXPECT_EQ(RegistryStore::UserFolder(), "/p/profile");
  setenv("SHEAFMILL_PROFILE", "", 1);
  EXPECT_EQ(RegistryStore::UserFolder(), "/x/config/sheafmill");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(RegistryStore::UserFolder(), "/h/user/.config/sheafmill");
  for (const Saved& entry : saved) {
    if (entry.value) {
      setenv(entry.name, entry.value->c_str(), 1);
    } else {
      unsetenv(entry.name);
    }
  }
}

}  // namespace
}  // namespace platform
