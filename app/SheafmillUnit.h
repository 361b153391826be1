#pragma once
// TForm1, Sheafmill's main window: the file-type boxes, the source and destination browsers,
// the printer combo, the Convert, Advanced Options and Exit buttons, the two status lines
// and the maker's notice, with the state that the conversion run and the options dialog
// share. Start-up checks run in FormCreate; closing switches the driver's automatic output
// off.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "controls/ProcessPrinters.h"
#include "controls/zeltexplorertree.h"
#include "controls/zeltexplorerview.h"
#include "controls/zeltprintercombo.h"
#include "convert/ConversionRun.h"
#include "platform/Platform.h"
#include "platform/automation/Variant.h"
#include "ui/Kit.h"

class TForm1 : private ConversionWindow {
 public:
  // Builds the window and its controls as designed, then runs FormCreate; an error that
  // escapes FormCreate goes to the error report and the window is built all the same.
  TForm1(ui::Kit& kit, platform::Platform& platform, controls::ProcessPrinters& printers);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  ui::Form& Window() const { return *window_; }
  // The run behind Convert, for a tool that drives the window and sets its batch options.
  ConversionRun& Conversion() { return run_; }

  // Handlers.
  void FormCreate();
  void FormCloseQuery(bool& canClose);
  void FormClose();
  void Button1Click();
  void Button2Click();
  void Button4Click();
  void Label3Click();
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  void CheckBox4Click();
  void CheckBox5Click();
  void CheckBox6Click();
  void CheckBox7Click();
  void ZELExplorerTree1Change(controls::TZELExplorerTree& sender, ui::TreeNode* node);
  void ZELExplorerTree2Change(controls::TZELExplorerTree& sender, ui::TreeNode* node);

  // Rebuilds the source list's mask from the seven file-type boxes and re-reads the list.
  void UpdateSourceMask();

 private:
  std::unique_ptr<ui::Form> window_;

 public:
  // The controls, by their design names; group boxes before the controls that lie on them.
  std::unique_ptr<ui::GroupBox> GroupBox3;
  std::unique_ptr<ui::CheckBox> CheckBox1;
  std::unique_ptr<ui::CheckBox> CheckBox2;
  std::unique_ptr<ui::CheckBox> CheckBox3;
  std::unique_ptr<ui::CheckBox> CheckBox4;
  std::unique_ptr<ui::CheckBox> CheckBox5;
  std::unique_ptr<ui::CheckBox> CheckBox6;
  std::unique_ptr<ui::CheckBox> CheckBox7;
  std::unique_ptr<controls::TZELPrinterCombo> ZELPrinterCombo1;
  std::unique_ptr<ui::GroupBox> GroupBox4;
  std::unique_ptr<ui::Button> Button4;
  std::unique_ptr<ui::Button> Button2;
  std::unique_ptr<ui::Button> Button1;
  std::unique_ptr<ui::GroupBox> GroupBox5;
  std::unique_ptr<ui::Label> Label1;
  std::unique_ptr<ui::Label> Label2;
  std::unique_ptr<ui::Label> Label3;
  std::unique_ptr<ui::GroupBox> GroupBox1;
  std::unique_ptr<controls::TZELExplorerTree> ZELExplorerTree1;
  std::unique_ptr<controls::TZELExplorerView> ZELExplorerView1;
  std::unique_ptr<ui::GroupBox> GroupBox2;
  std::unique_ptr<controls::TZELExplorerTree> ZELExplorerTree2;
  std::unique_ptr<controls::TZELExplorerView> ZELExplorerView2;

  // The state shared with the conversion run and the options dialog.
  platform::Variant HostApp;  // the authoring application of the running pass, else empty
  std::string DocTitle;
  std::string DocSubject;
  std::string DocAuthor;
  std::string DocKeywords;
  int32_t OverwriteMode = 0;  // 3 overwrites an existing PDF, 1 keeps it
  bool IsWow64 = false;

 private:
  void CreateControls();
  void ConnectHandlers();
  void CheckVeltraPrinter();
  void OpenDesktopFolder();
  void PreselectPrinter();
  void OpenVendorPage();
  std::unique_ptr<ui::GroupBox> NewGroupBox(const char* name, const ui::Bounds& bounds,
                                            const char* caption, int tabOrder);
  std::unique_ptr<ui::CheckBox> NewCheckBox(ui::Container& parent, const char* name,
                                            const ui::Bounds& bounds, const char* caption,
                                            bool checked, int tabOrder);
  std::unique_ptr<ui::Button> NewButton(ui::Container& parent, const char* name,
                                        const ui::Bounds& bounds, const char* caption,
                                        int tabOrder);
  std::unique_ptr<ui::Label> NewLabel(ui::Container& parent, const char* name,
                                      const ui::Bounds& bounds, const char* caption);
  std::unique_ptr<controls::TZELExplorerTree> NewExplorerTree(const char* name,
                                                              const ui::Bounds& bounds,
                                                              int tabOrder);
  std::unique_ptr<controls::TZELExplorerView> NewExplorerView(const char* name,
                                                              const ui::Bounds& bounds,
                                                              const char* mask, bool multiSelect,
                                                              int tabOrder);

  // What the conversion run reads and writes of the window.
  bool BoxChecked(int number) override;
  std::string SourceDirectory() override;
  std::string DestinationDirectory() override;
  void SetSourceMask(const std::string& mask) override;
  void ReloadSource() override;
  int SourceCount() override;
  std::string SourceEntry(int index) override;
  void ReloadDestination() override;
  void SetStatus(StatusLine line, const std::string& text) override;
  void ProcessMessages() override;
  void ShowMessage(const std::string& text) override;
  void EnableRunControls(bool enabled) override;
  void CloseIfAsked();
  void ResetDriverOnClose();
  // CheckBox1 ... CheckBox7, in their numbers' order.
  std::array<ui::CheckBox*, 7> FileTypeBoxes() const;

  ui::Kit& kit_;
  platform::Platform& platform_;
  controls::ProcessPrinters& printers_;
  ConversionRun run_;
  // The user asked to close the window while a run was in progress.
  bool closeAfterRun_ = false;
  bool closeErrorShown_ = false;
};
