#pragma once
// A private world for the main window's tests: a platform on temporary folders (profile,
// home, programs), a fixed date, a web browser that only writes down the addresses it was
// asked to open, and the PDF driver's key.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "platform/Platform.h"
#include "tests/support/TempDir.h"

namespace testsupport {

inline constexpr char kDriverKeyPath[] = "\\Software\\Quillby\\Varnel";

class SheafmillWorld {
 public:
  SheafmillWorld()
      : savedConfig_(Saved("XDG_CONFIG_HOME")),
        options_(MakeOptions()),
        platform_(options_),
        opened_(temp_.Path() / "opened.txt") {
    const std::filesystem::path browser = temp_.WriteFile(
        "browser", "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + opened_.string() + "'\n");
    chmod(browser.c_str(), 0755);
    platform_.ShellServices().SetOpener(browser.string());
    platform_.Sys().SetCurrentDate(platform::LocalDate{2013, 6, 1});
    platform_.Sys().SetWow64(false);
  }
  ~SheafmillWorld() {
    if (savedConfig_) {
      setenv("XDG_CONFIG_HOME", savedConfig_->c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
  }

  platform::Platform& Platform() { return platform_; }
  const platform::PlatformOptions& Options() const { return options_; }
  const TempDir& Temp() const { return temp_; }

  // A printer installed as its setup program installs it: the first one becomes the default
  // printer, as on a machine whose printers were set up as usual.
  void InstallPrinter(const std::string& name) {
    platform::Printers& printers = platform_.Printing();
    printers.AddPrinter(name);
    if (!printers.EnumPrinters(platform::PRINTER_ENUM_DEFAULT).ok) printers.SetDefaultPrinter(name);
  }
  void InstallDriverKey() { platform_.Registry().CreateKey(kDriverKeyPath); }
  std::optional<platform::RegValue> DriverValue(const std::string& name) {
    return platform_.Registry().GetValue(kDriverKeyPath, name);
  }

  // The addresses the browser was asked to open, one a line, once `lines` lines are there
  // (the browser runs as a process of its own); what is there after a generous wait else.
  std::string Opened(int lines = 1) const {
    auto read = [this] { return std::filesystem::exists(opened_) ? ReadFile(opened_) : ""; };
    std::string text = read();
    for (int i = 0; i < 1000 && std::count(text.begin(), text.end(), '\n') < lines; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      text = read();
    }
    return text;
  }
  // As Opened(1), then a little longer for a browser started earlier that is still on its
  // way: for tests that show that one page only was opened.
  std::string OpenedOnce() const {
    Opened(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return Opened(0);
  }
  bool OpenedAnything() const { return std::filesystem::exists(opened_); }

 private:
  static std::optional<std::string> Saved(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
  }
  platform::PlatformOptions MakeOptions() {
    // The user-dirs file of the temporary home, not the real one.
    setenv("XDG_CONFIG_HOME", (temp_.Path() / "home" / ".config").c_str(), 1);
    return {temp_.MakeDir("home/.config/sheafmill"), temp_.MakeDir("home"),
            temp_.MakeDir("programs")};
  }

  TempDir temp_;
  std::optional<std::string> savedConfig_;
  platform::PlatformOptions options_;
  platform::Platform platform_;
  std::filesystem::path opened_;
};

}  // namespace testsupport
