#pragma once
// TForm2, the Advanced Options dialog: the four document properties that the PDF driver puts
// into every PDF, the overwrite choice, the driver's printing preferences, and the number of
// fonts the driver embeds. It is created for one use, owned by the main window, and reads
// and writes the main window's state; its OK button stores the edited values there.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/registry/RegistryStore.h"
#include "platform/shell/Shell.h"
#include "ui/Kit.h"

// The main window's state that the dialog and the Advanced Options handler share.
struct TOptionsState {
  std::string& DocTitle;
  std::string& DocSubject;
  std::string& DocAuthor;
  std::string& DocKeywords;
  int32_t& OverwriteMode;  // 3 overwrites an existing PDF, 1 keeps it
  const bool& IsWow64;
};

class TForm2 {
 public:
  // Builds the dialog over `owner` as designed, then runs FormCreate; an error that escapes
  // FormCreate goes to the error report and the dialog is built all the same.
  TForm2(ui::Kit& kit, ui::Form& owner, platform::RegistryStore& registry, platform::Shell& shell,
         TOptionsState state);
  ~TForm2();
  TForm2(const TForm2&) = delete;
  TForm2& operator=(const TForm2&) = delete;

  ui::Form& Window() const { return *window_; }

  // Handlers.
  void FormCreate();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Label5Click();

  // Shows the embedded-font count of the driver key when it is above 0; otherwise the note
  // stays as it is.
  void RefreshFontNote();
  // Starts a program through the shell and, when asked to, waits for it to end while the
  // windows go on processing messages. The program's exit code; 0 when not waiting; -1 when
  // it could not be started or its exit code cannot be read.
  int32_t RunAndWait(const std::string& verb, const std::string& file,
                     const std::string& parameters, const std::string& directory,
                     uint16_t showCommand, bool wait);

 private:
  std::unique_ptr<ui::Form> window_;

 public:
  // The controls, by their design names.
  std::unique_ptr<ui::Label> Label2;
  std::unique_ptr<ui::Edit> Edit1;
  std::unique_ptr<ui::Label> Label1;
  std::unique_ptr<ui::Edit> Edit2;
  std::unique_ptr<ui::Label> Label3;
  std::unique_ptr<ui::Edit> Edit3;
  std::unique_ptr<ui::Label> Label4;
  std::unique_ptr<ui::Edit> Edit4;
  std::unique_ptr<ui::CheckBox> CheckBox1;
  std::unique_ptr<ui::Label> Label5;
  std::unique_ptr<ui::Button> Button3;
  std::unique_ptr<ui::Button> Button1;
  std::unique_ptr<ui::Button> Button2;

  // The program that shows the printing preferences, without a folder.
  std::string RundllPath;

 private:
  void CreateControls();
  void ConnectHandlers();
  std::unique_ptr<ui::Label> NewLabel(const char* name, const ui::Bounds& bounds,
                                      const char* caption, bool bold);
  std::unique_ptr<ui::Edit> NewEdit(const char* name, const ui::Bounds& bounds, int tabOrder);
  std::unique_ptr<ui::Button> NewButton(const char* name, const ui::Bounds& bounds,
                                        const char* caption, int tabOrder);

  ui::Kit& kit_;
  platform::RegistryStore& registry_;
  platform::Shell& shell_;
  TOptionsState state_;
};
