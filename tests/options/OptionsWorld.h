#pragma once
// A private world for the options dialog: a registry store, drive C: and a folder of the
// project's programs on temporary folders, a shown main window of the headless kit, and the
// main window's state.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "options/OptionUnit.h"
#include "platform/files/FileSystem.h"
#include "platform/registry/RegistryStore.h"
#include "platform/shell/Shell.h"
#include "tests/support/TempDir.h"
#include "ui/Control.h"
#include "ui/headless/HeadlessKit.h"

namespace testsupport {

inline constexpr char kDriverKeyPath[] = "\\Software\\Quillby\\Varnel";

class OptionsWorld : public ::testing::Test {
 protected:
  OptionsWorld()
      : profile_(temp_.MakeDir("profile")),
        programs_(temp_.MakeDir("programs")),
        files_(platform::DriveMap{{'C', temp_.MakeDir("c")}}, temp_.Path() / "c" / "Windows"),
        shell_(files_, programs_) {
    shell_.SetChildEnvironment("SHEAFMILL_PROFILE", profile_.string());
    kit.App().SetTitle("Sheafmill");
    mainWindow->Show();
  }

  TOptionsState State() {
    return {DocTitle, DocSubject, DocAuthor, DocKeywords, OverwriteMode, IsWow64};
  }
  std::unique_ptr<TForm2> CreateDialog() {
    return std::make_unique<TForm2>(kit, *mainWindow, store, shell_, State());
  }

  void InstallDriverKey() { store.CreateKey(kDriverKeyPath); }
  void SetString(const std::string& name, const std::string& text) {
    ASSERT_TRUE(store.SetValue(kDriverKeyPath, name, platform::RegValue::String(text)));
  }
  void SetDword(const std::string& name, uint32_t value) {
    ASSERT_TRUE(store.SetValue(kDriverKeyPath, name, platform::RegValue::Dword(value)));
  }
  std::optional<platform::RegValue> Value(const std::string& name) const {
    return store.GetValue(kDriverKeyPath, name);
  }

  // A program of the project's program folder: a shell script under that name.
  void InstallProgram(const std::string& name, const std::string& body) {
    const std::filesystem::path file =
        temp_.WriteFile("programs/" + name, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
  }
  const std::filesystem::path& Temp() const { return temp_.Path(); }

  // A control of a form by its design name.
  template <class Control>
  static Control& Find(ui::Container& container, const std::string& name) {
    for (ui::Control* control : container.Controls()) {
      if (control->Name() == name) return dynamic_cast<Control&>(*control);
    }
    throw std::runtime_error("no control " + name);
  }

  const std::vector<ui::MessageBoxRecord>& Messages() { return kit.App().Messages(); }

  TempDir temp_;
  std::filesystem::path profile_;
  std::filesystem::path programs_;
  platform::FileSystem files_;
  platform::Shell shell_;
  platform::RegistryStore store{profile_};
  ui::HeadlessKit kit;
  std::unique_ptr<ui::Form> mainWindow = kit.CreateForm(nullptr);
  std::string DocTitle;
  std::string DocSubject;
  std::string DocAuthor;
  std::string DocKeywords;
  int32_t OverwriteMode = 3;
  bool IsWow64 = false;
};

}  // namespace testsupport
