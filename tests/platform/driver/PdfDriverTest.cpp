#include "platform/driver/PdfDriver.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <set>

#include "platform/Error.h"
#include "platform/driver/DriverNames.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TempDir.h"

namespace platform::driver {
namespace {

namespace fs = std::filesystem;
using testsupport::PdfDocumentInfo;
using testsupport::PdfPageText;

// A private world: drive C: on a temporary folder, the user's store, and the driver.
class PdfDriverTest : public testing::Test {
 protected:
  PdfDriverTest()
      : store(temp.Path() / "profile"),
        files({{'C', temp.MakeDir("c")}}, temp.MakeDir("windows")),
        driver(store, files, system) {
    system.SetWow64(false);
    store.CreateKey(SettingsKey);
    store.CreateKey(ShellFoldersKey);
    store.SetValue(ShellFoldersKey, "Personal", RegValue::String("C:\\Users\\ann\\Documents"));
    temp.MakeDir("c/Users/ann/Documents");
    temp.MakeDir("c/OUT");
  }

  void SetAutomatic(uint32_t mode, const std::string& path) {
    store.SetValue(SettingsKey, "AutomaticOutput", RegValue::Dword(mode));
    store.SetValue(SettingsKey, "AutomaticPath", RegValue::String(path));
  }

  // Prints a one-page job showing `text` under the document name `documentName`.
  void Print(const std::string& documentName, const std::string& text = "page text",
             const testsupport::PdfInfo& jobInfo = {}) {
    fs::path job = temp.Path() / "spool" / ("job" + std::to_string(jobs++) + ".pdf");
    fs::create_directories(job.parent_path());
    testsupport::WriteOnePagePdf(job, text, jobInfo);
    driver.Print({PrinterName, documentName, job});
  }

  // The names in a host folder, hidden ones too: nothing half-written may stay behind.
  std::set<std::string> Names(const std::string& relative) const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp.Path() / relative)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  fs::path Out(const std::string& name) const { return temp.Path() / "c" / "OUT" / name; }
  fs::path Documents(const std::string& name) const {
    return temp.Path() / "c" / "Users" / "ann" / "Documents" / name;
  }

  // Expects Print to fail with a message that contains `part`.
  void ExpectPrintError(const std::string& documentName, const std::string& part) {
    try {
      Print(documentName);
      ADD_FAILURE() << "printing '" << documentName << "' did not fail";
    } catch (const Error& error) {
      EXPECT_NE(error.Message().find(part), std::string::npos) << error.Message();
      EXPECT_EQ(error.Message().rfind(PrinterName, 0), 0u) << error.Message();
    }
  }

