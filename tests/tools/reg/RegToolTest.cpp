// sheafmill-reg run as a process on a private profile: reg.exe's output, prompts and exit codes.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/registry/RegistryStore.h"
#include "tests/support/TempDir.h"

namespace {

using testsupport::ReadFile;

struct Result {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class RegToolTest : public ::testing::Test {
 protected:
  // Runs the tool with `input` on its standard input and the test's profile.
  Result Reg(std::vector<std::string> args, const std::string& input = "") {
    auto in = temp.WriteFile("io/in", input);
    auto out = temp.Path() / "io/out";
    auto err = temp.Path() / "io/err";
    pid_t pid = fork();
    if (pid == 0) {
      alarm(60);
      setenv("SHEAFMILL_PROFILE", profile.c_str(), 1);
      Redirect(in, STDIN_FILENO, O_RDONLY);
      Redirect(out, STDOUT_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
      Redirect(err, STDERR_FILENO, O_WRONLY | O_CREAT | O_TRUNC);
      std::vector<char*> argv{const_cast<char*>(SHEAFMILL_REG_EXE)};
      for (std::string& arg : args) argv.push_back(arg.data());
      argv.push_back(nullptr);
      execv(SHEAFMILL_REG_EXE, argv.data());
      _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
  }

  static void Redirect(const std::filesystem::path& file, int target, int flags) {
    int fd = open(file.c_str(), flags, 0600);
    dup2(fd, target);
    close(fd);
  }

  testsupport::TempDir temp;
  std::filesystem::path profile = temp.Path() / "profile";
  platform::RegistryStore store{profile};
};

const std::string kSuccess = "The operation completed successfully.\n";
const std::string kCancelled = "The operation was cancelled by the user.\n";
const std::string kNotFound =
    "ERROR: The system was unable to find the specified registry key or value.\n";

TEST_F(RegToolTest, QueryShowsValuesThenSubkeysAsRegDoes) {
  store.CreateKey("Software\\Quillby\\Varnel\\Options");
  store.CreateKey("Software\\Quillby\\Varnel\\Fonts");
  store.SetValue("Software\\Quillby\\Varnel", "AutomaticPath",
                 platform::RegValue::String("C:\\Out"));
  store.SetValue("Software\\Quillby\\Varnel", "AutomaticOutput", platform::RegValue::Dword(255));
  store.SetValue("Software\\Quillby\\Varnel", "", platform::RegValue::ExpandString("%TEMP%"));

  Result all = Reg({"query", "hkcu\\software\\QUILLBY\\varnel"});
  EXPECT_EQ(all.exitCode, 0);
  EXPECT_EQ(all.out,
            "\n"
            "HKEY_CURRENT_USER\\Software\\Quillby\\Varnel\n"
            "    AutomaticPath    REG_SZ    C:\\Out\n"
            "    AutomaticOutput    REG_DWORD    0xff\n"
            "    (Default)    REG_EXPAND_SZ    %TEMP%\n"
            "\n"
            "HKEY_CURRENT_USER\\Software\\Quillby\\Varnel\\Fonts\n"
            "HKEY_CURRENT_USER\\Software\\Quillby\\Varnel\\Options\n");
  EXPECT_EQ(all.err, "");

  Result one =
      Reg({"QUERY", "HKEY_CURRENT_USER\\Software\\Quillby\\Varnel", "/v", "automaticoutput"});
  EXPECT_EQ(one.exitCode, 0);
  EXPECT_EQ(one.out,
            "\nHKEY_CURRENT_USER\\Software\\Quillby\\Varnel\n"
            "    AutomaticOutput    REG_DWORD    0xff\n\n");

  Result keysOnly = Reg({"query", "HKCU\\Software"});
  EXPECT_EQ(keysOnly.out, "\nHKEY_CURRENT_USER\\Software\\Quillby\n");
}

TEST_F(RegToolTest, MissingKeysAndValuesFailWithRegsMessage) {
  store.CreateKey("Software");
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"query", "HKCU\\Software\\Missing"},
           {"query", "HKCU\\Software", "/v", "Missing"},
           {"delete", "HKCU\\Software\\Missing", "/f"},
           {"delete", "HKCU\\Software", "/v", "Missing", "/f"},
           {"export", "HKCU\\Missing", (temp.Path() / "x.reg").string()}}) {
    Result result = Reg(args);
    EXPECT_EQ(result.exitCode, 1) << args[0];
    EXPECT_EQ(result.err, kNotFound) << args[0];
    EXPECT_EQ(result.out, "") << args[0];
  }
  EXPECT_FALSE(std::filesystem::exists(temp.Path() / "x.reg"));
}

TEST_F(RegToolTest, BadCommandLinesAreSyntaxErrors) {
  Result noOperation = Reg({});
  EXPECT_EQ(noOperation.exitCode, 1);
  EXPECT_EQ(noOperation.err, "ERROR: Invalid syntax.\nType \"REG /?\" for usage.\n");
  Result badSwitch = Reg({"query", "HKCU\\Software", "/f"});
  EXPECT_EQ(badSwitch.exitCode, 1);
  EXPECT_EQ(badSwitch.err, "ERROR: Invalid syntax.\nType \"REG QUERY /?\" for usage.\n");
  EXPECT_EQ(Reg({"add", "HKCU\\K", "/v", "n", "/t", "REG_DWORD", "/d", "twelve"}).exitCode, 1);
  EXPECT_EQ(Reg({"add", "HKCU\\K", "/v"}).exitCode, 1);
  Result otherRoot = Reg({"query", "HKLM\\Software"});
  EXPECT_EQ(otherRoot.exitCode, 1);
  EXPECT_EQ(otherRoot.err, "ERROR: Invalid key name.\nType \"REG QUERY /?\" for usage.\n");
  EXPECT_FALSE(store.KeyExists("K"));
}

TEST_F(RegToolTest, AddWritesEachTypeAndAsksBeforeOverwriting) {
  Result added = Reg({"add", "HKCU\\Software\\Quillby\\Varnel", "/v", "AutomaticOutput", "/t",
                      "REG_DWORD", "/d", "0x10"});
  EXPECT_EQ(added.exitCode, 0);
  EXPECT_EQ(added.out, kSuccess);
  EXPECT_EQ(store.GetValue("Software\\Quillby\\Varnel", "AutomaticOutput"),
            platform::RegValue::Dword(16));
  Reg({"add", "HKCU\\Software\\Quillby\\Varnel", "/v", "Title", "/d", "Q3 \"final\" Ü"});
  EXPECT_EQ(store.GetValue("Software\\Quillby\\Varnel", "Title"),
            platform::RegValue::String("Q3 \"final\" Ü"));
  Reg({"add", "HKCU\\Software\\Quillby\\Varnel", "/v", "Path", "/t", "reg_expand_sz", "/d",
       "%TEMP%"});
  EXPECT_EQ(store.GetValue("Software\\Quillby\\Varnel", "Path"),
            platform::RegValue::ExpandString("%TEMP%"));

  Result refused =
      Reg({"add", "HKCU\\Software\\Quillby\\Varnel", "/v", "Title", "/d", "new"}, "no\n");
  EXPECT_EQ(refused.exitCode, 0);
  EXPECT_EQ(refused.out, "Value Title exists, overwrite(Yes/No)? " + kCancelled);
  Result noAnswer = Reg({"add", "HKCU\\Software\\Quillby\\Varnel", "/v", "Title", "/d", "new"});
  EXPECT_EQ(noAnswer.exitCode, 0);
  EXPECT_EQ(store.GetValue("Software\\Quillby\\Varnel", "Title"),
            platform::RegValue::String("Q3 \"final\" Ü"));

  Result accepted =
      Reg({"add", "HKCU\\Software\\Quillby\\Varnel", "/v", "Title", "/d", "new"}, "yes\n");
  EXPECT_EQ(accepted.out, "Value Title exists, overwrite(Yes/No)? " + kSuccess);
  Reg({"add", "HKCU\\Software\\Quillby\\Varnel", "/v", "AutomaticOutput", "/t", "REG_DWORD", "/d",
       "3", "/f"});
  EXPECT_EQ(store.GetValue("Software\\Quillby\\Varnel", "Title"),
            platform::RegValue::String("new"));
  EXPECT_EQ(store.GetValue("Software\\Quillby\\Varnel", "AutomaticOutput"),
            platform::RegValue::Dword(3));
}

TEST_F(RegToolTest, DeleteAsksUnlessForced) {
  store.CreateKey("Software\\Q\\Sub");
  store.SetValue("Software\\Q", "Keep", platform::RegValue::Dword(1));
  store.SetValue("Software\\Q", "Drop", platform::RegValue::Dword(2));

  Result refused = Reg({"delete", "HKCU\\Software\\Q", "/v", "Keep"}, "n\n");
  EXPECT_EQ(refused.out, "Delete the registry value Keep (Yes/No)? " + kCancelled);
  EXPECT_TRUE(store.GetValue("Software\\Q", "Keep"));
  Result accepted = Reg({"delete", "HKCU\\Software\\Q", "/v", "Drop"}, "Yes\n");
  EXPECT_EQ(accepted.out, "Delete the registry value Drop (Yes/No)? " + kSuccess);
  EXPECT_FALSE(store.GetValue("Software\\Q", "Drop"));

  Result keyRefused = Reg({"delete", "HKCU\\Software\\Q"});
  EXPECT_EQ(keyRefused.out,
            "Permanently delete the registry key HKEY_CURRENT_USER\\Software\\Q (Yes/No)? \n" +
                kCancelled);
  EXPECT_TRUE(store.KeyExists("Software\\Q\\Sub"));
  Result forced = Reg({"delete", "HKCU\\Software\\Q", "/f"});
  EXPECT_EQ(forced.exitCode, 0);
  EXPECT_EQ(forced.out, kSuccess);
  EXPECT_FALSE(store.KeyExists("Software\\Q"));
  EXPECT_EQ(Reg({"delete", "HKCU", "/f"}).exitCode, 1) << "the root stays";
}

TEST_F(RegToolTest, ExportThenImportRestoresTheKeys) {
  store.CreateKey("Software\\Q\\Sub");
  store.SetValue("Software\\Q", "Path \\ \"x\"", platform::RegValue::String("C:\\Ö\\\"y\""));
  store.SetValue("Software\\Q\\Sub", "Bytes",
                 platform::RegValue::Bytes(platform::RegType::Binary, {0xCA, 0xFE}));
  store.SetValue("Software\\Q\\Sub", "Env", platform::RegValue::ExpandString("%APPDATA%\\Ü"));
  auto exported = temp.Path() / "q.reg";
  Result exportResult = Reg({"export", "HKCU\\Software\\Q", exported.string()});
  EXPECT_EQ(exportResult.exitCode, 0);
  EXPECT_EQ(exportResult.out, kSuccess);
  std::string text = ReadFile(exported);

  EXPECT_EQ(Reg({"delete", "HKCU\\Software\\Q", "/f"}).exitCode, 0);
  Result importResult = Reg({"import", exported.string()});
  EXPECT_EQ(importResult.exitCode, 0);
  EXPECT_EQ(importResult.out, kSuccess);
  auto again = temp.Path() / "again.reg";
  Reg({"export", "HKCU\\Software\\Q", again.string()});
  EXPECT_EQ(ReadFile(again), text);
  EXPECT_EQ(store.GetValue("Software\\Q\\Sub", "Env"),
            platform::RegValue::ExpandString("%APPDATA%\\Ü"));

  Result kept = Reg({"export", "HKCU\\Software", again.string()}, "no\n");
  EXPECT_EQ(kept.out,
            "File " + again.string() + " already exists. Overwrite (Yes/No)? " + kCancelled);
  EXPECT_EQ(ReadFile(again), text);
  EXPECT_EQ(Reg({"export", "HKCU\\Software", again.string(), "/y"}).exitCode, 0);
  EXPECT_NE(ReadFile(again), text);
}

TEST_F(RegToolTest, ABadImportFileChangesNothingAndNamesTheLine) {
  store.CreateKey("Software");
  std::string before = ReadFile(store.File());
  auto bad = temp.WriteFile("bad.reg",
                            "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\New]\n"
                            "\"a\"=dword:zz\n");
  Result result = Reg({"import", bad.string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(
      result.err.find("ERROR: The registry file \"" + bad.string() + "\" has an error in line 4"),
      std::string::npos)
      << result.err;
  EXPECT_EQ(ReadFile(store.File()), before);
  EXPECT_EQ(Reg({"import", (temp.Path() / "missing.reg").string()}).exitCode, 1);
}

}  // namespace
