#include "platform/driver/PdfDriver.h"

#include "platform/Error.h"
#include "platform/WinTypes.h"
#include "platform/driver/DriverNames.h"
#include "platform/driver/DriverSettings.h"
#include "platform/driver/JobDocument.h"
#include "platform/driver/OutputFile.h"
#include "platform/driver/OutputNames.h"
#include "platform/registry/RegKey.h"

namespace platform::driver {

namespace {

// Enough for any folder a person fills by hand; beyond it the folder is surely wrong.
constexpr int MaxDocumentsNumber = 9999;

Error DriverError(const std::string& text) {
  return Error(std::string(PrinterName) + ": " + text);
}

Error SettingsError(const std::string& key, const ERegistryException& error) {
  return DriverError("the settings in '" + key + "' cannot be read: " + error.Message());
}

// "D:" (a drive root as a program passes it, without its "\"), "D:\OUT" and "D:\OUT\" all
// become a folder name to which a file name is appended directly.
std::string AsFolderName(std::string path) {
  while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path + "\\";
}

// Only a file that reads back whole is given a name: a short one must not replace anything.
void WriteComplete(JobDocument& document, OutputFile& output, const std::string& targetName) {
  document.Write(output.Stream(), targetName);
  output.Close(targetName);
  document.CheckWritten(output.Temporary(), targetName);
}

}  // namespace

PdfDriver::PdfDriver(RegistryStore& store, FileSystem& files, System& system)
    : store_(store), files_(files), system_(system) {}

void PdfDriver::RegisterWith(Spooler& spooler) {
  spooler.RegisterDriver(PrinterName, *this);
}

void PdfDriver::Print(const PrintJob& job) {
  DriverSettings settings;
  try {
    settings = DriverSettings::Read(store_);
  } catch (const ERegistryException& error) {
    throw SettingsError(SettingsKey, error);
  }
  JobDocument document(job.pdfFile, job.documentName);
  document.SetInfo(settings.Info);
  if (settings.AutomaticOutput) {
    SaveAutomatic(document, settings, job.documentName);
  } else {
    SaveToDocuments(document, job.documentName);
  }
}

std::filesystem::path PdfDriver::HostPathOf(const std::string& path) {
  auto host = files_.ToHost(path);
  if (!host) throw DriverError("there is no drive for '" + path + "'");
  return *host;
}

PdfDriver::Folder PdfDriver::AutomaticFolder(const std::string& automaticPath) {
  if (automaticPath.empty()) {
    throw DriverError("automatic output is on, but no output folder is set");
  }
  std::string name = AsFolderName(automaticPath);
  if (!files_.DirectoryExists(name)) {
    throw DriverError("the output folder '" + automaticPath + "' does not exist");
  }
  return {name, HostPathOf(name)};
}

PdfDriver::Folder PdfDriver::DocumentsFolder() {
  std::string personal;
  if (auto key = RegKey::Open(store_, ShellFoldersKey, KEY_READ)) {
    try {
      personal = key->ReadString("Personal");
    } catch (const ERegistryException& error) {
      throw SettingsError(ShellFoldersKey, error);
    }
    key->Close();
  }
  if (personal.empty()) throw DriverError("no documents folder is set for the user");
  std::string name = AsFolderName(personal);
  if (!files_.DirectoryExists(name)) {
    throw DriverError("the documents folder '" + personal + "' does not exist");
  }
  return {name, HostPathOf(name)};
}

void PdfDriver::SaveAutomatic(JobDocument& document, const DriverSettings& settings,
                              const std::string& documentName) {
  Folder folder = AutomaticFolder(settings.AutomaticPath);
  bool wow64 = system_.IsWow64Process().value_or(false);
  std::string target = folder.name + AutomaticOutputName(documentName, wow64);
  OutputFile output(folder.host, folder.name);
  WriteComplete(document, output, target);
  // Resolving the full name finds an earlier file whatever its letter case, so that it is
  // replaced (or kept) rather than joined by a second file that Windows would call the same.
  if (!settings.KeepExisting) {
    output.Replace(HostPathOf(target), target);
  } else if (!output.PublishIfFree(HostPathOf(target), target)) {
    throw DriverError("'" + target + "' exists already, and existing files are kept");
  }
}

void PdfDriver::SaveToDocuments(JobDocument& document, const std::string& documentName) {
  Folder folder = DocumentsFolder();
  OutputFile output(folder.host, folder.name);
  WriteComplete(document, output, folder.name + DocumentsFolderName(documentName, 0));
  // The full name resolves to a file of any letter case, and that one counts as taken.
  for (int number = 0; number <= MaxDocumentsNumber; ++number) {
    std::string target = folder.name + DocumentsFolderName(documentName, number);
    if (output.PublishIfFree(HostPathOf(target), target)) return;
  }
  throw DriverError("the documents folder '" + folder.name + "' has no free name for '" +
                    DocumentsFolderName(documentName, 0) + "'");
}

}  // namespace platform::driver