  testsupport::TempDir temp;
  RegistryStore store;
  FileSystem files;
  System system;
  PdfDriver driver;
  int jobs = 0;
};

class AutomaticModeTest : public PdfDriverTest, public testing::WithParamInterface<uint32_t> {};

TEST_P(AutomaticModeTest, WritesStemPlus000IntoTheFolder) {
  SetAutomatic(GetParam(), "C:\\OUT");
  Print("report.doc", "Quarterly figures");
  EXPECT_EQ(Names("c/OUT"), std::set<std::string>{"report000.pdf"});
  EXPECT_NE(PdfPageText(Out("report000.pdf")).find("Quarterly figures"), std::string::npos);
  EXPECT_TRUE(Names("c/Users/ann/Documents").empty());
}

TEST_P(AutomaticModeTest, WritesTheFixedNameFor64BitWindows) {
  SetAutomatic(GetParam(), "C:\\OUT");
  system.SetWow64(true);
  Print("C:\\DOCS\\report.doc");
  EXPECT_EQ(Names("c/OUT"), std::set<std::string>{"output.pdf.pdf"});
}

INSTANTIATE_TEST_SUITE_P(OneAndThree, AutomaticModeTest, testing::Values(1u, 3u));

TEST_F(PdfDriverTest, WithoutTheSixtyFourBitTestTheStemNameIsUsed) {
  SetAutomatic(3, "C:\\OUT");
  system.SetWow64(std::nullopt);
  Print("report.doc");
  EXPECT_EQ(Names("c/OUT"), std::set<std::string>{"report000.pdf"});
}

TEST_F(PdfDriverTest, KeepsUnusualDocumentNamesIntact) {
  SetAutomatic(3, "c:\\out\\");
  for (const char* name : {"My Report v2.doc", "Bob's 'final' draft.rtf", "Is it \"done\"?.doc",
                           "Übersicht für Jürgen.txt", "-rf.doc", "C:\\DOCS\\a b\\x.y.doc"}) {
    Print(name);
  }
  EXPECT_EQ(Names("c/OUT"),
            (std::set<std::string>{"My Report v2000.pdf", "Bob's 'final' draft000.pdf",
                                   "Is it _done__000.pdf", "Übersicht für Jürgen000.pdf",
                                   "-rf000.pdf", "x.y000.pdf"}));
}

TEST_F(PdfDriverTest, ADriveRootWithoutItsBackslashIsTheRoot) {
  SetAutomatic(3, "C:");
  Print("report.doc");
  EXPECT_TRUE(fs::is_regular_file(temp.Path() / "c" / "report000.pdf"));
}

TEST_F(PdfDriverTest, ReplacesAnInterimFileLeftFromAnEarlierJob) {
  SetAutomatic(3, "C:\\OUT");
  system.SetWow64(true);
  Print("first.doc", "first job");
  Print("second.doc", "second job");
  EXPECT_EQ(Names("c/OUT"), std::set<std::string>{"output.pdf.pdf"});
  EXPECT_NE(PdfPageText(Out("output.pdf.pdf")).find("second job"), std::string::npos);
}

TEST_F(PdfDriverTest, ReplacesAnInterimFileWhateverItsLetterCase) {
  SetAutomatic(3, "C:\\OUT");
  temp.WriteFile("c/OUT/REPORT000.PDF", "left over");
  Print("report.doc", "new job");
  EXPECT_EQ(Names("c/OUT"), std::set<std::string>{"REPORT000.PDF"});
  EXPECT_NE(PdfPageText(Out("REPORT000.PDF")).find("new job"), std::string::npos);
}

TEST_F(PdfDriverTest, AutomaticOutputOneNeverReplacesAFileOfTheOutputName) {
  SetAutomatic(1, "C:\\OUT");
  temp.WriteFile("c/OUT/Memo000.pdf", "the user's own");
  ExpectPrintError("memo.doc",
                   "'C:\\OUT\\memo000.pdf' exists already, and existing files are kept");
  EXPECT_EQ(Names("c/OUT"), std::set<std::string>{"Memo000.pdf"});
  EXPECT_EQ(testsupport::ReadFile(Out("Memo000.pdf")), "the user's own");
}

TEST_F(PdfDriverTest, TakesTheDocumentInformationFromTheSettings) {
  SetAutomatic(3, "C:\\OUT");
  store.SetValue(SettingsKey, "Title", RegValue::String("Jahresübersicht – 東京 Büro"));
  store.SetValue(SettingsKey, "Subject", RegValue::String("Finance"));
  store.SetValue(SettingsKey, "Author", RegValue::String("Zoë Ødegård"));
  store.SetValue(SettingsKey, "Keywords", RegValue::String("budget; 2024"));
  Print("report.doc", "text", {{"Title", "Untitled 1"}, {"Producer", "Writer"}});
  auto info = PdfDocumentInfo(Out("report000.pdf"));
  EXPECT_EQ(info["Title"], "Jahresübersicht – 東京 Büro");
  EXPECT_EQ(info["Subject"], "Finance");
  EXPECT_EQ(info["Author"], "Zoë Ødegård");
  EXPECT_EQ(info["Keywords"], "budget; 2024");
  EXPECT_EQ(info["Producer"], "Writer");
}

TEST_F(PdfDriverTest, EmptySettingsLeaveTheEntriesOut) {
  SetAutomatic(3, "C:\\OUT");
  Print("report.doc", "text", {{"Title", "Untitled 1"}, {"Author", "host user"}});
  auto info = PdfDocumentInfo(Out("report000.pdf"));
  EXPECT_EQ(info.count("Title"), 0u);
  EXPECT_EQ(info.count("Author"), 0u);
}

TEST_F(PdfDriverTest, ReadsTheSettingsAfreshForEveryJob) {
  SetAutomatic(3, "C:\\OUT");
  Print("one.doc");
  temp.MakeDir("c/OTHER");
  SetAutomatic(3, "C:\\OTHER");
  store.SetValue(SettingsKey, "Title", RegValue::String("second"));
  Print("two.doc");
  EXPECT_EQ(Names("c/OUT"), std::set<std::string>{"one000.pdf"});
  EXPECT_EQ(PdfDocumentInfo(temp.Path() / "c" / "OTHER" / "two000.pdf")["Title"], "second");
}

TEST_F(PdfDriverTest, RefusesAJobThatIsNotAPdfAndWritesNothing) {
  SetAutomatic(3, "C:\\OUT");
  fs::path job = temp.WriteFile("spool/job.pdf", "Dear Sir, this is plain text.\n");
  try {
    driver.Print({PrinterName, "letter.doc", job});
    ADD_FAILURE() << "a text file was printed";
  } catch (const Error& error) {
    EXPECT_EQ(
        error.Message().rfind(
            std::string(PrinterName) + ": the print job 'letter.doc' is not a PDF document", 0),
        0u)
        << error.Message();
  }
  EXPECT_TRUE(Names("c/OUT").empty());
}

TEST_F(PdfDriverTest, RefusesAJobWithoutPages) {
  SetAutomatic(3, "C:\\OUT");
  fs::path job = temp.WriteFile(
      "spool/job.pdf",
      "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\ntrailer << /Root 1 0 R >>\n%%EOF\n");
  try {
    driver.Print({PrinterName, "blank.doc", job});
    ADD_FAILURE() << "a job without pages was printed";
  } catch (const Error& error) {
    EXPECT_EQ(error.Message(),
              std::string(PrinterName) + ": the print job 'blank.doc' has no pages");
  }
  EXPECT_TRUE(Names("c/OUT").empty());
}

TEST_F(PdfDriverTest, RefusesAMissingJobFile) {
  SetAutomatic(3, "C:\\OUT");
  EXPECT_THROW(driver.Print({PrinterName, "gone.doc", temp.Path() / "spool" / "gone.pdf"}), Error);
  EXPECT_TRUE(Names("c/OUT").empty());
}

TEST_F(PdfDriverTest, AFolderThatCannotBeWrittenFailsThePrint) {
  SetAutomatic(3, "C:\\OUT");
  fs::permissions(temp.Path() / "c" / "OUT", fs::perms::owner_read | fs::perms::owner_exec);
  if (access((temp.Path() / "c" / "OUT").c_str(), W_OK) == 0) {
    GTEST_SKIP() << "this user (root) can write to a read-only folder, so the refusal cannot "
                    "be provoked with file permissions";
  }
  ExpectPrintError("report.doc", "cannot write to folder 'C:\\OUT\\'");
  fs::permissions(temp.Path() / "c" / "OUT", fs::perms::owner_all);
  EXPECT_TRUE(Names("c/OUT").empty());
}

TEST_F(PdfDriverTest, ATargetThatIsAFolderFailsThePrintAndLeavesNoTemporaryFile) {
  SetAutomatic(3, "C:\\OUT");
  temp.MakeDir("c/OUT/report000.pdf");
  ExpectPrintError("report.doc", "cannot write 'C:\\OUT\\report000.pdf'");
  EXPECT_EQ(Names("c/OUT"), std::set<std::string>{"report000.pdf"});
  EXPECT_TRUE(fs::is_empty(Out("report000.pdf")));
}

// A file system of `size` bytes mounted on a folder for the length of a test.
class SmallDisk {
 public:
  SmallDisk(const fs::path& folder, const std::string& size) : folder_(folder) {
    mounted_ =
        geteuid() == 0 && mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
  }
  ~SmallDisk() {
    if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;
  bool Mounted() const { return mounted_; }

  // Fills the disk with `name` and then frees one page of it, less than a job needs.
  void FillLeavingOnePage(const std::string& name) const {
    fs::path filler = folder_ / name;
    {
      std::ofstream out(filler, std::ios::binary);
      std::string block(4096, 'x');
      while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
      }
    }
    fs::resize_file(filler, fs::file_size(filler) / 4096 * 4096 - 4096);
  }

