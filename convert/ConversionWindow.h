#pragma once
// What the conversion run needs of the main window: the ticked file types, the two folder
// trees and file lists, the two status lines, the message pump and message box, and a way to
// keep the controls that would start or disturb a run from acting while one is in progress.

#include <string>

enum class StatusLine { Upper, Lower };  // Label1 and Label2 of the "Status" group

class ConversionWindow {
 public:
  virtual ~ConversionWindow() = default;

  // Whether the file-type box CheckBox1 ... CheckBox7 is ticked.
  virtual bool BoxChecked(int number) = 0;

  // The `Directory` of the source and the destination folder tree.
  virtual std::string SourceDirectory() = 0;
  virtual std::string DestinationDirectory() = 0;

  // The source file list.
  virtual void SetSourceMask(const std::string& mask) = 0;
  virtual void ReloadSource() = 0;
  virtual int SourceCount() = 0;
  virtual std::string SourceEntry(int index) = 0;

  virtual void ReloadDestination() = 0;

  virtual void SetStatus(StatusLine line, const std::string& text) = 0;
  virtual void ProcessMessages() = 0;
  virtual void ShowMessage(const std::string& text) = 0;

  // Convert, Advanced Options, the file-type boxes and both trees.
  virtual void EnableRunControls(bool enabled) = 0;
};