 private:
  fs::path folder_;
  bool mounted_ = false;
};

// Letters that do not compress, so that a page of them outgrows a page of free space.
std::string RandomLetters(size_t count) {
  std::mt19937 random(14);
  std::uniform_int_distribution<int> letter('a', 'z');
  std::string text(count, ' ');
  for (char& c : text) c = static_cast<char>(letter(random));
  return text;
}

TEST_F(PdfDriverTest, AFullDiskFailsThePrintAndKeepsTheEarlierFile) {
  SmallDisk disk(temp.Path() / "c" / "OUT", "256k");
  if (!disk.Mounted()) {
    GTEST_SKIP() << "a full disk needs a small file system, which only root can mount";
  }
  SetAutomatic(3, "C:\\OUT");
  Print("report.doc", "earlier job");
  disk.FillLeavingOnePage("filler");
  try {
    Print("report.doc", RandomLetters(60000));
    ADD_FAILURE() << "a PDF larger than the free space was printed";
  } catch (const Error& error) {
    EXPECT_EQ(error.Message(), std::string(PrinterName) +
                                   ": cannot write 'C:\\OUT\\report000.pdf' (the disk is full)");
  }
  EXPECT_EQ(Names("c/OUT"), (std::set<std::string>{"filler", "report000.pdf"}));
  EXPECT_NE(PdfPageText(Out("report000.pdf")).find("earlier job"), std::string::npos);
}

TEST_F(PdfDriverTest, AutomaticOutputIntoAMissingFolderFails) {
  SetAutomatic(1, "C:\\NOWHERE");
  ExpectPrintError("report.doc", "the output folder 'C:\\NOWHERE' does not exist");
  SetAutomatic(3, "Q:\\OUT");
  ExpectPrintError("report.doc", "the output folder 'Q:\\OUT' does not exist");
  SetAutomatic(3, "");
  ExpectPrintError("report.doc", "automatic output is on, but no output folder is set");
  EXPECT_TRUE(Names("c/Users/ann/Documents").empty());
}

TEST_F(PdfDriverTest, ASettingOfTheWrongTypeFailsThePrint) {
  SetAutomatic(3, "C:\\OUT");
  store.SetValue(SettingsKey, "Title", RegValue::Dword(7));
  ExpectPrintError("report.doc", "Invalid data type for 'Title'");
  EXPECT_TRUE(Names("c/OUT").empty());
}

// Automatic output off: the job is saved as a person printing from any program expects.
class DocumentsFolderTest : public PdfDriverTest, public testing::WithParamInterface<int> {};

TEST_P(DocumentsFolderTest, SavesIntoTheDocumentsFolderWithoutReplacing) {
  if (GetParam() >= 0) SetAutomatic(static_cast<uint32_t>(GetParam()), "C:\\OUT");
  temp.WriteFile("c/Users/ann/Documents/REPORT.DOC (1).PDF", "someone else's");
  Print("C:\\DOCS\\report.doc", "one");
  Print("report.doc", "two");
  Print("report.doc", "three");
  EXPECT_EQ(Names("c/Users/ann/Documents"),
            (std::set<std::string>{"report.doc.pdf", "REPORT.DOC (1).PDF", "report.doc (2).pdf",
                                   "report.doc (3).pdf"}));
  EXPECT_NE(PdfPageText(Documents("report.doc.pdf")).find("one"), std::string::npos);
  EXPECT_NE(PdfPageText(Documents("report.doc (3).pdf")).find("three"), std::string::npos);
  EXPECT_EQ(testsupport::ReadFile(Documents("REPORT.DOC (1).PDF")), "someone else's");
  EXPECT_TRUE(Names("c/OUT").empty());
}

// -1: no AutomaticOutput value; 0: switched off; 2: no automatic mode.
INSTANTIATE_TEST_SUITE_P(OffValues, DocumentsFolderTest, testing::Values(-1, 0, 2));

TEST_F(PdfDriverTest, WithoutTheSettingsKeyTheJobGoesToTheDocumentsFolder) {
  store.DeleteKey(SettingsKey);
  Print("notes.txt");
  EXPECT_EQ(Names("c/Users/ann/Documents"), std::set<std::string>{"notes.txt.pdf"});
}

TEST_F(PdfDriverTest, WithoutADocumentsFolderThePrintFails) {
  store.SetValue(ShellFoldersKey, "Personal", RegValue::String("C:\\Users\\bob\\Documents"));
  ExpectPrintError("notes.txt", "the documents folder 'C:\\Users\\bob\\Documents' does not exist");
  store.DeleteValue(ShellFoldersKey, "Personal");
  ExpectPrintError("notes.txt", "no documents folder is set");
}

TEST_F(PdfDriverTest, ServesItsPrinterOnTheSpooler) {
  Spooler spooler;
  driver.RegisterWith(spooler);
  SetAutomatic(3, "C:\\OUT");
  fs::path job = temp.Path() / "job.pdf";
  testsupport::WriteOnePagePdf(job, "spooled");
  spooler.Submit({"veltra ashgrove pdf creator", "memo.doc", job});
  EXPECT_NE(PdfPageText(Out("memo000.pdf")).find("spooled"), std::string::npos);
}

}  // namespace
}  // namespace platform::driver
